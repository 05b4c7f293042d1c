import flash.display.Sprite;
import flash.geom.ColorTransform;
import lumaro.Gallery;
import lumaro.PhotoTile;

/**
 * Photos stand on a turning ring seen from slightly above: the front ones large and bright,
 * the back ones small and dim, each with a faint reflection on the floor. Up to 18 photos
 * stand on the ring at once; with more, a photo passing behind the ring makes way for the next.
 */
class Carousel extends Gallery {
    static inline var SLOTS = 18;

    var ring:Sprite;
    var items:Array<PhotoTile> = [];
    var mirrors:Array<PhotoTile> = [];
    var swapped:Array<Bool> = [];
    var nextPhoto:Int = 0;
    var turn:Float = 0;

    static function main()
        Gallery.run(new Carousel());

    public function new()
        super("Carousel");

    override function backgroundColors()
        return [0x1B2233, 0x02040A];

    override function build() {
        ring = new Sprite();
        scene.addChild(ring);
        var n = Std.int(Math.min(count, SLOTS));
        for (i in 0...n) {
            var m = new PhotoTile(this, 240, 180, false);
            m.mouseEnabled = false;
            m.scaleY = -1;
            ring.addChild(m);
            mirrors.push(m);
            var t = tile(240, 180, false, 3, 0xF0F0F0);
            ring.addChild(t);
            items.push(t);
            t.show(i);
            m.show(i);
            swapped.push(false);
        }
        nextPhoto = n;
    }

    override function tick(t:Float, dt:Float) {
        var n = items.length;
        turn += dt * Math.PI * 2 / Math.max(12, n * 2.2);
        var cx = W / 2, cy = H * 0.42;
        var rx = W * 0.36, ry = H * 0.11;
        var unit = Math.min(W / 800, H / 600) * (n <= 4 ? 1.25 : 1.0);
        var order = [];
        for (i in 0...n) {
            var a = turn + Math.PI * 2 * i / n;
            var depth = Math.cos(a); // 1 in front, -1 behind
            var near = (depth + 1) / 2;
            var s = unit * (0.45 + 0.55 * near);
            var it = items[i], mi = mirrors[i];
            it.x = mi.x = cx + rx * Math.sin(a);
            it.y = cy + ry * depth;
            it.scaleX = it.scaleY = s;
            mi.scaleX = s;
            mi.scaleY = -s;
            mi.y = it.y + 180 * s + 4 * s;
            var light = 0.4 + 0.6 * near;
            it.transform.colorTransform = new ColorTransform(light, light, light);
            mi.transform.colorTransform = new ColorTransform(light, light, light);
            mi.alpha = 0.22;
            if (count > n) {
                // Behind the ring the photo is hidden enough to be exchanged for the next one.
                if (depth < -0.97 && !swapped[i]) {
                    swapped[i] = true;
                    var p = Gallery.wrap(nextPhoto++, count);
                    it.show(p);
                    mi.show(p);
                } else if (depth > 0) {
                    swapped[i] = false;
                }
            }
            order.push({d: depth, i: i});
        }
        order.sort(function(a, b) return a.d < b.d ? -1 : (a.d > b.d ? 1 : 0));
        var k = 0;
        for (o in order) {
            ring.setChildIndex(mirrors[o.i], k++);
        }
        for (o in order) {
            ring.setChildIndex(items[o.i], k++);
        }
    }

    override function layout() {
        var g = scene.graphics;
        g.clear();
        g.beginFill(0x000000, 0.35);
        g.drawEllipse(W * 0.1, H * 0.42 + H * 0.11 + 60 * Math.min(W / 800, H / 600), W * 0.8, H * 0.2);
        g.endFill();
    }
}
