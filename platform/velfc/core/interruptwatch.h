#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;

// Turns SIGINT, SIGTERM and SIGHUP into a signal on the event loop, so that an interrupted run
// (the command-line publisher's, or the window's when the session ends) cleans up the way a
// failed one does instead of dying with half-written files. Only one watch may exist at a time;
// its destruction gives the signals their default handling back.
class InterruptWatch : public QObject
{
    Q_OBJECT
public:
    explicit InterruptWatch(QObject* parent = nullptr);
    ~InterruptWatch() override;

    bool isActive() const { return notifier != nullptr; }

signals:
    void interrupted(int signalNumber);

private:
    void readPipe();

    std::unique_ptr<QSocketNotifier> notifier;
};
