#include "picture.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>

#include <cstdio>

bool writePicture(const QString& root, const QString& path, QSize logicalSize,
                  const std::function<void(QPainter&)>& draw)
{
    const QString base = root + QLatin1Char('/') + path;
    QDir().mkpath(QFileInfo(base).absolutePath());
    for (int scale : {1, 2}) {
        QImage image(logicalSize * scale, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
            painter.scale(scale, scale);
            draw(painter);
        }
        const QString file =
            base + (scale == 1 ? QStringLiteral(".png") : QStringLiteral("@2x.png"));
        if (!image.convertToFormat(QImage::Format_ARGB32).save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return false;
        }
    }
    return true;
}
