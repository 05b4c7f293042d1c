#include "document/slideshowedit.h"

#include <algorithm>

QList<int> SlideshowEdit::checkedRows(const QList<int>& rows, int size)
{
    QList<int> sorted = rows;
    std::sort(sorted.begin(), sorted.end());
    if (sorted.isEmpty() || sorted.first() < 0 || sorted.last() >= size ||
        std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end())
        return {};
    return sorted;
}

namespace {
// Removes `sorted` rows from `list` highest first, calling `removed(first, count)` once per run of
// neighbouring rows so that views drop whole runs.
template <typename T, typename Removed>
QList<T> takeRows(QList<T>& list, const QList<int>& sorted, Removed removed)
{
    QList<T> taken;
    taken.reserve(sorted.size());
    for (const int row : sorted)
        taken << list.at(row);
    int end = sorted.size();
    while (end > 0) {
        int begin = end - 1;
        while (begin > 0 && sorted.at(begin - 1) == sorted.at(begin) - 1)
            --begin;
        const int first = sorted.at(begin);
        const int count = end - begin;
        list.remove(first, count);
        removed(first, count);
        end = begin;
    }
    return taken;
}
} // namespace

void SlideshowEdit::insertPhotos(int row, const QList<ImageInfo>& photos)
{
    if (photos.isEmpty())
        return;
    const int at = row < 0 ? show->photoList.size() : std::min<int>(row, show->photoList.size());
    for (int i = 0; i < photos.size(); ++i)
        show->photoList.insert(at + i, photos.at(i));
    emit show->photosInserted(at, photos.size());
}

QList<ImageInfo> SlideshowEdit::takePhotos(const QList<int>& rows)
{
    const QList<int> sorted = checkedRows(rows, show->photoList.size());
    return takeRows(show->photoList, sorted,
                    [this](int first, int count) { emit show->photosRemoved(first, count); });
}

void SlideshowEdit::replacePhoto(int row, const ImageInfo& photo)
{
    if (row < 0 || row >= show->photoList.size())
        return;
    show->photoList[row] = photo;
    emit show->photoChanged(row);
}

void SlideshowEdit::resetPhotos(const QList<ImageInfo>& photos)
{
    show->photoList = photos;
    emit show->photosReset();
}

void SlideshowEdit::insertClips(int row, const QList<AudioInfo>& clips)
{
    if (clips.isEmpty())
        return;
    const int at = row < 0 ? show->clipList.size() : std::min<int>(row, show->clipList.size());
    for (int i = 0; i < clips.size(); ++i)
        show->clipList.insert(at + i, clips.at(i));
    emit show->clipsInserted(at, clips.size());
}

QList<AudioInfo> SlideshowEdit::takeClips(const QList<int>& rows)
{
    const QList<int> sorted = checkedRows(rows, show->clipList.size());
    return takeRows(show->clipList, sorted,
                    [this](int first, int count) { emit show->clipsRemoved(first, count); });
}

void SlideshowEdit::resetClips(const QList<AudioInfo>& clips)
{
    show->clipList = clips;
    emit show->clipsReset();
}

void SlideshowEdit::setTemplate(const QString& name, const QString& moviePath)
{
    if (show->templName == name && show->templMoviePath == moviePath)
        return;
    show->templName = name;
    show->templMoviePath = moviePath;
    emit show->templateChanged();
}

void SlideshowEdit::setMusicOptions(const Slideshow::MusicOptions& options)
{
    if (show->options == options)
        return;
    show->options = options;
    emit show->musicOptionsChanged();
}

void SlideshowEdit::setPublishSettings(const Slideshow::PublishSettings& settings)
{
    if (show->publishing == settings)
        return;
    show->publishing = settings;
    emit show->publishSettingsChanged();
}
