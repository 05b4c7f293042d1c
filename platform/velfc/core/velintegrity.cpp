#include "platform/velfc/core/velintegrity.h"

#include <QDir>
#include <QFileInfo>

namespace {
bool isNonEmptyFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.size() > 0;
}

bool hasTemplate(const QDir& dir)
{
    const QStringList pictures =
        dir.entryList({QStringLiteral("*.jpg")}, QDir::Files | QDir::Readable);
    for (const QString& picture : pictures) {
        const QString movie = QFileInfo(picture).completeBaseName() + QStringLiteral(".swf");
        if (isNonEmptyFile(dir.filePath(movie)) && isNonEmptyFile(dir.filePath(picture)))
            return true;
    }
    return false;
}

bool hasSkin(const QDir& dir)
{
    const QStringList skins = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& skin : skins) {
        if (isNonEmptyFile(dir.filePath(skin + QStringLiteral("/style.qss"))))
            return true;
    }
    return false;
}
} // namespace

QStringList VelIntegrity::problems(const QString& folder)
{
    QStringList found;
    const QDir app(folder);
    if (folder.isEmpty() || !app.exists())
        return {QStringLiteral("application folder missing: ") + folder};

    for (const char* tool : {"velminfo", "kvt"}) {
        const QFileInfo info(app.filePath(QLatin1String(tool)));
        if (!info.isFile() || info.size() == 0 || !info.isExecutable())
            found << QStringLiteral("tool missing or not executable: ") + info.filePath();
    }
    if (!hasTemplate(QDir(app.filePath(QStringLiteral("template/version1")))))
        found << QStringLiteral("no complete template in template/version1");
    if (!hasSkin(QDir(app.filePath(QStringLiteral("skins")))))
        found << QStringLiteral("no skin with a style.qss in skins");
    if (!isNonEmptyFile(app.filePath(QStringLiteral("ruffle/ruffle.js"))))
        found << QStringLiteral("ruffle/ruffle.js missing or empty");
    return found;
}
