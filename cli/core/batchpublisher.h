#pragma once

#include "cli/core/publishoptions.h"
#include "common/audioinfo.h"
#include "common/fileerror.h"
#include "common/imageinfo.h"
#include "flashkit/core/publishjob.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <cstdio>
#include <memory>

class FlashmoKit;
class InfoParser;
class PrivateWorkspace;
class ProgressReport;

// One run of lumaro-publish: reads the photos and the music as the import does, publishes them
// through the same job as the window, and only then moves the result into the output folder.
// Whatever ends the run (success, failure, an interruption), the private workspace and any
// half-written output are gone when finished() is emitted.
class BatchPublisher : public QObject
{
    Q_OBJECT
public:
    enum ExitCode
    {
        Published = 0,
        InputsUnreadable = 1,
        UsageError = 2,
        PublishFailed = 3
    };

    // Progress and messages go to `report`; the published path to `out`.
    BatchPublisher(const PublishOptions& options, ProgressReport& report, std::FILE* out,
                   QObject* parent = nullptr);
    ~BatchPublisher() override;

    void start();
    // Stops whatever runs, removes what was written and ends with 128 + `signalNumber`.
    void interrupt(int signalNumber);

    struct Unreadable
    {
        QString path;
        QString reason;
    };
    const QList<Unreadable>& unreadableInputs() const { return unreadable; }

signals:
    void finished(int exitCode);

private:
    enum class Reading
    {
        Photos,
        Music
    };

    void collectInputs();
    void startReading(Reading what, const QStringList& files);
    void pollReading();
    void readingDone();
    bool applyProjectTurns();
    void applyMusicSettings(const QList<AudioInfo>& read, const QList<FileFailure>& failed);
    void startPublishing();
    void jobEnded(PublishJob::Outcome outcome, const QString& reason);
    void fail(const QString& text);
    void finish(int code);

    PublishOptions options;
    ProgressReport& report;
    std::FILE* out;

    std::unique_ptr<PrivateWorkspace> workspace;
    QStringList photoFiles;
    QList<MusicOption> musicToRead;
    QStringList readerFiles;
    Reading reading = Reading::Photos;
    std::unique_ptr<InfoParser> reader;
    QTimer readerPoll;

    QList<ImageInfo> photos;
    QList<AudioInfo> clips;
    QList<Unreadable> unreadable;

    std::unique_ptr<FlashmoKit> kit;
    std::unique_ptr<PublishJob> job;
    int interruptedBy = 0;
    bool done = false;
};
