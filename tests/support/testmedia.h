#pragma once

// Test media made with the ffmpeg command line: a sine tone in each audio kind the program
// imports and FFmpeg can write here, plus a photo and a short video.
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <cstring>

namespace TestMedia {

struct Kind
{
    const char* extension;
    const char* encoder;
    const char* muxer; // nullptr: chosen from the extension
    const char* codecName;
    int channels;
    int sampleRate;
};

// Rates and channel counts differ per kind so that a reader returning fixed values is caught.
inline const QList<Kind>& audioKinds()
{
    static const QList<Kind> kinds = {
        {"mp3", "libmp3lame", nullptr, "mp3", 2, 44100},
        {"ogg", "libvorbis", nullptr, "vorbis", 1, 22050},
        {"wav", "pcm_s16le", nullptr, "pcm_s16le", 2, 48000},
        {"flac", "flac", nullptr, "flac", 1, 44100},
        {"m4a", "aac", nullptr, "aac", 2, 32000},
        {"aac", "aac", "adts", "aac", 2, 44100},
        {"wma", "wmav2", nullptr, "wmav2", 2, 44100},
        {"ac3", "ac3", nullptr, "ac3", 2, 48000},
        {"aiff", "pcm_s16be", nullptr, "pcm_s16be", 1, 16000},
        {"aif", "pcm_s16be", "aiff", "pcm_s16be", 2, 44100},
        {"au", "pcm_s16be", nullptr, "pcm_s16be", 2, 8000},
        {"mp2", "mp2", nullptr, "mp2", 2, 48000},
        {"mpa", "mp2", "mp2", "mp2", 1, 44100},
        {"opus", "libopus", nullptr, "opus", 2, 48000},
        {"oga", "libvorbis", "ogg", "vorbis", 2, 44100},
        {"m4b", "aac", "ipod", "aac", 1, 24000},
    };
    return kinds;
}

// The kind written for files ending in `extension`.
inline const Kind& kind(const char* extension)
{
    for (const Kind& k : audioKinds())
        if (std::strcmp(k.extension, extension) == 0)
            return k;
    return audioKinds().first();
}

inline bool runFfmpeg(const QStringList& arguments)
{
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", QStringList{"-v", "error", "-y"} + arguments);
    return ffmpeg.waitForFinished(120000) && ffmpeg.exitStatus() == QProcess::NormalExit &&
           ffmpeg.exitCode() == 0;
}

// A 440 Hz tone of `seconds` in the given kind at `path`.
inline bool makeTone(const QString& path, const Kind& kind, double seconds)
{
    const QString sine =
        QString("sine=frequency=440:sample_rate=%1:duration=%2").arg(kind.sampleRate).arg(seconds);
    QStringList args{"-f",   "lavfi",     "-i", sine, "-ac", QString::number(kind.channels),
                     "-c:a", kind.encoder};
    if (kind.muxer)
        args << "-f" << kind.muxer;
    return runFfmpeg(args << path);
}

inline bool makeWav(const QString& path, double seconds)
{
    return makeTone(path, Kind{"wav", "pcm_s16le", nullptr, "pcm_s16le", 2, 44100}, seconds);
}

inline bool makePhoto(const QString& path)
{
    return runFfmpeg({"-f", "lavfi", "-i", "testsrc=size=64x48", "-frames:v", "1", path});
}

// A video whose first stream is the picture and second the sound.
inline bool makeVideo(const QString& path)
{
    return runFfmpeg({"-f", "lavfi", "-i", "testsrc=size=64x48:duration=2", "-f", "lavfi", "-i",
                      "sine=duration=2", "-c:v", "mpeg4", "-c:a", "aac", "-shortest", path});
}

} // namespace TestMedia
