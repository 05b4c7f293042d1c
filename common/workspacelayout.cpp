#include "common/workspacelayout.h"

namespace {
const QString PhotosFolder = QStringLiteral("photos");
const QString BackupFolder = QStringLiteral("bak");
const QString MusicFolder = QStringLiteral("background music");
const QString ThumbnailPrefix = QStringLiteral("s_");
} // namespace

WorkspaceLayout::WorkspaceLayout(const QString& root) : base(root)
{
    while (base.size() > 1 && base.endsWith(QLatin1Char('/')))
        base.chop(1);
}

QString WorkspaceLayout::photos() const
{
    return base + QLatin1Char('/') + PhotosFolder + QLatin1Char('/');
}

QString WorkspaceLayout::backups() const
{
    return photos() + BackupFolder + QLatin1Char('/');
}

QString WorkspaceLayout::music() const
{
    return base + QLatin1Char('/') + MusicFolder + QLatin1Char('/');
}

QStringList WorkspaceLayout::folders() const
{
    QStringList list;
    for (const QString& folder : {backups(), photos(), music()})
        list.append(folder.chopped(1));
    return list;
}

QString WorkspaceLayout::thumbnailName(const QString& name)
{
    return ThumbnailPrefix + name;
}
