#include "app/workspacecleanup.h"

#include "common/workspace.h"
#include "platform/velfc/core/velpref.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void removeEmptyFolders(const QString& folder, const QString& stopAt)
{
    if (folder.isEmpty() || QDir::isRelativePath(folder))
        return;
    const QString home = QDir::cleanPath(QDir::homePath());
    const QString stop = stopAt.isEmpty() ? QString() : QDir::cleanPath(stopAt);
    QString current = QDir::cleanPath(folder);
    while (!current.isEmpty() && current != QLatin1String("/")) {
        // Never the home folder, anything above it, or the caller's limit.
        if (current == stop || home.startsWith(current + QLatin1Char('/')) || current == home)
            break;
        const QFileInfo info(current);
        // A folder already gone (removing the workspace may take its parent along): go on up.
        if (info.exists() || info.isSymLink()) {
            if (info.isSymLink() || !info.isDir())
                break;
            if (!QDir(current).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden |
                                       QDir::System))
                break;
            if (!QDir().rmdir(current))
                break;
        }
        current = QFileInfo(current).path();
    }
}

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
