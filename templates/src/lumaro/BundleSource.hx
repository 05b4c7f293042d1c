package lumaro;

import flash.display.BitmapData;
import flash.media.Sound;
import flash.utils.ByteArray;
import flash.utils.Endian;
import lumaro.PlayData;

/**
 * The self-contained movie: its own file carries, after the movie's bytes, the marker "$$$$$",
 * the configuration's length (4 bytes, big-endian), the configuration, then the music files in
 * configuration order and the photos in configuration order, each as long as its size
 * attribute. Thumbnails are not carried; the photos stand in for them.
 */
class BundleSource implements Source {
    public var mode(default, null):String = "bundle";
    public var hasThumbnails(default, null):Bool = false;

    static inline var MARKER = "$$$$$";

    var bytes:ByteArray;

    public function new() {}

    public function open(done:PlayData->Void):Void {
        Net.fetch(Net.movieUrl(), true, function(data:Dynamic) {
            var b:ByteArray = data;
            done(b == null ? PlayData.failed("movie not readable") : read(b));
        });
    }

    function read(b:ByteArray):PlayData {
        bytes = b;
        var at = markerAt(b);
        if (at < 0)
            return PlayData.failed("no appended data");
        b.endian = Endian.BIG_ENDIAN;
        b.position = at + MARKER.length;
        var n:Int = b.readUnsignedInt();
        if (n < 0 || n > Std.int(b.length) - Std.int(b.position))
            return PlayData.failed("truncated configuration");
        var d = PlayData.parse(b.readUTFBytes(n));
        var cursor:Int = at + MARKER.length + 4 + n;
        for (c in d.music) {
            c.offset = cursor;
            cursor += c.size;
        }
        for (p in d.photos) {
            p.offset = cursor;
            cursor += p.size;
        }
        return d;
    }

    /**
     * An uncompressed movie states its own length in its header, so the marker is expected
     * right there; a compressed one states the unpacked length, so then the marker is searched,
     * accepting only a hit followed by a plausible length and the start of an XML document.
     */
    static function markerAt(b:ByteArray):Int {
        if (b.length < 17)
            return -1;
        b.endian = Endian.LITTLE_ENDIAN;
        b.position = 4;
        var declared:Int = b.readUnsignedInt();
        if (b[0] == "F".code && isMarker(b, declared))
            return declared;
        var i = 8;
        var total = Std.int(b.length);
        while (i + 10 <= total) {
            if (isMarker(b, i))
                return i;
            ++i;
        }
        return -1;
    }

    static function isMarker(b:ByteArray, at:Int):Bool {
        var total = Std.int(b.length);
        if (at < 8 || at + 10 > total)
            return false;
        for (k in 0...5)
            if (b[at + k] != "$".code)
                return false;
        var n = (b[at + 5] << 24) | (b[at + 6] << 16) | (b[at + 7] << 8) | b[at + 8];
        if (n <= 0 || n > total - at - 9)
            return false;
        var first = b[at + 9];
        return first == "<".code || first == 0xEF; // "<?xml" or a byte order mark
    }

    /** The bytes of one appended file, or null when the movie was cut short. */
    function slice(offset:Int, size:Int):ByteArray {
        if (bytes == null || offset < 0 || size <= 0 || offset + size > Std.int(bytes.length))
            return null;
        var out = new ByteArray();
        out.writeBytes(bytes, offset, size);
        out.position = 0;
        return out;
    }

    public function loadPhoto(entry:PhotoEntry, thumb:Bool, done:BitmapData->Void):Void {
        var data = slice(entry.offset, entry.size);
        if (data == null)
            done(null);
        else
            Net.image(null, data, done);
    }

    public function loadSound(clip:Clip, done:Sound->Void):Void {
        var data = slice(clip.offset, clip.size);
        if (data == null) {
            done(null);
            return;
        }
        try {
            var s = new Sound();
            s.loadCompressedDataFromByteArray(data, data.length);
            done(s);
        } catch (e:Dynamic) {
            done(null);
        }
    }
}
