#include "cli/core/batchpublisher.h"

#include "cli/core/privateworkspace.h"
#include "cli/core/progressreport.h"
#include "common/mediaformats.h"
#include "common/workspace.h"
#include "flashkit/core/flashmokit.h"
#include "flashkit/core/kitentries.h"
#include "photos/core/imagereader.h"
#include "photos/core/infoparser.h"
#include "photos/core/photooperation.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>

namespace {
constexpr int ReadPollMs = 40;
} // namespace

BatchPublisher::BatchPublisher(const PublishOptions& options, ProgressReport& report,
                               std::FILE* out, QObject* parent)
    : QObject(parent), options(options), report(report), out(out)
{
    readerPoll.setInterval(ReadPollMs);
    connect(&readerPoll, &QTimer::timeout, this, &BatchPublisher::pollReading);
}

BatchPublisher::~BatchPublisher()
{
    if (!done) {
        done = true;
        if (job)
            job->stopAll();
        if (reader)
            reader->stop();
    }
}

void BatchPublisher::start()
{
    workspace = std::make_unique<PrivateWorkspace>();
    if (!workspace->isValid()) {
        fail(tr("Cannot create a working folder in %1").arg(QDir::tempPath()));
        return;
    }
    fillMediaExtensions();
    // Before the reading thread starts: the limit is process-wide.
    ImageReader::allowLargePhotos();
    collectInputs();
    startReading(Reading::Photos, photoFiles);
}

void BatchPublisher::collectInputs()
{
    // A project's entries it could not use at all, then its originals as any named file.
    for (const QString& entry : std::as_const(options.leftOut))
        unreadable << Unreadable{entry, QString()};
    for (const ProjectPhoto& photo : std::as_const(options.projectPhotos)) {
        if (QFileInfo::exists(photo.path))
            photoFiles << photo.path;
        else
            unreadable << Unreadable{photo.path, tr("not found")};
    }
    for (const QString& input : options.photos) {
        const QFileInfo info(input);
        if (!info.exists()) {
            unreadable << Unreadable{input, tr("not found")};
        } else if (info.isDir()) {
            // In the order the window's folder import gives: the same folder, the same show.
            const QStringList found =
                scanMediaFiles({QUrl::fromLocalFile(info.absoluteFilePath())}, imageExtensions);
            if (found.isEmpty())
                unreadable << Unreadable{input, tr("no photos in this folder")};
            photoFiles << found;
        } else {
            // A file named on its own is read whatever its ending; the reader decides.
            photoFiles << input;
        }
    }
    for (const MusicOption& music : options.music) {
        if (QFileInfo(music.path).isFile())
            musicToRead << music;
        else
            unreadable << Unreadable{music.path, tr("not found")};
    }
}

void BatchPublisher::startReading(Reading what, const QStringList& files)
{
    reading = what;
    readerFiles = files;
    if (readerFiles.isEmpty()) {
        readingDone();
        return;
    }
    reader = std::make_unique<InfoParser>(&readerFiles, what == Reading::Photos);
    reader->start();
    readerPoll.start();
}

void BatchPublisher::pollReading()
{
    if (!reader)
        return;
    const int count = reader->processedCount();
    report.show(reading == Reading::Photos ? tr("Reading photos") : tr("Reading music"),
                static_cast<int>(count * 100 / readerFiles.size()));
    if (count < readerFiles.size())
        return;
    readerPoll.stop();
    reader->wait();
    readingDone();
}

void BatchPublisher::readingDone()
{
    QList<FileFailure> failed;
    QList<AudioInfo> read;
    if (reader) {
        failed = reader->failures();
        if (reading == Reading::Photos)
            photos = reader->takePhotos();
        else
            read = reader->takeClips();
        reader.reset();
    }
    // A working folder that cannot take the photos' copies (full, gone) is no fault of the
    // photos: nothing can be published, and the user learns why.
    for (const FileFailure& failure : std::as_const(failed)) {
        if (failure.workspace) {
            fail(failure.reason);
            return;
        }
    }
    if (reading == Reading::Photos) {
        for (const FileFailure& failure : std::as_const(failed))
            unreadable << Unreadable{failure.path, failure.reason};
        if (!applyProjectTurns())
            return;
        QStringList musicFiles;
        for (const MusicOption& music : musicToRead)
            musicFiles << music.path;
        startReading(Reading::Music, musicFiles);
        return;
    }
    applyMusicSettings(read, failed);

    report.finishLine();
    for (const Unreadable& input : unreadable) {
        if (input.reason.isEmpty())
            report.message(tr("Left out of the project: %1").arg(input.path));
        else
            report.message(tr("Could not read %1: %2")
                               .arg(QDir::toNativeSeparators(input.path), input.reason));
    }
    if (!unreadable.isEmpty() && options.strict) {
        report.message(tr("Nothing was published, as --strict asks when an input cannot be read."));
        finish(InputsUnreadable);
        return;
    }
    if (photos.isEmpty()) {
        report.message(tr("No photo could be read; nothing was published."));
        finish(InputsUnreadable);
        return;
    }
    startPublishing();
}

// The photos read from a project get the turns, mirrors and flips saved with them, and their
// working copies are made again from the backups to show them, as when the window opens it.
// The records come back in the project's order with the unreadable ones left out.
bool BatchPublisher::applyProjectTurns()
{
    int next = 0;
    for (const ProjectPhoto& saved : std::as_const(options.projectPhotos)) {
        if (next >= photos.size())
            break;
        ImageInfo& photo = photos[next];
        if (photo.path != saved.path)
            continue;
        ++next;
        if (photo.operations == saved.operations && photo.bakedOperations == saved.bakedOperations)
            continue;
        photo.operations = saved.operations;
        photo.bakedOperations = saved.bakedOperations;
        // The working folder is ours: a copy it cannot take is no fault of the photo.
        if (const PhotoFileResult made = rebuildWorkingFiles(photo); !made) {
            fail(made.reason());
            return false;
        }
    }
    return true;
}

// The reader fills each clip with its whole length and the stored fade and loop defaults; the
// command line's range and flags replace them. Clips come back in reading order, failures left
// out, so they are matched to the --music arguments in that order.
void BatchPublisher::applyMusicSettings(const QList<AudioInfo>& read,
                                        const QList<FileFailure>& failed)
{
    int next = 0;
    for (const MusicOption& music : std::as_const(musicToRead)) {
        const auto refused =
            std::find_if(failed.cbegin(), failed.cend(),
                         [&music](const FileFailure& f) { return f.path == music.path; });
        if (refused != failed.cend()) {
            unreadable << Unreadable{music.path, refused->reason};
            continue;
        }
        if (next >= read.size())
            break;
        AudioInfo clip = read.at(next++);
        const double start = music.start >= 0 ? music.start : 0.0;
        double end = music.end >= 0 ? music.end : clip.duration;
        // A length the tool could not tell (0) cannot be checked against; the range is trusted.
        if (clip.duration > 0) {
            if (start >= clip.duration || end > clip.duration + 0.5) {
                unreadable << Unreadable{music.path, tr("the range %1-%2 s lies outside its %3 s")
                                                         .arg(start)
                                                         .arg(end)
                                                         .arg(clip.duration, 0, 'f', 1)};
                continue;
            }
            end = std::min(end, clip.duration);
        }
        clip.startPoint = start;
        clip.endPoint = end;
        clip.fadeIn = options.fadeIn ? 1 : 0;
        clip.fadeOut = options.fadeOut ? 1 : 0;
        clip.loop = options.loop ? 1 : 0;
        clips << clip;
    }
}

void BatchPublisher::startPublishing()
{
    kit = std::make_unique<FlashmoKit>();
    job = std::make_unique<PublishJob>(kit.get());
    connect(job.get(), &PublishJob::progress, this, [this](PublishJob::Stage stage, int percent) {
        report.show(stage == PublishJob::Stage::Converting ? tr("Converting music")
                                                           : tr("Publishing"),
                    percent);
    });
    connect(job.get(), &PublishJob::musicFolderMissing, this,
            [this] { report.message(ImageReader::temporaryFolderMissingText()); });
    connect(job.get(), &PublishJob::ended, this, &BatchPublisher::jobEnded);

    PublishJob::Request request;
    request.photos = photoEntriesFor(photos);
    request.clips = clips;
    request.templateName = options.templateName;
    request.folder = options.output;
    request.name = options.name;
    request.profile = options.profile;
    request.quality = options.quality;
    request.photoSize = options.photoSize;
    request.videoHeight = options.videoHeight;
    request.secondsPerPhoto = options.secondsPerPhoto;
    request.originals = photos;
    job->start(request);
}

void BatchPublisher::jobEnded(PublishJob::Outcome outcome, const QString& reason)
{
    if (done || interruptedBy)
        return;
    switch (outcome) {
    case PublishJob::Outcome::Succeeded: {
        report.show(tr("Publishing"), 100);
        report.finishLine();
        std::fprintf(out, "%s\n",
                     QDir::toNativeSeparators(job->publishedPath()).toLocal8Bit().constData());
        std::fflush(out);
        finish(unreadable.isEmpty() ? Published : InputsUnreadable);
        return;
    }
    case PublishJob::Outcome::Cancelled:
        fail(tr("The publishing was cancelled."));
        return;
    case PublishJob::Outcome::NoTemplate:
        fail(reason.isEmpty() ? tr("No template is selected.") : reason);
        return;
    case PublishJob::Outcome::NotStarted:
        fail(reason.isEmpty() ? tr("The publishing could not be started.") : reason);
        return;
    case PublishJob::Outcome::RunFailed:
        fail(reason);
        return;
    }
}

void BatchPublisher::interrupt(int signalNumber)
{
    if (done || interruptedBy)
        return;
    interruptedBy = signalNumber;
    report.message(tr("Interrupted: removing what was written so far."));
    readerPoll.stop();
    if (reader) {
        reader->stop();
        reader->wait(); // the photos in progress are finished first
    }
    if (job)
        job->stopAll();
    finish(128 + signalNumber);
}

void BatchPublisher::fail(const QString& text)
{
    report.message(tr("The slideshow could not be published.") + QLatin1Char(' ') + text);
    finish(PublishFailed);
}

void BatchPublisher::finish(int code)
{
    if (done)
        return;
    done = true;
    readerPoll.stop();
    // The kit's thread and the converter end before the folders they write into go.
    if (job) {
        job->disconnect(this);
        job->stopAll();
    }
    job.reset();
    kit.reset();
    reader.reset();
    workspace.reset();
    emit finished(code);
}
