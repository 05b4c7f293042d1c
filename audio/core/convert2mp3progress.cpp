#include "audio/core/convert2mp3progress.h"

#include "common/childprocess.h"
#include "common/fileerror.h"
#include "common/logfile.h"
#include "common/workspace.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {
const QString ConverterName = QStringLiteral("kvt");
const QLatin1String ProgressMarker("|Time>>>");
} // namespace

Convert2Mp3Progress::Convert2Mp3Progress(QObject* parent, const QList<AudioInfo>& clips,
                                         const QStringList& outputs)
    : QObject(parent), pendingClips(clips), process(std::make_unique<QProcess>())
{
    for (int i = 0; i < clips.size(); ++i) {
        totalSeconds += clips.at(i).duration;
        pendingOutputs << (i < outputs.size() && !outputs.at(i).isEmpty()
                               ? outputs.at(i)
                               : musicCopyPath(clips.at(i).filePath));
    }
    endWithParent(*process);
    connect(process.get(), &QProcess::finished, this, &Convert2Mp3Progress::slotContinueConverting);
    connect(process.get(), &QProcess::errorOccurred, this, &Convert2Mp3Progress::onProcessError);
}

Convert2Mp3Progress::~Convert2Mp3Progress()
{
    // A converter still running is ended with us; its end must not reach a half-destroyed object.
    process->disconnect(this);
    if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished(3000);
    }
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
    if (pendingClips.isEmpty())
        return;
    currentClip = pendingClips.takeFirst();
    currentOutput = pendingOutputs.takeFirst();
    // The music folder may not exist yet on the first publish of a session.
    QDir().mkpath(QFileInfo(currentOutput).absolutePath());
    process->start(ConverterName, converterArguments(currentClip.filePath, currentOutput),
                   QIODevice::ReadWrite);
}

void Convert2Mp3Progress::onProcessError(QProcess::ProcessError error)
{
    // A converter that never started sends no finished(); end its step here, or the chain (and
    // whoever waits for it) would stop for good. Later from the event loop, not inside start().
    if (error != QProcess::FailedToStart)
        return;
    LUMARO_LOG(qUtf8Printable(process->errorString()));
    if (failure.isEmpty())
        failure = tr("The music converter %1 could not be started, so %2 could not be converted "
                     "to MP3.")
                      .arg(ConverterName, QDir::toNativeSeparators(currentClip.filePath));
    QMetaObject::invokeMethod(
        this, [this] { slotContinueConverting(-1, QProcess::CrashExit); }, Qt::QueuedConnection);
}

void Convert2Mp3Progress::slotContinueConverting(int exitCode, QProcess::ExitStatus exitStatus)
{
    if (exitCode != 0 && exitStatus == QProcess::NormalExit) {
        const QByteArray message = process->readAllStandardError().trimmed();
        LUMARO_LOG(message.constData());
        if (failure.isEmpty())
            failure = describeFailure(message);
    } else if (exitStatus != QProcess::NormalExit && !cancelled && failure.isEmpty()) {
        failure = describeFailure(QByteArray()); // ended by a signal: no reason of its own
    }
    doneSeconds += currentClip.duration;
    // Converting the rest is wasted once one clip is lost: the slideshow cannot be made.
    if (!failure.isEmpty())
        pendingClips.clear();
    if (pendingClips.isEmpty()) {
        percent = 0;
        if (!cancelled)
            emit convertFinished();
        return;
    }
    if (!cancelled)
        convertNext();
}

// The converter ends its message with "kvt-failure: <side> <number>": which side failed and the
// system's error number behind it, worded here for the user.
QString Convert2Mp3Progress::describeFailure(const QByteArray& converterErrors) const
{
    static const QRegularExpression line(
        QStringLiteral("kvt-failure: (input|output|other) (\\d+)"));
    const QRegularExpressionMatch match = line.match(QString::fromLocal8Bit(converterErrors));
    const QString side = match.captured(1);
    const int number = match.captured(2).toInt();
    const QString source = QDir::toNativeSeparators(currentClip.filePath);
    if (side == QLatin1String("input") && number != 0)
        return FileError::reading(number, currentClip.filePath);
    if (side == QLatin1String("input"))
        return tr("%1 holds no sound that can be converted to MP3.").arg(source);
    if (side == QLatin1String("output"))
        return tr("%1 could not be converted to MP3: %2")
            .arg(source, FileError::writing(number, currentOutput));
    return tr("%1 could not be converted to MP3.").arg(source);
}

double Convert2Mp3Progress::conversionPercent()
{
    if (!process->isOpen()) // nothing started yet
        return percent;
    const QString text = QString::fromLatin1(process->readAllStandardOutput());
    const qsizetype at = text.lastIndexOf(ProgressMarker);
    if (at < 0)
        return percent;
    bool ok = false;
    double seconds = text.mid(at + ProgressMarker.size()).trimmed().toDouble(&ok);
    if (!ok)
        seconds = 0;
    // Clips of unknown length (duration 0) would otherwise give a division by zero, and duration
    // estimates a little short of the real length would push the bar past its end.
    if (totalSeconds > 0)
        percent = std::clamp((seconds + doneSeconds) / totalSeconds * 100.0, 0.0, 100.0);
    return percent;
}

void Convert2Mp3Progress::cancelConversion()
{
    cancelled = true;
    process->kill();
    emit killProcess();
}
