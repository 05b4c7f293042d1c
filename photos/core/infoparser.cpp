#include "photos/core/infoparser.h"

#include "audio/core/audioreader.h"
#include "common/workers.h"
#include "photos/core/imagereader.h"

#include <QMutexLocker>

#include <utility>

namespace {
// How far the reading threads may run ahead of a file still being read: the records finished
// behind it wait in memory until it is done.
constexpr int MaxAhead = 256;

QMutex hookMutex;
InfoParser::FileHook fileHook;

void callFileHook(const InfoParser& parser, int index, const QString& path)
{
    InfoParser::FileHook hook;
    {
        QMutexLocker lock(&hookMutex);
        hook = fileHook;
    }
    if (hook)
        hook(parser, index, path);
}
} // namespace

InfoParser::InfoParser(const QStringList* files, bool photoMode, QObject* parent)
    : QThread(parent), photoMode(photoMode), files(files)
{
}

InfoParser::~InfoParser()
{
    stop();
    wait();
}

void InfoParser::setFileHook(FileHook hook)
{
    QMutexLocker lock(&hookMutex);
    fileHook = std::move(hook);
}

void InfoParser::stop()
{
    stopSignal.release(1);
    QMutexLocker lock(&mutex);
    roomAhead.wakeAll();
}

QList<ImageInfo> InfoParser::takePhotos()
{
    QMutexLocker lock(&mutex);
    return std::exchange(photos, {});
}

QList<AudioInfo> InfoParser::takeClips()
{
    QMutexLocker lock(&mutex);
    return std::exchange(clips, {});
}

QStringList InfoParser::failedFiles() const
{
    QStringList paths;
    for (const FileFailure& failure : failures())
        paths << failure.path;
    return paths;
}

QList<FileFailure> InfoParser::failures() const
{
    QMutexLocker lock(&mutex);
    return failed;
}

QStringList InfoParser::takeFolderFailures()
{
    QMutexLocker lock(&mutex);
    return std::exchange(folderFailures, {});
}

int InfoParser::fileInProgress() const
{
    QMutexLocker lock(&mutex);
    // Files are handed over the moment every file before them is finished, so the first one not
    // handed over is the first one not finished.
    return handedOver;
}

void InfoParser::run()
{
    {
        QMutexLocker lock(&mutex);
        total = files ? int(files->size()) : 0;
        started = 0;
        handedOver = 0;
        waiting.clear();
    }
    processed.storeRelease(0);
    // A stop asked for before the thread got going is honoured, not forgotten: forgetting it
    // would read every file while the dialog waits for the thread, frozen.
    if (total > 0 && !isStopRequested())
        Workers::run(qMin(Workers::count(), total), [this] { readFiles(); });
    // What is left belongs to this run; a later run starts without it.
    stopSignal.tryAcquire(stopSignal.available());
}

// One reading thread: takes the next file until none is left or a stop is asked for.
void InfoParser::readFiles()
{
    for (int index = nextFile(); index >= 0; index = nextFile()) {
        const QString& path = files->at(index);
        callFileHook(*this, index, path);
        finishFile(index, readOne(path));
    }
}

int InfoParser::nextFile()
{
    QMutexLocker lock(&mutex);
    while (!isStopRequested() && started < total && started >= handedOver + MaxAhead)
        roomAhead.wait(&mutex);
    if (isStopRequested() || started >= total)
        return -1;
    return started++;
}

InfoParser::Outcome InfoParser::readOne(const QString& path) const
{
    Outcome outcome;
    if (photoMode) {
        outcome.photo.path = path;
        ImageReader::Failure failure = ImageReader::Failure::None;
        QString reason;
        outcome.read = ImageReader::readImageInfo(outcome.photo, &failure, &reason);
        // The photo is fine when only its copies could not be written.
        const bool workspace = failure == ImageReader::Failure::NoTemporaryFolder ||
                               failure == ImageReader::Failure::WriteFailed;
        outcome.failure = FileFailure{path, reason, workspace};
        outcome.folderFailure = failure == ImageReader::Failure::NoTemporaryFolder;
        return outcome;
    }
    outcome.clip.filePath = path;
    QString reason;
    outcome.read = AudioReader::readAudioInfo(outcome.clip, &reason);
    outcome.failure = FileFailure{path, reason};
    return outcome;
}

void InfoParser::finishFile(int index, Outcome outcome)
{
    QMutexLocker lock(&mutex);
    // A file finished after the stop is dropped, and with it every file behind it.
    if (!isStopRequested()) {
        waiting.emplace(index, std::move(outcome));
        for (auto next = waiting.begin(); next != waiting.end() && next->first == handedOver;
             next = waiting.erase(next), ++handedOver)
            handOver(next->second);
        roomAhead.wakeAll();
    }
    // Counted after the hand-over: a reader that sees the count finds the records.
    processed.fetchAndAddRelease(1);
}

void InfoParser::handOver(Outcome& outcome)
{
    if (outcome.read && photoMode) {
        photos.append(std::move(outcome.photo));
    } else if (outcome.read) {
        clips.append(std::move(outcome.clip));
    } else {
        if (outcome.folderFailure)
            folderFailures.append(outcome.failure.path);
        failed.append(std::move(outcome.failure));
    }
}
