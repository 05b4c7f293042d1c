#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// What the computer does after a publish, coded as the "AfterPublishingAction" setting.
// The action itself goes through one replaceable runner, so tests never quit, suspend or power
// off the machine they run on.
namespace VelPowerAction {
enum Code
{
    Quit = 0,
    StandBy = 1,
    Hibernate = 2,
    ShutDown = 4,
    Nothing = 5
};

bool isAction(int code); // 0, 1, 2 or 4

// The system command for a code: systemctl suspend|hibernate|poweroff. Empty for Quit (done
// inside the program) and for anything that is not an action.
QStringList systemCommand(int code);

using Runner = std::function<bool(int code)>;
// Replaces the runner; an empty function restores the real one. Returns the previous runner.
Runner setRunner(Runner runner);
// Carries out the action through the current runner. The real runner quits the application for
// Quit and starts the system command detached for the others; false when nothing could start.
bool run(int code);
} // namespace VelPowerAction
