#include "app/workspacecleanup.h"

#include "common/workspace.h"
#include "platform/velfc/core/velpref.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool cleanUpWorkspace()
{
    VelPref* pref = VelPref::instance();
    const QString workspace = pref->value(PrefKey::Temporary, QString()).toString();
    if (workspace.isEmpty())
        return true;
    const QFileInfo info(QDir::cleanPath(workspace));
    if (info.fileName() != QLatin1String(WorkspaceFolderName) || info.isRelative())
        return false; // not ours: a damaged or hand-edited setting
    if (info.isSymLink()) {
        QFile::remove(info.absoluteFilePath()); // the link only, never what it points to
        return true;
    }
    if (!info.isDir())
        return true;
    // Above the workspace only the folders the program made for it go, and only when empty: an
    // empty folder of the user's ("TemporaryDir" may name any folder) is not ours to remove.
    const QStringList created = createdWorkspaceParents(info.absoluteFilePath());
    deleteTree(info.absoluteFilePath());
    for (const QString& folder : created) {
        const QFileInfo parent(folder);
        if (parent.isSymLink() || !parent.isDir())
            break;
        if (!QDir().rmdir(folder))
            break; // not empty: neither it nor anything above it is ours to remove
    }
    return true;
}
