#include "document/slideshowcommands.h"

#include "common/logfile.h"
#include "common/workspace.h"
#include "document/slideshowedit.h"
#include "photos/core/photooperation.h"

#include <QFile>
#include <QFileInfo>
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
// The two lists seen alike, so that one step class serves both.
struct Photos
{
    using Item = ImageInfo;
    static void insert(SlideshowEdit& edit, int row, const QList<Item>& items)
    {
        edit.insertPhotos(row, items);
    }
    static QList<Item> take(SlideshowEdit& edit, const QList<int>& rows)
    {
        return edit.takePhotos(rows);
    }
    // The working files of the photos that are out of the document, which no step can bring
    // back once the one holding them is gone.
    static void release(const Slideshow* show, const QList<Item>& items)
    {
        for (const ImageInfo& photo : items) {
            if (show->rowOfPhoto(photo.id) >= 0)
                continue;
            for (const QString& path : {workingCopyPath(photo), backupCopyPath(photo),
                                        thumbnailPath(photo), backupThumbnailPath(photo)})
                QFile::remove(path);
        }
    }
};

struct Clips
{
    using Item = AudioInfo;
    static void insert(SlideshowEdit& edit, int row, const QList<Item>& items)
    {
        edit.insertClips(row, items);
    }
    static QList<Item> take(SlideshowEdit& edit, const QList<int>& rows)
    {
        return edit.takeClips(rows);
    }
    // The music copies are shared by clips of the same source and made again when publishing.
    static void release(const Slideshow*, const QList<Item>&) {}
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
        : Step(show, text), row(row), items(items)
    {
    }
    ~InsertStep() override { List::release(show, items); }
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
};

template <typename List> class RemoveStep : public Step
{
public:
    RemoveStep(Slideshow* show, const QList<int>& rows, const QString& text)
        : Step(show, text), rows(rows)
    {
    }
    ~RemoveStep() override { List::release(show, items); }
    void redo() override
    {
        SlideshowEdit edit(show);
        items = List::take(edit, rows);
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
                *failures << SlideshowCommands::failureOf(photo, done.error);
            else if (!done)
                LUMARO_LOG_FAILURE("ChangePhotosStep::apply", qPrintable(done.error));
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
