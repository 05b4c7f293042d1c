#include "cli/core/stagedoutput.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

StagedOutput::~StagedOutput()
{
    discard();
}

bool StagedOutput::prepare(const QString& folder, const PublishTarget::Placement& target, int value)
{
    destination = folder;
    placement = target;
    profile = value;
    // The last line of defence: a name that is not one plain entry would put the output into the
    // destination itself or above it.
    const QString entry = profile == 0 ? QFileInfo(target.folder).fileName() : target.name;
    if (!PublishTarget::isUsableName(target.name) || !PublishTarget::isUsableName(entry) ||
        (profile == 0 && QFileInfo(target.folder).path() != QDir::cleanPath(folder))) {
        errorText = tr("The name \"%1\" cannot be used: %2")
                        .arg(target.name, PublishTarget::nameProblem(target.name));
        return false;
    }
    QStringList missing;
    for (QString path = QDir::cleanPath(folder); !QFileInfo::exists(path);
         path = QFileInfo(path).path()) {
        missing.prepend(path);
        if (QFileInfo(path).path() == path)
            break;
    }
    for (const QString& path : missing) {
        if (!QDir().mkdir(path)) {
            errorText = tr("Cannot create the folder %1").arg(path);
            return false;
        }
        createdFolders << path;
    }
    hidden = std::make_unique<QTemporaryDir>(folder + QStringLiteral("/.lumaro-publish-XXXXXX"));
    if (!hidden->isValid()) {
        errorText = tr("Cannot write into the folder %1").arg(folder);
        hidden.reset();
        return false;
    }
    return true;
}

QString StagedOutput::kitFolder() const
{
    if (!hidden)
        return QString();
    if (profile == 0)
        return hidden->path() + QLatin1Char('/') + QFileInfo(placement.folder).fileName();
    return hidden->path();
}

bool StagedOutput::commit(QString& published)
{
    if (!hidden)
        return false;
    if (profile == 0) {
        // A folder that appeared meanwhile is not replaced: someone else's work may be in it.
        if (QFileInfo::exists(placement.folder) || !QDir().rename(kitFolder(), placement.folder)) {
            errorText = tr("Cannot move the slideshow to %1").arg(placement.folder);
            return false;
        }
        published = placement.folder;
    } else {
        const QStringList files = QDir(hidden->path()).entryList(QDir::Files | QDir::Hidden);
        QStringList moved;
        for (const QString& file : files) {
            const QString target = destination + QLatin1Char('/') + file;
            // rename() replaces a file of that name in one step, as publishing from the window
            // overwrites the page of a name whose movie was free.
            if (std::rename(QFile::encodeName(hidden->path() + QLatin1Char('/') + file).constData(),
                            QFile::encodeName(target).constData()) != 0) {
                for (const QString& path : moved)
                    QFile::remove(path);
                errorText = tr("Cannot move the slideshow to %1").arg(target);
                return false;
            }
            moved << target;
        }
        const QString base = destination + QLatin1Char('/') + placement.name;
        published = QFileInfo::exists(base + QStringLiteral(".html")) && profile != 1
                        ? base + QStringLiteral(".html")
                        : base + QStringLiteral(".swf");
    }
    createdFolders.clear(); // they hold the slideshow now
    hidden.reset();
    return true;
}

void StagedOutput::discard()
{
    hidden.reset(); // QTemporaryDir removes it with everything in it
    for (auto it = createdFolders.crbegin(); it != createdFolders.crend(); ++it)
        QDir().rmdir(*it); // only succeeds while empty
    createdFolders.clear();
}
