// Publishes N photos of 720 x 540 (with 80 x 60 thumbnails) as one self-contained movie at
// quality 85, once with one worker and once with one per core, on the same files in the same
// run, and compares them with the floor: libjpeg-turbo's own API (TurboJPEG) decoding and
// encoding the same pictures at the same sizes and quality on one thread, in this process. The
// command-line tools (djpeg | cjpeg) doing the same are timed as well. Each measurement is the
// best of several runs; CPU time (user + system) is given beside wall time, since other work on
// the machine disturbs it far less. Peak memory is the process's VmHWM, reset before each run.
#include "common/workers.h"
#include "flashkit/core/flashmokit.h"
#include "platform/velfc/core/velpref.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <sys/resource.h>

#ifdef LUMARO_HAVE_TURBOJPEG
#include <turbojpeg.h>
#endif

#include <algorithm>
#include <cstdio>
#include <functional>

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

double cpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Timing
{
    double wall = 1e9;
    double cpu = 1e9;
    long peak = 0;
};

// Runs `step` `runs` times and keeps the least wall and the least CPU time; false when a run
// failed.
bool measure(int runs, int who, Timing& best, const std::function<bool(int run)>& step)
{
    for (int run = 0; run < runs; ++run) {
        resetPeak();
        const double cpuStart = cpuSeconds(who);
        QElapsedTimer timer;
        timer.start();
        if (!step(run))
            return false;
        best.wall = std::min(best.wall, timer.nsecsElapsed() / 1e9);
        best.cpu = std::min(best.cpu, cpuSeconds(who) - cpuStart);
        best.peak = std::max(best.peak, peakKilobytes());
    }
    return true;
}

#ifdef LUMARO_HAVE_TURBOJPEG
// Decodes `in` and encodes it again at Quality into `out` the way the publish does: accurate
// DCT both ways, 4:2:0, 32-bit pixels in between.
bool turboReencode(tjhandle decoder, tjhandle encoder, const QString& in, const QString& out)
{
    QFile source(in);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    const QByteArray jpeg = source.readAll();
    int width = 0;
    int height = 0;
    int subsampling = 0;
    int colourspace = 0;
    const auto* bytes = reinterpret_cast<const unsigned char*>(jpeg.constData());
    if (tjDecompressHeader3(decoder, bytes, static_cast<unsigned long>(jpeg.size()), &width,
                            &height, &subsampling, &colourspace) != 0)
        return false;
    QImage image(width, height, QImage::Format_RGB32);
    if (tjDecompress2(decoder, bytes, static_cast<unsigned long>(jpeg.size()), image.bits(), width,
                      int(image.bytesPerLine()), height, TJPF_BGRX, TJFLAG_ACCURATEDCT) != 0)
        return false;
    unsigned char* encoded = nullptr;
    unsigned long size = 0;
    if (tjCompress2(encoder, image.constBits(), width, int(image.bytesPerLine()), height, TJPF_BGRX,
                    &encoded, &size, TJSAMP_420, Quality, TJFLAG_ACCURATEDCT) != 0)
        return false;
    QFile target(out);
    const bool written =
        target.open(QIODevice::WriteOnly) &&
        target.write(reinterpret_cast<const char*>(encoded), qint64(size)) == qint64(size);
    tjFree(encoded);
    return written;
}
#endif
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100;
    const int runs = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 3;
    QTemporaryDir dir;
    if (count <= 0 || runs <= 0 || !dir.isValid()) {
        std::fprintf(stderr, "usage: bench_publish [photo count] [runs]\n");
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
    QStringList names;
    for (int i = 0; i < count; ++i) {
        const QImage image = picture(i % 8);
        const QString name = QStringLiteral("photo %1.jpg").arg(i);
        image.save(photos + name, "JPG", 95);
        image.scaled(80, 60).save(photos + QStringLiteral("s_") + name, "JPG", 95);
        FlashKitPhoto photo;
        photo.path = photos + name;
        list.append(photo);
        names << name << QStringLiteral("s_") + name;
    }

    // The publish at one worker, the floor and the publish at one worker per core, in turns, so
    // that whatever else the machine does falls on all three alike.
    const int cores = std::max(1, QThread::idealThreadCount());
    Timing publish[2];
    QByteArray movies[2];
    qint64 movieBytes = 0;
    const auto publishWith = [&](int round) {
        const int workers = round == 0 ? 1 : cores;
        qputenv(Workers::CountVariable, QByteArray::number(workers));
        const QString out = root + QStringLiteral("/out%1/").arg(workers);
        const bool done = measure(1, RUSAGE_SELF, publish[round], [&](int) {
            QDir(out).removeRecursively();
            FlashmoKit kit(root + QStringLiteral("/app"));
            kit.addPhotos(list);
            kit.setTemplate(QStringLiteral("bench.swf"));
            kit.setPhotoQuality(Quality);
            kit.publish(out, QStringLiteral("bench"), 1);
            while (kit.isPublishing())
                QThread::msleep(2);
            if (kit.publishProgress() != 100) {
                std::fprintf(stderr, "publish failed: %s\n", qPrintable(kit.publishError()));
                return false;
            }
            return true;
        });
        qunsetenv(Workers::CountVariable);
        // A digest, not the bytes: the next run's peak memory must not hold this movie.
        QFile swf(out + QStringLiteral("bench.swf"));
        QCryptographicHash digest(QCryptographicHash::Sha256);
        if (swf.open(QIODevice::ReadOnly) && digest.addData(&swf))
            movies[round] = digest.result();
        movieBytes = QFileInfo(swf).size();
        return done;
    };

#ifdef LUMARO_HAVE_TURBOJPEG
    // The floor: the same pictures decoded and encoded by TurboJPEG on this thread.
    Timing floor;
    const QString floorOut = root + QStringLiteral("/turbo/");
    QDir().mkpath(floorOut);
    tjhandle decoder = tjInitDecompress();
    tjhandle encoder = tjInitCompress();
    const auto turbo = [&] {
        return measure(1, RUSAGE_THREAD, floor, [&](int) {
            for (const QString& name : std::as_const(names)) {
                if (!turboReencode(decoder, encoder, photos + name, floorOut + name)) {
                    std::fprintf(stderr, "TurboJPEG failed: %s\n", tjGetErrorStr());
                    return false;
                }
            }
            return true;
        });
    };
#else
    const auto turbo = [] { return true; };
#endif
    for (int run = 0; run < runs; ++run) {
        if (!publishWith(0) || !turbo() || !publishWith(1))
            return 1;
    }
#ifdef LUMARO_HAVE_TURBOJPEG
    tjDestroy(decoder);
    tjDestroy(encoder);
#endif

    // The same re-encoding by the command-line tools, one shell loop.
    Timing tools;
    QDir().mkpath(root + QStringLiteral("/cli"));
    const QString script =
        QStringLiteral("cd \"$1\" && for f in 'photo '*.jpg 's_photo '*.jpg; do "
                       "djpeg \"$f\" | cjpeg -quality %1 > \"$2/$f\" || exit 1; done");
    const bool toolsDone = measure(1, RUSAGE_CHILDREN, tools, [&](int) {
        QProcess shell;
        shell.start(QStringLiteral("sh"),
                    {QStringLiteral("-c"), script.arg(Quality), QStringLiteral("sh"), photos,
                     root + QStringLiteral("/cli")});
        if (!shell.waitForFinished(-1) || shell.exitCode() != 0) {
            std::fprintf(stderr, "djpeg | cjpeg failed: %s\n",
                         shell.readAllStandardError().constData());
            return false;
        }
        return true;
    });
    if (!toolsDone)
        return 1;

    std::printf("photos %d, quality %d, movie %.1f MB, best of %d runs, %d cores\n", count, Quality,
                movieBytes / 1e6, runs, cores);
    std::printf("                         wall      photos/s   cpu       peak memory\n");
    for (int round = 0; round < 2; ++round)
        std::printf("publish, %d worker%s      %6.2f s  %6.1f     %6.2f s  %ld kB\n",
                    round == 0 ? 1 : cores, round == 0 ? " " : "s", publish[round].wall,
                    count / publish[round].wall, publish[round].cpu, publish[round].peak);
#ifdef LUMARO_HAVE_TURBOJPEG
    std::printf("TurboJPEG, 1 thread      %6.2f s  %6.1f     %6.2f s\n", floor.wall,
                count / floor.wall, floor.cpu);
#endif
    std::printf("djpeg | cjpeg            %6.2f s  %6.1f     %6.2f s\n", tools.wall,
                count / tools.wall, tools.cpu);
    std::printf("same movie at 1 and %d workers: %s\n", cores,
                movies[0] == movies[1] ? "yes" : "NO");
    std::printf("speed-up at %d workers: %.2fx wall (goal: at least 1.7x on 2 cores)\n", cores,
                publish[0].wall / publish[1].wall);
#ifdef LUMARO_HAVE_TURBOJPEG
    std::printf("publish at 1 worker / TurboJPEG: %.2fx cpu, %.2fx wall (goal: at most 1.2x)\n",
                publish[0].cpu / floor.cpu, publish[0].wall / floor.wall);
#endif
    std::printf("publish at 1 worker / djpeg | cjpeg: %.2fx wall (goal: at most 1.3x)\n",
                publish[0].wall / tools.wall);
    return movies[0] == movies[1] ? 0 : 1;
}
