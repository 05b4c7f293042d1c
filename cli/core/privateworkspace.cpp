#include "cli/core/privateworkspace.h"

#include "common/workspace.h"
#include "platform/velfc/core/velpref.h"

#include <QDir>

PrivateWorkspace::PrivateWorkspace()
    : dir(QDir::tempPath() + QStringLiteral("/lumaro-publish-XXXXXX"))
{
    if (!dir.isValid())
        return;
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
    VelPref::instance()->open(previousStore);
}

QString PrivateWorkspace::workspace() const
{
    return dir.path() + QLatin1Char('/') + QLatin1String(WorkspaceFolderName);
}
