#include "photos/core/imagereader.h"

#include "common/fileerror.h"
#include "common/workspace.h"
#include "photos/core/heifdecoder.h"
#include "photos/core/pngchunks.h"
#include "platform/velmexif/velmexifinfo.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QMutex>
#include <QSaveFile>
#include <QUuid>

#include <algorithm>
#include <cerrno>
#include <utility>
#include <vector>

namespace {
void setFailure(ImageReader::Failure* failure, ImageReader::Failure value)
{
    if (failure)
        *failure = value;
}

void setReason(QString* reason, const QString& text)
{
    if (reason)
        *reason = text;
}

// Why a photo that is no plain readable file was refused; empty when it can be opened.
QString openingProblem(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return FileError::reading(ENOENT, path);
    if (info.isDir())
        return FileError::reading(EISDIR, path);
    if (!info.isFile())
        return ImageReader::tr("%1 is not a plain file.").arg(QDir::toNativeSeparators(path));
    QFile file(path);
    errno = 0;
    return file.open(QIODevice::ReadOnly) ? QString() : FileError::reading(errno, path);
}

QSize transposedIf(bool turned, const QSize& size)
{
    return turned ? size.transposed() : size;
}

// `size` scaled to fit `box` keeping its proportions, enlarged if smaller; a sliver of a photo
// keeps at least one pixel across instead of vanishing.
QSize fitted(const QSize& size, const QSize& box)
{
    return size.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

// `image` scaled to `size` (no work when it already has it).
QImage resized(const QImage& image, const QSize& size)
{
    if (image.size() == size)
        return image;
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The size `box` asks of a picture stored at `size` once turned by `transform`, in the stored
// orientation; invalid when that is not smaller than `size` both ways (enlarging is the
// working copy's business).
QSize reducedSize(const QSize& size, const QTransform& transform, const QSize& box)
{
    if (!size.isValid() || !box.isValid())
        return QSize();
    const bool turned = ImageReader::isQuarterTurn(transform);
    const QSize target = transposedIf(turned, fitted(transposedIf(turned, size), box));
    return target.width() < size.width() && target.height() < size.height() ? target : QSize();
}

// Rows [top, top + rows) of `image` as premultiplied 32-bit colour: the rows themselves, not
// a copy, when the picture already is in such a format, else a conversion of only those rows.
// Copying each band first cost a third of the time of reading a 150-megapixel picture.
QImage premultipliedRows(const QImage& image, int top, int rows)
{
    QImage view(image.constScanLine(top), image.width(), rows, image.bytesPerLine(),
                image.format());
    if (image.format() == QImage::Format_RGB32 ||
        image.format() == QImage::Format_ARGB32_Premultiplied)
        return view;
    if (image.colorCount() > 0) // palette pictures; their colours are the palette's
        view.setColorTable(image.colorTable());
    return view.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// `image` as opaque 32-bit RGB, transparency composed over white, reduced towards `target`
// (when valid) by averaging whole blocks of pixels. Scaling or turning a picture in the format
// its decoder hands back goes wrong for the formats with few bits: a 1-bit picture loses its
// colour table and comes out as grey noise, a palette picture is scaled by its palette indices.
// The conversion goes a band of rows at a time, so a large picture never needs a second
// full-size copy in 32 bits.
QImage plainRgb(const QImage& image, const QSize& target)
{
    if (image.format() == QImage::Format_RGB32 && !target.isValid())
        return image;
    const int w = image.width();
    const int h = image.height();
    const int block = target.isValid() ? qMax(1, qMin(w / target.width(), h / target.height())) : 1;
    QImage plain((w + block - 1) / block, (h + block - 1) / block, QImage::Format_RGB32);
    if (plain.isNull())
        return plain;
    std::vector<qint64> sums(size_t(plain.width()) * 4);
    for (int y = 0; y < plain.height(); ++y) {
        const int top = y * block;
        const int rows = qMin(block, h - top);
        const QImage band = premultipliedRows(image, top, rows);
        if (band.isNull())
            return QImage();
        std::fill(sums.begin(), sums.end(), 0);
        for (int row = 0; row < rows; ++row) {
            const QRgb* line = reinterpret_cast<const QRgb*>(band.constScanLine(row));
            qint64* sum = sums.data();
            for (int x = 0; x < w; sum += 4) {
                for (const int end = qMin(x + block, w); x < end; ++x) {
                    sum[0] += qRed(line[x]);
                    sum[1] += qGreen(line[x]);
                    sum[2] += qBlue(line[x]);
                    sum[3] += qAlpha(line[x]);
                }
            }
        }
        QRgb* out = reinterpret_cast<QRgb*>(plain.scanLine(y));
        for (int x = 0; x < plain.width(); ++x) {
            const qint64 count = qint64(qMin(block, w - x * block)) * rows;
            const qint64* sum = &sums[size_t(x) * 4];
            // Premultiplied colour plus white where the picture lets it through.
            const qint64 white = 255 * count - sum[3];
            auto channel = [&](qint64 value) { return int((value + white + count / 2) / count); };
            out[x] = qRgb(channel(sum[0]), channel(sum[1]), channel(sum[2]));
        }
    }
    return target.isValid() ? resized(plain, target) : plain;
}

// Above this many pixels (64 MB at 4 bytes a pixel) a picture decoded at full size takes turns
// with the others.
constexpr qint64 LargeDecodePixels = 16'000'000;

QMutex& largeDecodeTurn()
{
    static QMutex turn;
    return turn;
}
} // namespace

// Qt refuses to allocate a decoded picture above 128 MB, which stops at about 33 megapixels.
// Pictures are only decoded after their declared size passed MaxPhotoPixels, so raising the
// limit to exactly what such a picture needs at 4 bytes a pixel keeps memory bounded while
// formats that cannot decode at a reduced scale (PNG, TIFF, BMP) still read large photos.
void ImageReader::allowLargePhotos()
{
    static const bool raised = [] {
        const qint64 bytes = MaxPhotoPixels * 4;
        const int needed = int(bytes / (1024 * 1024)) + 1;
        const int current = QImageReader::allocationLimit();
        if (current != 0 && current < needed)
            QImageReader::setAllocationLimit(needed);
        return true;
    }();
    Q_UNUSED(raised);
}

bool ImageReader::isQuarterTurn(const QTransform& transform)
{
    return qFuzzyIsNull(transform.m11()) && qFuzzyIsNull(transform.m22());
}

QString ImageReader::temporaryFolderMissingText()
{
    return tr("Cannot find the temporary directory!");
}

ImageReader::Decoded ImageReader::decode(const QString& path, const QTransform& transform,
                                         const QSize& box)
{
    allowLargePhotos();
    Decoded photo;
    if (!QFileInfo(path).isFile()) // a pipe would block the reader (see readImageInfo)
        return photo;
    if (HeifDecoder::isHeif(path))
        return decodeHeif(path, transform, box);
    QImageReader reader(path);
    // The orientation is the record's business (its operations), not the decoder's.
    reader.setAutoTransform(false);
    // Below 50 the JPEG decoder switches to its fast, blocky transform and unsmoothed scaling.
    reader.setQuality(100);

    // Only the formats the import offers are read, whatever the file is named: Qt's other
    // decoders read icons, drawings and animations, not photos, and the icon decoders hand the
    // PNG pictures inside an icon to libpng unchecked (see PngChunks).
    static const QByteArrayList photoFormats{"jpeg", "png",  "gif", "bmp",
                                             "tiff", "webp", "xbm", "xpm"};
    const QByteArray fileFormat = reader.format();
    if (!photoFormats.contains(fileFormat) ||
        (fileFormat == "png" && PngChunks::overrunsFile(path)))
        return photo;
    // A GIF's reader tells the size of its first frame, but the picture read is the whole
    // screen the file declares, which can be thousands of times larger: its size is known only
    // once it is read, and it is decoded as a large picture.
    const QSize declared = fileFormat == "gif" ? QSize() : reader.size();
    if (declared.isValid() && qint64(declared.width()) * declared.height() > MaxPhotoPixels)
        return photo;
    // Only the JPEG decoder reduces while decoding (it scales its DCT, which is what makes
    // importing camera photos fast); every other decoder reads the whole picture and then
    // scales it in its own pixel format, which plainRgb() does right instead.
    const QSize target = fileFormat == "jpeg" ? reducedSize(declared, transform, box) : QSize();
    const bool reduced = target.isValid();
    if (reduced)
        reader.setScaledSize(target);
    // Photos are read several at a time; the ones decoded at full size above a camera's usual
    // size take turns, so memory holds one such picture, not one per thread.
    const bool large =
        !reduced &&
        (!declared.isValid() || qint64(declared.width()) * declared.height() > LargeDecodePixels);
    const QMutexLocker turn(large ? &largeDecodeTurn() : nullptr);
    const QImage::Format format = reader.imageFormat();
    const QImage decoded = reader.read();
    if (decoded.isNull())
        return photo;
    if (!reduced && qint64(decoded.width()) * decoded.height() > MaxPhotoPixels)
        return photo;
    photo.size = reduced ? declared : decoded.size();
    photo.depth = reduced && format != QImage::Format_Invalid
                      ? QImage::toPixelFormat(format).bitsPerPixel()
                      : uint(decoded.depth());
    photo.image =
        plainRgb(decoded, reduced ? QSize() : reducedSize(decoded.size(), transform, box));
    return photo;
}

// libheif decodes at full size only; the picture comes back upright as the file's own turn and
// mirror properties set it.
ImageReader::Decoded ImageReader::decodeHeif(const QString& path, const QTransform& transform,
                                             const QSize& box)
{
    Decoded photo;
    const HeifDecoder::Picture picture =
        HeifDecoder::decode(path, MaxPhotoPixels, &largeDecodeTurn(), LargeDecodePixels);
    if (picture.image.isNull())
        return photo;
    photo.size = picture.image.size();
    photo.depth = picture.depth;
    photo.image = plainRgb(picture.image, reducedSize(picture.image.size(), transform, box));
    return photo;
}

bool ImageReader::readImageInfo(ImageInfo& info)
{
    return readImageInfo(info, nullptr);
}

bool ImageReader::readImageInfo(ImageInfo& info, Failure* failure, QString* reason)
{
    setFailure(failure, Failure::Unreadable);
    // Opening a pipe named like a photo waits for a writer that never comes, freezing the
    // import; only plain files (or links to them) can hold a photo.
    const QString problem = openingProblem(info.path);
    if (!problem.isEmpty()) {
        setReason(reason, problem);
        return false;
    }
    // The orientation comes first: it decides which side of the photo meets the working box.
    // HEIF keeps its EXIF as an item of its own, and when the file turns or mirrors the picture
    // itself (libheif applies that while decoding) its EXIF orientation is only informative.
    const bool heif = HeifDecoder::isHeif(info.path);
    const HeifDecoder::Facts heifFacts =
        heif ? HeifDecoder::facts(info.path) : HeifDecoder::Facts();
    const VelmExifInfo exif =
        heif ? VelmExifInfo::fromTiffBlock(heifFacts.exif) : VelmExifInfo(info.path);
    info.setExifOrientation(heifFacts.transformed ? 1 : exif.Orientation());
    const Decoded photo = decode(info.path, info.transform(), WorkingBox);
    if (photo.image.isNull()) {
        setReason(reason, tr("Not a photo that can be read, or larger than %1 megapixels.")
                              .arg(MaxPhotoPixels / 1'000'000));
        return false;
    }

    info.id = QUuid::createUuid();
    info.width = photo.size.width();
    info.height = photo.size.height();
    info.depth = photo.depth;
    for (int i = 0; i < VelmExifInfo::PropertyCount; ++i)
        info.exifProperties[i] = exif.property(i);

    // The previews are 80 x 60: shrink once to about that size, so neither has to smooth-scale
    // or turn the whole working image.
    const QImage forThumbnail = resized(photo.image, fitted(photo.image.size(), ThumbnailBox));
    const QImage forRotated =
        resized(photo.image, fitted(photo.image.size(), ThumbnailBox.transposed()));
    info.thumbnail = ImageInfo::makeThumbnail(forThumbnail);
    info.rotatedThumbnail = ImageInfo::makeRotatedThumbnail(forRotated);
    return saveWorkingCopies(info, photo.image, failure, reason);
}

bool ImageReader::saveWorkingCopies(const ImageInfo& info, const QImage& image, Failure* failure,
                                    QString* reason)
{
    if (!ensurePhotoFolders()) {
        setFailure(failure, Failure::NoTemporaryFolder);
        setReason(reason, temporaryFolderMissingText());
        return false;
    }
    setFailure(failure, Failure::WriteFailed);
    const QTransform transform = info.transform();
    const QImage turned = plainRgb(image, QSize()).transformed(transform, Qt::FastTransformation);
    // Sizes follow the photo's own proportions, also when `image` is a reduced decode of it.
    const QSize own = info.width > 0 && info.height > 0
                          ? transposedIf(isQuarterTurn(transform), QSize(info.width, info.height))
                          : turned.size();
    const QImage large = resized(turned, fitted(own, WorkingBox));
    const QImage small = resized(large, fitted(own, ThumbnailBox));

    // The backups hold the same pictures: encode each once and write its bytes twice.
    const QByteArray largeJpeg = encodeJpeg(large);
    const QByteArray smallJpeg = largeJpeg.isEmpty() ? QByteArray() : encodeJpeg(small);
    if (largeJpeg.isEmpty() || smallJpeg.isEmpty()) {
        setReason(reason, tr("The working copies of %1 could not be made.")
                              .arg(QDir::toNativeSeparators(info.path)));
        return false;
    }
    const QList<std::pair<QString, const QByteArray*>> files = {
        {workingCopyPath(info), &largeJpeg},
        {backupCopyPath(info), &largeJpeg},
        {thumbnailPath(info), &smallJpeg},
        {backupThumbnailPath(info), &smallJpeg}};
    for (const auto& [path, bytes] : files) {
        int error = 0;
        if (!writeFileAtomically(path, *bytes, &error)) {
            setReason(reason, FileError::writing(error, path));
            return false;
        }
    }
    setFailure(failure, Failure::None);
    return true;
}

QByteArray ImageReader::encodeJpeg(const QImage& image, int quality)
{
    QByteArray bytes;
    if (image.isNull())
        return bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setQuality(quality);
    if (!writer.write(image))
        bytes.clear();
    return bytes;
}

bool ImageReader::writeFileAtomically(const QString& path, const QByteArray& bytes, int* error)
{
    // errno is read right after the call that failed, before anything else can change it.
    const auto failed = [error] {
        if (error)
            *error = errno;
        return false;
    };
    errno = 0;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed();
    // Flushed here: a write kept in the buffer that fails at commit (a full disk) would
    // otherwise leave an empty file and report success.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const bool result = failed();
        file.cancelWriting();
        return result;
    }
    return file.commit() || failed();
}
