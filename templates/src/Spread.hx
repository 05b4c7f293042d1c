import flash.display.Shape;
import flash.display.Sprite;
import lumaro.Gallery;
import lumaro.PhotoTile;

/**
 * Prints spread out over a table: dealt one by one from a pile at the bottom, each landing
 * at its own place with a slight turn. Once all lie on the table, the print at the bottom of
 * the heap is picked up every few seconds and laid on top somewhere else. With more than 40
 * photos, the print picked up is exchanged for the next photo.
 */
class Spread extends Gallery {
    static inline var MAX_ON_TABLE = 40;

    var table:Sprite;
    var prints:Array<Sprite> = [];
    var photos:Array<PhotoTile> = [];
    var from:Array<Array<Float>> = [];
    var to:Array<Array<Float>> = [];
    var dealtAt:Array<Float> = [];
    var nextPhoto:Int = 0;
    var nextMove:Float = 0;
    var size:Float = 1;

    static function main()
        Gallery.run(new Spread());

    public function new()
        super("Spread");

    override function backgroundColors()
        return [0x6A4428, 0x3A2414];

    override function build() {
        table = new Sprite();
        scene.addChild(table);
        var n = Std.int(Math.min(count, MAX_ON_TABLE));
        for (i in 0...n) {
            var holder = new Sprite();
            var shadow = new Shape();
            shadow.graphics.beginFill(0x000000, 0.35);
            shadow.graphics.drawRect(-110 + 7, -85 + 9, 220, 170);
            shadow.graphics.endFill();
            holder.addChild(shadow);
            var t = tile(220, 170, n > 8, 9, 0xFBFAF4);
            t.show(i);
            holder.addChild(t);
            holder.visible = false;
            table.addChild(holder);
            prints.push(holder);
            photos.push(t);
            from.push(null);
            to.push(null);
            dealtAt.push(0.35 * i);
        }
        nextPhoto = n;
        nextMove = 0.35 * n + 3;
    }

    override function layout() {
        var n = prints.length;
        var cols = Std.int(Math.max(1, Math.ceil(Math.sqrt(n * W / H * 0.75))));
        var rows = Std.int(Math.ceil(n / cols));
        size = Math.min(W / cols / 220 * 1.15, H / rows / 170 * 1.15);
        size = Math.min(size, Math.min(W, H) * 0.45 / 170);
        for (i in 0...n)
            if (to[i] == null)
                to[i] = place(i, cols, rows);
    }

    /** A place on a loose grid, so every print stays at least partly in sight. */
    function place(i:Int, cols:Int, rows:Int):Array<Float> {
        var c = i % cols, r = Std.int(i / cols);
        var cw = W / cols, ch = H / rows;
        var x = cw * (c + 0.5) + (Math.random() - 0.5) * cw * 0.35;
        var y = ch * (r + 0.5) + (Math.random() - 0.5) * ch * 0.35;
        return [x, y, (Math.random() - 0.5) * 36];
    }

    override function tick(t:Float, dt:Float) {
        for (i in 0...prints.length) {
            var p = prints[i];
            var k = (t - dealtAt[i]) / 0.8;
            if (k < 0)
                continue;
            p.visible = true;
            var a = from[i] == null ? [W / 2, H + 150 * size, 0.0] : from[i];
            var b = to[i];
            var e = k >= 1 ? 1 : 1 - Math.pow(1 - k, 3);
            p.x = a[0] + (b[0] - a[0]) * e;
            p.y = a[1] + (b[1] - a[1]) * e;
            p.rotation = a[2] + (b[2] - a[2]) * e;
            var lifted = k < 1 ? Math.sin(k * Math.PI) * 0.12 : 0;
            p.scaleX = p.scaleY = size * (1 + lifted);
        }
        if (t > nextMove && prints.length > 1) {
            nextMove = t + 3;
            var bottom = table.getChildAt(0);
            var i = prints.indexOf(cast bottom);
            from[i] = [bottom.x, bottom.y, bottom.rotation];
            var n = prints.length;
            var cols = Std.int(Math.max(1, Math.ceil(Math.sqrt(n * W / H * 0.75))));
            to[i] = place(Std.random(n), cols, Std.int(Math.ceil(n / cols)));
            dealtAt[i] = t;
            table.setChildIndex(bottom, table.numChildren - 1);
            if (count > n)
                photos[i].show(Gallery.wrap(nextPhoto++, count));
        }
    }
}
