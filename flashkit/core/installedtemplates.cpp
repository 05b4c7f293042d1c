#include "flashkit/core/installedtemplates.h"

#include "platform/velfc/core/vel.h"

#include <QDir>
#include <QFileInfo>

QStringList InstalledTemplates::pictures()
{
    const QDir templateDir(Vel::applicationFolder() + QStringLiteral("/template"));
    const QStringList versions =
        templateDir.entryList({QStringLiteral("version*")}, QDir::Dirs | QDir::NoDotAndDotDot,
                              QDir::Name | QDir::IgnoreCase);
    // Every path the panel hands out points into version1, so that is the folder whose pictures
    // are shown; other version folders would give cells whose template cannot be found.
    const QString pictureFolder = QStringLiteral("version%1").arg(PictureVersion);
    if (!versions.contains(pictureFolder))
        return {};
    QStringList found =
        QDir(templateDir.filePath(pictureFolder))
            .entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    const int cube = found.indexOf(QStringLiteral("Magic Cube.jpg"));
    if (cube > 0)
        found.move(cube, 0);
    return found;
}

QStringList InstalledTemplates::names()
{
    QStringList list;
    for (const QString& picture : pictures())
        list << QFileInfo(picture).completeBaseName();
    return list;
}
