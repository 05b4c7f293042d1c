#include "platform/velfc/core/velpoweraction.h"

#include <QCoreApplication>
#include <QProcess>

namespace {
bool runForReal(int code)
{
    if (code == VelPowerAction::Quit) {
        QCoreApplication::quit();
        return true;
    }
    QStringList command = VelPowerAction::systemCommand(code);
    if (command.isEmpty())
        return false;
    const QString program = command.takeFirst();
    return QProcess::startDetached(program, command);
}

VelPowerAction::Runner& currentRunner()
{
    static VelPowerAction::Runner runner;
    return runner;
}
} // namespace

bool VelPowerAction::isAction(int code)
{
    return code == Quit || code == StandBy || code == Hibernate || code == ShutDown;
}

QStringList VelPowerAction::systemCommand(int code)
{
    switch (code) {
    case StandBy:
        return {QStringLiteral("systemctl"), QStringLiteral("suspend")};
    case Hibernate:
        return {QStringLiteral("systemctl"), QStringLiteral("hibernate")};
    case ShutDown:
        return {QStringLiteral("systemctl"), QStringLiteral("poweroff")};
    default:
        return {};
    }
}

VelPowerAction::Runner VelPowerAction::setRunner(Runner runner)
{
    Runner previous = currentRunner();
    currentRunner() = std::move(runner);
    return previous;
}

bool VelPowerAction::run(int code)
{
    if (!isAction(code))
        return false;
    if (currentRunner())
        return currentRunner()(code);
    return runForReal(code);
}
