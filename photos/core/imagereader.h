#pragma once

#include "common/imageinfo.h"

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>

// Reads one photo for the strip: decodes it no larger than its working copy needs, takes its
// EXIF orientation and properties, renders both previews and writes the four workspace files.
// Static operations only; the class gives its texts their translation context. Safe to call from
// the import thread: nothing here touches a widget.
class ImageReader : public QObject
{
    Q_OBJECT
public:
    // The largest photo accepted, by the size its header declares: above every camera sold
    // (100-megapixel backs included), far below what a decompression bomb claims (30000 x 30000).
    static constexpr qint64 MaxPhotoPixels = 150'000'000;
    static constexpr QSize WorkingBox{720, 540};
    static constexpr QSize ThumbnailBox{80, 60};
    static constexpr int JpegQuality = 100;

    enum class Failure
    {
        None,
        Unreadable,        // not a picture, damaged, or larger than MaxPhotoPixels
        NoTemporaryFolder, // the photo folders of the workspace could not be made
        WriteFailed        // a workspace file could not be written
    };

    // A photo as decoded for its working copy, still in its stored orientation (for HEIF and
    // AVIF: as the file's own turn and mirror properties set it, which libheif applies).
    struct Decoded
    {
        QImage image;      // opaque 32-bit RGB (transparency over white), reduced to what
                           // the working copy needs
        QSize size;        // the photo's own size, from its header
        quint32 depth = 0; // the photo's own bits per pixel
    };

    // Fills a record whose `path` is set; false when the photo was not read or its files not
    // written (the record is then to be dropped). `failure`, when given, tells which, and
    // `reason` what happened to which file, in the user's language.
    static bool readImageInfo(ImageInfo& info);
    static bool readImageInfo(ImageInfo& info, Failure* failure, QString* reason = nullptr);

    // Writes working copy, backup, thumbnail and backup thumbnail of `image` (stored
    // orientation; any size and pixel format, transparency over white) turned by the record's
    // operations.
    static bool saveWorkingCopies(const ImageInfo& info, const QImage& image,
                                  Failure* failure = nullptr, QString* reason = nullptr);

    // Decodes `path`. With `box` valid the picture comes back at the size that fits `box` once
    // turned by `transform` (enlarging is left to the caller); with `box` empty at full size.
    // A null image when the file is no picture or declares more than MaxPhotoPixels.
    static Decoded decode(const QString& path, const QTransform& transform = QTransform(),
                          const QSize& box = QSize());

    // `image` as a JPEG file at the working copies' quality; empty when it cannot be encoded.
    static QByteArray encodeJpeg(const QImage& image, int quality = JpegQuality);
    // Writes `bytes` to `path` through a temporary file, so a failed write never leaves a
    // half-written file in place of the old one. On failure `error`, when given, receives the
    // system's error number (0 when none is known).
    static bool writeFileAtomically(const QString& path, const QByteArray& bytes,
                                    int* error = nullptr);

    // Lets Qt allocate a picture of MaxPhotoPixels (its own limit stops at about 33 megapixels).
    // The limit is process-wide: the first call is best made on the GUI thread, before any
    // reading thread starts; later calls do nothing.
    static void allowLargePhotos();

    // True when `transform` turns a picture a quarter (its width becomes its height).
    static bool isQuarterTurn(const QTransform& transform);

    static QString temporaryFolderMissingText();

private:
    static Decoded decodeHeif(const QString& path, const QTransform& transform, const QSize& box);
};
