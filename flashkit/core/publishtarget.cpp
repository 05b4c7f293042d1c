#include "flashkit/core/publishtarget.h"

#include "common/workspace.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {
// Room a file name needs beside the publish name: a counter "(n)" and the longest suffix.
constexpr int NameReserve = 16;
constexpr int MaxFileNameBytes = 255;

// The counter the unique-name rule put on `proposal`, "name(n)" (0 when it left `name` as is).
qint64 counterOf(const QString& proposal, const QString& name)
{
    if (proposal.size() <= name.size() + 2)
        return 0;
    bool ok = false;
    const qint64 counter =
        proposal.mid(name.size() + 1, proposal.size() - name.size() - 2).toLongLong(&ok);
    return ok ? counter : 0;
}

// A dangling link holds its name as much as a file does.
bool occupied(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// Whether an entry the profile would make under `name` exists already: the folder itself when
// there are no suffixes, else any of the files.
bool taken(const QString& destination, const QString& name, const QStringList& suffixes)
{
    const QString base = destination + QLatin1Char('/') + name;
    if (suffixes.isEmpty())
        return occupied(base);
    return std::any_of(suffixes.cbegin(), suffixes.cend(), [&base](const QString& suffix) {
        return occupied(base + QLatin1Char('.') + suffix);
    });
}
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

QStringList PublishTarget::outputSuffixes(int profile)
{
    switch (profile) {
    case 0:
        return {};
    case 2: // the movie and the page that shows it
        return {QStringLiteral("swf"), QStringLiteral("html")};
    case 3: // the offline page is the one file written
        return {QStringLiteral("html")};
    case 4: // the video
        return {QStringLiteral("mp4")};
    default:
        return {QStringLiteral("swf")};
    }
}

QString PublishTarget::numbered(const QString& name, qint64 counter)
{
    return QStringLiteral("%1(%2)").arg(name).arg(counter);
}

PublishTarget::Placement PublishTarget::place(const QString& name, const QString& destination,
                                              int profile)
{
    if (!isUsableName(name) || destination.isEmpty())
        return {};
    // Each entry the profile makes proposes a counter of its own; the highest is free for all.
    // The proposals know only the numbering they recognise: anything else that holds a name (a
    // file where the folder would go) moves the counter on.
    const QStringList suffixes = outputSuffixes(profile);
    qint64 counter = 0;
    if (suffixes.isEmpty()) {
        QString proposal = name;
        uniqueFolderName(proposal, destination);
        counter = counterOf(proposal, name);
    }
    for (const QString& suffix : suffixes) {
        QString proposal = name;
        uniqueFileName(proposal, destination, suffix);
        counter = std::max(counter, counterOf(proposal, name));
    }
    QString chosen = counter > 0 ? numbered(name, counter) : name;
    while (taken(destination, chosen, suffixes))
        chosen = numbered(name, ++counter);
    if (profile == 0)
        return {destination + QLatin1Char('/') + chosen, name};
    return {destination, chosen};
}
