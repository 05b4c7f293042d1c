#include "audio/core/convert2mp3progress.h"

#include "common/childprocess.h"
#include "common/fileerror.h"
#include "common/logfile.h"
#include "common/workers.h"
#include "common/workspace.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QRegularExpression>

#include <algorithm>
#include <utility>

namespace {
const QString ConverterName = QStringLiteral("kvt");
const QLatin1String ProgressMarker("|Time>>>");
// How long a converter asked to end may take to remove its temporary file before it is killed.
constexpr int EndingMs = 1000;
} // namespace

Convert2Mp3Progress::Convert2Mp3Progress(QObject* parent, const QList<AudioInfo>& clips,
                                         const QStringList& outputs)
    : QObject(parent), pendingClips(clips)
{
    for (int i = 0; i < clips.size(); ++i) {
        totalSeconds += clips.at(i).duration;
        pendingOutputs << (i < outputs.size() && !outputs.at(i).isEmpty()
                               ? outputs.at(i)
                               : musicCopyPath(clips.at(i).filePath));
    }
}

Convert2Mp3Progress::~Convert2Mp3Progress()
{
    // A converter still running is ended with us; its end must not reach a half-destroyed object.
    endRunning();
}

QStringList Convert2Mp3Progress::converterArguments(const QString& input, const QString& output)
{
    return {QStringLiteral("-@"),
            QStringLiteral("-i"),
            input,
            QStringLiteral("-ab"),
            QStringLiteral("192K"),
            QStringLiteral("-ac"),
            QStringLiteral("2"),
            QStringLiteral("-acodec"),
            QStringLiteral("mp3"),
            QStringLiteral("-ar"),
            QStringLiteral("44100"),
            QStringLiteral("-cbrorvbr"),
            QStringLiteral("CBR"),
            QStringLiteral("-vol"),
            QStringLiteral("256"),
            QStringLiteral("-y"),
            output};
}

void Convert2Mp3Progress::convertNext()
{
    const int atOnce = Workers::count();
    while (!cancelled && failure.isEmpty() && !pendingClips.isEmpty() && running.size() < atOnce)
        startOne();
}

void Convert2Mp3Progress::startOne()
{
    Conversion conversion;
    conversion.clip = pendingClips.takeFirst();
    conversion.output = pendingOutputs.takeFirst();
    conversion.process = new QProcess(this);
    QProcess* process = conversion.process;
    endWithParent(*process);
    connect(process, &QProcess::finished, this, &Convert2Mp3Progress::slotContinueConverting);
    connect(process, &QProcess::errorOccurred, this,
            [this, process](QProcess::ProcessError error) { onProcessError(process, error); });
    running.append(conversion);
    // The music folder may not exist yet on the first publish of a session.
    QDir().mkpath(QFileInfo(conversion.output).absolutePath());
    process->start(ConverterName, converterArguments(conversion.clip.filePath, conversion.output),
                   QIODevice::ReadWrite);
}

void Convert2Mp3Progress::onProcessError(QProcess* process, QProcess::ProcessError error)
{
    // A converter that never started sends no finished(); end its step here, or the chain (and
    // whoever waits for it) would stop for good. Later from the event loop, not inside start().
    if (error != QProcess::FailedToStart)
        return;
    LUMARO_LOG(qUtf8Printable(process->errorString()));
    const auto conversion =
        std::find_if(running.cbegin(), running.cend(),
                     [process](const Conversion& c) { return c.process == process; });
    if (failure.isEmpty() && conversion != running.cend())
        failure = tr("The music converter %1 could not be started, so %2 could not be converted "
                     "to MP3.")
                      .arg(ConverterName, QDir::toNativeSeparators(conversion->clip.filePath));
    QMetaObject::invokeMethod(
        this,
        [this, ended = QPointer<QProcess>(process)] {
            if (ended)
                conversionEnded(ended, -1, QProcess::CrashExit);
        },
        Qt::QueuedConnection);
}

void Convert2Mp3Progress::slotContinueConverting(int exitCode, QProcess::ExitStatus exitStatus)
{
    conversionEnded(qobject_cast<QProcess*>(sender()), exitCode, exitStatus);
}

void Convert2Mp3Progress::conversionEnded(QProcess* process, int exitCode,
                                          QProcess::ExitStatus exitStatus)
{
    const auto at = std::find_if(running.begin(), running.end(),
                                 [process](const Conversion& c) { return c.process == process; });
    if (!process || at == running.end())
        return; // already ended by a cancel or another clip's failure
    const Conversion ended = *at;
    running.erase(at);
    process->disconnect(this);
    // Not deleted here: this runs inside the process's own signal.
    process->deleteLater();
    if (exitCode != 0 && exitStatus == QProcess::NormalExit) {
        const QByteArray message = process->readAllStandardError().trimmed();
        LUMARO_LOG(message.constData());
        if (failure.isEmpty())
            failure = describeFailure(ended, message);
    } else if (exitStatus != QProcess::NormalExit && !cancelled && failure.isEmpty()) {
        failure = describeFailure(ended, QByteArray()); // ended by a signal: no reason of its own
    }
    doneSeconds += ended.clip.duration;
    // Converting the rest is wasted once one clip is lost: the slideshow cannot be made.
    if (!failure.isEmpty()) {
        pendingClips.clear();
        pendingOutputs.clear();
        endRunning();
    }
    if (cancelled)
        return;
    if (pendingClips.isEmpty() && running.isEmpty()) {
        percent = 0;
        emit convertFinished();
        return;
    }
    convertNext();
}

// The converter ends its message with "kvt-failure: <side> <number>": which side failed and the
// system's error number behind it, worded here for the user.
QString Convert2Mp3Progress::describeFailure(const Conversion& conversion,
                                             const QByteArray& converterErrors) const
{
    static const QRegularExpression line(
        QStringLiteral("kvt-failure: (input|output|other) (\\d+)"));
    const QRegularExpressionMatch match = line.match(QString::fromLocal8Bit(converterErrors));
    const QString side = match.captured(1);
    const int number = match.captured(2).toInt();
    const QString source = QDir::toNativeSeparators(conversion.clip.filePath);
    if (side == QLatin1String("input") && number != 0)
        return FileError::reading(number, conversion.clip.filePath);
    if (side == QLatin1String("input"))
        return tr("%1 holds no sound that can be converted to MP3.").arg(source);
    if (side == QLatin1String("output"))
        return tr("%1 could not be converted to MP3: %2")
            .arg(source, FileError::writing(number, conversion.output));
    return tr("%1 could not be converted to MP3.").arg(source);
}

double Convert2Mp3Progress::conversionPercent()
{
    if (running.isEmpty()) // nothing started yet, or all done
        return percent;
    double runningSeconds = 0.0;
    for (Conversion& conversion : running) {
        const QString text = QString::fromLatin1(conversion.process->readAllStandardOutput());
        const qsizetype at = text.lastIndexOf(ProgressMarker);
        if (at >= 0) {
            bool ok = false;
            conversion.seconds = text.mid(at + ProgressMarker.size()).trimmed().toDouble(&ok);
            if (!ok)
                conversion.seconds = 0;
        }
        // A duration estimate a little short of the real length must not count twice once the
        // clip is done and its whole length is added.
        const double length = conversion.clip.duration;
        runningSeconds += length > 0 ? std::min(conversion.seconds, length) : 0.0;
    }
    // Clips of unknown length (duration 0) would otherwise give a division by zero.
    if (totalSeconds > 0)
        percent = std::clamp((runningSeconds + doneSeconds) / totalSeconds * 100.0, 0.0, 100.0);
    return percent;
}

void Convert2Mp3Progress::cancelConversion()
{
    cancelled = true;
    pendingClips.clear();
    pendingOutputs.clear();
    endRunning();
    emit killProcess();
}

// Asked to end first: where the file system has no nameless files, the converter writes under a
// temporary name and removes it when it is told to stop; killed only when it does not.
void Convert2Mp3Progress::endRunning()
{
    const QList<Conversion> ending = std::exchange(running, {});
    for (const Conversion& conversion : ending) {
        conversion.process->disconnect(this);
        conversion.process->terminate();
    }
    for (const Conversion& conversion : ending) {
        QProcess* process = conversion.process;
        if (process->state() != QProcess::NotRunning && !process->waitForFinished(EndingMs)) {
            process->kill();
            process->waitForFinished(3000);
        }
        process->deleteLater();
    }
}
