#include "slidepainter.h"

#include <QImageReader>
#include <QPainter>

#include <cmath>

namespace {
const QColor Background(16, 16, 16);
}

SlidePainter::SlidePainter(const VideoJobFile& job)
    : job(job), canvas(job.width, job.height, QImage::Format_RGB32),
      layer(job.width, job.height, QImage::Format_RGB32)
{
}

const QImage* SlidePainter::photo(int index, QString& error)
{
    const auto found = loaded.constFind(index);
    if (found != loaded.constEnd())
        return &found.value();
    // Photos behind the one asked for are done with.
    for (auto it = loaded.begin(); it != loaded.end();)
        it = it.key() < index - 1 ? loaded.erase(it) : std::next(it);
    QImageReader reader(job.photos.at(index));
    reader.setAutoTransform(false); // the pictures come turned as they are to be shown
    const QSize size = reader.size();
    const QSize frameSize(job.width, job.height);
    if (size.isValid() && (size.width() > job.width || size.height() > job.height))
        reader.setScaledSize(size.scaled(frameSize, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (image.isNull()) {
        error =
            QStringLiteral("cannot read %1: %2").arg(job.photos.at(index), reader.errorString());
        return nullptr;
    }
    if (image.width() > job.width || image.height() > job.height)
        image = image.scaled(frameSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return &loaded.insert(index, image.convertToFormat(QImage::Format_RGB32)).value();
}

// `t` runs from 0 to 1 over the whole time the photo is seen, its crossfades included.
void SlidePainter::draw(QPainter& painter, int index, const QImage& image, double t)
{
    const double x = (job.width - image.width()) / 2.0;
    const double y = (job.height - image.height()) / 2.0;
    // A photo smaller than the frame stays still: enlarging it would only show its blur.
    const bool fills = image.width() == job.width || image.height() == job.height;
    if (!fills) {
        painter.drawImage(QPointF(x, y), image);
        return;
    }
    const double zoom = 1.0 + (ZoomEnd - 1.0) * t;
    // The zoom drifts towards a point left or right of the centre, turn about, which pans.
    const double side = index % 2 ? 0.25 : -0.25;
    const QPointF anchor(job.width / 2.0 + side * image.width() / 2.0, job.height / 2.0);
    painter.save();
    painter.translate(anchor);
    painter.scale(zoom, zoom);
    painter.translate(-anchor);
    painter.drawImage(QPointF(x, y), image);
    painter.restore();
}

bool SlidePainter::paint(long long index, QString& error)
{
    const double seconds = index / double(job.fps);
    const double d = job.secondsPerPhoto;
    const double half = job.crossfade / 2;
    const int count = job.photos.size();
    const int current = std::clamp(int(seconds / d), 0, count - 1);
    // The neighbour that shares this moment in a crossfade, and how far the fade has come.
    int other = -1;
    double mix = 0;
    if (current + 1 < count && seconds > (current + 1) * d - half) {
        other = current + 1;
        mix = (seconds - ((current + 1) * d - half)) / job.crossfade;
    } else if (current > 0 && seconds < current * d + half) {
        other = current - 1;
        mix = (seconds - (current * d - half)) / job.crossfade;
    }
    const auto progress = [&](int i) {
        const double start = i > 0 ? i * d - half : 0.0;
        const double end = i + 1 < count ? (i + 1) * d + half : count * d;
        return std::clamp((seconds - start) / (end - start), 0.0, 1.0);
    };
    const QImage* first = photo(std::min(current, other < 0 ? current : other), error);
    const QImage* second = other < 0 ? nullptr : photo(std::max(current, other), error);
    if (!first || (other >= 0 && !second))
        return false;
    const int firstIndex = other < 0 ? current : std::min(current, other);
    canvas.fill(Background);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    draw(painter, firstIndex, *first, progress(firstIndex));
    if (second) {
        // The later photo, with its background, fades in over the earlier one.
        layer.fill(Background);
        QPainter layerPainter(&layer);
        layerPainter.setRenderHint(QPainter::SmoothPixmapTransform);
        draw(layerPainter, firstIndex + 1, *second, progress(firstIndex + 1));
        layerPainter.end();
        painter.setOpacity(std::clamp(mix, 0.0, 1.0));
        painter.drawImage(0, 0, layer);
    }
    return true;
}
