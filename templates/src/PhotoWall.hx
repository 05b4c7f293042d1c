import flash.display.Shape;
import flash.display.Sprite;
import flash.geom.ColorTransform;
import lumaro.Gallery;
import lumaro.PhotoTile;

/**
 * Photos laid like bricks in a wall, row over row, every other row shifted by half a photo.
 * Rows longer than the stage glide sideways, alternately left and right, round and round; a
 * spotlight wanders from photo to photo and lifts the one it rests on out of the wall.
 */
class PhotoWall extends Gallery {
    static inline var TW = 160.0;
    static inline var TH = 120.0;
    static inline var GAP = 10.0;

    var wall:Sprite;
    var shade:Shape;
    var rows:Array<Array<PhotoTile>> = [];
    var rowCount:Int = 1;
    var perRow:Int = 1;
    var unit:Float = 1;
    var lit:PhotoTile;
    var litSince:Float = -10;
    var lift:Float = 0;

    static function main()
        Gallery.run(new PhotoWall());

    public function new()
        super("Photo Wall");

    override function backgroundColors()
        return [0x3A3026, 0x18120C];

    override function build() {
        wall = new Sprite();
        scene.addChild(wall);
        shade = new Shape();
        rowCount = Std.int(Math.max(1, Math.round(Math.sqrt(count * 0.45))));
        perRow = Std.int(Math.ceil(count / rowCount));
        var i = 0;
        for (r in 0...rowCount) {
            var row = [];
            for (c in 0...perRow) {
                if (i >= count)
                    break;
                var t = tile(TW, TH, count > 9, 4, 0xF4F0E8);
                t.show(i++);
                wall.addChild(t);
                row.push(t);
            }
            rows.push(row);
        }
        wall.addChild(shade);
    }

    override function layout() {
        var wallH = rowCount * (TH + GAP);
        var wallW = (perRow + 0.5) * (TW + GAP);
        unit = Math.min(H * 0.86 / wallH, W * 0.94 / Math.min(wallW, 6.5 * (TW + GAP)));
        unit = Math.min(unit, 1.9);
        wall.scaleX = wall.scaleY = unit;
        wall.x = W / 2;
        wall.y = H / 2;
    }

    override function tick(t:Float, dt:Float) {
        var visibleW = W / unit;
        for (r in 0...rows.length) {
            var row = rows[r];
            var n = row.length;
            var length = n * (TW + GAP);
            var shift = r % 2 == 1 ? (TW + GAP) / 2 : 0;
            var y = (r - (rowCount - 1) / 2) * (TH + GAP);
            var glide = length > visibleW + TW;
            var offset = glide ? (r % 2 == 0 ? -1 : 1) * t * 18 : 0;
            for (c in 0...n) {
                var x = c * (TW + GAP) + shift + offset;
                if (glide) {
                    // Wrap the row round so it never runs out of photos.
                    x = ((x % length) + length) % length - length / 2 + TW / 2;
                } else {
                    x = x - (length - GAP) / 2 + TW / 2 - shift / 2;
                }
                row[c].x = x;
                row[c].y = y;
            }
        }
        spotlight(t, dt);
    }

    function spotlight(t:Float, dt:Float) {
        if (lit == null || t - litSince > 3.2) {
            var candidates = [];
            var half = W / unit / 2 - TW / 2;
            for (row in rows)
                for (p in row)
                    if (Math.abs(p.x) < half && p != lit)
                        candidates.push(p);
            if (lit != null) {
                lit.scaleX = lit.scaleY = 1;
                lit.transform.colorTransform = new ColorTransform();
            }
            lit = candidates.length > 0 ? candidates[Std.random(candidates.length)] : null;
            litSince = t;
            if (lit != null) {
                wall.setChildIndex(lit, wall.numChildren - 1);
                wall.setChildIndex(shade, wall.numChildren - 2);
            }
        }
        if (lit == null)
            return;
        var k = Math.min(1, (t - litSince) / 0.5);
        var out = t - litSince > 2.7 ? Math.max(0, 1 - (t - litSince - 2.7) / 0.5) : 1;
        lift = k * out;
        var s = 1 + 0.18 * lift;
        lit.scaleX = lit.scaleY = s;
        var g = shade.graphics;
        g.clear();
        g.beginFill(0x000000, 0.45 * lift);
        g.drawRect(lit.x - TW * s / 2 + 8, lit.y - TH * s / 2 + 10, TW * s, TH * s);
        g.endFill();
    }
}
