#include "flashkit/core/kitentries.h"

#include "common/workspace.h"

QString kitMilliseconds(double seconds)
{
    return QString::number(seconds * 1000, 'g', 6);
}

QList<FlashKitPhoto> photoEntriesFor(const QList<ImageInfo>& photos)
{
    QList<FlashKitPhoto> entries;
    entries.reserve(photos.size());
    for (const ImageInfo& photo : photos) {
        FlashKitPhoto entry;
        entry.path = workingCopyPath(photo);
        entry.original = photo.path;
        entry.operations = photo.operations;
        entries << entry;
    }
    return entries;
}

QList<FlashKitAudio> musicEntriesFor(const QList<AudioInfo>& clips)
{
    QList<FlashKitAudio> entries;
    entries.reserve(clips.size());
    const QStringList paths = musicCopyPaths(clips);
    for (int i = 0; i < clips.size(); ++i) {
        const AudioInfo& clip = clips.at(i);
        FlashKitAudio entry;
        entry.path = paths.at(i);
        entry.fadeIn = QString::number(clip.fadeIn);
        entry.fadeOut = QString::number(clip.fadeOut);
        entry.loop = QString::number(clip.loop);
        entry.time = kitMilliseconds(clip.duration);
        entry.startTime = kitMilliseconds(clip.startPoint);
        entry.endTime = kitMilliseconds(clip.endPoint);
        entries << entry;
    }
    return entries;
}
