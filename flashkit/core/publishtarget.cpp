#include "flashkit/core/publishtarget.h"

#include "common/workspace.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>

namespace {
// Room a file name needs beside the publish name: a counter "(n)" and the longest suffix.
constexpr int NameReserve = 16;
constexpr int MaxFileNameBytes = 255;
} // namespace

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

QString PublishTarget::nameProblem(const QString& name)
{
    if (name.trimmed().isEmpty())
        return QCoreApplication::translate("PublishTarget", "The name cannot be left blank.");
    if (hasForbiddenCharacter(name))
        return QCoreApplication::translate("PublishTarget",
                                           "The name cannot contain one of these characters:%1")
            .arg(forbiddenCharacters());
    if (std::any_of(name.cbegin(), name.cend(),
                    [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; }))
        return QCoreApplication::translate("PublishTarget",
                                           "The name cannot contain control characters.");
    if (std::all_of(name.cbegin(), name.cend(), [](QChar c) { return c == QLatin1Char('.'); }))
        return QCoreApplication::translate("PublishTarget",
                                           "The name cannot be made of dots only.");
    if (QFile::encodeName(name).size() > MaxFileNameBytes - NameReserve)
        return QCoreApplication::translate("PublishTarget",
                                           "The name is too long: it may hold at most %1 bytes.")
            .arg(MaxFileNameBytes - NameReserve);
    return QString();
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
    if (!isUsableName(name) || destination.isEmpty())
        return {};
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
