#pragma once

#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

// One clip of the music strip: which file, what the media-information tool said of it, which part
// is used and the fade and loop flags.
struct AudioInfo
{
    QString filePath;
    qint32 channels = 0;
    qint32 sampleRate = 0;
    qint32 bitsPerSample = 16;
    double duration = 0.0;
    double startPoint = 0.0;
    double endPoint = 0.0;
    qint32 fadeIn = 0;
    qint32 fadeOut = 0;
    qint32 loop = 1;
    QString codecName;

    double clipLength() const { return endPoint - startPoint; }
    // True unless the clip already is a 44100 Hz "mp3" (exact, case-sensitive comparison).
    bool needsConversion() const;
    // Workspace music folder + complete base name of filePath + ".mp3".
    QString convertedFilePath() const;
    qint64 startMs() const { return static_cast<qint64>(startPoint * 1000); }
    qint64 endMs() const { return static_cast<qint64>(endPoint * 1000); }
};

Q_DECLARE_METATYPE(AudioInfo)

// The file in the workspace music folder that holds each clip once converted or copied, in list
// order: the source's complete base name + ".mp3", numbered "(1)", "(2)", ... where an earlier
// clip from another source already holds that name (compared ignoring case, since a published
// folder may travel to a system that ignores it). Clips of the same source share one file.
QStringList musicCopyPaths(const QList<AudioInfo>& clips);
