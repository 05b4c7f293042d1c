#pragma once

#include "flashkit/core/publishtarget.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// The kit writes into a hidden folder inside the destination; only a finished slideshow is
// moved to its real name (a rename on the same file system), so an interrupted or failed run
// never leaves a half-written movie or folder where someone would open it. Folders made for the
// destination are taken away again when nothing was published into them.
class StagedOutput
{
    Q_DECLARE_TR_FUNCTIONS(StagedOutput)
public:
    StagedOutput() = default;
    ~StagedOutput();
    StagedOutput(const StagedOutput&) = delete;
    StagedOutput& operator=(const StagedOutput&) = delete;

    // Makes `destination` (and its missing parents) and the hidden folder in it. `placement` is
    // where the slideshow belongs (PublishTarget::place). False with error() set when it cannot.
    bool prepare(const QString& destination, const PublishTarget::Placement& placement,
                 int profile);
    // The folder to hand to the kit (no trailing "/").
    QString kitFolder() const;
    // Moves the finished output to its place; `published` is the path to show: the folder of
    // profile 0, else the page when there is one, else the movie.
    bool commit(QString& published);
    // Removes the hidden folder and the folders prepare() made, when they are empty.
    void discard();

    QString error() const { return errorText; }

private:
    QString destination;
    PublishTarget::Placement placement;
    int profile = 1;
    std::unique_ptr<QTemporaryDir> hidden;
    QStringList createdFolders; // outermost first
    QString errorText;
};
