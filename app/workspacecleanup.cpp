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
    bool accepted = true;
    const QString workspace = pref->value(PrefKey::Temporary, QString()).toString();
    if (!workspace.isEmpty()) {
        const QFileInfo info(QDir::cleanPath(workspace));
        if (info.fileName() != QLatin1String(WorkspaceFolderName) || info.isRelative()) {
            accepted = false; // not ours: a damaged or hand-edited setting
        } else if (info.isSymLink()) {
            QFile::remove(info.absoluteFilePath()); // the link only, never what it points to
        } else if (info.isDir()) {
            deleteTree(info.absoluteFilePath());
        }
    }
    removeEmptyFolders(pref->value(PrefKey::TemporaryDir, QString()).toString());
    return accepted;
}
