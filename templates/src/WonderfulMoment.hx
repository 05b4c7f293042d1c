import flash.display.Shape;
import flash.display.Sprite;
import flash.text.TextField;
import flash.text.TextFormat;
import lumaro.Gallery;
import lumaro.PhotoTile;

/**
 * One moment at a time: each photo fills the stage for a few seconds, slowly drifting closer,
 * then dissolves into the next. A film strip along the bottom shows the neighbouring photos
 * and marks the current one; clicking a frame of the strip jumps to that photo.
 */
class WonderfulMoment extends Gallery {
    static inline var HOLD = 5.0;
    static inline var FADE = 1.2;
    static inline var FRAMES = 9;

    var stageArea:Sprite;
    var areaMask:Shape;
    var slides:Array<PhotoTile> = [];
    var strip:Sprite;
    var film:Shape;
    var frames:Array<PhotoTile> = [];
    var caption:TextField;
    var current:Int = 0;
    var since:Float = 0;
    var front:Int = 0;
    var stripH:Float = 90;

    static function main()
        Gallery.run(new WonderfulMoment());

    public function new()
        super("Wonderful Moment");

    override function backgroundColors()
        return [0x0C0C0C, 0x000000];

    override function build() {
        stageArea = new Sprite();
        scene.addChild(stageArea);
        for (i in 0...2) {
            var s = tile(720, 540, false);
            stageArea.addChild(s);
            slides.push(s);
        }
        areaMask = new Shape();
        scene.addChild(areaMask);
        stageArea.mask = areaMask;
        strip = new Sprite();
        film = new Shape();
        strip.addChild(film);
        scene.addChild(strip);
        var n = Std.int(Math.min(count, FRAMES));
        for (i in 0...n) {
            var f = tile(80, 60, true, 2, 0x000000);
            strip.addChild(f);
            frames.push(f);
            var k = i;
            f.addEventListener(flash.events.MouseEvent.CLICK, function(e) {
                e.stopImmediatePropagation();
                jump(frames[k].index);
            }, false, 1);
        }
        caption = new TextField();
        caption.selectable = false;
        caption.mouseEnabled = false;
        caption.defaultTextFormat = new TextFormat("_sans", 14, 0xD8D8D8);
        caption.width = 120;
        caption.height = 22;
        scene.addChild(caption);
        slides[0].show(0);
        slides[1].visible = false;
        showStrip();
    }

    override function layout() {
        stripH = Math.max(56, Math.min(110, H * 0.16));
        var areaH = H - stripH;
        for (s in slides) {
            s.x = W / 2;
            s.y = areaH / 2;
        }
        var g = areaMask.graphics;
        g.clear();
        g.beginFill(0);
        g.drawRect(0, 0, W, areaH);
        g.endFill();
        strip.y = areaH;
        var f = film.graphics;
        f.clear();
        f.beginFill(0x161616);
        f.drawRect(0, 0, W, stripH);
        f.endFill();
        // Sprocket holes along both edges of the film.
        f.beginFill(0x3A3A3A);
        var x = 6.0;
        while (x < W) {
            f.drawRect(x, 4, 8, 5);
            f.drawRect(x, stripH - 9, 8, 5);
            x += 18;
        }
        f.endFill();
        var scale = (stripH - 26) / 60;
        var step = 90 * scale;
        for (i in 0...frames.length) {
            frames[i].scaleX = frames[i].scaleY = scale;
            frames[i].x = W / 2 + (i - (frames.length - 1) / 2) * step;
            frames[i].y = stripH / 2;
        }
        caption.x = W - 100;
        caption.y = areaH - 26;
    }

    function jump(i:Int) {
        if (i < 0 || i == current)
            return;
        current = i;
        since = 0;
        front = 1 - front;
        slides[front].show(i);
        slides[front].visible = true;
        stageArea.setChildIndex(slides[front], 1);
        showStrip();
    }

    /** The strip holds the current photo in the middle, with its neighbours either side. */
    function showStrip() {
        var n = frames.length;
        var first = count <= FRAMES ? 0 : current - Std.int(n / 2);
        for (i in 0...n) {
            var idx = Gallery.wrap(first + i, count);
            frames[i].show(idx);
            frames[i].alpha = idx == current ? 1 : 0.55;
            frames[i].scaleX = frames[i].scaleY = ((stripH - 26) / 60) * (idx == current ? 1.15 : 1);
        }
        caption.text = (current + 1) + " / " + count;
    }

    override function tick(t:Float, dt:Float) {
        since += dt;
        if (count > 1 && since > HOLD + FADE)
            jump(Gallery.wrap(current + 1, count));
        var areaH = H - stripH;
        var fit = Math.max(W / 720, areaH / 540);
        for (k in 0...2) {
            var s = slides[k];
            if (!s.visible)
                continue;
            var age = k == front ? since : since + HOLD + FADE;
            // Slow drift closer: the photo grows by 12 % over its time on stage.
            var zoom = fit * (1 + 0.12 * Math.min(1, age / (HOLD + 2 * FADE)));
            s.scaleX = s.scaleY = zoom;
            s.x = W / 2 + Math.sin(s.index * 1.7) * 20 * age / (HOLD + FADE);
            if (k == front)
                s.alpha = Math.min(1, since / FADE);
            else if (since >= FADE)
                s.visible = false;
        }
    }
}
