package lumaro;

import flash.display.BitmapData;
import lumaro.PlayData;

/**
 * Loads each picture once and hands it to everyone who asked for it. A picture that fails
 * is remembered as failed, so its tiles show a placeholder and nobody asks again.
 */
class PhotoStore {
    public var count(get, never):Int;
    public var loaded(default, null):Int = 0;
    public var failed(default, null):Int = 0;

    var source:Source;
    var entries:Array<PhotoEntry>;
    var cache:Map<String, BitmapData> = new Map();
    var waiting:Map<String, Array<BitmapData->Void>> = new Map();
    var settled:Map<Int, Bool> = new Map();

    public function new(source:Source, entries:Array<PhotoEntry>) {
        this.source = source;
        this.entries = entries;
    }

    function get_count():Int {
        return entries.length;
    }

    public function get(index:Int, thumb:Bool, done:BitmapData->Void):Void {
        if (index < 0 || index >= entries.length) {
            done(null);
            return;
        }
        // Without thumbnails both sizes are the same picture: decode it once.
        var key = index + (thumb && source.hasThumbnails ? "s" : "f");
        if (cache.exists(key)) {
            done(cache.get(key));
            return;
        }
        if (waiting.exists(key)) {
            waiting.get(key).push(done);
            return;
        }
        waiting.set(key, [done]);
        source.loadPhoto(entries[index], thumb, function(b:BitmapData) {
            cache.set(key, b);
            if (!settled.exists(index)) {
                settled.set(index, b != null);
                if (b != null) loaded++ else failed++;
            } else if (b != null && !settled.get(index)) {
                settled.set(index, true);
                failed--;
                loaded++;
            }
            var list = waiting.get(key);
            waiting.remove(key);
            for (cb in list)
                cb(b);
        });
    }
}
