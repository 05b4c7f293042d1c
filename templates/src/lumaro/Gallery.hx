package lumaro;

import flash.display.GradientType;
import flash.display.Sprite;
import flash.display.StageAlign;
import flash.display.StageScaleMode;
import flash.events.Event;
import flash.external.ExternalInterface;
import flash.geom.Matrix;
import flash.text.TextField;
import flash.text.TextFieldAutoSize;
import flash.text.TextFormat;
import flash.utils.Timer;
import flash.events.TimerEvent;

/**
 * What every gallery shares: finding its configuration, the photo store, the background
 * music, the large-photo viewer, following the stage size, and reporting its state to the
 * hosting page. A gallery overrides build(), layout() and tick().
 */
class Gallery extends Sprite {
    public var W(default, null):Float = 800;
    public var H(default, null):Float = 600;
    public var store(default, null):PhotoStore;
    public var count(default, null):Int = 0;

    var templateName:String;
    var source:Source;
    var data:PlayData;
    var music:MusicPlayer;
    var viewer:Viewer;
    var scene:Sprite;
    var message:TextField;
    var tiles:Array<PhotoTile> = [];
    var time:Float = 0;
    var lastMs:Int = 0;
    var state:String = "loading";
    var lastReport:String = "";

    public static function run(g:Gallery):Void {
        flash.Lib.current.addChild(g);
        g.init();
    }

    public function new(templateName:String) {
        super();
        this.templateName = templateName;
    }

    // ---- to override -------------------------------------------------------------------
    /** Creates the gallery's display objects once the photos are known (count > 0). */
    function build():Void {}

    /** Places everything for the stage size W x H. */
    function layout():Void {}

    /** Animates; t is seconds since start, dt seconds since the last frame. */
    function tick(t:Float, dt:Float):Void {}

    /** Background colours, top and bottom. */
    function backgroundColors():Array<Int>
        return [0x20242C, 0x050608];

    // ---- helpers for galleries ---------------------------------------------------------
    function tile(w:Float, h:Float, thumb:Bool, border:Float = 0, borderColor:Int = 0xFFFFFF, centered:Bool = true):PhotoTile {
        var t = new PhotoTile(this, w, h, thumb, border, borderColor, centered);
        tiles.push(t);
        return t;
    }

    public function openViewer(i:Int):Void {
        if (i >= 0 && i < count && viewer != null)
            viewer.open(i);
        report(true);
    }

    static inline function wrap(i:Int, n:Int):Int
        return n <= 0 ? 0 : ((i % n) + n) % n;

    // ---- machinery ---------------------------------------------------------------------
    function init() {
        stage.scaleMode = StageScaleMode.NO_SCALE;
        stage.align = StageAlign.TOP_LEFT;
        stage.addEventListener(Event.RESIZE, function(_) resize());
        scene = new Sprite();
        addChild(scene);
        viewer = new Viewer(this);
        addChild(viewer);
        measure();
        drawBackground();
        source = #if lumaro_bundle new BundleSource() #else new FolderSource(templateName) #end;
        source.open(started);
        lastMs = flash.Lib.getTimer();
        addEventListener(Event.ENTER_FRAME, frame);
        if (ExternalInterface.available) {
            // Lets a page ask for the state at once, e.g. to click a photo where it is now.
            try {
                ExternalInterface.addCallback("lumaroState", statusText);
            } catch (e:Dynamic) {}
        }
        var timer = new Timer(500);
        timer.addEventListener(TimerEvent.TIMER, function(_) report(false));
        timer.start();
    }

    function started(d:PlayData) {
        data = d;
        store = new PhotoStore(source, d.photos);
        count = d.photos.length;
        music = new MusicPlayer(source, d.music);
        music.start();
        if (d.error != null) {
            state = "error: " + d.error;
            showMessage("No slideshow found");
        } else if (count == 0) {
            state = "empty";
            showMessage("No photos");
        } else {
            state = "ready";
            try {
                build();
                layout();
            } catch (e:Dynamic) {
                state = "error: " + Std.string(e);
            }
        }
        report(true);
    }

    function measure() {
        W = stage.stageWidth > 0 ? stage.stageWidth : 800;
        H = stage.stageHeight > 0 ? stage.stageHeight : 600;
    }

    function resize() {
        measure();
        drawBackground();
        if (message != null)
            placeMessage();
        if (state == "ready")
            layout();
        viewer.layout();
    }

    function drawBackground() {
        var c = backgroundColors();
        var m = new Matrix();
        m.createGradientBox(W, H, Math.PI / 2, 0, 0);
        graphics.clear();
        graphics.beginGradientFill(GradientType.LINEAR, [c[0], c[1]], [1, 1], [0, 255], m);
        graphics.drawRect(0, 0, W, H);
        graphics.endFill();
    }

    function showMessage(text:String) {
        message = new TextField();
        message.selectable = false;
        message.autoSize = TextFieldAutoSize.LEFT;
        message.defaultTextFormat = new TextFormat("_sans", 20, 0xB0B4BC);
        message.text = text;
        addChild(message);
        placeMessage();
    }

    function placeMessage() {
        message.x = (W - message.width) / 2;
        message.y = (H - message.height) / 2;
    }

    function frame(_) {
        var now = flash.Lib.getTimer();
        var dt = Math.min(0.1, (now - lastMs) / 1000);
        lastMs = now;
        time += dt;
        if (music != null)
            music.update();
        viewer.update(dt);
        if (state == "ready") {
            try {
                tick(time, dt);
            } catch (e:Dynamic) {
                state = "error: " + Std.string(e);
            }
        }
    }

    /** Tells the hosting page what is on show, for pages that want to follow the slideshow. */
    function report(force:Bool) {
        if (!ExternalInterface.available)
            return;
        var text = statusText();
        if (!force && text == lastReport)
            return;
        lastReport = text;
        try {
            ExternalInterface.call("lumaroStatus", text);
        } catch (e:Dynamic) {}
    }

    function statusText():String {
        var target = clickTarget();
        var s = new StringBuf();
        s.add('{"template":' + quote(templateName));
        s.add(',"mode":' + quote(source == null ? "" : source.mode));
        s.add(',"state":' + quote(state));
        s.add(',"width":' + Std.int(W) + ',"height":' + Std.int(H));
        s.add(',"photos":' + count);
        s.add(',"loaded":' + (store == null ? 0 : store.loaded));
        s.add(',"failed":' + (store == null ? 0 : store.failed));
        s.add(',"large":' + (viewer.isOpen() ? viewer.index : -1));
        s.add(',"target":' + (target == null ? "null" : '[' + Std.int(target[0]) + ',' + Std.int(target[1]) + ']'));
        if (music == null) {
            s.add(',"music":null');
        } else {
            s.add(',"music":{"clips":' + music.clipCount + ',"clip":' + music.clipIndex + ',"playing":' + music.playing);
            s.add(',"position":' + Std.int(music.position) + ',"volume":' + (Math.round(music.volume * 100) / 100));
            s.add(',"round":' + music.round + ',"failed":' + music.failed + '}');
        }
        s.add('}');
        return s.toString();
    }

    /** The middle of the largest photo on the stage: where a click opens a photo. */
    function clickTarget():Array<Float> {
        var best:Array<Float> = null, bestArea = 0.0;
        for (t in tiles) {
            if (t.index < 0 || t.stage == null || !shown(t))
                continue;
            var b = t.getBounds(stage);
            var area = b.width * b.height;
            var cx = b.x + b.width / 2, cy = b.y + b.height / 2;
            if (area > bestArea && cx > 0 && cy > 0 && cx < W && cy < H) {
                bestArea = area;
                best = [cx, cy];
            }
        }
        return best;
    }

    /** Visible and mostly opaque: a photo fading in or out is no place to click. */
    static function shown(o:flash.display.DisplayObject):Bool {
        var alpha = 1.0;
        while (o != null) {
            if (!o.visible)
                return false;
            alpha *= o.alpha;
            o = o.parent;
        }
        return alpha >= 0.6;
    }

    static function quote(v:String):String {
        var b = new StringBuf();
        b.add('"');
        for (i in 0...v.length) {
            var c = v.charCodeAt(i);
            if (c == '"'.code || c == "\\".code) {
                b.add("\\");
                b.addChar(c);
            } else if (c < 0x20) {
                b.add(" ");
            } else {
                b.addChar(c);
            }
        }
        b.add('"');
        return b.toString();
    }
}
