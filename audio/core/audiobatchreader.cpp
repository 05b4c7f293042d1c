#include "audio/core/audiobatchreader.h"

#include "audio/core/audioreader.h"

#include <QMutexLocker>
#include <QThread>

AudioBatchReader::AudioBatchReader(QObject* parent)
    : QObject(parent), readOne([](AudioInfo& info, QString* reason) {
          return AudioReader::readAudioInfo(info, reason);
      })
{
}

AudioBatchReader::~AudioBatchReader()
{
    if (!thread)
        return;
    stop();
    disconnect(thread, nullptr, this, nullptr);
    thread->wait();
    delete thread;
}

void AudioBatchReader::readAll(const QStringList& paths, const ReadFunction& read,
                               const std::atomic<bool>* stop, QList<AudioInfo>* accepted,
                               QList<FileFailure>* rejected,
                               const std::function<void(int)>& progress)
{
    int done = 0;
    for (const QString& path : paths) {
        if (stop && stop->load())
            return;
        AudioInfo info;
        info.filePath = path;
        QString reason;
        if (read(info, &reason))
            accepted->append(info);
        else
            rejected->append(FileFailure{path, reason});
        ++done;
        if (progress)
            progress(done);
    }
}

bool AudioBatchReader::start(const QStringList& paths)
{
    if (thread)
        return false;
    stopRequested.store(false);
    accepted.clear();
    rejected.clear();
    const int total = int(paths.size());
    const ReadFunction read = readOne;
    thread = QThread::create([this, paths, read, total] {
        QList<AudioInfo> ok;
        QList<FileFailure> failed;
        readAll(paths, read, &stopRequested, &ok, &failed, [this, total](int done) {
            QMetaObject::invokeMethod(
                this, [this, done, total] { emit progress(done, total); }, Qt::QueuedConnection);
        });
        QMutexLocker lock(&mutex);
        accepted = ok;
        rejected = failed;
    });
    connect(thread, &QThread::finished, this, &AudioBatchReader::onThreadFinished);
    thread->start();
    return true;
}

void AudioBatchReader::stop()
{
    stopRequested.store(true);
}

bool AudioBatchReader::isRunning() const
{
    return thread != nullptr;
}

void AudioBatchReader::onThreadFinished()
{
    thread->wait();
    delete thread;
    thread = nullptr;
    QList<AudioInfo> ok;
    QList<FileFailure> failed;
    {
        QMutexLocker lock(&mutex);
        ok.swap(accepted);
        failed.swap(rejected);
    }
    emit finished(ok, failed);
}
