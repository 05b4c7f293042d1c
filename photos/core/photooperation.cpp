#include "photos/core/photooperation.h"

#include "common/imageinfo.h"
#include "common/workspace.h"

#include <QImage>

namespace {
bool transformFile(const QString& path, const QTransform& step)
{
    QImage image;
    if (!image.load(path))
        return false;
    return image.transformed(step, Qt::FastTransformation).save(path, nullptr, 100);
}

bool copyImage(const QString& from, const QString& to)
{
    QImage image;
    if (!image.load(from))
        return false;
    return image.save(to, nullptr, 100);
}
} // namespace

bool applyPhotoOperation(const ImageInfo& info)
{
    if (!info.operations.isEmpty()) {
        const QTransform step = ImageInfo::stepOf(info.operations.first());
        const bool copyDone = transformFile(workingCopyPath(info), step);
        const bool thumbDone = transformFile(thumbnailPath(info), step);
        return copyDone && thumbDone;
    }
    const bool copyDone = copyImage(backupCopyPath(info), workingCopyPath(info));
    const bool thumbDone = copyImage(backupThumbnailPath(info), thumbnailPath(info));
    return copyDone && thumbDone;
}
