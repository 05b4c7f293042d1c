#pragma once

#include <QByteArray>
#include <QImage>
#include <QMutex>
#include <QString>

// HEIF pictures (HEIC from phones, AVIF) through libheif, which Qt cannot read. Every call opens
// a context of its own, so photos can be read on several threads at once.
namespace HeifDecoder {

// True when the file's content (not its name) is a HEIF or AVIF picture libheif can read.
bool isHeif(const QString& path);

// What the file says about its primary picture, without decoding it.
struct Facts
{
    bool readable = false;
    QByteArray exif;          // the EXIF block as a TIFF structure; empty when there is none
    bool transformed = false; // the file turns or mirrors the picture itself (irot, imir)
};
Facts facts(const QString& path);

struct Picture
{
    QImage image;      // upright as the file's own turn and mirror set it; RGB888 or RGBA8888
    quint32 depth = 0; // bits per pixel as stored: bits per channel times channels
};

// Decodes the primary picture. A null image when the file is damaged or its picture (as its
// header declares it, before anything is allocated) is larger than `maxPixels`. Pictures above
// `largePixels` are decoded holding `largeTurn`, so memory holds one of them at a time.
Picture decode(const QString& path, qint64 maxPixels, QMutex* largeTurn = nullptr,
               qint64 largePixels = 0);

// True when a box walk of the HEIF structure in `bytes` finds a turn or mirror property; used
// on the file's metadata box only.
bool hasTransformProperty(const QByteArray& meta);

} // namespace HeifDecoder
