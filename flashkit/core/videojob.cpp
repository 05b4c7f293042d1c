#include "flashkit/core/videojob.h"

#include "audio/core/fadevolume.h"
#include "common/childprocess.h"
#include "common/logfile.h"
#include "photos/core/photorender.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThreadPool>

#include <algorithm>

namespace {
const QString ToolName = QStringLiteral("kvv");
const QLatin1String ProgressMarker("|Time>>>");
// Share of the progress bar the rendering of the pictures takes; the encoding has the rest.
constexpr int RenderingPercent = 10;
// Decoding a camera photo takes a few hundred megabytes at most; two at a time keep the memory
// flat however many photos there are, and leave the encoder its cores.
constexpr int RenderThreads = 2;
constexpr int Crf = 20;
const char* const Preset = "veryfast";

} // namespace

VideoJob::VideoJob(QObject* parent) : QObject(parent) {}

VideoJob::~VideoJob()
{
    cancelled = true;
    if (pool)
        pool->waitForDone();
    if (tool) {
        tool->disconnect(this);
        tool->kill();
        tool->waitForFinished(3000);
    }
    if (running)
        QFile::remove(current.output);
}

double VideoJob::musicSeconds(const QList<AudioInfo>& clips)
{
    double total = 0;
    for (const AudioInfo& clip : clips)
        total += std::max(0.0, clip.clipLength());
    return total;
}

double VideoJob::photoSeconds(int secondsPerPhoto, int photoCount, double music)
{
    if (secondsPerPhoto > 0)
        return std::clamp(secondsPerPhoto, 2, 10);
    if (photoCount <= 0 || music <= 0)
        return DefaultSecondsPerPhoto;
    return std::max(ShortestFittedSeconds, music / photoCount);
}

QSize VideoJob::frameSize(int height)
{
    return height == 720 ? QSize(1280, 720) : QSize(1920, 1080);
}

QByteArray VideoJob::jobFile(const Request& request, const QStringList& pictures)
{
    const QSize size = frameSize(request.height);
    QJsonArray clips;
    for (const AudioInfo& clip : request.clips)
        clips.append(QJsonObject{
            {"path", clip.filePath}, {"start", clip.startPoint}, {"end", clip.endPoint}});
    // The fade and loop options are the whole list's; every clip carries them.
    const AudioInfo first = request.clips.value(0);
    const QJsonObject job{
        {"width", size.width()},
        {"height", size.height()},
        {"fps", Fps},
        {"secondsPerPhoto",
         photoSeconds(request.secondsPerPhoto, request.photos.size(), musicSeconds(request.clips))},
        {"crossfade", Crossfade},
        {"photos", QJsonArray::fromStringList(pictures)},
        {"clips", clips},
        {"fadeIn", first.fadeIn != 0},
        {"fadeOut", first.fadeOut != 0},
        {"fadeInSeconds", FadeVolume::FadeInSeconds},
        {"fadeOutSeconds", FadeVolume::FadeOutSeconds},
        {"loop", first.loop != 0},
        {"endFadeSeconds", EndFadeSeconds},
        {"crf", Crf},
        {"preset", Preset},
        {"output", request.output},
    };
    return QJsonDocument(job).toJson();
}

void VideoJob::start(const Request& request)
{
    current = request;
    cancelled = false;
    rendered = 0;
    doneSeconds = 0;
    renderFailure.clear();
    pictures.clear();
    running = true;
    folder =
        std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/lumaro-video-XXXXXX"));
    if (!folder->isValid()) {
        QMetaObject::invokeMethod(
            this, [this] { end(false, tr("No temporary folder could be made for the video.")); },
            Qt::QueuedConnection);
        return;
    }
    for (int i = 0; i < current.photos.size(); ++i)
        pictures << folder->filePath(QStringLiteral("%1.jpg").arg(i, 5, 10, QLatin1Char('0')));
    const QSize bound = frameSize(current.height);
    // A pool of its own, so that waiting for it never waits for anybody else's work.
    pool = std::make_unique<QThreadPool>();
    pool->setMaxThreadCount(RenderThreads);
    const int count = int(current.photos.size());
    for (int i = 0; i < count; ++i)
        pool->start([this, i, bound, count] {
            if (!cancelled)
                renderOne(i, bound);
            if (++rendered == count)
                QMetaObject::invokeMethod(this, &VideoJob::renderingDone, Qt::QueuedConnection);
        });
    if (count == 0)
        QMetaObject::invokeMethod(this, &VideoJob::renderingDone, Qt::QueuedConnection);
}

// On a worker thread: reads only what start() set up, writes only its own picture.
void VideoJob::renderOne(int i, const QSize& bound)
{
    QString reason;
    const QImage image = renderPhoto(current.photos.at(i), bound, &reason);
    if (!image.isNull() && !image.save(pictures.at(i), "JPG", 95))
        reason = tr("The picture of %1 could not be written to the temporary folder.")
                     .arg(QDir::toNativeSeparators(current.photos.at(i).path));
    if (reason.isEmpty())
        return;
    QMutexLocker lock(&failureLock);
    if (renderFailure.isEmpty())
        renderFailure = reason;
    cancelled = true; // the video cannot be made without it
}

void VideoJob::renderingDone()
{
    if (!renderFailure.isEmpty()) {
        end(false, renderFailure);
        return;
    }
    if (cancelled) {
        end(false, QString());
        return;
    }
    const QString jobPath = folder->filePath(QStringLiteral("job.json"));
    QFile file(jobPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(jobFile(current, pictures)) < 0 ||
        !file.flush()) {
        end(false, tr("No temporary folder could be made for the video."));
        return;
    }
    file.close();
    totalSeconds =
        photoSeconds(current.secondsPerPhoto, current.photos.size(), musicSeconds(current.clips)) *
        current.photos.size();
    tool = std::make_unique<QProcess>();
    endWithParent(*tool);
    connect(tool.get(), &QProcess::finished, this, &VideoJob::toolEnded);
    connect(tool.get(), &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            end(false, tr("The video tool %1 could not be started.").arg(ToolName));
    });
    tool->start(ToolName, {QStringLiteral("-@"), jobPath});
}

void VideoJob::toolEnded(int exitCode, QProcess::ExitStatus status)
{
    if (!running)
        return;
    if (cancelled) {
        end(false, QString());
        return;
    }
    if (status == QProcess::NormalExit && exitCode == 0) {
        end(true, QString());
        return;
    }
    const QString message = QString::fromLocal8Bit(tool->readAllStandardError()).trimmed();
    LUMARO_LOG(qUtf8Printable(message));
    QString detail = message;
    detail.remove(QRegularExpression(QStringLiteral("^kvv: ")));
    end(false, detail.isEmpty() ? tr("The video could not be made.")
                                : tr("The video could not be made: %1").arg(detail));
}

void VideoJob::cancel()
{
    if (!running)
        return;
    cancelled = true;
    if (tool && tool->state() != QProcess::NotRunning)
        tool->kill(); // toolEnded() follows
}

int VideoJob::percent()
{
    if (!running)
        return 0;
    const int count = std::max<int>(1, int(current.photos.size()));
    if (!tool)
        return rendered * RenderingPercent / count;
    if (tool->isOpen()) {
        const QString text = QString::fromLatin1(tool->readAllStandardOutput());
        const qsizetype at = text.lastIndexOf(ProgressMarker);
        if (at >= 0)
            doneSeconds = text.mid(at + ProgressMarker.size()).trimmed().toDouble();
    }
    const double share = totalSeconds > 0 ? std::clamp(doneSeconds / totalSeconds, 0.0, 1.0) : 0;
    return RenderingPercent + int(share * (100 - RenderingPercent));
}

void VideoJob::end(bool succeeded, const QString& reason)
{
    if (!running)
        return;
    running = false;
    if (!succeeded)
        QFile::remove(current.output);
    // This may run inside the process's own signal: it goes once that returns.
    if (tool)
        tool.release()->deleteLater();
    if (pool)
        pool->waitForDone(); // a failed photo ends the rest at once
    pool.reset();
    folder.reset();
    emit ended(succeeded, reason);
}
