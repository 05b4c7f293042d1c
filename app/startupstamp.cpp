#include "app/startupstamp.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <ctime>

namespace {
class FirstExpose : public QObject
{
public:
    explicit FirstExpose(bool quit) : quit(quit) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = qobject_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && window && window->isExposed()) {
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::fprintf(stderr, "shown %lld\n",
                         static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
            std::fflush(stderr);
            QCoreApplication::instance()->removeEventFilter(this);
            if (quit)
                QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
            deleteLater();
        }
        return false;
    }

private:
    bool quit;
};
} // namespace

void StartupStamp::installIfRequested()
{
    if (!qEnvironmentVariableIsSet("LUMARO_STARTUP_STAMP"))
        return;
    const bool quit = qEnvironmentVariable("LUMARO_STARTUP_STAMP") == QLatin1String("quit");
    QCoreApplication::instance()->installEventFilter(new FirstExpose(quit));
}
