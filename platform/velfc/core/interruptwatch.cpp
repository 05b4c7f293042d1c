#include "platform/velfc/core/interruptwatch.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {
int pipeFds[2] = {-1, -1};
constexpr int WatchedSignals[] = {SIGINT, SIGTERM, SIGHUP};

// Only what is safe inside a signal handler: one write to a non-blocking pipe.
void onSignal(int number)
{
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t written = ::write(pipeFds[1], &byte, 1);
    errno = saved;
}
} // namespace

InterruptWatch::InterruptWatch(QObject* parent) : QObject(parent)
{
    if (pipeFds[0] >= 0 || ::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    notifier = std::make_unique<QSocketNotifier>(pipeFds[0], QSocketNotifier::Read);
    connect(notifier.get(), &QSocketNotifier::activated, this, &InterruptWatch::readPipe);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : WatchedSignals)
        ::sigaction(number, &action, nullptr);
}

InterruptWatch::~InterruptWatch()
{
    if (!notifier)
        return;
    for (int number : WatchedSignals)
        ::signal(number, SIG_DFL);
    notifier.reset();
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
    pipeFds[0] = pipeFds[1] = -1;
}

void InterruptWatch::readPipe()
{
    unsigned char byte = 0;
    while (::read(pipeFds[0], &byte, 1) == 1)
        emit interrupted(byte);
}
