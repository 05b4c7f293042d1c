#pragma once

// A 5 ms timer on the GUI thread that records how late each tick comes: the time the thread was
// busy with something else. Started and stopped around each piece of work.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <algorithm>
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
        last = clock.nsecsElapsed();
        timer.start();
    }
    void stop()
    {
        tick(); // the work may have ended in a stall the timer never saw the end of
        timer.stop();
    }
    double longestMs() const
    {
        return lateness.empty() ? 0 : *std::max_element(lateness.begin(), lateness.end());
    }
    double percentileMs(double p) const
    {
        if (lateness.empty())
            return 0;
        std::vector<double> sorted = lateness;
        std::sort(sorted.begin(), sorted.end());
        const size_t at = std::min(sorted.size() - 1, size_t(p / 100.0 * double(sorted.size())));
        return sorted[at];
    }
    size_t ticks() const { return lateness.size(); }

private:
    void tick()
    {
        const qint64 now = clock.nsecsElapsed();
        lateness.push_back(std::max(0.0, (now - last) / 1e6 - IntervalMs));
        last = now;
    }

    QTimer timer;
    QElapsedTimer clock;
    qint64 last = 0;
    std::vector<double> lateness;
};
