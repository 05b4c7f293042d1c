#include "photos/core/photooperation.h"

#include "common/imageinfo.h"
#include "common/workspace.h"
#include "photos/core/imagereader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QUuid>

#include <algorithm>

namespace {
QString cannotRead(const QString& path)
{
    return QCoreApplication::translate("PhotoOperation", "Cannot read the picture %1.")
        .arg(QDir::toNativeSeparators(path));
}

QString cannotWrite(const QString& path)
{
    return QCoreApplication::translate("PhotoOperation", "Cannot write the picture %1.")
        .arg(QDir::toNativeSeparators(path));
}

// Turns the picture at `path` by `step` in place, at the working copies' quality.
PhotoFileResult turnFile(const QString& path, const QTransform& step)
{
    const QImage image = ImageReader::decode(path).image;
    if (image.isNull())
        return Outcome::failed(cannotRead(path));
    const QByteArray jpeg =
        ImageReader::encodeJpeg(image.transformed(step, Qt::FastTransformation));
    if (jpeg.isEmpty() || !ImageReader::writeFileAtomically(path, jpeg))
        return Outcome::failed(cannotWrite(path));
    return {};
}

// The backup is the file as it was at import: its bytes are copied, not decoded and encoded
// again, so a restore loses nothing.
PhotoFileResult restore(const QString& from, const QString& to)
{
    QFile file(from);
    if (!file.open(QIODevice::ReadOnly))
        return Outcome::failed(cannotRead(from));
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty() || file.error() != QFileDevice::NoError)
        return Outcome::failed(cannotRead(from));
    if (!ImageReader::writeFileAtomically(to, bytes))
        return Outcome::failed(cannotWrite(to));
    return {};
}

// Both files are always attempted; the first failure is the one reported.
PhotoFileResult both(const PhotoFileResult& first, const PhotoFileResult& second)
{
    return first ? second : first;
}
} // namespace

PhotoFileResult applyPhotoOperation(const ImageInfo& info)
{
    if (!info.operations.isEmpty()) {
        const QTransform step = ImageInfo::stepOf(info.operations.first());
        const PhotoFileResult copy = turnFile(workingCopyPath(info), step);
        const PhotoFileResult thumb = turnFile(thumbnailPath(info), step);
        return both(copy, thumb);
    }
    const PhotoFileResult copy = restore(backupCopyPath(info), workingCopyPath(info));
    const PhotoFileResult thumb = restore(backupThumbnailPath(info), thumbnailPath(info));
    return both(copy, thumb);
}

namespace {
// Writes the backup at `from`, turned by `transform`, to `to`.
PhotoFileResult turnedCopy(const QString& from, const QString& to, const QTransform& transform)
{
    if (transform.isIdentity())
        return restore(from, to);
    const QImage image = ImageReader::decode(from).image;
    if (image.isNull())
        return Outcome::failed(cannotRead(from));
    const QByteArray jpeg =
        ImageReader::encodeJpeg(image.transformed(transform, Qt::FastTransformation));
    if (jpeg.isEmpty() || !ImageReader::writeFileAtomically(to, jpeg))
        return Outcome::failed(cannotWrite(to));
    return {};
}
} // namespace

PhotoFileResult rebuildWorkingFiles(const ImageInfo& info)
{
    const int fresh =
        std::clamp<int>(info.operations.size() - info.bakedOperations, 0, info.operations.size());
    const QTransform transform = ImageInfo::transformOf(info.operations.mid(0, fresh));
    const PhotoFileResult copy = turnedCopy(backupCopyPath(info), workingCopyPath(info), transform);
    const PhotoFileResult thumb =
        turnedCopy(backupThumbnailPath(info), thumbnailPath(info), transform);
    return both(copy, thumb);
}

PhotoFileResult duplicatePhoto(const ImageInfo& original, ImageInfo& copy)
{
    ImageInfo made = original;
    made.id = QUuid::createUuid();
    using PathOf = QString (*)(const ImageInfo&);
    QStringList written;
    for (const PathOf path :
         {&workingCopyPath, &backupCopyPath, &thumbnailPath, &backupThumbnailPath}) {
        // The same bytes: turns and restores go on from exactly what the original had.
        const PhotoFileResult step = restore(path(original), path(made));
        if (!step) {
            for (const QString& file : std::as_const(written))
                QFile::remove(file);
            return step;
        }
        written << path(made);
    }
    copy = made;
    return {};
}
