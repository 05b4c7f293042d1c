#include "prefs/core/workspaceplace.h"

#include "common/logfile.h"
#include "common/workspace.h"
#include "common/workspacelayout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace WorkspacePlace {

QString resolved(const QString& path)
{
    if (path.isEmpty())
        return QString();
    QString existing = QDir::cleanPath(QDir(path).absolutePath());
    QStringList rest;
    // Walk up to the deepest part that exists; only that part can be resolved.
    while (!QFileInfo::exists(existing)) {
        const QFileInfo info(existing);
        if (info.path() == existing)
            break;
        rest.prepend(info.fileName());
        existing = info.path();
    }
    QString result = QFileInfo(existing).canonicalFilePath();
    if (result.isEmpty())
        result = existing;
    for (const QString& part : rest)
        result = QDir::cleanPath(result + QLatin1Char('/') + part);
    return result;
}

namespace {
bool lexicallyInside(const QString& inner, const QString& outer)
{
    const QString prefix = outer.endsWith(QLatin1Char('/')) ? outer : outer + QLatin1Char('/');
    return inner.startsWith(prefix) && inner.length() > prefix.length();
}
} // namespace

bool isInside(const QString& inner, const QString& outer)
{
    if (inner.isEmpty() || outer.isEmpty())
        return false;
    return lexicallyInside(resolved(inner), resolved(outer));
}

bool isSameFolder(const QString& a, const QString& b)
{
    return !a.isEmpty() && !b.isEmpty() && resolved(a) == resolved(b);
}

void removeEmptyFolders(const QString& folder, const QString& limit)
{
    if (folder.isEmpty() || limit.isEmpty() || QDir::isRelativePath(folder) ||
        QDir::isRelativePath(limit))
        return;
    const QString home = QDir::cleanPath(QDir::homePath());
    const QString stop = QDir::cleanPath(limit);
    QString current = QDir::cleanPath(folder);
    if (current != stop && !lexicallyInside(current, stop))
        return;
    while (current != QLatin1String("/") && current != home && !lexicallyInside(home, current)) {
        const QFileInfo info(current);
        // Already gone (an earlier step may have taken it along): look at its parent.
        if (info.exists() || info.isSymLink()) {
            if (info.isSymLink() || !info.isDir())
                break;
            if (!QDir(current).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden |
                                       QDir::System))
                break;
            if (!QDir().rmdir(current))
                break;
        }
        if (current == stop)
            break;
        current = info.path();
    }
}

namespace {
QString climbLimit(const QString& workspace, const QString& parentFolder)
{
    const QString clean = QDir::cleanPath(workspace);
    const QString parent = parentFolder.isEmpty() ? QString() : QDir::cleanPath(parentFolder);
    return !parent.isEmpty() && lexicallyInside(clean, parent) ? parent : clean;
}

bool isOurs(const QFileInfo& info)
{
    return info.fileName() == QLatin1String(WorkspaceFolderName) && !info.isRelative();
}
} // namespace

bool removeWorkspace(const QString& workspace, const QString& parentFolder)
{
    const QFileInfo info(QDir::cleanPath(workspace));
    if (workspace.isEmpty() || !isOurs(info)) {
        LUMARO_LOG(qUtf8Printable(QStringLiteral("not removed: ") + workspace));
        return false;
    }
    if (info.isSymLink()) {
        QFile::remove(info.absoluteFilePath()); // the link, never what it points to
    } else if (info.isDir()) {
        // Entry by entry, so that nothing beside the workspace is ever looked at.
        QDir dir(info.absoluteFilePath());
        const QStringList entries = dir.entryList(
            QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Unsorted);
        for (const QString& entry : entries)
            deleteTree(dir.filePath(entry));
        QDir().rmdir(info.absoluteFilePath());
    }
    removeEmptyFolders(info.path(), climbLimit(workspace, parentFolder));
    return true;
}

void removeEmptyWorkspace(const QString& workspace, const QString& parentFolder)
{
    const QString clean = QDir::cleanPath(workspace);
    if (clean.isEmpty() || !isOurs(QFileInfo(clean)))
        return;
    const QString limit = climbLimit(clean, parentFolder);
    for (const QString& folder : WorkspaceLayout(clean).folders())
        removeEmptyFolders(folder, limit);
}

} // namespace WorkspacePlace
