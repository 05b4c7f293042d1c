#include "flashkit/core/publishjob.h"

#include "audio/core/convert2mp3progress.h"
#include "common/logfile.h"
#include "common/workspace.h"
#include "flashkit/core/filecopy.h"
#include "flashkit/core/iflashkitinterface.h"
#include "flashkit/core/kitentries.h"
#include "flashkit/core/stagedoutput.h"
#include "flashkit/core/videojob.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>

namespace {
std::unique_ptr<QTimer> makeTimer(PublishJob* job, void (PublishJob::*poll)())
{
    auto timer = std::make_unique<QTimer>();
    timer->setInterval(PublishJob::PollMs);
    QObject::connect(timer.get(), &QTimer::timeout, job, poll);
    return timer;
}
} // namespace

PublishJob::PublishJob(IFlashKitInterface* kit, QObject* parent) : QObject(parent), kit(kit) {}

PublishJob::~PublishJob()
{
    // Whoever listens may already be half gone; the end of a job being torn down is news to no one.
    disconnect(this, nullptr, nullptr, nullptr);
    stopAll();
}

QList<AudioInfo> PublishJob::collectClipsToConvert(const QList<AudioInfo>& clips)
{
    QList<AudioInfo> list;
    for (const AudioInfo& clip : clips) {
        if (clip.needsConversion())
            list << clip;
    }
    return list;
}

bool PublishJob::start(const Request& request)
{
    if (isBusy())
        return false;
    current = request;
    cancelling = false;
    published.clear();
    publishedAs.clear();
    // Whoever filled the request, the name is checked before any path is built from it, and
    // the kit only ever writes into the hidden staging folder.
    staging = std::make_unique<StagedOutput>();
    if (!staging->prepare(current.folder, current.name, current.profile)) {
        finish(Outcome::NotStarted, staging->error());
        return true;
    }
    if (current.profile == VideoProfile) {
        startVideo();
        return true;
    }
    // Every clip gets its own workspace file; converter, copies and kit entries agree on it.
    files = musicCopyPaths(current.clips);
    musicEntries = musicEntriesFor(current.clips);
    QList<AudioInfo> toConvert;
    QStringList outputs;
    for (int i = 0; i < current.clips.size(); ++i) {
        if (current.clips.at(i).needsConversion() && !outputs.contains(files.at(i))) {
            toConvert << current.clips.at(i);
            outputs << files.at(i);
        }
    }
    converter.reset(); // an earlier job's failure is not this one's
    if (toConvert.isEmpty()) {
        conversionDone();
        return true;
    }
    convertTimer = makeTimer(this, &PublishJob::pollConversion);
    converter = std::make_unique<Convert2Mp3Progress>(nullptr, toConvert, outputs);
    connect(converter.get(), &Convert2Mp3Progress::convertFinished, this,
            &PublishJob::conversionDone);
    connect(converter.get(), &Convert2Mp3Progress::killProcess, this,
            &PublishJob::conversionKilled);
    convertTimer->start();
    converter->convertNext();
    return true;
}

void PublishJob::pollConversion()
{
    if (converter)
        emit progress(Stage::Converting, static_cast<int>(converter->conversionPercent()));
}

::Outcome PublishJob::prepareBackgroundMusic()
{
    const QString folder = musicFolder();
    if (!QDir(folder).exists() && !QDir().mkpath(folder)) {
        emit musicFolderMissing(); // said apart; the kit then names the clips it misses
        return {};
    }
    for (int i = 0; i < current.clips.size(); ++i) {
        const QString& source = current.clips.at(i).filePath;
        int error = 0;
        if (!current.clips.at(i).needsConversion() && !copyWithRetry(source, files.at(i), &error))
            return ::Outcome::failed(copyFailureText(source, files.at(i), error));
    }
    return {};
}

void PublishJob::conversionDone()
{
    if (!staging)
        return;
    if (convertTimer)
        convertTimer->stop();
    // A clip that could not be converted or copied ends the publish with what happened to the
    // user's file; the kit would only find its workspace copy missing.
    QString reason = converter ? converter->failureText() : QString();
    if (reason.isEmpty())
        reason = prepareBackgroundMusic().reason();
    if (!reason.isEmpty()) {
        finish(Outcome::RunFailed, reason);
        return;
    }
    const bool cleared = kit->clear();
    const bool photosAdded = kit->addPhotos(current.photos);
    const bool musicAdded = kit->addMusic(musicEntries);
    const bool templateSet = kit->setTemplate(current.templateName + QStringLiteral(".swf"));
    kit->setPhotoQuality(current.quality);
    kit->setPhotoSize(current.photoSize);
    publishTimer = makeTimer(this, &PublishJob::pollPublish);
    if (cleared && photosAdded && musicAdded && templateSet &&
        kit->publish(staging->kitFolder() + QLatin1Char('/'), staging->kitName(),
                     current.profile)) {
        publishTimer->start();
        return;
    }
    LUMARO_LOG("");
    finish(templateSet ? Outcome::NotStarted : Outcome::NoTemplate, kit->publishError());
}

// The video reads the originals and the clips itself; neither the converter nor the kit is
// needed, only the staging folder it is written into.
void PublishJob::startVideo()
{
    video = std::make_unique<VideoJob>();
    connect(video.get(), &VideoJob::ended, this, &PublishJob::videoEnded);
    videoTimer = makeTimer(this, &PublishJob::pollVideo);
    VideoJob::Request request;
    request.photos = current.originals;
    request.clips = current.clips;
    request.height = current.videoHeight;
    request.secondsPerPhoto = current.secondsPerPhoto;
    request.output =
        staging->kitFolder() + QLatin1Char('/') + staging->kitName() + QStringLiteral(".mp4");
    videoTimer->start();
    video->start(request);
}

void PublishJob::pollVideo()
{
    if (video && video->isRunning())
        emit progress(Stage::Publishing, video->percent());
}

void PublishJob::videoEnded(bool succeeded, const QString& reason)
{
    if (videoTimer)
        videoTimer->stop();
    if (succeeded) {
        emit progress(Stage::Publishing, 100);
        moveIntoPlace();
        return;
    }
    finish(reason.isEmpty() ? Outcome::Cancelled : Outcome::RunFailed, reason);
}

void PublishJob::conversionKilled()
{
    finish(Outcome::Cancelled);
}

void PublishJob::pollPublish()
{
    if (!staging)
        return;
    // Whether the thread still runs is asked first: once it has ended, progress and failure are
    // final. Until then it may write into the staging folder, so nothing is moved or removed.
    const bool running = kit->isPublishRunning();
    if (cancelling) {
        if (!running)
            finish(Outcome::Cancelled);
        return;
    }
    const int percent = kit->publishProgress();
    emit progress(Stage::Publishing, percent);
    if (running)
        return;
    if (percent == 100) {
        moveIntoPlace();
        return;
    }
    // A run that could not write or read what it needs stops short of 100 and says why.
    const QString reason = kit->publishError();
    finish(reason.isEmpty() ? Outcome::Cancelled : Outcome::RunFailed, reason);
}

void PublishJob::moveIntoPlace()
{
    // The name may have been taken meanwhile: the kit knows how to give its output another.
    const auto rename = [this](const QString& folder, const QString& from, const QString& to) {
        return kit->renameOutput(folder, from, to, current.profile);
    };
    QString path;
    if (!staging->commit(path, rename)) {
        finish(Outcome::RunFailed, staging->error());
        return;
    }
    published = path;
    publishedAs = current.profile == 0 ? current.name : QFileInfo(path).completeBaseName();
    finish(Outcome::Succeeded);
}

void PublishJob::finish(Outcome outcome, const QString& reason)
{
    stopTimers();
    cancelling = false;
    // Nothing of a publish that did not succeed stays in the destination.
    if (staging)
        staging->discard();
    staging.reset();
    emit ended(outcome, reason);
}

void PublishJob::stopTimers()
{
    if (convertTimer)
        convertTimer->stop();
    if (publishTimer)
        publishTimer->stop();
    if (videoTimer)
        videoTimer->stop();
}

void PublishJob::cancel()
{
    if (video && video->isRunning()) {
        video->cancel(); // its ended() leads to videoEnded()
        return;
    }
    if (isConverting()) {
        converter->cancelConversion(); // its killProcess() leads to conversionKilled()
        return;
    }
    kit->cancelPublish();
    // The run ends within one file operation; the poll says so once its thread is gone.
    if (publishTimer && publishTimer->isActive())
        cancelling = true;
}

void PublishJob::stopAll()
{
    if (converter && isConverting())
        converter->cancelConversion();
    stopTimers();
    cancelling = false;
    if (video) {
        video->disconnect(this);
        video.reset(); // waits for the rendering and ends the tool, removing its output
    }
    // Wait for the worker even when no timer polls it: it writes into the workspace that the
    // owner is about to delete, and into the staging folder removed next.
    if (kit)
        kit->cancelAndWait();
    if (staging)
        staging->discard();
    staging.reset();
}

bool PublishJob::isConverting() const
{
    return convertTimer && convertTimer->isActive();
}

bool PublishJob::isBusy() const
{
    return isConverting() || (publishTimer && publishTimer->isActive()) ||
           (video && video->isRunning());
}

PublishJob::Stage PublishJob::stage() const
{
    if (isConverting())
        return Stage::Converting;
    return (publishTimer && publishTimer->isActive()) || (video && video->isRunning())
               ? Stage::Publishing
               : Stage::Idle;
}
