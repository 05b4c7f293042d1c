#pragma once

#include "common/runlock.h"

#include <QString>
#include <QTemporaryDir>

// A workspace of the publisher's own in the temporary folder, with a settings store of its own
// beside it: the working copies never land in the desktop program's workspace, and the user's
// settings are neither read for the workspace nor written. Removed, store and all, when
// destroyed; the store opened before is opened again. It holds a run lock for its life, so the
// folder of a run killed outright is recognised and removed by the next run.
class PrivateWorkspace
{
public:
    PrivateWorkspace();
    ~PrivateWorkspace();
    PrivateWorkspace(const PrivateWorkspace&) = delete;
    PrivateWorkspace& operator=(const PrivateWorkspace&) = delete;

    bool isValid() const { return dir.isValid(); }
    // The temporary folder holding the store and the workspace.
    QString path() const { return dir.path(); }
    // What workspaceFolder() answers while this object lives.
    QString workspace() const;

private:
    QTemporaryDir dir;
    RunLock lock;
    QString previousStore;
};
