#include "photos/core/photorender.h"

#include "photos/core/imagereader.h"

#include <QDir>
#include <QFileInfo>

QImage renderPhoto(const ImageInfo& info, const QSize& bound, QString* reason)
{
    const auto fail = [&](const QString& text) {
        if (reason)
            *reason = text.arg(QDir::toNativeSeparators(info.path));
        return QImage();
    };
    if (!QFileInfo(info.path).isFile())
        return fail(ImageReader::tr("The original photo %1 is missing."));
    const QTransform transform = info.transform();
    // Decoded in its stored orientation at about the size the bound asks once turned (the JPEG
    // decoder reduces while decoding), then turned and brought down to the bound exactly.
    const ImageReader::Decoded photo = ImageReader::decode(info.path, transform, bound);
    if (photo.image.isNull())
        return fail(ImageReader::tr("The original photo %1 cannot be read."));
    QImage turned = transform.isIdentity() ? photo.image : photo.image.transformed(transform);
    // The photo's own size, turned: a reduced decode is a little larger than the bound needs,
    // and the final size must not depend on how the decoder rounded.
    const QSize own = ImageReader::isQuarterTurn(transform) ? photo.size.transposed() : photo.size;
    QSize target = own;
    if (own.width() > bound.width() || own.height() > bound.height())
        target = own.scaled(bound, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    if (turned.size() != target)
        turned = turned.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return turned;
}
