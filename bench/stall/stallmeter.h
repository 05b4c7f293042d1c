#pragma once

// A 5 ms timer on the GUI thread that records how late each tick comes: the time the thread was
// busy with something else. Started and stopped around each piece of work. Beside the lateness it
// records the part of each gap the GUI thread spent itself, working or blocked in a system call:
// the gap less the time it waited for a core (the run-queue delay of /proc/thread-self/schedstat).
// On a machine shared with other work, or with the web engine's renderer, a late tick may be the
// thread waiting for a core while it had nothing to do.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

class StallMeter : public QObject
{
public:
    static constexpr int IntervalMs = 5;

    StallMeter()
    {
        timer.setTimerType(Qt::PreciseTimer);
        timer.setInterval(IntervalMs);
        QObject::connect(&timer, &QTimer::timeout, this, [this] { tick(); });
        clock.start();
    }
    void start()
    {
        lateness.clear();
        busy.clear();
        last = clock.nsecsElapsed();
        lastWaited = runQueueNs();
        timer.start();
    }
    void stop()
    {
        tick(); // the work may have ended in a stall the timer never saw the end of
        timer.stop();
    }
    double longestMs() const { return longest(lateness); }
    double percentileMs(double p) const { return percentile(lateness, p); }
    // The GUI thread's own part of each gap (not waiting for a core), less the interval.
    double longestBusyMs() const { return longest(busy); }
    double busyPercentileMs(double p) const { return percentile(busy, p); }
    size_t ticks() const { return lateness.size(); }

private:
    static double longest(const std::vector<double>& values)
    {
        return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
    }
    static double percentile(const std::vector<double>& values, double p)
    {
        if (values.empty())
            return 0;
        std::vector<double> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        const size_t at = std::min(sorted.size() - 1, size_t(p / 100.0 * double(sorted.size())));
        return sorted[at];
    }
    // Nanoseconds this thread has waited on a run queue so far.
    static qint64 runQueueNs()
    {
        FILE* stat = std::fopen("/proc/thread-self/schedstat", "r");
        if (!stat)
            return 0;
        long long running = 0;
        long long waiting = 0;
        const int read = std::fscanf(stat, "%lld %lld", &running, &waiting);
        std::fclose(stat);
        return read == 2 ? waiting : 0;
    }
    void tick()
    {
        const qint64 now = clock.nsecsElapsed();
        const qint64 waited = runQueueNs();
        lateness.push_back(std::max(0.0, (now - last) / 1e6 - IntervalMs));
        busy.push_back(std::max(0.0, (now - last - (waited - lastWaited)) / 1e6 - IntervalMs));
        if (traceOverMs > 0 && busy.back() > traceOverMs) {
            // CLOCK_MONOTONIC, which a profiler run with -k CLOCK_MONOTONIC stamps its samples with
            timespec at{};
            clock_gettime(CLOCK_MONOTONIC, &at);
            const double end = double(at.tv_sec) + at.tv_nsec / 1e9;
            std::fprintf(stderr, "stall: own %.1f ms, from %.6f to %.6f\n", busy.back(),
                         end - (now - last) / 1e9, end);
        }
        last = now;
        lastWaited = waited;
    }

    // STALL_TRACE=<ms>: every own part over that many milliseconds is printed with its times.
    const int traceOverMs = qEnvironmentVariableIntValue("STALL_TRACE");
    QTimer timer;
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 lastWaited = 0;
    std::vector<double> lateness;
    std::vector<double> busy;
};
