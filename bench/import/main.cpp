// Imports every JPEG of a folder the way the import dialog does (the import threads reading each
// photo: decode, EXIF, both previews, four workspace files; records taken every 40 ms and let go)
// with one worker and with one per core, in turns on the same files, best of several runs, and
// compares photos per second with ImageMagick doing the same work per photo and with
// libjpeg-turbo's reduced-scale decode alone. Peak memory is the process's VmHWM for the reader
// and the largest child's maximum resident size for the tools.
#include "common/workers.h"
#include "common/workspace.h"
#include "photos/core/infoparser.h"
#include "platform/velfc/core/velpref.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <sys/resource.h>

#include <cstdio>

namespace {
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

long childPeakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_maxrss;
}

// User plus system time so far of this process (RUSAGE_SELF) or its finished children: a busy
// shared machine disturbs it far less than wall time.
double cpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Runs `script` with sh over the photos; seconds taken, or -1 on failure.
double runShell(const QString& script, const QStringList& arguments)
{
    QProcess shell;
    QElapsedTimer timer;
    timer.start();
    shell.start(QStringLiteral("sh"),
                QStringList{QStringLiteral("-c"), script, QStringLiteral("sh")} + arguments);
    if (!shell.waitForFinished(-1) || shell.exitCode() != 0) {
        std::fprintf(stderr, "%s\n", shell.readAllStandardError().constData());
        return -1;
    }
    return timer.nsecsElapsed() / 1e9;
}

QString imageMagick()
{
    // The program itself, not a wrapper that may stand in front of it on PATH.
    const QString direct = QStandardPaths::findExecutable(QStringLiteral("convert-im6.q16"));
    return direct.isEmpty() ? QStringLiteral("convert") : direct;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_import <folder of JPEG photos> [runs]\n");
        return 2;
    }
    const QDir source(QString::fromLocal8Bit(argv[1]));
    QStringList files;
    for (const QString& name : source.entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name))
        files.append(source.absoluteFilePath(name));
    QTemporaryDir dir;
    if (files.isEmpty() || !dir.isValid()) {
        std::fprintf(stderr, "no photos in %s\n", argv[1]);
        return 2;
    }
    const int count = int(files.size());
    const QString root = dir.path();
    VelPref::instance()->open(root + QStringLiteral("/bench.ini"));

    // The reader, on its import threads, polled like the dialog does: one worker, then one per
    // core, in turns, each into a workspace of its own that is removed afterwards.
    const int runs = argc > 2 ? qMax(1, QString::fromLocal8Bit(argv[2]).toInt()) : 3;
    const int cores = qMax(1, QThread::idealThreadCount());
    double readerSeconds[2] = {1e9, 1e9};
    double readerCpu[2] = {1e9, 1e9};
    long readerPeak[2] = {0, 0};
    for (int run = 0; run < runs; ++run) {
        for (int round = 0; round < 2; ++round) {
            const int workers = round == 0 ? 1 : cores;
            const QString workspace = root + QStringLiteral("/ws%1").arg(workers);
            VelPref::instance()->setValue(QLatin1String(PrefKey::Temporary), workspace);
            qputenv(Workers::CountVariable, QByteArray::number(workers));
            resetPeak();
            const double cpuStart = cpuSeconds(RUSAGE_SELF);
            QElapsedTimer timer;
            timer.start();
            InfoParser parser(&files, true);
            parser.start();
            int taken = 0;
            while (!parser.wait(40))
                taken += int(parser.takePhotos().size());
            taken += int(parser.takePhotos().size());
            readerSeconds[round] = qMin(readerSeconds[round], timer.nsecsElapsed() / 1e9);
            readerCpu[round] = qMin(readerCpu[round], cpuSeconds(RUSAGE_SELF) - cpuStart);
            readerPeak[round] = qMax(readerPeak[round], peakKilobytes());
            qunsetenv(Workers::CountVariable);
            deleteTree(workspace);
            if (taken != count) {
                std::fprintf(stderr, "reader failed on %lld photos\n",
                             static_cast<long long>(parser.failedFiles().size()));
                return 1;
            }
        }
    }

    // ImageMagick at its best: reduced-scale decode, one process per photo writing all four.
    const QString out = root + QStringLiteral("/im");
    QDir().mkpath(out);
    const QString magickScript = QStringLiteral(
        "m=\"$1\"; o=\"$2\"; shift 2; for f in \"$@\"; do b=$(basename \"$f\" .jpg); "
        "\"$m\" -define jpeg:size=1440x1080 \"$f\" -auto-orient -resize 720x540 "
        "-quality 100 -write \"$o/$b.jpg\" -write \"$o/bak_$b.jpg\" -resize 80x60 "
        "-write \"$o/s_$b.jpg\" \"$o/bak_s_$b.jpg\" || exit 1; done");
    double childCpu = cpuSeconds(RUSAGE_CHILDREN);
    const double magickSeconds = runShell(magickScript, QStringList{imageMagick(), out} + files);
    const double magickCpu = cpuSeconds(RUSAGE_CHILDREN) - childCpu;
    const long magickPeak = childPeakKilobytes();
    childCpu = cpuSeconds(RUSAGE_CHILDREN);

    // The floor: decoding at a quarter scale alone.
    const double floorSeconds = runShell(
        QStringLiteral("for f in \"$@\"; do djpeg -scale 1/4 \"$f\" > /dev/null || exit 1; done"),
        files);
    const double floorCpu = cpuSeconds(RUSAGE_CHILDREN) - childCpu;
    if (magickSeconds < 0 || floorSeconds < 0)
        return 1;

    std::printf("photos %d from %s, best of %d runs, %d cores\n", count, argv[1], runs, cores);
    std::printf("                      wall     photos/s   cpu      photos/cpu-s  peak memory\n");
    for (int round = 0; round < 2; ++round)
        std::printf("ImageReader, %d %-7s %6.2f s  %6.1f    %6.2f s  %6.1f        %ld kB\n",
                    round == 0 ? 1 : cores, round == 0 ? "worker" : "workers", readerSeconds[round],
                    count / readerSeconds[round], readerCpu[round], count / readerCpu[round],
                    readerPeak[round]);
    std::printf("ImageMagick convert  %6.2f s  %6.1f    %6.2f s  %6.1f        %ld kB (largest)\n",
                magickSeconds, count / magickSeconds, magickCpu, count / magickCpu, magickPeak);
    std::printf("djpeg -scale 1/4     %6.2f s  %6.1f    %6.2f s  %6.1f\n", floorSeconds,
                count / floorSeconds, floorCpu, count / floorCpu);
    std::printf("speed-up at %d workers: %.2fx wall, %.2fx the CPU time of 1 worker "
                "(goal: at least 1.7x wall on 2 cores)\n",
                cores, readerSeconds[0] / readerSeconds[1], readerCpu[1] / readerCpu[0]);
    std::printf(
        "reader (1 worker) / ImageMagick speed: %.2fx wall, %.2fx cpu (goal: at least 2x)\n",
        magickSeconds / readerSeconds[0], magickCpu / readerCpu[0]);
    std::printf("reader (1 worker) / floor time:        %.2fx wall, %.2fx cpu (goal: at most 2x)\n",
                readerSeconds[0] / floorSeconds, readerCpu[0] / floorCpu);
    return 0;
}
