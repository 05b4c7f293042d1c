import flash.display.Sprite;
import flash.geom.ColorTransform;
import lumaro.Gallery;
import lumaro.PhotoTile;

/**
 * A wall of photos in a grid that slowly swings about its vertical axis, the far side shrinking
 * into the distance; a ripple runs through it lifting photos towards the viewer. Up to 36 photos
 * fit the grid; with more, cells turn over one by one to show the next photos.
 */
class Grid3D extends Gallery {
    static inline var CELLS = 36;

    var wall:Sprite;
    var items:Array<PhotoTile> = [];
    var cols:Int = 1;
    var rows:Int = 1;
    var nextPhoto:Int = 0;
    var flipAt:Float = 3;
    var flipCell:Int = -1;
    var flipStart:Float = 0;

    static function main()
        Gallery.run(new Grid3D());

    public function new()
        super("3D Grid");

    override function backgroundColors()
        return [0x10202A, 0x03080C];

    override function build() {
        wall = new Sprite();
        scene.addChild(wall);
        var n = Std.int(Math.min(count, CELLS));
        cols = Std.int(Math.max(1, Math.ceil(Math.sqrt(n * 1.5))));
        if (cols > n)
            cols = n;
        rows = Std.int(Math.ceil(n / cols));
        for (i in 0...n) {
            var t = tile(160, 120, n > 12, 2, 0xD0E4F0);
            t.show(i);
            items.push(t);
            wall.addChild(t);
        }
        nextPhoto = n;
    }

    override function tick(t:Float, dt:Float) {
        var n = items.length;
        var swing = 0.55 * Math.sin(t * 0.35);
        var cosA = Math.cos(swing), sinA = Math.sin(swing);
        var cellW = 170.0, cellH = 130.0;
        var gridW = cols * cellW, gridH = rows * cellH;
        var fit = Math.min(W * 0.86 / gridW, H * 0.8 / gridH);
        var focal = gridW * 1.2;
        var order = [];
        for (i in 0...n) {
            var c = i % cols, r = Std.int(i / cols);
            var wx = (c + 0.5) * cellW - gridW / 2;
            var wy = (r + 0.5) * cellH - gridH / 2;
            // The ripple lifts a cell towards the viewer as it passes.
            var wave = Math.sin(t * 1.6 - (c + r) * 0.7);
            var lift = wave > 0.6 ? (wave - 0.6) * 80 : 0;
            var z = wx * sinA - lift;
            var p = focal / (focal + z);
            var it = items[i];
            it.x = W / 2 + wx * cosA * p * fit;
            it.y = H / 2 + wy * p * fit;
            var flip = 1.0;
            if (i == flipCell) {
                var k = (t - flipStart) / 0.6;
                if (k >= 1) {
                    flipCell = -1;
                } else {
                    if (k >= 0.5 && it.index != pending)
                        it.show(pending);
                    flip = Math.abs(Math.cos(k * Math.PI));
                }
            }
            it.scaleX = cosA * p * fit * flip;
            it.scaleY = p * fit;
            var light = Math.min(1, 0.55 + 0.45 * p + lift / 160);
            it.transform.colorTransform = new ColorTransform(light, light, light);
            order.push({z: z, i: i});
        }
        order.sort(function(a, b) return a.z > b.z ? -1 : (a.z < b.z ? 1 : 0));
        for (k in 0...order.length)
            wall.setChildIndex(items[order[k].i], k);
        if (count > n && t > flipAt && flipCell < 0) {
            flipAt = t + 2.5;
            flipCell = Std.random(n);
            flipStart = t;
            pending = Gallery.wrap(nextPhoto++, count);
        }
    }

    var pending:Int = 0;
}
