package lumaro;

/** One background music clip of the configuration. Times are milliseconds. */
class Clip {
    public var fileName:String;
    public var size:Int;
    public var fadeIn:Bool;
    public var fadeOut:Bool;
    public var loop:Bool;
    public var start:Float;
    public var end:Float;
    /** Byte offset inside a self-contained movie; -1 when the clip lives in a file. */
    public var offset:Int = -1;

    public function new() {}
}

/** One photo of the configuration. */
class PhotoEntry {
    public var fileName:String;
    public var size:Int;
    public var offset:Int = -1;

    public function new() {}
}

/**
 * The "playdata" configuration: background music clips and photos, in document order.
 * Parsing never throws: a broken or missing file gives empty lists and an error text, so the
 * gallery still starts and shows that there is nothing to show.
 */
class PlayData {
    public var music:Array<Clip> = [];
    public var photos:Array<PhotoEntry> = [];
    public var error:String = null;

    public function new() {}

    public static function failed(why:String):PlayData {
        var d = new PlayData();
        d.error = why;
        return d;
    }

    public static function parse(text:String):PlayData {
        if (text == null || text.length == 0)
            return failed("empty configuration");
        // Written on Windows the file has CR LF line ends; some editors add a byte order mark.
        if (text.charCodeAt(0) == 0xFEFF)
            text = text.substr(1);
        text = StringTools.replace(text, "\r\n", "\n");
        text = StringTools.replace(text, "\r", "\n");
        var root:Xml;
        try {
            root = Xml.parse(text).firstElement();
        } catch (e:Dynamic) {
            return failed("unreadable configuration");
        }
        if (root == null || root.nodeName != "playdata")
            return failed("not a playdata file");
        var d = new PlayData();
        for (el in root.elements()) {
            if (el.nodeName == "backgroundmusic") {
                var c = new Clip();
                c.fileName = attr(el, "filename");
                c.size = toInt(attr(el, "size"));
                c.fadeIn = attr(el, "fadein") == "1";
                c.fadeOut = attr(el, "fadeout") == "1";
                c.loop = attr(el, "loop") == "1";
                c.start = toMs(attr(el, "starttime"));
                c.end = toMs(attr(el, "endtime"));
                if (c.fileName != "")
                    d.music.push(c);
            } else if (el.nodeName == "thumbnails") {
                for (t in el.elementsNamed("thumbnail")) {
                    var p = new PhotoEntry();
                    p.fileName = attr(t, "filename");
                    p.size = toInt(attr(t, "size"));
                    d.photos.push(p);
                }
            }
        }
        return d;
    }

    static function attr(el:Xml, name:String):String {
        var v = el.get(name);
        return v == null ? "" : StringTools.trim(v);
    }

    static function toInt(s:String):Int {
        var v = Std.parseInt(s);
        return (v == null || v < 0) ? 0 : v;
    }

    /** Times may be written in exponent form ("1.2e+06"). */
    static function toMs(s:String):Float {
        var v = Std.parseFloat(s);
        return (Math.isNaN(v) || v < 0) ? 0 : v;
    }
}
