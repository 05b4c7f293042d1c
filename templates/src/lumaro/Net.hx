package lumaro;

import flash.display.Bitmap;
import flash.display.BitmapData;
import flash.display.Loader;
import flash.events.Event;
import flash.events.IOErrorEvent;
import flash.events.SecurityErrorEvent;
import flash.net.URLLoader;
import flash.net.URLLoaderDataFormat;
import flash.net.URLRequest;
import flash.system.LoaderContext;
import flash.utils.ByteArray;

/** Small loading helpers shared by both sources; failures end in done(null), never a throw. */
class Net {
    /** The movie's own address without query or fragment. */
    public static function movieUrl():String {
        var url = flash.Lib.current.loaderInfo.url;
        if (url == null)
            return "";
        for (sep in ["#", "?"]) {
            var i = url.indexOf(sep);
            if (i >= 0)
                url = url.substr(0, i);
        }
        return url;
    }

    /** The folder of a URL, ending in "/". */
    public static function folderOf(url:String):String {
        var i = url.lastIndexOf("/");
        return i >= 0 ? url.substr(0, i + 1) : "";
    }

    /** The decoded last path segment of a URL. */
    public static function fileOf(url:String):String {
        var name = url.substr(url.lastIndexOf("/") + 1);
        try {
            name = StringTools.urlDecode(name);
        } catch (e:Dynamic) {}
        return name;
    }

    /** Escapes a bare file name for use inside a URL (spaces, non-ASCII letters, '#', '%'). */
    public static function escape(name:String):String {
        return StringTools.urlEncode(name);
    }

    public static function fetch(url:String, binary:Bool, done:Dynamic->Void):Void {
        var loader = new URLLoader();
        loader.dataFormat = binary ? URLLoaderDataFormat.BINARY : URLLoaderDataFormat.TEXT;
        var finished = false;
        function end(v:Dynamic) {
            if (finished)
                return;
            finished = true;
            done(v);
        }
        loader.addEventListener(Event.COMPLETE, function(_) end(loader.data));
        loader.addEventListener(IOErrorEvent.IO_ERROR, function(_) end(null));
        loader.addEventListener(SecurityErrorEvent.SECURITY_ERROR, function(_) end(null));
        try {
            loader.load(new URLRequest(url));
        } catch (e:Dynamic) {
            end(null);
        }
    }

    public static function image(url:String, bytes:ByteArray, done:BitmapData->Void):Void {
        var loader = new Loader();
        var finished = false;
        function end(b:BitmapData) {
            if (finished)
                return;
            finished = true;
            done(b);
        }
        var info = loader.contentLoaderInfo;
        info.addEventListener(Event.COMPLETE, function(_) {
            var bmp = Std.downcast(loader.content, Bitmap);
            end(bmp == null ? null : bmp.bitmapData);
        });
        info.addEventListener(IOErrorEvent.IO_ERROR, function(_) end(null));
        info.addEventListener(SecurityErrorEvent.SECURITY_ERROR, function(_) end(null));
        try {
            if (bytes != null)
                loader.loadBytes(bytes);
            else
                loader.load(new URLRequest(url), new LoaderContext(false));
        } catch (e:Dynamic) {
            end(null);
        }
    }
}
