import flash.display.Shape;
import flash.display.Sprite;
import lumaro.Gallery;
import lumaro.PhotoTile;

/**
 * Photos as the vanes of a pinwheel: up to three rings of 6, 10 and 14 photos, each vane set
 * at a slant, the rings turning in opposite directions round a pin in the middle. Up to 30
 * photos turn at once; with more, a vane passing the top takes the next photo.
 */
class Pinwheel extends Gallery {
    static var RINGS = [6, 10, 14];

    var wheel:Sprite;
    var pin:Shape;
    var vanes:Array<PhotoTile> = [];
    var ringOf:Array<Int> = [];
    var slotOf:Array<Int> = [];
    var ringSize:Array<Int> = [];
    var lastTop:Array<Bool> = [];
    var nextPhoto:Int = 0;

    static function main()
        Gallery.run(new Pinwheel());

    public function new()
        super("Pinwheel");

    override function backgroundColors()
        return [0x173024, 0x040A06];

    override function build() {
        wheel = new Sprite();
        scene.addChild(wheel);
        var left = count;
        var made = 0;
        for (r in 0...RINGS.length) {
            var n = Std.int(Math.min(left, RINGS[r]));
            if (r == RINGS.length - 1 && count > made + n)
                n = RINGS[r];
            ringSize.push(n);
            left -= n;
            for (k in 0...n) {
                var size = [1.0, 0.82, 0.7][r];
                var t = tile(200 * size, 150 * size, false, 3, 0xFFFFFF);
                t.show(Gallery.wrap(made, count));
                vanes.push(t);
                ringOf.push(r);
                slotOf.push(k);
                lastTop.push(false);
                made++;
            }
            if (left <= 0)
                break;
        }
        // Outer rings first, so the inner vanes lie on top.
        var i = vanes.length;
        while (i-- > 0)
            wheel.addChild(vanes[i]);
        nextPhoto = made;
        pin = new Shape();
        scene.addChild(pin);
    }

    override function layout() {
        var rings = ringSize.length;
        var reach = [0.22, 0.5, 0.78][rings - 1] + [0.2, 0.17, 0.15][rings - 1];
        var s = Math.min(W, H) / 2 / reach / 400;
        wheel.scaleX = wheel.scaleY = s;
        wheel.x = W / 2;
        wheel.y = H / 2;
        var g = pin.graphics;
        g.clear();
        g.beginFill(0xE0C040);
        g.drawCircle(W / 2, H / 2, Math.max(6, 18 * s));
        g.endFill();
        g.beginFill(0x806010);
        g.drawCircle(W / 2, H / 2, Math.max(2, 6 * s));
        g.endFill();
    }

    override function tick(t:Float, dt:Float) {
        var radius = [88.0, 200.0, 312.0];
        for (i in 0...vanes.length) {
            var r = ringOf[i];
            var n = ringSize[r];
            var dir = r % 2 == 0 ? 1 : -1;
            var a = Math.PI * 2 * slotOf[i] / n + dir * t * (0.35 - r * 0.07);
            var v = vanes[i];
            var breathe = 1 + 0.04 * Math.sin(t * 2 + i);
            v.x = Math.cos(a) * radius[r] * breathe;
            v.y = Math.sin(a) * radius[r] * breathe;
            // Slanted like a vane: turned past the radius by 40 degrees.
            v.rotation = (a * 180 / Math.PI) + 40 * dir;
            if (count > vanes.length) {
                var top = Math.sin(a) < -0.98;
                if (top && !lastTop[i])
                    v.show(Gallery.wrap(nextPhoto++, count));
                lastTop[i] = top;
            }
        }
    }
}
