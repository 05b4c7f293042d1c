#include "kittestenv.h"

#include "platform/velfc/core/velpref.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QRandomGenerator>
#include <QStandardPaths>

KitTestEnv::KitTestEnv()
{
    QStandardPaths::setTestModeEnabled(true);
    if (!dir.isValid())
        return;
    VelPref::instance()->open(dir.path() + QString("/lumaro.ini"));
    VelPref::instance()->setValue(QLatin1String(PrefKey::Temporary), workspace());
    ok = QDir().mkpath(photos()) && QDir().mkpath(music()) && QDir().mkpath(swfFolder()) &&
         QDir().mkpath(appFolder() + QString("/Sample"));
    for (int i = 0; i < 3 && ok; ++i)
        ok = testPicture(720, 540, 100 + i)
                 .save(appFolder() + QString("/Sample/image_%1.jpg").arg(i), "JPG", 90);
}

QString KitTestEnv::makeTemplate(const QString& base, int swfSize, const QByteArray& page)
{
    auto write = [](const QString& path, const QByteArray& data) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
    };
    QByteArray movie = QByteArrayLiteral("FWS") + noise(swfSize - 3, swfSize);
    write(templateFolder() + base + QString(".swf"), noise(300, 7));
    write(swfFolder() + base + QString(".swf"), movie);
    const QByteArray html =
        page.isNull() ? QString("<embed src=\"%1.swf\">").arg(base).toUtf8() : page;
    write(swfFolder() + base + QString(".html"), html);
    return base + QString(".swf");
}

FlashKitPhoto KitTestEnv::makePhoto(const QString& name, int seed)
{
    const QImage picture = testPicture(720, 540, seed);
    picture.save(photos() + name, "JPG", 100);
    picture.scaled(80, 60, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .save(photos() + QString("s_") + name, "JPG", 100);
    FlashKitPhoto photo;
    photo.path = photos() + name;
    return photo;
}

FlashKitAudio KitTestEnv::makeMusic(const QString& name, int bytes)
{
    QFile file(music() + name);
    if (file.open(QIODevice::WriteOnly))
        file.write(noise(bytes, bytes + name.size()));
    FlashKitAudio clip;
    clip.path = music() + name;
    clip.fadeIn = QString("1");
    clip.fadeOut = QString("0");
    clip.loop = QString("1");
    clip.time = QString("245000");
    clip.startTime = QString("0");
    clip.endTime = QString("1.23457e+06");
    return clip;
}

// Smooth shapes plus fine noise: JPEG quality then shows in the file size.
QImage KitTestEnv::testPicture(int width, int height, int seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < height; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int grain = random.bounded(24);
            line[x] = qRgb((x * 255 / width + grain) % 256, (y * 255 / height + grain) % 256,
                           (seed * 40 + grain) % 256);
        }
    }
    QPainter painter(&image);
    painter.setBrush(QColor::fromHsv(seed * 37 % 360, 200, 220));
    painter.drawEllipse(width / 4, height / 4, width / 2, height / 2);
    return image;
}

QByteArray KitTestEnv::noise(int bytes, int seed)
{
    QByteArray data(qMax(0, bytes), Qt::Uninitialized);
    QRandomGenerator random(seed);
    for (char& c : data)
        c = static_cast<char>(random.bounded(256));
    return data;
}
