import flash.display.Shape;
import flash.display.Sprite;
import lumaro.Gallery;
import lumaro.PhotoTile;

/**
 * A corridor running into the distance: its frames and the photos hanging in it drift slowly
 * towards the viewer, photo after photo out of the far past, and fade away once they pass.
 * Up to 54 photos hang in the corridor at once; with more, a photo that has passed comes back
 * at the far end as the next one.
 */
class TimeCorridor extends Gallery {
    static inline var SLOTS = 54;
    static inline var NEAR = 0.8;
    static inline var FAR = 9.0;
    static inline var SPEED = 0.45; // depth units per second

    var corridor:Shape;
    var hall:Sprite;
    var items:Array<PhotoTile> = [];
    var depth:Array<Float> = [];
    var nextPhoto:Int = 0;
    var travel:Float = 0;

    static function main()
        Gallery.run(new TimeCorridor());

    public function new()
        super("Time Corridor");

    override function backgroundColors()
        return [0x0A0C16, 0x1A1420];

    override function build() {
        corridor = new Shape();
        scene.addChild(corridor);
        hall = new Sprite();
        scene.addChild(hall);
        var n = Std.int(Math.min(count, SLOTS));
        var spacing = (FAR - NEAR) / Math.max(n, 3);
        for (i in 0...n) {
            var t = tile(240, 180, false, 3, 0xE8E2D0);
            t.show(i);
            items.push(t);
            hall.addChild(t);
            depth.push(NEAR + 1.2 + spacing * i);
        }
        nextPhoto = n;
    }

    /** Where a photo hangs: on the left and right walls, the ceiling and the floor in turn. */
    static function lane(slot:Int):Array<Float> {
        var along = [-0.28, 0.0, 0.28][Std.int(slot / 4) % 3];
        return switch (slot % 4) {
            case 0: [-0.68, along * 0.6];
            case 1: [0.68, -along * 0.6];
            case 2: [along * 1.4, -0.36];
            default: [-along * 1.4, 0.36];
        }
    }

    override function tick(t:Float, dt:Float) {
        travel += dt * SPEED;
        var n = items.length;
        var span = FAR - NEAR;
        var cx = W / 2, cy = H / 2, unit = Math.min(W, H) * 0.75;
        var order = [];
        for (i in 0...n) {
            var z = depth[i] - dt * SPEED;
            if (z < NEAR) {
                z += span;
                if (count > n)
                    items[i].show(Gallery.wrap(nextPhoto++, count));
            }
            depth[i] = z;
            var it = items[i];
            var p = lane(i);
            it.x = cx + p[0] * unit / z;
            it.y = cy + p[1] * unit / z;
            // A photo is half a corridor width across.
            it.scaleX = it.scaleY = 0.5 * unit / (240 * z);
            // Fade in out of the dark far end, fade out just before passing the viewer.
            it.alpha = Math.max(0, Math.min(1, Math.min((FAR - z) / 1.5, (z - NEAR) / 0.6)));
            order.push({z: z, i: i});
        }
        order.sort(function(a, b) return a.z > b.z ? -1 : (a.z < b.z ? 1 : 0));
        for (k in 0...order.length)
            hall.setChildIndex(items[order[k].i], k);
        drawCorridor(cx, cy, unit);
    }

    function drawCorridor(cx:Float, cy:Float, unit:Float) {
        var g = corridor.graphics;
        g.clear();
        var hw = 1.0, hh = 0.62; // half width and height of the corridor in depth units
        // Edges running to the vanishing point.
        g.lineStyle(1, 0x6A6080, 0.5);
        for (sx in [-1, 1])
            for (sy in [-1, 1]) {
                g.moveTo(cx + sx * hw * unit / NEAR, cy + sy * hh * unit / NEAR);
                g.lineTo(cx, cy);
            }
        // Frames of the corridor, moving with the photos.
        var step = 1.0;
        var phase = travel % step;
        var z = FAR - phase;
        while (z > NEAR * 0.6) {
            var s = unit / z;
            var fade = Math.max(0, Math.min(1, (FAR - z) / 3)) * 0.55;
            g.lineStyle(Math.max(1, 3 / z), 0x9A88C0, fade);
            g.drawRect(cx - hw * s, cy - hh * s, 2 * hw * s, 2 * hh * s);
            z -= step;
        }
        g.lineStyle();
        // A faint glow at the far end.
        g.beginFill(0xC8B8FF, 0.08);
        g.drawEllipse(cx - unit * 0.08, cy - unit * 0.05, unit * 0.16, unit * 0.1);
        g.endFill();
    }
}
