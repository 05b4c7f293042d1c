#pragma once

#include "document/slideshow.h"

// The document's lists changed in place, each change announced with its signals. The requests of
// Slideshow and the undo steps are made of these; nothing else calls them.
class SlideshowEdit
{
public:
    explicit SlideshowEdit(Slideshow* show) : show(show) {}

    void insertPhotos(int row, const QList<ImageInfo>& photos);
    // Takes the photos at `rows` (any order, no repeats) out and returns them in list order.
    QList<ImageInfo> takePhotos(const QList<int>& rows);
    void replacePhoto(int row, const ImageInfo& photo);
    void resetPhotos(const QList<ImageInfo>& photos);
    void insertClips(int row, const QList<AudioInfo>& clips);
    QList<AudioInfo> takeClips(const QList<int>& rows);
    void resetClips(const QList<AudioInfo>& clips);
    void setTemplate(const QString& name, const QString& moviePath);
    void setMusicOptions(const Slideshow::MusicOptions& options);
    void setPublishSettings(const Slideshow::PublishSettings& settings);

    // Rows that are all inside a list of `size` items, none twice, none at all: sorted ascending.
    static QList<int> checkedRows(const QList<int>& rows, int size);

private:
    Slideshow* show;
};
