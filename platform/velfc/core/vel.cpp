#include "platform/velfc/core/vel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {
QString& overriddenFolder()
{
    static QString folder;
    return folder;
}
} // namespace

QString Vel::applicationFolder()
{
    if (!overriddenFolder().isEmpty())
        return overriddenFolder();
    return QCoreApplication::applicationDirPath();
}

void Vel::setApplicationFolder(const QString& folder)
{
    overriddenFolder() = folder;
}

void Vel::prependApplicationFolderToPath()
{
    const QString folder = QDir::cleanPath(applicationFolder());
    if (folder.isEmpty())
        return;
    const QString path = qEnvironmentVariable("PATH");
    QStringList parts = path.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (!parts.isEmpty() && QDir::cleanPath(parts.first()) == folder)
        return;
    parts.removeAll(folder);
    parts.prepend(folder);
    qputenv("PATH", parts.join(QLatin1Char(':')).toLocal8Bit());
}

QString Vel::outputPath()
{
    QString path = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (path.isEmpty())
        path = QDir::homePath();
    return QDir::toNativeSeparators(path);
}

namespace {
bool isOneFolderNameValid(const QString& name, bool allowSpaces)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    if (name.size() > 255)
        return false;
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    for (const QChar c : name) {
        if (forbidden.contains(c) || c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
        if (!allowSpaces && c.isSpace())
            return false;
    }
    if (name.front().isSpace() || name.back().isSpace() || name.endsWith(QLatin1Char('.')))
        return false;
    return true;
}
} // namespace

bool Vel::isFolderNameValid(const QString& name, bool allowSpaces)
{
    if (!name.startsWith(QLatin1Char('/')))
        return isOneFolderNameValid(name, allowSpaces);
    // A whole path: every folder on the way must pass on its own. Doubled and trailing
    // separators name no folder and are let through; the bare root names none at all.
    const QStringList parts = name.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (parts.isEmpty() || name.size() > 4096)
        return false;
    for (const QString& part : parts) {
        if (!isOneFolderNameValid(part, allowSpaces))
            return false;
    }
    return true;
}

bool Vel::isFolderWritable(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isDir())
        return false;
    QTemporaryFile probe(QDir(path).filePath(QStringLiteral(".lumaro-write-probe-XXXXXX")));
    return probe.open();
}
