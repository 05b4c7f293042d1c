#pragma once

#include "common/audioinfo.h"

#include <QList>

// The volume of the background music at a moment of the play list: a fade-in over the first
// seconds of the first clip, a fade-out over the last seconds of the last clip, full volume
// between. Kept apart from the player so that the rule can be checked at any position.
namespace FadeVolume {
inline constexpr int FadeInSeconds = 5;
inline constexpr int FadeOutSeconds = 8;
inline constexpr int FullVolume = 100;

struct Effects
{
    bool fadeIn = false;
    bool fadeOut = false;
};

// `position` is the time in the file of clip `clipIndex` of `clips`, in seconds. A value below 0
// (before a clip's start point) means silence to the player.
int volumeAt(const QList<AudioInfo>& clips, int clipIndex, double position, Effects effects);
} // namespace FadeVolume
