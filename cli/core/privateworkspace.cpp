#include "cli/core/privateworkspace.h"

#include "common/workspace.h"
#include "platform/velfc/core/velpref.h"

#include <QDir>

namespace {
const QString FolderPrefix = QStringLiteral("lumaro-publish-");
} // namespace

PrivateWorkspace::PrivateWorkspace()
    : dir(QDir::tempPath() + QLatin1Char('/') + FolderPrefix + QStringLiteral("XXXXXX"))
{
    if (!dir.isValid())
        return;
    // Ours is locked before the others are looked at, so it is never taken for a stale one.
    lock.hold(dir.path());
    RunLock::removeStale(QDir::tempPath(), FolderPrefix);
    VelPref* pref = VelPref::instance();
    previousStore = pref->fileName();
    pref->open(dir.filePath(QStringLiteral("settings.ini")));
    pref->setValue(QLatin1String(PrefKey::TemporaryDir), dir.path());
    pref->setValue(QLatin1String(PrefKey::Temporary), workspace());
}

PrivateWorkspace::~PrivateWorkspace()
{
    if (!dir.isValid())
        return;
    dir.remove();
    lock.release();
    VelPref::instance()->open(previousStore);
}

QString PrivateWorkspace::workspace() const
{
    return dir.path() + QLatin1Char('/') + QLatin1String(WorkspaceFolderName);
}
