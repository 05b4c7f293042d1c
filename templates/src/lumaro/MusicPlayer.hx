package lumaro;

import flash.events.Event;
import flash.media.Sound;
import flash.media.SoundChannel;
import flash.media.SoundTransform;
import lumaro.PlayData;

/**
 * Background music: the clips in order, each from its start to its end time, fading in over
 * the first 5 s and out over the last 8 s where asked. After the last clip the clips marked
 * to loop play again, round after round; a clip that cannot be loaded is skipped, and a round
 * in which nothing could be played ends the music instead of spinning.
 */
class MusicPlayer {
    public static inline var FADE_IN_MS = 5000.0;
    public static inline var FADE_OUT_MS = 8000.0;

    public var clipIndex(default, null):Int = -1;
    public var playing(default, null):Bool = false;
    public var round(default, null):Int = 0;
    public var volume(default, null):Float = 0;
    public var failed(default, null):Int = 0;

    var source:Source;
    var clips:Array<Clip>;
    var sounds:Map<Int, Sound> = new Map();
    var channel:SoundChannel;
    var current:Clip;
    var clipEnd:Float = 0;
    var playedThisRound:Bool = false;
    var stopped:Bool = false;

    public function new(source:Source, clips:Array<Clip>) {
        this.source = source;
        this.clips = clips;
    }

    public var clipCount(get, never):Int;

    function get_clipCount():Int
        return clips.length;

    public var position(get, never):Float;

    function get_position():Float
        return channel == null ? 0 : channel.position;

    public function start():Void {
        if (clips.length > 0)
            next();
    }

    /** Called every frame: applies the fades and ends a clip at its end time. */
    public function update():Void {
        if (channel == null || current == null)
            return;
        var pos = channel.position;
        if (pos >= clipEnd) {
            finishClip();
            return;
        }
        var v = 1.0;
        if (current.fadeIn)
            v = Math.min(v, (pos - current.start) / FADE_IN_MS);
        if (current.fadeOut)
            v = Math.min(v, (clipEnd - pos) / FADE_OUT_MS);
        v = Math.max(0, Math.min(1, v));
        if (Math.abs(v - volume) > 0.001) {
            volume = v;
            channel.soundTransform = new SoundTransform(v);
        }
    }

    function finishClip() {
        if (channel != null) {
            channel.stop();
            channel = null;
        }
        current = null;
        playing = false;
        next();
    }

    function next() {
        if (stopped)
            return;
        var i = clipIndex + 1;
        // Find the next clip of this round; rounds after the first play looping clips only.
        while (true) {
            if (i >= clips.length) {
                if (!playedThisRound || !hasLoop()) {
                    stopped = true;
                    return;
                }
                round++;
                playedThisRound = false;
                i = 0;
            }
            if (round == 0 || clips[i].loop)
                break;
            ++i;
        }
        clipIndex = i;
        load(i, function(s:Sound) {
            if (s == null) {
                failed++;
                next();
            } else {
                play(clips[i], s);
            }
        });
    }

    function hasLoop():Bool {
        for (c in clips)
            if (c.loop)
                return true;
        return false;
    }

    function load(i:Int, done:Sound->Void) {
        if (sounds.exists(i)) {
            done(sounds.get(i));
            return;
        }
        source.loadSound(clips[i], function(s) {
            sounds.set(i, s);
            done(s);
        });
    }

    function play(c:Clip, s:Sound) {
        var length = s.length;
        clipEnd = c.end > c.start ? c.end : length;
        if (length > 0 && clipEnd > length)
            clipEnd = length;
        var startAt = c.start < clipEnd ? c.start : 0;
        if (clipEnd - startAt < 1) {
            failed++;
            next();
            return;
        }
        volume = c.fadeIn ? 0 : 1;
        try {
            channel = s.play(startAt, 0, new SoundTransform(volume));
        } catch (e:Dynamic) {
            channel = null;
        }
        if (channel == null) {
            // No free sound channel or an undecodable file: skip it.
            failed++;
            next();
            return;
        }
        current = c;
        playing = true;
        playedThisRound = true;
        channel.addEventListener(Event.SOUND_COMPLETE, function(_) {
            if (current == c)
                finishClip();
        });
    }
}
