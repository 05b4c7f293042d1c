// Imports one HEIC photo the way the import does (ImageReader: decode, EXIF, both previews, four
// workspace files) and times it against libheif's own heif-convert writing the same photo as a
// JPEG, best of several runs, on CPU time (user + system), which a busy shared machine disturbs
// far less than wall time.
#include "common/imageinfo.h"
#include "photos/core/imagereader.h"
#include "platform/velfc/core/velpref.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>

namespace {
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
    void keepBest(double w, double c)
    {
        wall = std::min(wall, w);
        cpu = std::min(cpu, c);
    }
};
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_heic <photo.heic> [runs]\n");
        return 2;
    }
    const QString photo = QString::fromLocal8Bit(argv[1]);
    const int runs = argc > 2 ? qMax(1, QString::fromLocal8Bit(argv[2]).toInt()) : 5;
    QTemporaryDir dir;
    if (!dir.isValid())
        return 2;
    VelPref::instance()->open(dir.filePath(QStringLiteral("bench.ini")));
    VelPref::instance()->setValue(QLatin1String(PrefKey::Temporary), dir.filePath("ws"));
    ImageReader::allowLargePhotos();

    Timing reader;
    Timing tool;
    QSize size;
    for (int run = 0; run < runs; ++run) {
        ImageInfo info;
        info.path = photo;
        const double cpu = cpuSeconds(RUSAGE_SELF);
        QElapsedTimer timer;
        timer.start();
        if (!ImageReader::readImageInfo(info)) {
            std::fprintf(stderr, "the reader refused %s\n", argv[1]);
            return 1;
        }
        reader.keepBest(timer.nsecsElapsed() / 1e9, cpuSeconds(RUSAGE_SELF) - cpu);
        size = QSize(info.width, info.height);

        const double childCpu = cpuSeconds(RUSAGE_CHILDREN);
        timer.restart();
        QProcess convert;
        convert.start(QStringLiteral("heif-convert"),
                      {photo, dir.filePath(QStringLiteral("out%1.jpg").arg(run))});
        if (!convert.waitForFinished(-1) || convert.exitCode() != 0) {
            std::fprintf(stderr, "heif-convert failed\n");
            return 1;
        }
        tool.keepBest(timer.nsecsElapsed() / 1e9, cpuSeconds(RUSAGE_CHILDREN) - childCpu);
    }
    std::printf("%d x %d, best of %d\n", size.width(), size.height(), runs);
    std::printf("| | wall | CPU |\n|---|---|---|\n");
    std::printf("| ImageReader | %.2f s | %.2f s |\n", reader.wall, reader.cpu);
    std::printf("| heif-convert | %.2f s | %.2f s |\n", tool.wall, tool.cpu);
    std::printf("ratio (CPU, reader / heif-convert): %.2f\n", reader.cpu / tool.cpu);
    return 0;
}
