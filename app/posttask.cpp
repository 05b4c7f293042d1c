#include "app/posttask.h"

#include "platform/velfc/core/velpoweraction.h"
#include "platform/velfc/core/velpref.h"

#include <QAction>
#include <QActionGroup>

namespace {
QList<QPair<QAction*, int>> valueTable(const PostTask::Actions& a)
{
    return {{a.doNothing, VelPowerAction::Nothing},
            {a.quitApplication, VelPowerAction::Quit},
            {a.standBy, VelPowerAction::StandBy},
            {a.hibernate, VelPowerAction::Hibernate},
            {a.shutDown, VelPowerAction::ShutDown}};
}
} // namespace

int PostTask::valueOf(const Actions& actions, const QObject* sender)
{
    for (const auto& [action, value] : valueTable(actions)) {
        if (action && action == sender)
            return value;
    }
    return VelPowerAction::Nothing;
}

void PostTask::store(int value)
{
    VelPref::instance()->setValue(PrefKey::AfterPublishingAction, value);
}

int PostTask::stored()
{
    bool ok = false;
    const int value =
        VelPref::instance()
            ->value(PrefKey::AfterPublishingAction, PrefDefault::AfterPublishingAction)
            .toInt(&ok);
    return ok ? value : -1;
}

void PostTask::restoreChecks(const Actions& actions)
{
    const int value = stored();
    // An exclusive group refuses to uncheck its checked action; let go while setting the states.
    QActionGroup* group = actions.doNothing ? actions.doNothing->actionGroup() : nullptr;
    const bool exclusive = group && group->isExclusive();
    if (group)
        group->setExclusive(false);
    for (const auto& [action, actionValue] : valueTable(actions)) {
        if (action)
            action->setChecked(actionValue == value);
    }
    if (group)
        group->setExclusive(exclusive);
}
