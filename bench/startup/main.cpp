// Starts the program and the one-web-view yardstick in turns, RUNS times each, and takes the time
// from just before each start to the moment its first window is exposed (the program's own
// "shown" stamp, CLOCK_MONOTONIC on both sides). Prints best and median of each and the ratio.
//   bench_startup <program> <yardstick> [runs]
#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {
long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Milliseconds from the start to the stamp, or -1.
double timeToShown(const QString& program)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LUMARO_STARTUP_STAMP"), QStringLiteral("quit"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::SeparateChannels);
    const long long started = monotonicNs();
    child.start(program, {});
    if (!child.waitForFinished(120000)) {
        child.kill();
        child.waitForFinished();
        return -1;
    }
    for (const QByteArray& line : child.readAllStandardError().split('\n'))
        if (line.startsWith("shown "))
            return (line.mid(6).toLongLong() - started) / 1e6;
    return -1;
}

void print(const char* name, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    std::printf("%-10s best %7.0f ms   median %7.0f ms   (%zu runs)\n", name, times.front(),
                times[times.size() / 2], times.size());
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_startup <program> <yardstick> [runs]\n");
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, atoi(argv[3])) : 5;
    std::vector<double> program;
    std::vector<double> yardstick;
    timeToShown(QString::fromLocal8Bit(argv[1])); // the first start fills the disk cache
    timeToShown(QString::fromLocal8Bit(argv[2]));
    for (int i = 0; i < runs; ++i) {
        const double a = timeToShown(QString::fromLocal8Bit(argv[1]));
        const double b = timeToShown(QString::fromLocal8Bit(argv[2]));
        if (a < 0 || b < 0) {
            std::fprintf(stderr, "a start did not show its window\n");
            return 1;
        }
        program.push_back(a);
        yardstick.push_back(b);
    }
    print("program", program);
    print("web view", yardstick);
    std::sort(program.begin(), program.end());
    std::sort(yardstick.begin(), yardstick.end());
    std::printf("ratio      best %.2f   median %.2f   (goal <= 1.20)\n",
                program.front() / yardstick.front(),
                program[program.size() / 2] / yardstick[yardstick.size() / 2]);
    return 0;
}
