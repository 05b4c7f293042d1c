#include "audio/core/fadevolume.h"

int FadeVolume::volumeAt(const QList<AudioInfo>& clips, int clipIndex, double position,
                         Effects effects)
{
    if (clips.isEmpty() || clipIndex < 0 || clipIndex >= clips.size())
        return FullVolume;
    if (clipIndex == 0 && effects.fadeIn) {
        const double start = clips.first().startPoint;
        if (position <= start + FadeInSeconds) {
            // The first tick of a clip may still report the position of the last seek or 0.
            if (position == 0.0 || position == start)
                return 0;
            return static_cast<int>((position - start) * FullVolume / FadeInSeconds);
        }
    }
    if (clipIndex == clips.size() - 1 && effects.fadeOut) {
        const double end = clips.at(clipIndex).endPoint;
        if (position >= end - FadeOutSeconds) {
            if (position == 0.0)
                return 0;
            return static_cast<int>((end - position) * FullVolume / FadeOutSeconds);
        }
    }
    return FullVolume;
}
