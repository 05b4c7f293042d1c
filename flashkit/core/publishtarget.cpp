#include "flashkit/core/publishtarget.h"

#include "common/workspace.h"

QString PublishTarget::forbiddenCharacters()
{
    return QStringLiteral("/:*?\"<>|\\");
}

bool PublishTarget::hasForbiddenCharacter(const QString& name)
{
    const QString forbidden = forbiddenCharacters();
    for (const QChar c : name) {
        if (forbidden.contains(c))
            return true;
    }
    return false;
}

QString PublishTarget::outputSuffix(int profile)
{
    switch (profile) {
    case 0:
        return QString();
    case 3: // the offline page is the one file written
        return QStringLiteral("html");
    default:
        return QStringLiteral("swf");
    }
}

PublishTarget::Placement PublishTarget::place(const QString& name, const QString& destination,
                                              int profile)
{
    Placement placement{destination, name};
    if (profile == 0) {
        QString folderName = name;
        uniqueFolderName(folderName, destination);
        placement.folder = destination + QLatin1Char('/') + folderName;
    } else {
        uniqueFileName(placement.name, destination, outputSuffix(profile));
    }
    return placement;
}
