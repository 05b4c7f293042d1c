#pragma once

#include "common/audioinfo.h"
#include "common/imageinfo.h"
#include "flashkit/core/flashkitrecords.h"

#include <QList>
#include <QString>

// What the main window knows of the slideshow being made: its copies of both strips, the
// entries derived from them for the template kit, and the chosen template. The window owns it
// and keeps it current; the flows read it.
struct StripCopies
{
    QList<ImageInfo> photoList;
    QList<FlashKitPhoto> photoEntries;
    QList<AudioInfo> audioList;
    QList<FlashKitAudio> musicEntries;
    QString templateMoviePath; // the selected template's own movie
    QString templateName;      // its complete base name
};
