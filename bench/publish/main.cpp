// Publishes N photos of 720 x 540 (with 80 x 60 thumbnails) as one self-contained movie at
// quality 85 and compares the time with re-encoding the same files through djpeg | cjpeg.
// Peak memory is the process's VmHWM, reset just before the publish.
#include "flashkit/core/flashmokit.h"
#include "platform/velfc/core/velpref.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

namespace {
constexpr int Quality = 85;

QImage picture(int seed)
{
    QImage image(720, 540, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grain = random.bounded(20);
            line[x] = qRgb((x / 3 + seed * 13 + grain) % 256, (y / 2 + grain) % 256,
                           (x + y + seed * 29) / 5 % 256);
        }
    }
    return image;
}

long peakKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

void resetPeak()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100;
    QTemporaryDir dir;
    if (count <= 0 || !dir.isValid()) {
        std::fprintf(stderr, "usage: bench_publish [photo count]\n");
        return 2;
    }
    const QString root = dir.path();
    VelPref::instance()->open(root + QStringLiteral("/bench.ini"));
    VelPref::instance()->setValue(QLatin1String(PrefKey::Temporary),
                                  QString(root + QStringLiteral("/ws")));
    const QString photos = root + QStringLiteral("/ws/photos/");
    const QString swfFolder = root + QStringLiteral("/app/template/version1/SWF/");
    QDir().mkpath(photos);
    QDir().mkpath(swfFolder);
    QFile movie(swfFolder + QStringLiteral("bench.swf"));
    if (!movie.open(QIODevice::WriteOnly))
        return 1;
    movie.write(QByteArray(50000, 'F'));
    movie.close();

    // Working copies as the import leaves them; a handful of pictures reused under many names.
    QList<FlashKitPhoto> list;
    for (int i = 0; i < count; ++i) {
        const QImage image = picture(i % 8);
        const QString name = QStringLiteral("photo %1.jpg").arg(i);
        image.save(photos + name, "JPG", 95);
        image.scaled(80, 60).save(photos + QStringLiteral("s_") + name, "JPG", 95);
        FlashKitPhoto photo;
        photo.path = photos + name;
        list.append(photo);
    }

    FlashmoKit kit(root + QStringLiteral("/app"));
    kit.addPhotos(list);
    kit.setTemplate(QStringLiteral("bench.swf"));
    kit.setPhotoQuality(Quality);
    resetPeak();
    QElapsedTimer timer;
    timer.start();
    kit.publish(root + QStringLiteral("/out/"), QStringLiteral("bench"), 1);
    while (kit.isPublishing())
        QThread::msleep(2);
    const double publishSeconds = timer.nsecsElapsed() / 1e9;
    const long peak = peakKilobytes();
    if (kit.publishProgress() != 100) {
        std::fprintf(stderr, "publish failed: %s\n", qPrintable(kit.publishError()));
        return 1;
    }

    // The same re-encoding (pictures and thumbnails) by the command-line tools, one shell loop.
    QDir().mkpath(root + QStringLiteral("/cli"));
    const QString script =
        QStringLiteral("cd \"$1\" && for f in 'photo '*.jpg 's_photo '*.jpg; do "
                       "djpeg \"$f\" | cjpeg -quality %1 > \"$2/$f\" || exit 1; done");
    QProcess shell;
    timer.restart();
    shell.start(QStringLiteral("sh"),
                {QStringLiteral("-c"), script.arg(Quality), QStringLiteral("sh"), photos,
                 root + QStringLiteral("/cli")});
    if (!shell.waitForFinished(-1) || shell.exitCode() != 0) {
        std::fprintf(stderr, "djpeg | cjpeg failed: %s\n",
                     shell.readAllStandardError().constData());
        return 1;
    }
    const double cliSeconds = timer.nsecsElapsed() / 1e9;

    const qint64 swfBytes = QFileInfo(root + QStringLiteral("/out/bench.swf")).size();
    std::printf("photos %d, quality %d, movie %.1f MB\n", count, Quality, swfBytes / 1e6);
    std::printf("publish:        %.2f s, %.1f photos/s, peak memory (VmHWM) %ld kB\n",
                publishSeconds, count / publishSeconds, peak);
    std::printf("djpeg | cjpeg:  %.2f s, %.1f photos/s\n", cliSeconds, count / cliSeconds);
    std::printf("publish / re-encoding alone: %.2fx (goal: at most 1.3x)\n",
                publishSeconds / cliSeconds);
    return 0;
}
