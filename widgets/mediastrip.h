#pragma once

#include <QListWidget>
#include <QPersistentModelIndex>
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
// A drag of the strip's own items carries item keys: serial numbers the strip gives each item
// when it is added. A drop turns a key back into a row only when an item of this strip holds it
// now; anything else in a payload refuses the whole drop.
class MediaStrip : public QListWidget
{
    Q_OBJECT
public:
    // Reads `files` into `strip` (the import dialog, modal) and tells whether anything was added.
    using ImportRunner =
        std::function<bool(bool photoMode, QWidget* strip, const QStringList& files)>;
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
    // Adds copies of the records at `rows` (in that order) at the insertion row and announces it.
    // With `moving`, the drag takes the originals away once it has ended: the copies replace
    // them; otherwise (Control) both stay.
    virtual void dropCopies(const QList<int>& rows, bool moving) = 0;
    // Imports `files` at the insertion row through the import dialog and announces the result.
    virtual void dropFiles(const QStringList& files) = 0;
    // Called at the end of every accepted drop with the row under the pointer.
    virtual void dropDone(int dropRow) { Q_UNUSED(dropRow); }
    // Called once a drag of this strip has ended; `dragged` are the items it carried.
    virtual void dragEnded(Qt::DropAction action, const QList<QPersistentModelIndex>& dragged) = 0;
    // Runs the import dialog on `files`; true when at least one record was added.
    bool runImport(const QStringList& files);
    // Removes the dragged items that still exist; returns their rows, highest first.
    QList<int> takeDragged(const QList<QPersistentModelIndex>& dragged);

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

    int insertRow = 0;

private:
    bool fromThisStrip(const QDropEvent* event) const;
    QList<int> sortedSelectedRows() const;

    const bool photoMode;
    const QString payloadFormat;
    QPoint pressPos;
    qint64 nextKey = 1;
    // The drag this strip is running, so a drop can tell its own payload from anyone else's.
    QDrag* runningDrag = nullptr;
    ImportRunner importRunner;
    DragRunner dragRunner;
};
