#pragma once

#include "common/audioinfo.h"
#include "common/imageinfo.h"

#include <QListWidget>
#include <QPoint>
#include <QStringList>

#include <functional>
#include <optional>

class QDrag;
class QMimeData;

// What the photo strip and the music strip share: a one-row list whose items the user drags to
// reorder (Control copies), onto which files and folders are dropped from outside, and which
// draws a dashed "drop here" box after its last item.
//
// From the keyboard: Tab into a strip selects its current item when nothing is selected, so the
// commands have something to work on; the arrows move the current item (Shift extends the
// selection), Delete deletes, Control with Left or Right moves the selected items one place,
// Control+C and Control+V copy them as a Control-drag does (the copies go in after the current
// item).
//
// A drag of the strip's own items carries item keys: serial numbers the strip gives each item
// when it is added. A drop turns a key back into a row only when an item of this strip holds it
// now; anything else in a payload refuses the whole drop.
class MediaStrip : public QListWidget
{
    Q_OBJECT
public:
    // What an import read, in file order: photos in photo mode, clips otherwise.
    struct Imported
    {
        QList<ImageInfo> photos;
        QList<AudioInfo> clips;
        bool isEmpty() const { return photos.isEmpty() && clips.isEmpty(); }
    };
    // Reads `files` (the import dialog, modal over `parent`) and returns the records it read;
    // whoever runs it adds them to the slideshow.
    using ImportRunner =
        std::function<Imported(bool photoMode, QWidget* parent, const QStringList& files)>;
    // Runs a drag the strip has prepared and returns how it ended.
    using DragRunner = std::function<Qt::DropAction(QDrag* drag)>;

    // The import dialog every strip uses unless it was given its own; the application sets it.
    static void setDefaultImportRunner(const ImportRunner& runner);
    static ImportRunner defaultImportRunner();
    void setImportRunner(const ImportRunner& runner) { importRunner = runner; }
    void setDragRunner(const DragRunner& runner) { dragRunner = runner; }

    // 0 when empty, else the right edge of the last item plus the horizontal offset.
    int contentWidth() const;
    // Where the drop hint box is drawn, in viewport coordinates.
    QRect hintRect() const;

protected:
    MediaStrip(bool photoMode, const QString& payloadFormat, QWidget* parent);

    // Gives a freshly inserted item its key.
    void tagItem(QListWidgetItem* item);
    // The rows the payload names, in payload order; nothing when any key is unknown or repeated.
    std::optional<QList<int>> rowsOfPayload(const QByteArray& payload) const;
    // The files a drop of `urls` would import, folders searched.
    virtual QStringList filesOf(const QList<QUrl>& urls) const = 0;
    virtual QString hintText() const = 0;
    // A drag of this strip's items at `rows` (in that order) dropped at the insertion row: with
    // `moving` they go there, otherwise (Control) copies of them do.
    virtual void dropCopies(const QList<int>& rows, bool moving) = 0;
    // Imports `files` at the insertion row through the import dialog.
    virtual void dropFiles(const QStringList& files) = 0;
    // Removes the selected items.
    virtual void deleteSelection() = 0;
    // Runs the import dialog on `files`; the records it read.
    Imported runImport(const QStringList& files);
    // The selected rows, ascending.
    QList<int> sortedSelectedRows() const;
    // Selects rows first .. first + count - 1 alone and makes the first of them current.
    void selectRows(int first, int count);

    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

    int insertRow = 0;

private:
    bool fromThisStrip(const QDropEvent* event) const;
    // The strip's own key commands; false for keys the list handles itself.
    bool isStripKey(const QKeyEvent* event) const;
    void moveSelection(int step);
    void copySelection();
    void pasteCopies();

    const bool photoMode;
    const QString payloadFormat;
    QPoint pressPos;
    qint64 nextKey = 1;
    // The drag this strip is running, so a drop can tell its own payload from anyone else's.
    QDrag* runningDrag = nullptr;
    // The keys Control+C took; a paste copies those of them the strip still holds.
    QList<qint64> copiedKeys;
    ImportRunner importRunner;
    DragRunner dragRunner;
};
