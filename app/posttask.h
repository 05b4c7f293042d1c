#pragma once

#include <QList>

class QAction;
class QObject;

// The action after a publish, as the title menu offers it and "AfterPublishingAction" stores it.
namespace PostTask {
// The five menu actions in their menu order: Do Nothing, Quit Application, Shut Down,
// Hibernate, Stand By.
struct Actions
{
    QAction* doNothing = nullptr;
    QAction* quitApplication = nullptr;
    QAction* shutDown = nullptr;
    QAction* hibernate = nullptr;
    QAction* standBy = nullptr;
    QList<QAction*> all() const
    {
        return {doNothing, quitApplication, shutDown, hibernate, standBy};
    }
};

// The stored value of a menu action; 5 (do nothing) for anything else, a null sender included.
int valueOf(const Actions& actions, const QObject* sender);
// Stores `value` at once.
void store(int value);
int stored();
// Checks the action whose value is stored; a value matching none leaves all unchecked.
void restoreChecks(const Actions& actions);
} // namespace PostTask
