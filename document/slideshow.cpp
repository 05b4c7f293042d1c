#include "document/slideshow.h"

#include "document/slideshowedit.h"
#include "flashkit/core/kitentries.h"
#include "photos/core/photooperation.h"

#include <QFileInfo>
#include <QUndoStack>

Slideshow::Slideshow(QObject* parent) : QObject(parent), undo(new QUndoStack(this))
{
    connect(undo, &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit modifiedChanged(!clean); });
}

Slideshow::~Slideshow() = default;

int Slideshow::rowOfPhoto(const QUuid& id) const
{
    for (int row = 0; row < photoList.size(); ++row)
        if (photoList.at(row).id == id)
            return row;
    return -1;
}

QList<FlashKitPhoto> Slideshow::photoEntries() const
{
    return photoEntriesFor(photoList);
}

QList<FlashKitAudio> Slideshow::musicEntries() const
{
    return musicEntriesFor(clipList);
}

namespace {
QString failureOf(const ImageInfo& photo, const QString& reason)
{
    return QFileInfo(photo.path).fileName() + QStringLiteral(" (") + reason + QLatin1Char(')');
}
} // namespace

void Slideshow::addPhotos(int row, const QList<ImageInfo>& photos)
{
    if (photos.isEmpty())
        return;
    SlideshowEdit(this).insertPhotos(row, photos);
    emit changed();
}

void Slideshow::addClips(int row, const QList<AudioInfo>& clips)
{
    if (clips.isEmpty())
        return;
    SlideshowEdit(this).insertClips(row, clips);
    emit changed();
}

void Slideshow::removePhotos(const QList<int>& rows)
{
    if (SlideshowEdit(this).takePhotos(rows).isEmpty())
        return;
    emit changed();
}

void Slideshow::removeClips(const QList<int>& rows)
{
    if (SlideshowEdit(this).takeClips(rows).isEmpty())
        return;
    emit changed();
}

namespace {
int insertRowAfterTaking(const QList<int>& sortedRows, int insertRow, int size)
{
    if (insertRow < 0 || insertRow > size)
        insertRow = size;
    int before = 0;
    for (const int row : sortedRows)
        if (row < insertRow)
            ++before;
    return insertRow - before;
}
} // namespace

void Slideshow::movePhotos(const QList<int>& rows, int insertRow)
{
    const QList<int> sorted = SlideshowEdit::checkedRows(rows, photoList.size());
    if (sorted.isEmpty())
        return;
    const int at = insertRowAfterTaking(sorted, insertRow, photoList.size());
    SlideshowEdit edit(this);
    edit.insertPhotos(at, edit.takePhotos(sorted));
    emit changed();
}

void Slideshow::moveClips(const QList<int>& rows, int insertRow)
{
    const QList<int> sorted = SlideshowEdit::checkedRows(rows, clipList.size());
    if (sorted.isEmpty())
        return;
    const int at = insertRowAfterTaking(sorted, insertRow, clipList.size());
    SlideshowEdit edit(this);
    edit.insertClips(at, edit.takeClips(sorted));
    emit changed();
}

void Slideshow::copyPhotos(const QList<int>& rows, int insertRow, QStringList* failures)
{
    QList<ImageInfo> copies;
    for (const int row : rows) {
        if (row < 0 || row >= photoList.size())
            return;
    }
    for (const int row : rows) {
        ImageInfo copy;
        const PhotoFileResult made = duplicatePhoto(photoList.at(row), copy);
        if (made)
            copies << copy;
        else if (failures)
            *failures << failureOf(photoList.at(row), made.error);
    }
    addPhotos(insertRow, copies);
}

void Slideshow::copyClips(const QList<int>& rows, int insertRow)
{
    QList<AudioInfo> copies;
    for (const int row : rows) {
        if (row < 0 || row >= clipList.size())
            return;
        copies << clipList.at(row);
    }
    addClips(insertRow, copies);
}

void Slideshow::applyOperation(const QList<int>& rows, int code, QStringList* failures)
{
    const QList<int> sorted = SlideshowEdit::checkedRows(rows, photoList.size());
    if (sorted.isEmpty())
        return;
    SlideshowEdit edit(this);
    for (const int row : sorted) {
        ImageInfo photo = photoList.at(row);
        photo.operations.prepend(code);
        edit.replacePhoto(row, photo);
        const PhotoFileResult done = applyPhotoOperation(photo);
        if (!done && failures)
            *failures << failureOf(photo, done.error);
    }
    emit changed();
}

void Slideshow::restorePhotos(const QList<int>& rows, QStringList* failures)
{
    const QList<int> sorted = SlideshowEdit::checkedRows(rows, photoList.size());
    if (sorted.isEmpty())
        return;
    SlideshowEdit edit(this);
    for (const int row : sorted) {
        ImageInfo photo = photoList.at(row);
        photo.operations.clear();
        photo.bakedOperations = 0;
        edit.replacePhoto(row, photo);
        const PhotoFileResult done = applyPhotoOperation(photo);
        if (!done && failures)
            *failures << failureOf(photo, done.error);
    }
    emit changed();
}

void Slideshow::setTemplate(const QString& name, const QString& moviePath)
{
    if (name == templName && moviePath == templMoviePath)
        return;
    SlideshowEdit(this).setTemplate(name, moviePath);
    emit changed();
}

void Slideshow::editMusic(const QList<AudioInfo>& clips, const MusicOptions& musicOptions)
{
    SlideshowEdit edit(this);
    edit.resetClips(clips);
    edit.setMusicOptions(musicOptions);
    emit changed();
}

void Slideshow::setPublishSettings(const PublishSettings& settings)
{
    if (settings == publishing)
        return;
    SlideshowEdit(this).setPublishSettings(settings);
    emit changed();
}

void Slideshow::clear()
{
    undo->clear();
    SlideshowEdit edit(this);
    edit.resetPhotos({});
    edit.resetClips({});
    emit changed();
    setSaved();
}

void Slideshow::workspaceMoved()
{
    // The entries are worked out from the workspace folder when asked for; the views only need
    // to know that the files moved.
    emit changed();
}

bool Slideshow::isModified() const
{
    return !undo->isClean();
}

void Slideshow::setSaved()
{
    undo->setClean();
}
