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
#include <QWaitCondition>

#include <functional>
#include <map>

// The import thread: reads the files of one import, photos with ImageReader or music with
// AudioReader, several at a time (Workers::count()), and keeps the records until the import
// dialog takes them. Files are started in the order given and their records handed over in that
// order, whatever order they finish in: a file waits for every file before it. Stopping is
// noticed between files only, so the files in progress are always finished; once a stop is
// asked for, nothing more is handed over, neither they nor a finished file behind them, so the
// records taken are always the unbroken run of files from the first one.
class InfoParser : public QThread
{
    Q_OBJECT
public:
    // Called on a reading thread just before a file is read; lets tests see (and pace) reading,
    // and wait for a stop through `parser`.
    using FileHook = std::function<void(const InfoParser& parser, int index, const QString& path)>;

    // `files` belongs to the caller and must not change while the thread runs.
    InfoParser(const QStringList* files, bool photoMode, QObject* parent = nullptr);
    // Stops and waits: the threads never outlive what they read into.
    ~InfoParser() override;

    // Asks the threads to start no further file.
    void stop();
    QList<ImageInfo> takePhotos();
    QList<AudioInfo> takeClips();
    // Paths that could not be read, in file order; the list is kept.
    QStringList failedFiles() const;
    // The same files, each with what happened to it.
    QList<FileFailure> failures() const;
    // Photos that failed because the workspace's photo folders could not be made, each owed one
    // alert by the GUI thread; taking empties the list.
    QStringList takeFolderFailures();
    // Files finished so far, read or failed, in any order; only grows.
    int processedCount() const { return processed.loadAcquire(); }
    // The first file not finished yet: one being read or about to be. The file count once all
    // are finished.
    int fileInProgress() const;
    bool isStopRequested() const { return stopSignal.available() > 0; }

    static void setFileHook(FileHook hook);

protected:
    void run() override;

private:
    // What became of one file.
    struct Outcome
    {
        ImageInfo photo;
        AudioInfo clip;
        FileFailure failure;
        bool read = false;
        bool folderFailure = false;
    };

    void readFiles();
    int nextFile();
    Outcome readOne(const QString& path) const;
    void finishFile(int index, Outcome outcome);
    void handOver(Outcome& outcome);

    const bool photoMode;
    const QStringList* files;
    int total = 0;
    QAtomicInt processed = 0;
    // Guarded by `mutex`:
    int started = 0;                // files handed to a reading thread
    int handedOver = 0;             // files whose outcome is in the lists below
    std::map<int, Outcome> waiting; // finished files behind one still being read
    QList<ImageInfo> photos;
    QList<AudioInfo> clips;
    QList<FileFailure> failed;
    QStringList folderFailures;
    mutable QMutex mutex;
    QWaitCondition roomAhead;
    QSemaphore stopSignal{0};
};
