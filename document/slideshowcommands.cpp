#include "document/slideshowcommands.h"

#include "common/logfile.h"
#include "common/workspace.h"
#include "document/slideshowedit.h"
#include "photos/core/photooperation.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QUndoCommand>

namespace SlideshowCommands {

QString failureOf(const ImageInfo& photo, const QString& reason)
{
    return QFileInfo(photo.path).fileName() + QStringLiteral(" (") + reason + QLatin1Char(')');
}

bool sameClips(const QList<AudioInfo>& a, const QList<AudioInfo>& b)
{
    return std::equal(
        a.cbegin(), a.cend(), b.cbegin(), b.cend(), [](const AudioInfo& x, const AudioInfo& y) {
            return x.filePath == y.filePath && x.channels == y.channels &&
                   x.sampleRate == y.sampleRate && x.bitsPerSample == y.bitsPerSample &&
                   x.duration == y.duration && x.startPoint == y.startPoint &&
                   x.endPoint == y.endPoint && x.fadeIn == y.fadeIn && x.fadeOut == y.fadeOut &&
                   x.loop == y.loop && x.codecName == y.codecName;
        });
}

} // namespace SlideshowCommands

namespace {
// The records of photos a step can bring back into the document, and their working files. A
// photo may be held by several steps at once (deleted, the delete undone, deleted again): the
// files go with the last of them, and only when the photo is out of the document then.
class HeldPhotos
{
public:
    explicit HeldPhotos(const Slideshow* show) : show(show) {}
    HeldPhotos(const HeldPhotos&) = delete;
    HeldPhotos& operator=(const HeldPhotos&) = delete;
    ~HeldPhotos()
    {
        for (const ImageInfo& photo : std::as_const(photos)) {
            // Ids are made afresh for every import and copy, so one count serves all documents.
            if (--holders()[photo.id] > 0)
                continue;
            holders().remove(photo.id);
            if (show->rowOfPhoto(photo.id) >= 0)
                continue;
            for (const QString& path : {workingCopyPath(photo), backupCopyPath(photo),
                                        thumbnailPath(photo), backupThumbnailPath(photo)})
                QFile::remove(path);
        }
    }
    // Once: the same step holds the same photos each time it is done again.
    void hold(const QList<ImageInfo>& held)
    {
        if (!photos.isEmpty())
            return;
        photos = held;
        for (const ImageInfo& photo : held)
            ++holders()[photo.id];
    }

private:
    static QHash<QUuid, int>& holders()
    {
        static QHash<QUuid, int> counts;
        return counts;
    }

    const Slideshow* show;
    QList<ImageInfo> photos;
};

// The music copies are shared by clips of the same source and made again when publishing: the
// clip steps hold no files.
struct HeldClips
{
    explicit HeldClips(const Slideshow*) {}
    void hold(const QList<AudioInfo>&) {}
};

// The two lists seen alike, so that one step class serves both.
struct Photos
{
    using Item = ImageInfo;
    using Held = HeldPhotos;
    static void insert(SlideshowEdit& edit, int row, const QList<Item>& items)
    {
        edit.insertPhotos(row, items);
    }
    static QList<Item> take(SlideshowEdit& edit, const QList<int>& rows)
    {
        return edit.takePhotos(rows);
    }
};

struct Clips
{
    using Item = AudioInfo;
    using Held = HeldClips;
    static void insert(SlideshowEdit& edit, int row, const QList<Item>& items)
    {
        edit.insertClips(row, items);
    }
    static QList<Item> take(SlideshowEdit& edit, const QList<int>& rows)
    {
        return edit.takeClips(rows);
    }
};

QList<int> span(int first, int count)
{
    QList<int> rows;
    for (int i = 0; i < count; ++i)
        rows << first + i;
    return rows;
}

// Puts `items` back at `rows` (ascending), each run of neighbouring rows in one insertion: the
// exact inverse of taking them.
template <typename List>
void insertAtRows(SlideshowEdit& edit, const QList<int>& rows,
                  const QList<typename List::Item>& items)
{
    qsizetype begin = 0;
    while (begin < rows.size()) {
        qsizetype end = begin + 1;
        while (end < rows.size() && rows.at(end) == rows.at(end - 1) + 1)
            ++end;
        List::insert(edit, rows.at(begin), items.mid(begin, end - begin));
        begin = end;
    }
}

class Step : public QUndoCommand
{
public:
    Step(Slideshow* show, const QString& text) : QUndoCommand(text), show(show) {}

protected:
    Slideshow* show;
};

template <typename List> class InsertStep : public Step
{
public:
    InsertStep(Slideshow* show, int row, const QList<typename List::Item>& items,
               const QString& text)
        : Step(show, text), row(row), items(items), held(show)
    {
        held.hold(items);
    }
    void redo() override
    {
        SlideshowEdit edit(show);
        List::insert(edit, row, items);
        emit show->changed();
    }
    void undo() override
    {
        SlideshowEdit edit(show);
        List::take(edit, span(row, int(items.size())));
        emit show->changed();
    }

private:
    int row;
    QList<typename List::Item> items;
    typename List::Held held;
};

template <typename List> class RemoveStep : public Step
{
public:
    RemoveStep(Slideshow* show, const QList<int>& rows, const QString& text)
        : Step(show, text), rows(rows), held(show)
    {
    }
    void redo() override
    {
        SlideshowEdit edit(show);
        items = List::take(edit, rows);
        held.hold(items);
        emit show->changed();
    }
    void undo() override
    {
        SlideshowEdit edit(show);
        insertAtRows<List>(edit, rows, items);
        emit show->changed();
    }

private:
    QList<int> rows;
    QList<typename List::Item> items; // taken by the last redo
    typename List::Held held;
};

template <typename List> class MoveStep : public Step
{
public:
    MoveStep(Slideshow* show, const QList<int>& rows, int row, const QString& text)
        : Step(show, text), rows(rows), row(row)
    {
    }
    void redo() override
    {
        SlideshowEdit edit(show);
        List::insert(edit, row, List::take(edit, rows));
        emit show->changed();
    }
    void undo() override
    {
        SlideshowEdit edit(show);
        insertAtRows<List>(edit, rows, List::take(edit, span(row, int(rows.size()))));
        emit show->changed();
    }

private:
    QList<int> rows;
    int row;
};

class ChangePhotosStep : public Step
{
public:
    ChangePhotosStep(Slideshow* show, const QList<int>& rows, const QList<ImageInfo>& records,
                     const QString& text, QStringList* failures)
        : Step(show, text), rows(rows), after(records), failures(failures)
    {
        for (const int row : rows)
            before << show->photos().at(row);
    }
    void redo() override { apply(after); }
    void undo() override { apply(before); }

private:
    // The files first, so that a view redrawing on the record's signal finds them written.
    void apply(const QList<ImageInfo>& records)
    {
        SlideshowEdit edit(show);
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const ImageInfo& photo = records.at(i);
            const PhotoFileResult done = rebuildWorkingFiles(photo);
            if (!done && failures)
                *failures << SlideshowCommands::failureOf(photo, done.reason());
            else if (!done)
                LUMARO_LOG(qPrintable(done.reason()));
            edit.replacePhoto(rows.at(i), photo);
        }
        failures = nullptr; // the request's list lives only as long as the request
        emit show->changed();
    }

    QList<int> rows;
    QList<ImageInfo> before;
    QList<ImageInfo> after;
    QStringList* failures;
};

class TemplateStep : public Step
{
public:
    TemplateStep(Slideshow* show, const QString& name, const QString& moviePath,
                 const QString& text)
        : Step(show, text), name{show->templateName(), name}, moviePath{show->templateMoviePath(),
                                                                        moviePath}
    {
    }
    void redo() override { apply(1); }
    void undo() override { apply(0); }

private:
    void apply(int which)
    {
        SlideshowEdit(show).setTemplate(name[which], moviePath[which]);
        emit show->changed();
    }

    QString name[2]; // before, after
    QString moviePath[2];
};

class MusicStep : public Step
{
public:
    MusicStep(Slideshow* show, const QList<AudioInfo>& clips,
              const Slideshow::MusicOptions& options, const QString& text)
        : Step(show, text), clips{show->clips(), clips}, options{show->musicOptions(), options}
    {
    }
    void redo() override { apply(1); }
    void undo() override { apply(0); }

private:
    void apply(int which)
    {
        SlideshowEdit edit(show);
        edit.resetClips(clips[which]);
        edit.setMusicOptions(options[which]);
        emit show->changed();
    }

    QList<AudioInfo> clips[2]; // before, after
    Slideshow::MusicOptions options[2];
};
} // namespace

namespace SlideshowCommands {

QUndoCommand* insertPhotos(Slideshow* show, int row, const QList<ImageInfo>& photos,
                           const QString& text)
{
    return new InsertStep<Photos>(show, row, photos, text);
}

QUndoCommand* insertClips(Slideshow* show, int row, const QList<AudioInfo>& clips,
                          const QString& text)
{
    return new InsertStep<Clips>(show, row, clips, text);
}

QUndoCommand* removePhotos(Slideshow* show, const QList<int>& rows, const QString& text)
{
    return new RemoveStep<Photos>(show, rows, text);
}

QUndoCommand* removeClips(Slideshow* show, const QList<int>& rows, const QString& text)
{
    return new RemoveStep<Clips>(show, rows, text);
}

QUndoCommand* movePhotos(Slideshow* show, const QList<int>& rows, int row, const QString& text)
{
    return new MoveStep<Photos>(show, rows, row, text);
}

QUndoCommand* moveClips(Slideshow* show, const QList<int>& rows, int row, const QString& text)
{
    return new MoveStep<Clips>(show, rows, row, text);
}

QUndoCommand* changePhotos(Slideshow* show, const QList<int>& rows, const QList<ImageInfo>& records,
                           const QString& text, QStringList* failures)
{
    return new ChangePhotosStep(show, rows, records, text, failures);
}

QUndoCommand* setTemplate(Slideshow* show, const QString& name, const QString& moviePath,
                          const QString& text)
{
    return new TemplateStep(show, name, moviePath, text);
}

QUndoCommand* editMusic(Slideshow* show, const QList<AudioInfo>& clips,
                        const Slideshow::MusicOptions& options, const QString& text)
{
    return new MusicStep(show, clips, options, text);
}

} // namespace SlideshowCommands
