// Moving the workspace: the copy runs on a worker thread under the progress dialog, and only a
// complete, checked copy changes the settings, removes the old place (on a thread of its own,
// still under the progress) and tells the slideshow.
#include "prefs/preferences.h"

#include "common/workspace.h"
#include "common/workspacelayout.h"
#include "document/slideshow.h"
#include "platform/velfc/core/velpref.h"
#include "platform/velfc/velmessagebox.h"
#include "prefs/core/workspacemove.h"
#include "prefs/core/workspaceplace.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <QTimer>

namespace {
Preferences::RemovalHook& removalHook()
{
    static Preferences::RemovalHook hook;
    return hook;
}
} // namespace

void Preferences::setRemovalHook(RemovalHook hook)
{
    removalHook() = std::move(hook);
}

bool Preferences::moveWorkspace(const QString& folder)
{
    mover = std::make_unique<WorkspaceMove>(currentWorkspace, newWorkspace);
    // The slideshow's files in the workspace as it is now.
    QStringList photoNames;
    for (const FlashKitPhoto& entry : slideshow->photoEntries())
        photoNames << QFileInfo(entry.path).fileName();
    QStringList musicNames;
    for (const FlashKitAudio& entry : slideshow->musicEntries())
        musicNames << QFileInfo(entry.path).fileName();
    mover->setPhotos(photoNames);
    mover->setMusic(musicNames);
    connect(mover.get(), &WorkspaceMove::progressChanged, &progress,
            [this](int done, int total) { progress.setFraction(double(done) / total); });
    // Set once the copy is complete and the settings name the new place.
    std::unique_ptr<QThread> remover;
    QObject thisMove; // takes along any late signal of the copy or the removal
    connect(mover.get(), &WorkspaceMove::finished, &thisMove, [&](bool copied) {
        if (!copied) {
            progress.finish(false);
            return;
        }
        // The settings name the new place before the old one goes: whatever happens next, they
        // point at a complete workspace, and the slideshow's files are found there under the
        // same names.
        const QString oldWorkspace = currentWorkspace;
        const QString oldParent =
            VelPref::instance()->value(PrefKey::TemporaryDir, QString()).toString();
        storeFolder(folder);
        // With many photos the old place holds thousands of files: they are deleted off this
        // thread, under the progress, which keeps the window painting and its input held.
        // Nothing is left to cancel.
        progress.setCancellable(false);
        remover.reset(QThread::create([oldWorkspace, oldParent, hook = removalHook()] {
            if (hook)
                hook(oldWorkspace);
            WorkspacePlace::removeWorkspace(oldWorkspace, oldParent);
        }));
        connect(remover.get(), &QThread::finished, &thisMove, [this] { progress.finish(true); });
        remover->start();
    });
    const QMetaObject::Connection cancelling =
        connect(&progress, &PreferencesProgress::cancelRequested, this, [this] {
            moveTimer->stop(); // before the start: nothing has been copied
            if (mover)
                mover->cancel();
        });

    progress.setFraction(0);
    progress.setBusy(false);
    moveTimer->start();
    progress.exec();
    moveTimer->stop();
    disconnect(cancelling);
    mover->wait();

    if (!remover) {
        if (!mover->wasCancelled() && !mover->failedFile().isEmpty())
            VelMessageBox::alert(
                tr("The temporary folder was not moved: \"%1\" could not be "
                   "copied (%2). Your photos and music stay where they were.")
                    .arg(QDir::toNativeSeparators(mover->failedFile()), mover->failureReason()),
                QString(), this);
        mover.reset();
        return false;
    }
    mover.reset();
    remover->wait(); // the progress closes once it has ended
    slideshow->workspaceMoved();
    return true;
}

void Preferences::convertProgress()
{
    if (!mover || !progress.isVisible())
        return;
    progress.setBusy(true);
    mover->start();
}
