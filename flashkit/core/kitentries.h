#pragma once

#include "common/audioinfo.h"
#include "common/imageinfo.h"
#include "flashkit/core/flashkitrecords.h"

#include <QList>

// What the template kit receives for the strips' records: the workspace copies of the photos
// and of the music, with the clip settings as text.
QList<FlashKitPhoto> photoEntriesFor(const QList<ImageInfo>& photos);
// Each clip's path is its own file in the workspace music folder (musicCopyPaths), so two
// sources of the same base name never share one MP3.
QList<FlashKitAudio> musicEntriesFor(const QList<AudioInfo>& clips);
// Seconds as milliseconds in the kit's number format (six significant digits: 1200 s gives
// "1.2e+06").
QString kitMilliseconds(double seconds);
