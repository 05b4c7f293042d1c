#pragma once

#include "common/runlock.h"
#include "flashkit/core/publishtarget.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

// The kit writes into a hidden folder inside the destination; only a finished slideshow is moved
// to its name, so a cancelled, failed or interrupted publish never leaves a half-written movie or
// folder where someone would open it. The name is claimed as the output moves (a rename that
// never replaces), so two publishes into one folder never overwrite each other or anything else:
// when the name was taken meanwhile, the next free one is used, for every file of the output
// together. Folders made for the destination go again when nothing was published into them.
class StagedOutput
{
    Q_DECLARE_TR_FUNCTIONS(StagedOutput)
public:
    // Gives the finished output in `folder` the publish name `to` instead of `from`.
    using Renamer =
        std::function<bool(const QString& folder, const QString& from, const QString& to)>;

    StagedOutput() = default;
    ~StagedOutput();
    StagedOutput(const StagedOutput&) = delete;
    StagedOutput& operator=(const StagedOutput&) = delete;

    // Makes `destination` (and its missing parents) and the hidden folder in it for a slideshow
    // called `name` with `profile`; hidden folders that runs killed outright left there go
    // first. False with error() set when it cannot, and for a name that is
    // not usable.
    bool prepare(const QString& destination, const QString& name, int profile);
    // The folder to hand to the kit (no trailing "/") and the name to publish under.
    QString kitFolder() const;
    QString kitName() const { return placement.name; }
    // Moves the finished output to a free name: the one chosen at prepare() or, when something
    // took it meanwhile, the next free one. `rename` gives the staged files another name (by
    // default they are renamed). `published` is the path to show: the folder of profile 0, else
    // the page when there is one, else the movie.
    bool commit(QString& published, const Renamer& rename = Renamer());
    // Removes the hidden folder and the folders prepare() made, when they are empty.
    void discard();

    QString error() const { return errorText; }

    // The start of the hidden folders' names.
    static QString hiddenPrefix() { return QStringLiteral(".lumaro-publish-"); }

private:
    bool commitFolder(QString& published);
    bool commitFiles(QString& published, const Renamer& rename);
    QString nextName(const QString& taken);
    void done();

    QString destination;
    QString requested;
    PublishTarget::Placement placement;
    int profile = 1;
    std::unique_ptr<QTemporaryDir> hidden;
    RunLock lock;               // held while the hidden folder is ours
    QStringList createdFolders; // outermost first
    QStringList tried;
    QString errorText;
};
