#include "photos/core/infoparser.h"

#include "audio/core/audioreader.h"
#include "photos/core/imagereader.h"

#include <QMutexLocker>

#include <utility>

namespace {
QMutex hookMutex;
InfoParser::FileHook fileHook;

void callFileHook(int index, const QString& path)
{
    InfoParser::FileHook hook;
    {
        QMutexLocker lock(&hookMutex);
        hook = fileHook;
    }
    if (hook)
        hook(index, path);
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

void InfoParser::run()
{
    processed.storeRelease(0);
    const int total = files ? int(files->size()) : 0;
    // A stop asked for before the thread got going is honoured, not forgotten: forgetting it
    // would read every file while the dialog waits for the thread, frozen.
    while (total > 0 && !stopSignal.tryAcquire(1)) {
        const int index = processed.loadRelaxed();
        const QString path = files->at(index);
        callFileHook(index, path);
        readOne(path);
        // Released after the record is stored: a reader that sees the count also finds it.
        if (processed.fetchAndAddRelease(1) + 1 >= total)
            break;
    }
    // What is left belongs to this run; a later run starts without it.
    stopSignal.tryAcquire(stopSignal.available());
}

bool InfoParser::readOne(const QString& path)
{
    if (photoMode) {
        ImageInfo info;
        info.path = path;
        ImageReader::Failure failure = ImageReader::Failure::None;
        QString reason;
        const bool read = ImageReader::readImageInfo(info, &failure, &reason);
        QMutexLocker lock(&mutex);
        if (read) {
            photos.append(info);
        } else {
            // The photo is fine when only its copies could not be written.
            const bool workspace = failure == ImageReader::Failure::NoTemporaryFolder ||
                                   failure == ImageReader::Failure::WriteFailed;
            failed.append(FileFailure{path, reason, workspace});
            if (failure == ImageReader::Failure::NoTemporaryFolder)
                folderFailures.append(path);
        }
        return read;
    }
    AudioInfo clip;
    clip.filePath = path;
    QString reason;
    const bool read = AudioReader::readAudioInfo(clip, &reason);
    QMutexLocker lock(&mutex);
    if (read)
        clips.append(clip);
    else
        failed.append(FileFailure{path, reason});
    return read;
}
