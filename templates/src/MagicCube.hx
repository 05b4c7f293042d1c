import flash.display.Shape;
import flash.display.Sprite;
import flash.geom.ColorTransform;
import flash.geom.Matrix;
import lumaro.Gallery;
import lumaro.PhotoTile;

/**
 * A photo box turning in the air, seen from a little above: every side carries a photo, and a
 * side that turns away comes back with the next one. Below it a strip of thumbnails (up to 24
 * at a time) marks the photo in front. The box is drawn in parallel projection, where each face
 * is an affine image of its photo, so no 3D support is needed from the player.
 */
class MagicCube extends Gallery {
    static inline var STRIP = 24;
    static inline var ELEVATION = 0.42;

    var box:Sprite;
    var lid:Shape;
    var shadow:Shape;
    var faces:Array<PhotoTile> = [];
    var wasVisible:Array<Bool> = [];
    var strip:Sprite;
    var marker:Shape;
    var thumbs:Array<PhotoTile> = [];
    var nextPhoto:Int = 0;
    var front:Int = 0;
    var page:Int = -1;

    // Sides of a box 2 wide, 1.5 high, 2 deep: top-left corner, width and height edges.
    static var SIDES:Array<Array<Array<Float>>> = [
        [[-1, 0.75, 1], [2, 0, 0], [0, -1.5, 0], [0, 0, 1]],
        [[1, 0.75, 1], [0, 0, -2], [0, -1.5, 0], [1, 0, 0]],
        [[1, 0.75, -1], [-2, 0, 0], [0, -1.5, 0], [0, 0, -1]],
        [[-1, 0.75, -1], [0, 0, 2], [0, -1.5, 0], [-1, 0, 0]],
    ];

    static function main()
        Gallery.run(new MagicCube());

    public function new()
        super("Magic Cube");

    override function backgroundColors()
        return [0x2A1E36, 0x0A0610];

    override function build() {
        shadow = new Shape();
        scene.addChild(shadow);
        box = new Sprite();
        scene.addChild(box);
        lid = new Shape();
        for (i in 0...4) {
            var f = tile(240, 180, false, 0, 0, false);
            f.show(Gallery.wrap(i, count));
            faces.push(f);
            box.addChild(f);
            wasVisible.push(true);
        }
        box.addChild(lid);
        nextPhoto = 4;
        strip = new Sprite();
        marker = new Shape();
        strip.addChild(marker);
        scene.addChild(strip);
        for (i in 0...Std.int(Math.min(count, STRIP))) {
            var t = tile(80, 60, true, 1, 0x404048);
            thumbs.push(t);
            strip.addChild(t);
        }
    }

    override function layout() {
        var n = thumbs.length;
        var rowsOf = n > 12 ? 2 : 1;
        var perRow = Std.int(Math.ceil(n / rowsOf));
        var size = Math.min(W * 0.9 / (perRow * 86), H * 0.2 / (rowsOf * 66));
        size = Math.min(size, 1.2);
        for (i in 0...n) {
            var t = thumbs[i];
            var r = Std.int(i / perRow), c = i % perRow;
            var inRow = r == rowsOf - 1 ? n - r * perRow : perRow;
            t.scaleX = t.scaleY = size;
            t.x = W / 2 + (c - (inRow - 1) / 2) * 86 * size;
            t.y = H - (rowsOf - r) * 66 * size - 6 + 33 * size;
        }
        page = -1;
    }

    inline function project(x:Float, y:Float, z:Float, phi:Float):Array<Float> {
        var rx = x * Math.cos(phi) + z * Math.sin(phi);
        var rz = -x * Math.sin(phi) + z * Math.cos(phi);
        return [rx, -y * Math.cos(ELEVATION) + rz * Math.sin(ELEVATION), rz];
    }

    override function tick(t:Float, dt:Float) {
        var phi = t * 0.45 + 0.5 * Math.sin(t * 0.23);
        var stripTop = H - (thumbs.length > 12 ? 2 : 1) * 66 * thumbs[0].scaleY - 12;
        var k = Math.min(W * 0.3, stripTop * 0.36);
        var cx = W / 2, cy = stripTop * 0.5 + Math.sin(t * 1.3) * k * 0.04;
        var best = -2.0;
        for (i in 0...4) {
            var s = SIDES[i];
            // Facing the viewer when the turned normal points towards the camera.
            var facing = (s[3][2] * Math.cos(phi) - s[3][0] * Math.sin(phi)) * Math.cos(ELEVATION);
            var f = faces[i];
            var visible = facing > 0.01;
            if (visible && !wasVisible[i] && count > 1)
                f.show(Gallery.wrap(nextPhoto++, count));
            wasVisible[i] = visible;
            f.visible = visible;
            if (!visible)
                continue;
            if (facing > best) {
                best = facing;
                front = f.index;
            }
            var o = project(s[0][0], s[0][1], s[0][2], phi);
            var u = project(s[1][0], s[1][1], s[1][2], phi);
            var v = project(s[2][0], s[2][1], s[2][2], phi);
            f.transform.matrix = new Matrix(u[0] * k / 240, u[1] * k / 240, v[0] * k / 180, v[1] * k / 180, cx + o[0] * k, cy + o[1] * k);
            var light = 0.62 + 0.38 * facing;
            f.transform.colorTransform = new ColorTransform(light, light, light);
        }
        drawLid(phi, k, cx, cy);
        drawShadow(k, cx, cy);
        markFront();
    }

    function drawLid(phi:Float, k:Float, cx:Float, cy:Float) {
        var g = lid.graphics;
        g.clear();
        g.beginFill(0x6A5A88);
        g.lineStyle(1, 0xB8A8E0, 0.8);
        var corners = [[-1, -1], [1, -1], [1, 1], [-1, 1]];
        for (c in 0...4) {
            var p = project(corners[c][0], 0.75, corners[c][1], phi);
            if (c == 0) g.moveTo(cx + p[0] * k, cy + p[1] * k) else g.lineTo(cx + p[0] * k, cy + p[1] * k);
        }
        g.endFill();
        g.lineStyle();
    }

    function drawShadow(k:Float, cx:Float, cy:Float) {
        var g = shadow.graphics;
        g.clear();
        g.beginFill(0x000000, 0.35);
        var y = cy + 0.75 * Math.cos(ELEVATION) * k + 1.5 * Math.sin(ELEVATION) * k;
        g.drawEllipse(cx - 1.5 * k, y - 0.25 * k, 3 * k, 0.5 * k);
        g.endFill();
    }

    /** Keeps the strip on the page holding the front photo and rings that photo. */
    function markFront() {
        var n = thumbs.length;
        var p = Std.int(front / STRIP);
        if (p != page) {
            page = p;
            for (i in 0...n) {
                var idx = p * STRIP + i;
                thumbs[i].visible = idx < count;
                if (idx < count)
                    thumbs[i].show(idx);
            }
        }
        var g = marker.graphics;
        g.clear();
        for (t in thumbs)
            if (t.index == front && t.visible) {
                var s = t.scaleX;
                g.beginFill(0xFFD060);
                g.drawRect(t.x - 43 * s, t.y - 33 * s, 86 * s, 66 * s);
                g.endFill();
            }
    }
}
