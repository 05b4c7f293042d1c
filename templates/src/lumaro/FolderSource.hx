package lumaro;

import flash.display.BitmapData;
import flash.events.Event;
import flash.events.IOErrorEvent;
import flash.media.Sound;
import flash.net.URLRequest;
import lumaro.PlayData;

/**
 * The movie beside its configuration file: "<template>.xml", "photos/" (thumbnails named
 * "s_" + name) and "background music/". A published movie carries the publish name, while the
 * configuration keeps the template's name, so the template's name is tried first and the
 * movie's own base name second.
 */
class FolderSource implements Source {
    public var mode(default, null):String = "folder";
    public var hasThumbnails(default, null):Bool = true;

    var base:String;
    var names:Array<String>;

    public function new(templateName:String) {
        var url = Net.movieUrl();
        base = Net.folderOf(url);
        names = [templateName + ".xml"];
        var own = Net.fileOf(url);
        if (StringTools.endsWith(own.toLowerCase(), ".swf")) {
            var alt = own.substr(0, own.length - 4) + ".xml";
            if (alt != names[0])
                names.push(alt);
        }
    }

    public function open(done:PlayData->Void):Void {
        tryName(0, done);
    }

    function tryName(i:Int, done:PlayData->Void) {
        if (i >= names.length) {
            done(PlayData.failed("configuration not found"));
            return;
        }
        Net.fetch(base + Net.escape(names[i]), false, function(text:Dynamic) {
            if (text == null)
                tryName(i + 1, done);
            else
                done(PlayData.parse(Std.string(text)));
        });
    }

    public function loadPhoto(entry:PhotoEntry, thumb:Bool, done:BitmapData->Void):Void {
        var full = base + "photos/" + Net.escape(entry.fileName);
        if (!thumb) {
            Net.image(full, null, done);
            return;
        }
        // A missing thumbnail is not fatal: fall back to the photo itself.
        Net.image(base + "photos/" + Net.escape("s_" + entry.fileName), null, function(b) {
            if (b != null)
                done(b);
            else
                Net.image(full, null, done);
        });
    }

    public function loadSound(clip:Clip, done:Sound->Void):Void {
        var sound = new Sound();
        var finished = false;
        function end(s:Sound) {
            if (finished)
                return;
            finished = true;
            done(s);
        }
        sound.addEventListener(Event.COMPLETE, function(_) end(sound));
        sound.addEventListener(IOErrorEvent.IO_ERROR, function(_) end(null));
        try {
            sound.load(new URLRequest(base + Net.escape("background music") + "/" + Net.escape(clip.fileName)));
        } catch (e:Dynamic) {
            end(null);
        }
    }
}
