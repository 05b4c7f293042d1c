#pragma once

#include <QList>
#include <QString>
#include <QVector>

// The all-text records a template kit receives. Numbers are decimal text.
struct FlashKitPhoto
{
    QString size;     // filled by the kit
    QString path;     // working copy; replaced by the re-encoded copy when publishing
    QString fileName; // filled by the kit
    // The photo's original file and every turn the working copy shows (ImageInfo::operations):
    // a publish larger than the working copies makes its photos from these. Empty for samples.
    QString original;
    QVector<qint32> operations;
};

struct FlashKitAudio
{
    QString size;
    QString path; // workspace music folder + base name + ".mp3"
    QString fileName;
    QString fadeIn;    // "1" or "0"
    QString fadeOut;   // "1" or "0"
    QString loop;      // "1" or "0"
    QString time;      // whole duration, ms, QString::number(ms, 'g', 6)
    QString startTime; // ms
    QString endTime;   // ms
};
