package lumaro;

import flash.display.BitmapData;
import flash.media.Sound;
import lumaro.PlayData;

/**
 * Where a gallery gets its configuration, photos and music from: files beside the movie, or
 * the data appended to the movie's own file. Every callback is called exactly once; null
 * stands for "not available", and the gallery carries on without it.
 */
interface Source {
    var mode(default, null):String;
    /** False when the photos stand in for their thumbnails. */
    var hasThumbnails(default, null):Bool;
    function open(done:PlayData->Void):Void;
    /** thumb asks for the small picture where one exists. */
    function loadPhoto(entry:PhotoEntry, thumb:Bool, done:BitmapData->Void):Void;
    function loadSound(clip:Clip, done:Sound->Void):Void;
}
