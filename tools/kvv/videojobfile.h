#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// What kvv is asked to make, read from a JSON file:
//   {"width": 1920, "height": 1080, "fps": 30, "secondsPerPhoto": 4, "crossfade": 0.7,
//    "photos": ["a.jpg", ...], "clips": [{"path": "x.mp3", "start": 0, "end": 10}, ...],
//    "fadeIn": true, "fadeOut": true, "fadeInSeconds": 5, "fadeOutSeconds": 8, "loop": true,
//    "endFadeSeconds": 2, "crf": 20, "preset": "veryfast", "output": "show.mp4"}
struct VideoJobFile
{
    struct Clip
    {
        QString path;
        double start = 0;
        double end = 0;
    };
    int width = 1920;
    int height = 1080;
    int fps = 30;
    double secondsPerPhoto = 4;
    double crossfade = 0.7;
    QStringList photos;
    QVector<Clip> clips;
    bool fadeIn = false;
    bool fadeOut = false;
    double fadeInSeconds = 5;
    double fadeOutSeconds = 8;
    bool loop = false;
    double endFadeSeconds = 2;
    int crf = 20;
    QString preset = QStringLiteral("veryfast");
    QString output;

    // The whole video, in frames and seconds: every photo its share, the crossfades overlapping
    // the neighbours' time.
    long long frameCount() const;
    double seconds() const { return frameCount() / double(fps); }
    // The music's length once through.
    double musicSeconds() const;
};

// False with `error` set when the file cannot be read or asks for something kvv cannot make.
bool readVideoJob(const QString& path, VideoJobFile& job, QString& error);
