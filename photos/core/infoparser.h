#pragma once

#include "common/audioinfo.h"
#include "common/fileerror.h"
#include "common/imageinfo.h"

#include <QAtomicInt>
#include <QList>
#include <QMutex>
#include <QSemaphore>
#include <QStringList>
#include <QThread>

#include <functional>

// The import thread: reads the files of one import in order, photos with ImageReader or music
// with AudioReader, and keeps the records until the import dialog takes them. Stopping is
// noticed between files only, so the file in progress is always finished.
class InfoParser : public QThread
{
    Q_OBJECT
public:
    // Called on the import thread just before a file is read; lets tests see (and pace) reading.
    using FileHook = std::function<void(int index, const QString& path)>;

    // `files` belongs to the caller and must not change while the thread runs.
    InfoParser(const QStringList* files, bool photoMode, QObject* parent = nullptr);
    // Stops and waits: the thread never outlives what it reads into.
    ~InfoParser() override;

    // Asks the thread to stop before the next file.
    void stop();
    QList<ImageInfo> takePhotos();
    QList<AudioInfo> takeClips();
    // Paths that could not be read, in reading order; the list is kept.
    QStringList failedFiles() const;
    // The same files, each with what happened to it.
    QList<FileFailure> failures() const;
    // Photos that failed because the workspace's photo folders could not be made, each owed one
    // alert by the GUI thread; taking empties the list.
    QStringList takeFolderFailures();
    // Files finished so far, read or failed; only grows.
    int processedCount() const { return processed.loadAcquire(); }
    bool isStopRequested() const { return stopSignal.available() > 0; }

    static void setFileHook(FileHook hook);

protected:
    void run() override;

private:
    bool readOne(const QString& path);

    const bool photoMode;
    const QStringList* files;
    QAtomicInt processed = 0;
    QList<ImageInfo> photos;
    QList<AudioInfo> clips;
    QList<FileFailure> failed;
    QStringList folderFailures;
    mutable QMutex mutex;
    QSemaphore stopSignal{0};
};
