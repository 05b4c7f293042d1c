#pragma once

#include <QMutex>
#include <QString>
#include <QThread>

#include <atomic>
#include <memory>

class FlashmoRes;
class QFile;
struct PlayDataEntry;

// Produces the published slideshow in the chosen folder on its own thread: profile 0 "xml" (the
// template movie, its configuration and folders of photos and music), 1 "swf" (one movie with
// configuration, music and photos appended), 2 "swf+html" (that movie and a page showing it) or
// 3 "html (offline)" (one page holding the player and that movie, playable from disk).
// The GUI polls publishProgress(); 100 means finished and every file written. A run that could
// not write its output stops below 100 and says why through errorText().
class FlashmoPublish : public QThread
{
    Q_OBJECT
public:
    explicit FlashmoPublish(FlashmoRes* res);
    ~FlashmoPublish() override;

    // `folder` must end with "/". The profile is kept even when the target is refused.
    bool setPublishTarget(const QString& folder, const QString& name, int profile);
    // Clears the cancel flag, the progress and any earlier failure, takes the snapshot of the
    // kit's lists the run works on, then starts the thread.
    bool startPublish();
    void cancelPublish() { cancel = true; }
    // Asks the run to stop and returns once the thread has ended.
    void cancelAndWait();

    // The process-wide percentage 0..100.
    static int publishProgress() { return progress.load(); }

    bool failed() const { return hasFailed.load(); }
    // A run that was cancelled, failed or reached 100 ends within one file operation.
    bool isWindingDown() const
    {
        return cancel.load() || hasFailed.load() || progress.load() == 100;
    }
    QString errorText() const;

    // The page of the last "swf+html" run written anew at `pagePath` for the publish name
    // `publishBase`, from the template page that run used.
    bool writePageAs(const QString& pagePath, const QString& publishBase) const;

    QString outputFolderPath() const { return outputFolder; }
    QString outputSwfName() const { return outputSwf; }
    int publishProfile() const { return profile; }

protected:
    void run() override;

private:
    bool cancelled() const { return cancel.load(); }
    void fail(const QString& text);
    // fail() with what happened to `path`, from the errno the failed call left; call at once.
    void failReading(const QString& path);
    void failWriting(const QString& path);
    void failCopy(const QString& from, const QString& to, int error);
    bool makeFolder(const QString& path);
    bool checkInputs();
    bool checkReencodedPhotos();
    bool publishFolder();
    bool publishSelfContained();
    bool publishOfflinePage();
    QString selfContainedPath() const;
    bool writePage();
    bool appendHeader(QFile& swf, qint64& written);
    bool appendEntry(QFile& swf, const QString& path, const PlayDataEntry& entry, qint64& written);

    FlashmoRes* kitResources;
    // What the current run works on: a snapshot of the kit's resources taken at its start.
    std::unique_ptr<FlashmoRes> runResources;
    FlashmoRes* res;
    QString outputFolder;
    QString outputSwf = QStringLiteral("temp.swf");
    int profile = 0;
    QString workFolder;
    QString templateSource;
    qint64 total = 0;
    std::atomic<bool> cancel{false};
    std::atomic<bool> hasFailed{false};
    mutable QMutex errorMutex;
    QString error;

    static std::atomic<int> progress;
};
