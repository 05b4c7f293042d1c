// The yardstick for start-up: a window holding one web view with an empty page, nothing else.
// Prints "shown <nanoseconds of CLOCK_MONOTONIC>" to standard error when the window is first
// exposed, then ends.
#include <QApplication>
#include <QTimer>
#include <QWebEngineView>
#include <QWindow>

#include <cstdio>
#include <ctime>

namespace {
class FirstExpose : public QObject
{
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = qobject_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && window && window->isExposed()) {
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::fprintf(stderr, "shown %lld\n",
                         static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return false;
    }
};
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    FirstExpose stamp;
    app.installEventFilter(&stamp);
    QWebEngineView view;
    view.setHtml(QStringLiteral("<html><body></body></html>"));
    view.resize(700, 733);
    view.show();
    return app.exec();
}
