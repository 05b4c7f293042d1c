#include "common/imageinfo.h"

#include <QPainter>

namespace {
constexpr int PreviewWidth = 80;
constexpr int PreviewHeight = 60;
constexpr QRgb PreviewBackground = 0xFF808080;

// Scales `image` to fit the preview keeping its aspect ratio and draws it centred on gray. The
// preview is opaque: 24 bits a pixel, as every photo in the strip keeps two of them.
QImage centredPreview(const QImage& image)
{
    QImage preview(PreviewWidth, PreviewHeight, QImage::Format_RGB888);
    preview.fill(PreviewBackground);
    if (image.isNull())
        return preview;
    const QImage scaled =
        image.scaled(PreviewWidth, PreviewHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&preview);
    painter.drawImage((PreviewWidth - scaled.width()) / 2, (PreviewHeight - scaled.height()) / 2,
                      scaled);
    return preview;
}
} // namespace

void ImageInfo::setExifOrientation(int orientation)
{
    exifRotation = 0;
    exifMirrored = false;
    exifFlipped = false;
    switch (orientation) {
    case 2:
        exifMirrored = true;
        break;
    case 3:
        exifMirrored = true;
        exifFlipped = true;
        break;
    case 4:
        exifFlipped = true;
        break;
    case 5:
        exifRotation = 90;
        exifMirrored = true;
        break;
    case 6:
        exifRotation = 90;
        break;
    case 7:
        exifRotation = -90;
        exifMirrored = true;
        break;
    case 8:
        exifRotation = -90;
        break;
    default: // 1 and anything unknown: upright
        break;
    }

    operations.clear();
    if (exifMirrored)
        operations.append(Mirror);
    if (exifFlipped)
        operations.append(Flip);
    if (exifRotation == -90)
        operations.append(TurnLeft);
    else if (exifRotation == 90)
        operations.append(TurnRight);
    bakedOperations = operations.size();
}

namespace {
// Appends one operation to `transform` with the toolkit's rotate(); the step acts on the image
// before everything already in `transform`.
void rotateBy(QTransform& transform, int code)
{
    switch (code) {
    case Mirror:
        transform.rotate(180, Qt::YAxis);
        break;
    case Flip:
        transform.rotate(180, Qt::XAxis);
        break;
    case TurnLeft:
        transform.rotate(-90);
        break;
    case TurnRight:
        transform.rotate(90);
        break;
    default:
        break;
    }
}
} // namespace

QTransform ImageInfo::stepOf(int code)
{
    QTransform step;
    rotateBy(step, code);
    return step;
}

QTransform ImageInfo::transformOf(const QVector<qint32>& operations)
{
    // Walking first to last means the last code touches the pixels first and the first (newest)
    // code last.
    QTransform transform;
    for (const qint32 code : operations)
        rotateBy(transform, code);
    return transform;
}

QImage ImageInfo::makeThumbnail(const QImage& image)
{
    return centredPreview(image);
}

QImage ImageInfo::makeRotatedThumbnail(const QImage& image)
{
    // Made in the plain preview's format: painting into an 8-bit palette image is not possible,
    // and every other source format gives the same picture this way.
    if (image.isNull())
        return centredPreview(image);
    QTransform quarter;
    quarter.rotate(90);
    return centredPreview(image.transformed(quarter, Qt::SmoothTransformation));
}
