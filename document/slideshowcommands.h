#pragma once

#include "document/slideshow.h"

#include <QList>
#include <QString>
#include <QStringList>

class QUndoCommand;

// The document's undo steps. Each is built from SlideshowEdit changes so that its undo is the
// exact inverse of its redo, announces the change once it is complete, and is handed to the
// document's QUndoStack, which runs its first redo. Rows are valid, sorted and without repeats.
//
// Working files: a photo's files are rewritten from its record alone (rebuildWorkingFiles), so
// undoing an orientation step gives back the very pixels it replaced. The files of a photo that
// is out of the document while a step can still bring it back (deleted, or an import or copy
// undone) stay while a step holds it; they go with the last such step if the photo is still out
// then.
namespace SlideshowCommands {

// `photos` (with their working files already made) go in at `row`, which is within the list or
// its end.
QUndoCommand* insertPhotos(Slideshow* show, int row, const QList<ImageInfo>& photos,
                           const QString& text);
QUndoCommand* insertClips(Slideshow* show, int row, const QList<AudioInfo>& clips,
                          const QString& text);
QUndoCommand* removePhotos(Slideshow* show, const QList<int>& rows, const QString& text);
QUndoCommand* removeClips(Slideshow* show, const QList<int>& rows, const QString& text);
// The items at `rows` go, together, to `row` of the list without them.
QUndoCommand* movePhotos(Slideshow* show, const QList<int>& rows, int row, const QString& text);
QUndoCommand* moveClips(Slideshow* show, const QList<int>& rows, int row, const QString& text);
// The photos at `rows` become `records` and their working files are made again from the
// backups. Files that cannot be written are named in `failures` on the first redo (and in the
// diagnostic log on later ones); the records change all the same.
QUndoCommand* changePhotos(Slideshow* show, const QList<int>& rows, const QList<ImageInfo>& records,
                           const QString& text, QStringList* failures);
QUndoCommand* setTemplate(Slideshow* show, const QString& name, const QString& moviePath,
                          const QString& text);
QUndoCommand* editMusic(Slideshow* show, const QList<AudioInfo>& clips,
                        const Slideshow::MusicOptions& options, const QString& text);

// "name (reason)" for a photo whose files could not be made.
QString failureOf(const ImageInfo& photo, const QString& reason);
// True when the two lists hold the same clips with the same settings.
bool sameClips(const QList<AudioInfo>& a, const QList<AudioInfo>& b);

} // namespace SlideshowCommands
