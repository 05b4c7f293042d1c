#include "videojobfile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

long long VideoJobFile::frameCount() const
{
    return std::llround(photos.size() * secondsPerPhoto * fps);
}

double VideoJobFile::musicSeconds() const
{
    double total = 0;
    for (const Clip& clip : clips)
        total += std::max(0.0, clip.end - clip.start);
    return total;
}

bool readVideoJob(const QString& path, VideoJobFile& job, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    QJsonParseError parseError;
    const QJsonObject o = QJsonDocument::fromJson(file.readAll(), &parseError).object();
    if (parseError.error != QJsonParseError::NoError) {
        error = QStringLiteral("%1 is no job: %2").arg(path, parseError.errorString());
        return false;
    }
    job.width = o.value("width").toInt(job.width);
    job.height = o.value("height").toInt(job.height);
    job.fps = o.value("fps").toInt(job.fps);
    job.secondsPerPhoto = o.value("secondsPerPhoto").toDouble(job.secondsPerPhoto);
    job.crossfade = o.value("crossfade").toDouble(job.crossfade);
    for (const QJsonValue& photo : o.value("photos").toArray())
        job.photos << photo.toString();
    for (const QJsonValue& value : o.value("clips").toArray()) {
        const QJsonObject c = value.toObject();
        job.clips.append(
            {c.value("path").toString(), c.value("start").toDouble(), c.value("end").toDouble()});
    }
    job.fadeIn = o.value("fadeIn").toBool();
    job.fadeOut = o.value("fadeOut").toBool();
    job.fadeInSeconds = o.value("fadeInSeconds").toDouble(job.fadeInSeconds);
    job.fadeOutSeconds = o.value("fadeOutSeconds").toDouble(job.fadeOutSeconds);
    job.loop = o.value("loop").toBool();
    job.endFadeSeconds = o.value("endFadeSeconds").toDouble(job.endFadeSeconds);
    job.crf = o.value("crf").toInt(job.crf);
    job.preset = o.value("preset").toString(job.preset);
    job.output = o.value("output").toString();
    // x264 needs even sizes for 4:2:0; the rest keeps the arithmetic sane.
    if (job.width < 16 || job.height < 16 || job.width > 7680 || job.height > 4320 ||
        job.width % 2 || job.height % 2)
        error = QStringLiteral("unusable frame size %1x%2").arg(job.width).arg(job.height);
    else if (job.fps < 1 || job.fps > 120)
        error = QStringLiteral("unusable frame rate %1").arg(job.fps);
    else if (!(job.secondsPerPhoto > 0) || job.secondsPerPhoto > 3600)
        error = QStringLiteral("unusable time per photo %1").arg(job.secondsPerPhoto);
    else if (job.photos.isEmpty())
        error = QStringLiteral("no photos");
    else if (job.output.isEmpty())
        error = QStringLiteral("no output");
    job.crossfade = std::clamp(job.crossfade, 0.0, job.secondsPerPhoto / 2);
    return error.isEmpty();
}
