#include "photos/core/photorender.h"

#include "photos/core/imagereader.h"

#include <QCoreApplication>
#include <QDir>

QImage renderPhoto(const ImageInfo& info, const QSize& bound, QString* reason)
{
    const QTransform transform = info.transform();
    ImageReader::Decoded decoded = ImageReader::decode(info.path, transform, bound);
    if (decoded.image.isNull()) {
        if (reason)
            *reason = QCoreApplication::translate("ImageReader", "%1 could not be read.")
                          .arg(QDir::toNativeSeparators(info.path));
        return QImage();
    }
    QImage image = transform.isIdentity() ? decoded.image : decoded.image.transformed(transform);
    if (image.width() > bound.width() || image.height() > bound.height())
        image = image.scaled(bound, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}
