#pragma once

#include "common/audioinfo.h"
#include "common/fileerror.h"

#include <QList>
#include <QMutex>
#include <QObject>
#include <QStringList>

#include <atomic>
#include <functional>

class QThread;

// Reads a batch of audio files with the audio information reader on a thread of its own, so that
// a window stays responsive while the tool examines each file (up to its time limit per file).
// Progress and the end arrive as signals on the owner's thread. Destroying the reader stops it
// between files and waits for the file being read.
class AudioBatchReader : public QObject
{
    Q_OBJECT
public:
    // Fills `info` (its filePath already set); true when the file is usable music, otherwise
    // `reason` (never null) may say why.
    using ReadFunction = std::function<bool(AudioInfo& info, QString* reason)>;

    explicit AudioBatchReader(QObject* parent = nullptr);
    ~AudioBatchReader() override;

    // The reader used for each file: AudioReader::readAudioInfo unless replaced.
    void setReadFunction(ReadFunction function) { readOne = std::move(function); }

    // Starts reading `paths` in order; false when a batch is still running.
    bool start(const QStringList& paths);
    // Asks the batch to end after the file being read; finished() still follows.
    void stop();
    bool isRunning() const;

    // Reads `paths` on the calling thread, in order, until `stop` is set; `progress` (may be
    // empty) hears the count of files done after each one.
    static void readAll(const QStringList& paths, const ReadFunction& read,
                        const std::atomic<bool>* stop, QList<AudioInfo>* accepted,
                        QList<FileFailure>* rejected, const std::function<void(int)>& progress);

signals:
    void progress(int done, int total);
    // Clips read in order, and the files that could not be added with why. Paths not reached
    // because of stop() are in neither list.
    void finished(const QList<AudioInfo>& accepted, const QList<FileFailure>& rejected);

private:
    void onThreadFinished();

    ReadFunction readOne;
    QThread* thread = nullptr;
    std::atomic<bool> stopRequested{false};
    QMutex mutex; // guards the results below while the thread writes them
    QList<AudioInfo> accepted;
    QList<FileFailure> rejected;
};
