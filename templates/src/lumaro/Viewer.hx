package lumaro;

import flash.display.Bitmap;
import flash.display.BitmapData;
import flash.display.Sprite;
import flash.events.MouseEvent;

/** The photo shown large over the gallery; a click anywhere closes it again. */
class Viewer extends Sprite {
    public var index(default, null):Int = -1;

    var gallery:Gallery;
    var picture:Bitmap;
    var shade:Sprite;
    var holder:Sprite;
    var appear:Float = 0;
    var closing:Bool = false;
    var ticket:Int = 0;

    public function new(gallery:Gallery) {
        super();
        this.gallery = gallery;
        visible = false;
        buttonMode = true;
        shade = new Sprite();
        holder = new Sprite();
        addChild(shade);
        addChild(holder);
        addEventListener(MouseEvent.CLICK, function(_) close());
    }

    public function open(i:Int):Void {
        index = i;
        closing = false;
        appear = 0;
        visible = true;
        var t = ++ticket;
        if (picture != null) {
            holder.removeChild(picture);
            picture = null;
        }
        placeholder();
        gallery.store.get(i, false, function(b:BitmapData) {
            if (t != ticket || b == null)
                return;
            holder.graphics.clear();
            picture = new Bitmap(b, flash.display.PixelSnapping.NEVER, true);
            holder.addChild(picture);
            layout();
        });
        layout();
    }

    public function close():Void {
        if (index >= 0)
            closing = true;
    }

    public function isOpen():Bool
        return visible && !closing;

    public function layout():Void {
        var w = gallery.W, h = gallery.H;
        shade.graphics.clear();
        shade.graphics.beginFill(0x000000, 0.88);
        shade.graphics.drawRect(0, 0, w, h);
        shade.graphics.endFill();
        holder.x = w / 2;
        holder.y = h / 2;
        if (picture != null) {
            var b = picture.bitmapData;
            var s = Math.min(w * 0.92 / b.width, h * 0.92 / b.height);
            picture.width = b.width * s;
            picture.height = b.height * s;
            picture.x = -picture.width / 2;
            picture.y = -picture.height / 2;
            holder.graphics.clear();
            holder.graphics.beginFill(0xFFFFFF);
            holder.graphics.drawRect(picture.x - 4, picture.y - 4, picture.width + 8, picture.height + 8);
            holder.graphics.endFill();
        }
    }

    function placeholder() {
        var g = holder.graphics;
        g.clear();
        g.beginFill(0x2A2A2E);
        g.drawRect(-gallery.W * 0.3, -gallery.H * 0.3, gallery.W * 0.6, gallery.H * 0.6);
        g.endFill();
    }

    /** Eases the viewer in and out; called every frame. */
    public function update(dt:Float):Void {
        if (!visible)
            return;
        appear = closing ? Math.max(0, appear - dt * 4) : Math.min(1, appear + dt * 4);
        var e = appear * (2 - appear);
        alpha = e;
        holder.scaleX = holder.scaleY = 0.7 + 0.3 * e;
        if (closing && appear <= 0) {
            visible = false;
            closing = false;
            index = -1;
        }
    }
}
