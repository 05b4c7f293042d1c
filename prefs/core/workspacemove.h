#pragma once

#include <QObject>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>

class QFileDevice;
class QThread;

// Copies the files of the slideshow from one workspace to another on a thread of its own,
// entry by entry, with progress and cancel. Every copy is checked (the file is there with the
// source's size); when one fails, or the run is cancelled, everything the run wrote and every
// folder it made is taken away again, so the old workspace stays the only complete one. The old
// workspace itself is never touched here.
class WorkspaceMove : public QObject
{
    Q_OBJECT
public:
    WorkspaceMove(const QString& from, const QString& to, QObject* parent = nullptr);
    // Cancels a running copy and waits for it (it rolls back first).
    ~WorkspaceMove() override;

    // Photo entries by the file name F of their working copy: photos/F, photos/s_F,
    // photos/bak/F and photos/bak/s_F move together. Music entries: background music/F.
    void setPhotos(const QStringList& fileNames) { photos = fileNames; }
    void setMusic(const QStringList& fileNames) { music = fileNames; }
    // Makes the unopened file each copy is written into: a plain file unless replaced. The size
    // check after each copy is there for devices that report more written than they keep.
    using TargetMaker = std::function<std::unique_ptr<QFileDevice>(const QString& path)>;
    void setTargetMaker(TargetMaker maker) { makeTarget = std::move(maker); }
    int entryCount() const { return int(photos.size() + music.size()); }

    void start();
    // Asks the copy to stop at the next file or block; it then rolls back.
    void cancel() { cancelRequested = true; }
    bool isRunning() const;
    void wait();

    // Valid after finished().
    bool succeeded() const { return ok; }
    bool wasCancelled() const { return cancelled; }
    QString failedFile() const { return failedSource; }
    QString failureReason() const { return reason; }
    QStringList writtenFiles() const { return written; }

signals:
    // Entries done of the total, after each entry.
    void progressChanged(int done, int total);
    void finished(bool succeeded);

private:
    void run();
    bool makeFolders();
    bool copyChecked(const QString& from, const QString& to);
    bool fail(const QString& source, const QString& why);
    QString writeFailure(const QFileDevice& out) const;
    void rollBack();

    const QString from;
    const QString to;
    TargetMaker makeTarget;
    QStringList photos;
    QStringList music;
    std::unique_ptr<QThread> thread;
    std::atomic<bool> cancelRequested{false};

    // Written by the copying thread, read after it ended.
    bool ok = false;
    bool cancelled = false;
    QString failedSource;
    QString reason;
    QStringList written;        // destination files this run created
    QStringList createdFolders; // outermost first
};
