#include "platform/velfc/velpowerstate.h"

#include "platform/velfc/core/velpoweraction.h"
#include "platform/velfc/core/velpref.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

int VelPowerState::s_countdownSeconds = 30;

VelPowerState::VelPowerState(int pcState, QWidget* parent)
    : VelDialog(parent), state(pcState), remaining(qMax(1, s_countdownSeconds))
{
    setObjectName(QStringLiteral("VelPowerState"));
    label = new QLabel(this);
    label->setObjectName(QStringLiteral("countdownLabel"));
    label->setWordWrap(true);
    bar = new QProgressBar(this);
    bar->setRange(0, remaining);
    bar->setValue(remaining);
    bar->setTextVisible(false);
    auto* buttons = new QDialogButtonBox(this);
    nowBtn = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    cancelBtn = buttons->addButton(QDialogButtonBox::Cancel);
    cancelBtn->setDefault(true); // Enter must never power the machine off by accident
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(bar);
    layout->addWidget(buttons);
    setMinimumWidth(380);

    timer = new QTimer(this);
    timer->setInterval(1000);
    connect(timer, &QTimer::timeout, this, &VelPowerState::tick);
    retranslate();
}

QString VelPowerState::message() const
{
    switch (state) {
    case VelPowerAction::Quit:
        return tr("%1 will quit in %n second(s).", nullptr, remaining)
            .arg(VelPref::instance()->product_name());
    case VelPowerAction::StandBy:
        return tr("The computer will stand by in %n second(s).", nullptr, remaining);
    case VelPowerAction::Hibernate:
        return tr("The computer will hibernate in %n second(s).", nullptr, remaining);
    case VelPowerAction::ShutDown:
        return tr("The computer will shut down in %n second(s).", nullptr, remaining);
    default:
        return QString();
    }
}

void VelPowerState::retranslate()
{
    label->setText(message());
    nowBtn->setText(state == VelPowerAction::Quit ? tr("Quit Now") : tr("Do It Now"));
}

void VelPowerState::tick()
{
    --remaining;
    bar->setValue(qMax(0, remaining));
    label->setText(message());
    if (remaining <= 0)
        accept();
}

int VelPowerState::exec()
{
    if (!VelPowerAction::isAction(state))
        return Rejected;
    timer->start();
    const int result = VelDialog::exec();
    timer->stop();
    if (result == Accepted)
        VelPowerAction::run(state);
    return result;
}
