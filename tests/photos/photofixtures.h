#pragma once

// Photos made by the tests: JPEGs of a chosen size (optionally with an EXIF orientation written
// by the exiv2 command), and JPEG headers that declare a size the data does not have.
#include "platform/velfc/core/velpref.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QString>

namespace PhotoFixtures {

// Red upper-left quarter on blue, so a turn or a mirror shows.
inline QImage pattern(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter painter(&image);
    painter.fillRect(0, 0, size.width() / 2, size.height() / 2, Qt::red);
    return image;
}

inline bool setOrientation(const QString& path, int orientation)
{
    QProcess exiv2;
    exiv2.start(QStringLiteral("exiv2"),
                {QStringLiteral("-q"),
                 QStringLiteral("-Mset Exif.Image.Orientation Short %1").arg(orientation), path});
    return exiv2.waitForFinished(30000) && exiv2.exitCode() == 0;
}

inline bool makeJpeg(const QString& path, const QSize& size, int orientation = 0)
{
    if (!pattern(size).save(path, "JPG", 95))
        return false;
    return orientation == 0 || setOrientation(path, orientation);
}

// The bytes of a JPEG whose frame header claims `width` x `height`.
inline QByteArray withDeclaredSize(QByteArray jpeg, int width, int height)
{
    for (int i = 2; i + 8 < jpeg.size(); ++i) {
        const uchar marker = uchar(jpeg[i + 1]);
        if (uchar(jpeg[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) {
            jpeg[i + 5] = char(height >> 8);
            jpeg[i + 6] = char(height & 0xFF);
            jpeg[i + 7] = char(width >> 8);
            jpeg[i + 8] = char(width & 0xFF);
            return jpeg;
        }
    }
    return QByteArray();
}

// Points the workspace into `folder`.
inline void useWorkspace(const QString& folder)
{
    VelPref::instance()->setValue(QLatin1String(PrefKey::Temporary), folder);
}

inline int filesIn(const QString& folder)
{
    return int(QDir(folder).entryList(QDir::Files).size());
}

} // namespace PhotoFixtures
