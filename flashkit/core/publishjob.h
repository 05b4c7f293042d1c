#pragma once

#include "common/audioinfo.h"
#include "common/imageinfo.h"
#include "common/outcome.h"
#include "flashkit/core/flashkitrecords.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class Convert2Mp3Progress;
class IFlashKitInterface;
class QTimer;
class StagedOutput;
class VideoJob;

// One publish without a window: the music that is not yet 44100 Hz MP3 is converted, the rest
// copied into the workspace music folder (one file per clip), then the kit is filled and its
// run polled until it ends. The kit writes into a hidden staging folder in the destination; only
// a finished slideshow is moved to its name there, so a cancelled or failed publish, or one
// interrupted by a signal, leaves the destination as it was. The window's publish driver and the
// command-line publisher both drive their publishes through this, so the two can never disagree
// about what gets written or where.
class PublishJob : public QObject
{
    Q_OBJECT
public:
    struct Request
    {
        QList<FlashKitPhoto> photos; // working copies in the workspace
        QList<AudioInfo> clips;
        QString templateName; // base name, without ".swf"
        QString folder;       // the destination folder, without a trailing "/"
        QString name;         // the name asked for, without a suffix; numbered when taken
        int profile = 1;
        int quality = 80;
        int photoSize = 0; // a PhotoSize::Choice
        // The video profile: frame height (1080 or 720), seconds per photo (2..10, 0 = fit to
        // the music) and the photos' records, rendered from their originals.
        int videoHeight = 1080;
        int secondsPerPhoto = 4;
        QList<ImageInfo> originals;
    };

    // The profile that writes an MP4 video instead of a Flash slideshow.
    static constexpr int VideoProfile = 4;

    enum class Stage
    {
        Idle,
        Converting,
        Publishing
    };

    enum class Outcome
    {
        Succeeded,
        Cancelled,
        NoTemplate, // the kit refused the template
        NotStarted, // the kit refused to start the run
        RunFailed   // a clip could not be converted or copied, or the run stopped short of 100
    };
    Q_ENUM(Outcome)

    // Polls every PollMs while converting or publishing.
    static constexpr int PollMs = 100;

    explicit PublishJob(IFlashKitInterface* kit, QObject* parent = nullptr);
    // Ends a conversion and waits for a run, so nothing writes into the workspace afterwards;
    // what was staged is removed.
    ~PublishJob() override;

    // False (and nothing starts) while an earlier job is still busy. May end at once: a name
    // that cannot be used, a destination that cannot be written, or a job without music to
    // convert whose kit refuses to start, emit ended() before returning.
    bool start(const Request& request);
    // Stops the conversion or the run. ended(Cancelled) follows once nothing runs any more: at
    // once for a conversion, from the poll once the kit's thread has ended for a run. The job
    // stays busy until then, so nothing else starts on the kit's lists or in the destination.
    void cancel();
    // Stops everything, waits for the kit's thread to end and removes what was staged.
    void stopAll();

    bool isConverting() const;
    bool isBusy() const;
    Stage stage() const;
    const Request& request() const { return current; }
    // The clips' files in the workspace music folder, in clip order.
    const QStringList& clipFiles() const { return files; }
    // Where the last job that succeeded put the slideshow (the folder of "xml", else the page
    // when there is one, else the movie) and the name it got there.
    QString publishedPath() const { return published; }
    QString publishedName() const { return publishedAs; }

    // The stages' own steps, exposed so the window's named slots can forward to them.
    void conversionDone();
    void conversionKilled();
    void pollConversion();
    void pollPublish();

    // The clips that are not yet 44100 Hz MP3s, in list order.
    static QList<AudioInfo> collectClipsToConvert(const QList<AudioInfo>& clips);

signals:
    // 0..100 within the current stage.
    void progress(PublishJob::Stage stage, int percent);
    // The workspace music folder could not be made; the job goes on and the kit names what is
    // missing.
    void musicFolderMissing();
    // Once per started job. `reason` says what happened, in the user's language: to which of
    // the user's clips, or the kit's own explanation.
    void ended(PublishJob::Outcome outcome, const QString& reason);

private:
    // Copies the clips that need no conversion into the workspace music folder; fails with what
    // happened to the first clip that could not be copied. (Outcome here is the job's own.)
    ::Outcome prepareBackgroundMusic();
    void startVideo();
    void pollVideo();
    void videoEnded(bool succeeded, const QString& reason);
    void moveIntoPlace();
    void finish(Outcome outcome, const QString& reason = QString());
    void stopTimers();

    IFlashKitInterface* kit;
    Request current;
    QStringList files;
    QList<FlashKitAudio> musicEntries;
    std::unique_ptr<Convert2Mp3Progress> converter;
    std::unique_ptr<QTimer> convertTimer;
    std::unique_ptr<QTimer> publishTimer;
    std::unique_ptr<StagedOutput> staging;
    std::unique_ptr<VideoJob> video;
    std::unique_ptr<QTimer> videoTimer;
    bool cancelling = false;
    QString published;
    QString publishedAs;
};
