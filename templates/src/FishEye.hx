import flash.display.Sprite;
import flash.events.MouseEvent;
import lumaro.Gallery;
import lumaro.PhotoTile;

/**
 * All photos in one grid seen through a fish-eye lens: photos near the lens swell, the ones
 * far from it shrink, and the whole grid still fills the stage. The lens follows the mouse;
 * left alone it wanders over the grid by itself.
 */
class FishEye extends Gallery {
    static inline var DISTORTION = 3.0;

    var grid:Sprite;
    var cells:Array<PhotoTile> = [];
    var cols:Int = 1;
    var rows:Int = 1;
    var fx:Float = 0.5;
    var fy:Float = 0.5;
    var mouseAt:Float = -100;
    var mx:Float = 0.5;
    var my:Float = 0.5;

    static function main()
        Gallery.run(new FishEye());

    public function new()
        super("FishEye");

    override function backgroundColors()
        return [0x202020, 0x0E0E0E];

    override function build() {
        grid = new Sprite();
        scene.addChild(grid);
        for (i in 0...count) {
            var t = tile(160, 120, true, 2, 0x101010);
            t.show(i);
            grid.addChild(t);
            cells.push(t);
        }
        stage.addEventListener(MouseEvent.MOUSE_MOVE, function(e:MouseEvent) {
            mx = e.stageX / W;
            my = e.stageY / H;
            mouseAt = time;
        });
    }

    override function layout() {
        // Columns and rows chosen so cells keep roughly the photos' 4:3 shape.
        cols = Std.int(Math.max(1, Math.round(Math.sqrt(count * (W / H) * 0.75))));
        cols = Std.int(Math.min(cols, count));
        rows = Std.int(Math.ceil(count / cols));
    }

    /** The graphical fish-eye of one axis: 0..1 onto 0..1, magnifying round the focus f. */
    static function lens(x:Float, f:Float):Float {
        var d = DISTORTION;
        if (x >= f) {
            var span = 1 - f;
            if (span <= 0)
                return 1;
            var t = (x - f) / span;
            return f + span * ((d + 1) * t / (d * t + 1));
        }
        var t = (f - x) / f;
        return f - f * ((d + 1) * t / (d * t + 1));
    }

    override function tick(t:Float, dt:Float) {
        var tx:Float, ty:Float;
        if (time - mouseAt < 4) {
            tx = mx;
            ty = my;
        } else {
            tx = 0.5 + 0.42 * Math.sin(t * 0.31);
            ty = 0.5 + 0.38 * Math.sin(t * 0.47 + 1);
        }
        var ease = Math.min(1, dt * 3);
        fx += (tx - fx) * ease;
        fy += (ty - fy) * ease;
        var margin = 4.0;
        var gw = W - 2 * margin, gh = H - 2 * margin;
        var top = 0.0;
        var best:PhotoTile = null, bestArea = 0.0;
        for (i in 0...cells.length) {
            var c = i % cols, r = Std.int(i / cols);
            var x0 = lens(c / cols, fx), x1 = lens((c + 1) / cols, fx);
            var y0 = lens(r / rows, fy), y1 = lens((r + 1) / rows, fy);
            var w = (x1 - x0) * gw, h = (y1 - y0) * gh;
            var cell = cells[i];
            cell.x = margin + (x0 + x1) / 2 * gw;
            cell.y = margin + (y0 + y1) / 2 * gh;
            cell.scaleX = Math.max(0.001, (w - 3) / 160);
            cell.scaleY = Math.max(0.001, (h - 3) / 120);
            // Thumbnails are 80 x 60: a cell drawn much larger shows the photo itself.
            cell.useThumbnail(w < 130 && h < 100);
            if (w * h > bestArea) {
                bestArea = w * h;
                best = cell;
            }
        }
        // The most magnified photo lies on top of its neighbours.
        if (best != null)
            grid.setChildIndex(best, grid.numChildren - 1);
    }
}
