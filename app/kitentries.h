#pragma once

#include "common/audioinfo.h"
#include "common/imageinfo.h"
#include "flashkit/core/flashkitrecords.h"

#include <QList>

// What the template kit receives for the strips' records: the workspace copies of the photos
// and of the music, with the clip settings as text.
QList<FlashKitPhoto> photoEntriesFor(const QList<ImageInfo>& photos);
QList<FlashKitAudio> musicEntriesFor(const QList<AudioInfo>& clips);
// Seconds as milliseconds in the kit's number format (six significant digits: 1200 s gives
// "1.2e+06").
QString kitMilliseconds(double seconds);
