#pragma once

#include "platform/velfc/veldialog.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

// Asks before the computer (or the program) carries out the action after a publish: a visible
// countdown that the user can cancel or cut short. When it runs out or the user confirms, the
// action goes to VelPowerAction::run(), whose runner tests replace.
class VelPowerState : public VelDialog
{
    Q_OBJECT
public:
    // Seconds of the countdown for dialogs made afterwards.
    static int s_countdownSeconds;

    // `pcState` is an "AfterPublishingAction" code (0 quit, 1 stand by, 2 hibernate, 4 shut down).
    explicit VelPowerState(int pcState, QWidget* parent = nullptr);

    // Shows the countdown; Accepted when the action was handed on, Rejected when cancelled or
    // when `pcState` names no action (then nothing is shown).
    int exec() override;

    int remainingSeconds() const { return remaining; }
    QString message() const;
    QPushButton* cancelButton() const { return cancelBtn; }
    QPushButton* nowButton() const { return nowBtn; }

    void retranslate() override;

private:
    void tick();

    int state;
    int remaining;
    QLabel* label = nullptr;
    QProgressBar* bar = nullptr;
    QPushButton* nowBtn = nullptr;
    QPushButton* cancelBtn = nullptr;
    QTimer* timer = nullptr;
};
