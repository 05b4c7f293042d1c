package lumaro;

import flash.display.Bitmap;
import flash.display.BitmapData;
import flash.display.Sprite;
import flash.events.MouseEvent;

/**
 * One photo in a frame of a fixed size: a dark placeholder until the picture arrives (a cross
 * when it never does), then the picture fitted inside, keeping its proportions. The frame is
 * centred on the tile's origin unless the tile is made for a transform that maps its top-left
 * corner. Clicking a tile asks the gallery to show the photo large.
 */
class PhotoTile extends Sprite {
    public var index(default, null):Int = -1;
    public var frameWidth(default, null):Float;
    public var frameHeight(default, null):Float;

    var gallery:Gallery;
    var thumb:Bool;
    var border:Float;
    var borderColor:Int;
    var centered:Bool;
    var picture:Bitmap;
    var request:Int = 0;

    public function new(gallery:Gallery, w:Float, h:Float, thumb:Bool, border:Float = 0, borderColor:Int = 0xFFFFFF,
            centered:Bool = true) {
        super();
        this.gallery = gallery;
        this.frameWidth = w;
        this.frameHeight = h;
        this.thumb = thumb;
        this.border = border;
        this.borderColor = borderColor;
        this.centered = centered;
        buttonMode = true;
        mouseChildren = false;
        addEventListener(MouseEvent.CLICK, function(_) gallery.openViewer(index));
        drawFrame(false);
    }

    public function show(i:Int):Void {
        if (i == index)
            return;
        index = i;
        load();
    }

    /** Switches between the thumbnail and the photo, e.g. as the tile grows or shrinks. */
    public function useThumbnail(small:Bool):Void {
        if (small == thumb)
            return;
        thumb = small;
        if (index >= 0)
            load();
    }

    function load() {
        var ticket = ++request;
        // The picture shown so far stays until its replacement is there, so nothing flickers.
        gallery.store.get(index, thumb, function(b:BitmapData) {
            if (ticket != request)
                return;
            if (picture != null) {
                removeChild(picture);
                picture = null;
            }
            if (b == null) {
                drawFrame(true);
                return;
            }
            drawFrame(false);
            picture = new Bitmap(b, flash.display.PixelSnapping.NEVER, true);
            var iw = frameWidth - 2 * border, ih = frameHeight - 2 * border;
            var s = Math.min(iw / b.width, ih / b.height);
            picture.width = b.width * s;
            picture.height = b.height * s;
            picture.x = left() + (frameWidth - picture.width) / 2;
            picture.y = top() + (frameHeight - picture.height) / 2;
            addChild(picture);
        });
    }

    inline function left():Float
        return centered ? -frameWidth / 2 : 0;

    inline function top():Float
        return centered ? -frameHeight / 2 : 0;

    function drawFrame(broken:Bool) {
        var g = graphics;
        g.clear();
        if (border > 0) {
            g.beginFill(borderColor);
            g.drawRect(left(), top(), frameWidth, frameHeight);
            g.endFill();
        }
        g.beginFill(0x2A2A2E);
        g.drawRect(left() + border, top() + border, frameWidth - 2 * border, frameHeight - 2 * border);
        g.endFill();
        if (broken) {
            var cx = left() + frameWidth / 2, cy = top() + frameHeight / 2, r = Math.min(frameWidth, frameHeight) / 6;
            g.lineStyle(Math.max(1, r / 5), 0x77777C);
            g.moveTo(cx - r, cy - r);
            g.lineTo(cx + r, cy + r);
            g.moveTo(cx + r, cy - r);
            g.lineTo(cx - r, cy + r);
            g.lineStyle();
        }
    }
}
