#include "audio/core/audioreader.h"

#include "common/childprocess.h"
#include "common/fileerror.h"
#include "common/logfile.h"
#include "platform/velfc/core/velpref.h"

#include <QDir>
#include <QDomDocument>
#include <QDomElement>
#include <QDomNamedNodeMap>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>

#include <cerrno>

namespace {

const QString ToolName = QStringLiteral("velminfo");

int storedFlag(const char* key, bool defaultValue)
{
    return VelPref::instance()->value(QLatin1String(key), defaultValue).toBool() ? 1 : 0;
}

bool isUnknownDuration(const QString& text)
{
    return text == QLatin1String("N/A") || text == QLatin1String("00:00:00.00");
}

} // namespace

bool AudioReader::readAudioInfo(AudioInfo& info)
{
    return readAudioInfo(info, nullptr);
}

bool AudioReader::readAudioInfo(AudioInfo& info, QString* reason)
{
    const auto refuse = [reason](const QString& text) {
        if (reason)
            *reason = text;
        return false;
    };
    info.fadeIn = storedFlag(PrefKey::IsFadeIn, PrefDefault::IsFadeIn);
    info.fadeOut = storedFlag(PrefKey::IsFadeOut, PrefDefault::IsFadeOut);
    info.loop = storedFlag(PrefKey::IsLoop, PrefDefault::IsLoop);

    // A pipe or a device named like music would keep the tool waiting for data until its time
    // runs out; only plain files (or links to them) can hold a clip. A missing file is the
    // tool's to report.
    const QFileInfo file(info.filePath);
    if (file.isDir())
        return refuse(FileError::reading(EISDIR, info.filePath));
    if (file.exists() && !file.isFile())
        return refuse(tr("%1 is not a plain file.").arg(QDir::toNativeSeparators(info.filePath)));
    // An argument list, never a shell: the path reaches the tool exactly as stored.
    QProcess process;
    endWithParent(process);
    process.start(ToolName, {QStringLiteral("-i"), info.filePath}, QIODevice::ReadWrite);
    QString xml;
    if (process.waitForFinished(ToolTimeoutMs)) {
        xml = extractXml(process);
    } else if (process.state() != QProcess::NotRunning) {
        process.kill(); // too slow: give up on this file
        process.waitForFinished(1000);
        return refuse(tr("%1 could not be examined within %2 seconds.")
                          .arg(QDir::toNativeSeparators(info.filePath))
                          .arg(ToolTimeoutMs / 1000));
    } else if (process.error() == QProcess::FailedToStart) {
        return refuse(tr("The media information tool %1 could not be started.").arg(ToolName));
    }
    if (timeStringFromXml(xml, info))
        return true;
    // The tool says no more than that it found no music; the file itself may be the matter.
    QFile opened(info.filePath);
    errno = 0;
    if (!opened.open(QIODevice::ReadOnly))
        return refuse(FileError::reading(errno ? errno : ENOENT, info.filePath));
    return refuse(tr("Not music that can be read."));
}

QString AudioReader::extractXml(QProcess& process)
{
    return extractXml(process.readAllStandardError());
}

QString AudioReader::extractXml(const QByteArray& errorOutput)
{
    const QStringList lines = QString::fromUtf8(errorOutput).split(QLatin1Char('\n'));
    bool collecting = false;
    int counter = 0;
    QString result;
    for (QString line : lines) {
        if (line.startsWith(QLatin1String("<?xml version="))) {
            counter = 0;
            collecting = true;
        } else {
            if (++counter == MaxReportLines) {
                result.clear();
                break;
            }
            if (!collecting)
                continue;
            if (line.startsWith(QLatin1String("</media>"))) {
                line = QStringLiteral("</media>");
                collecting = false;
            }
        }
        result += line + QLatin1Char('\n');
    }
    return result;
}

bool AudioReader::timeStringFromXml(const QString& xml, AudioInfo& info)
{
    QDomDocument document;
    if (xml.isEmpty() || !document.setContent(xml, false))
        return false;

    const QDomElement root = document.documentElement();
    QDomElement stream = root.firstChildElement(QStringLiteral("stream"));
    QString durationText;
    bool result = false;
    AudioInfo read = info; // `info` changes only when the file is accepted
    while (!stream.isNull() && durationText.isEmpty()) {
        const QDomNamedNodeMap attributes = stream.attributes();
        const auto attribute = [&attributes](const char* name) {
            return attributes.namedItem(QLatin1String(name)).nodeValue();
        };
        if (!attributes.contains(QStringLiteral("type")) ||
            attribute("type") != QLatin1String("audio"))
            break; // a file whose first stream is not audio is not music
        read.bitsPerSample = 16;
        read.startPoint = 0.0;
        durationText = attribute("duration");
        read.codecName = attribute("codec_name");
        read.channels = attribute("channels").toInt();
        read.sampleRate = attribute("sample_rate").toInt();

        if (isUnknownDuration(durationText)) {
            if (root.tagName() == QLatin1String("media")) {
                if (root.hasAttribute(QStringLiteral("duration")))
                    durationText = root.attribute(QStringLiteral("duration"));
            } else {
                LUMARO_LOG("");
            }
        }
        read.duration = parseTimeText(durationText) / 1000.0;
        read.endPoint = read.duration;
        result = true;
        stream = stream.nextSiblingElement(QStringLiteral("stream"));
    }
    // Sound without a rate or channels cannot be played (random bytes named .mp3 were reported
    // like that): not music, whatever else the report says.
    if (!result || read.channels <= 0 || read.sampleRate <= 0)
        return false;
    info = read;
    return true;
}

double AudioReader::parseTimeText(const QString& text)
{
    QStringList pieces = text.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (pieces.size() != 3)
        return 0;
    if (pieces[2].contains(QLatin1Char('.'))) {
        const QStringList parts = pieces[2].split(QLatin1Char('.'), Qt::SkipEmptyParts);
        pieces[2] = parts.value(0);
        QString fraction = parts.value(1);
        while (fraction.size() <= 2)
            fraction += QLatin1Char('0');
        // A fraction finer than milliseconds is cut to them: taken whole, "07.1234" would read
        // as 1234 ms and lengthen the clip by a second.
        fraction.truncate(3);
        pieces << fraction;
    }
    // Summed as doubles: a duration past 596 hours must not come out negative, and pieces of
    // twenty digits from a damaged report must not overflow the sum (exact up to 2^53 ms).
    const double hours = static_cast<double>(pieces[0].toLongLong());
    const double minutes = static_cast<double>(pieces[1].toLongLong());
    const double seconds = static_cast<double>(pieces[2].toLongLong());
    const double millis = static_cast<double>(pieces.value(3).toLongLong());
    return ((hours * 60 + minutes) * 60 + seconds) * 1000 + millis;
}
