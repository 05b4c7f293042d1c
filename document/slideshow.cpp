#include "document/slideshow.h"

#include "document/slideshowcommands.h"
#include "document/slideshowedit.h"
#include "flashkit/core/kitentries.h"
#include "photos/core/photooperation.h"

#include <QSignalBlocker>
#include <QUndoStack>

Slideshow::Slideshow(QObject* parent) : QObject(parent), undo(new QUndoStack(this))
{
    connect(undo, &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit modifiedChanged(!clean); });
}

Slideshow::~Slideshow()
{
    // The steps go first, while the lists still tell which photos they may take the files of.
    undo->blockSignals(true);
    delete undo;
}

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

void Slideshow::addPhotos(int row, const QList<ImageInfo>& photos)
{
    if (photos.isEmpty())
        return;
    const int at = row < 0 || row > photoList.size() ? int(photoList.size()) : row;
    undo->push(SlideshowCommands::insertPhotos(
        this, at, photos, tr("Import %n Photo(s)", nullptr, int(photos.size()))));
}

void Slideshow::addClips(int row, const QList<AudioInfo>& clips)
{
    if (clips.isEmpty())
        return;
    const int at = row < 0 || row > clipList.size() ? int(clipList.size()) : row;
    undo->push(SlideshowCommands::insertClips(
        this, at, clips, tr("Import %n Audio File(s)", nullptr, int(clips.size()))));
}

void Slideshow::removePhotos(const QList<int>& rows)
{
    const QList<int> sorted = SlideshowEdit::checkedRows(rows, photoList.size());
    if (sorted.isEmpty())
        return;
    undo->push(SlideshowCommands::removePhotos(
        this, sorted, tr("Delete %n Photo(s)", nullptr, int(sorted.size()))));
}

void Slideshow::removeClips(const QList<int>& rows)
{
    const QList<int> sorted = SlideshowEdit::checkedRows(rows, clipList.size());
    if (sorted.isEmpty())
        return;
    undo->push(SlideshowCommands::removeClips(
        this, sorted, tr("Delete %n Audio File(s)", nullptr, int(sorted.size()))));
}

namespace {
// Where the moved items start in the list once they are back in: `insertRow` counted without
// them. -1 when that is where they stand already (one run of neighbours put back in place).
int movedRow(const QList<int>& sortedRows, int insertRow, int size)
{
    if (insertRow < 0 || insertRow > size)
        insertRow = size;
    int before = 0;
    for (const int row : sortedRows)
        if (row < insertRow)
            ++before;
    const int at = insertRow - before;
    const bool oneRun = sortedRows.last() - sortedRows.first() == sortedRows.size() - 1;
    return oneRun && at == sortedRows.first() ? -1 : at;
}
} // namespace

void Slideshow::movePhotos(const QList<int>& rows, int insertRow)
{
    const QList<int> sorted = SlideshowEdit::checkedRows(rows, photoList.size());
    if (sorted.isEmpty())
        return;
    const int at = movedRow(sorted, insertRow, photoList.size());
    if (at < 0)
        return;
    undo->push(SlideshowCommands::movePhotos(this, sorted, at,
                                             tr("Move %n Photo(s)", nullptr, int(sorted.size()))));
}

void Slideshow::moveClips(const QList<int>& rows, int insertRow)
{
    const QList<int> sorted = SlideshowEdit::checkedRows(rows, clipList.size());
    if (sorted.isEmpty())
        return;
    const int at = movedRow(sorted, insertRow, clipList.size());
    if (at < 0)
        return;
    undo->push(SlideshowCommands::moveClips(
        this, sorted, at, tr("Move %n Audio File(s)", nullptr, int(sorted.size()))));
}

void Slideshow::copyPhotos(const QList<int>& rows, int insertRow, QStringList* failures)
{
    for (const int row : rows) {
        if (row < 0 || row >= photoList.size())
            return;
    }
    QList<ImageInfo> copies;
    for (const int row : rows) {
        ImageInfo copy;
        const PhotoFileResult made = duplicatePhoto(photoList.at(row), copy);
        if (made)
            copies << copy;
        else if (failures)
            *failures << SlideshowCommands::failureOf(photoList.at(row), made.reason());
    }
    if (copies.isEmpty())
        return;
    const int at =
        insertRow < 0 || insertRow > photoList.size() ? int(photoList.size()) : insertRow;
    // The step owns the copies' files from here: they go when it is dropped undone.
    undo->push(SlideshowCommands::insertPhotos(
        this, at, copies, tr("Copy %n Photo(s)", nullptr, int(copies.size()))));
}

void Slideshow::copyClips(const QList<int>& rows, int insertRow)
{
    QList<AudioInfo> copies;
    for (const int row : rows) {
        if (row < 0 || row >= clipList.size())
            return;
        copies << clipList.at(row);
    }
    if (copies.isEmpty())
        return;
    const int at = insertRow < 0 || insertRow > clipList.size() ? int(clipList.size()) : insertRow;
    undo->push(SlideshowCommands::insertClips(
        this, at, copies, tr("Copy %n Audio File(s)", nullptr, int(copies.size()))));
}

void Slideshow::applyOperation(const QList<int>& rows, int code, QStringList* failures)
{
    const QList<int> sorted = SlideshowEdit::checkedRows(rows, photoList.size());
    if (sorted.isEmpty())
        return;
    const int n = int(sorted.size());
    QString text;
    switch (code) {
    case TurnLeft:
        text = tr("Turn %n Photo(s) Left", nullptr, n);
        break;
    case TurnRight:
        text = tr("Turn %n Photo(s) Right", nullptr, n);
        break;
    case Mirror:
        text = tr("Mirror %n Photo(s)", nullptr, n);
        break;
    case Flip:
        text = tr("Flip %n Photo(s)", nullptr, n);
        break;
    default:
        return; // no orientation operation
    }
    QList<ImageInfo> records;
    for (const int row : sorted) {
        records << photoList.at(row);
        records.last().operations.prepend(code);
    }
    undo->push(SlideshowCommands::changePhotos(this, sorted, records, text, failures));
}

void Slideshow::restorePhotos(const QList<int>& rows, QStringList* failures)
{
    QList<int> changing;
    QList<ImageInfo> records;
    for (const int row : SlideshowEdit::checkedRows(rows, photoList.size())) {
        ImageInfo photo = photoList.at(row);
        if (photo.operations.isEmpty() && photo.bakedOperations == 0)
            continue; // already as imported
        photo.operations.clear();
        photo.bakedOperations = 0;
        changing << row;
        records << photo;
    }
    if (changing.isEmpty())
        return;
    undo->push(SlideshowCommands::changePhotos(
        this, changing, records, tr("Restore %n Photo(s)", nullptr, int(changing.size())),
        failures));
}

void Slideshow::setTemplate(const QString& name, const QString& moviePath)
{
    if (name == templName && moviePath == templMoviePath)
        return;
    undo->push(
        SlideshowCommands::setTemplate(this, name, moviePath, tr("Choose Template %1").arg(name)));
}

void Slideshow::editMusic(const QList<AudioInfo>& clips, const MusicOptions& musicOptions)
{
    if (musicOptions == options && SlideshowCommands::sameClips(clips, clipList))
        return;
    undo->push(SlideshowCommands::editMusic(this, clips, musicOptions, tr("Edit Audio")));
}

void Slideshow::setPublishSettings(const PublishSettings& settings)
{
    if (settings == publishing)
        return;
    // Not a step: undoing would not take back what was published with them, and the user's
    // last edit should stay the one Undo names. The document still has to be saved again, and
    // no undoing brings it back to what was saved.
    SlideshowEdit(this).setPublishSettings(settings);
    undo->resetClean();
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
    // The move carries the files of the photos in the lists only: a step bringing back a deleted
    // photo, or an undone import or copy, would find none, so the history goes. The document
    // still differs from what was saved when it did before (no flicker of modifiedChanged).
    {
        const QSignalBlocker quiet(this);
        const bool modified = isModified();
        undo->clear();
        if (modified)
            undo->resetClean();
    }
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
