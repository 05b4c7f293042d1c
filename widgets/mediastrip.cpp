#include "widgets/mediastrip.h"

#include "common/strippayload.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QSet>

#include <algorithm>

namespace {
constexpr int KeyRole = Qt::UserRole + 1;

MediaStrip::ImportRunner& sharedImportRunner()
{
    static MediaStrip::ImportRunner runner;
    return runner;
}
} // namespace

MediaStrip::MediaStrip(bool photoMode, const QString& payloadFormat, QWidget* parent)
    : QListWidget(parent), photoMode(photoMode), payloadFormat(payloadFormat)
{
    setDropIndicatorShown(true);
    dragRunner = [](QDrag* drag) { return drag->exec(Qt::CopyAction | Qt::MoveAction); };
}

void MediaStrip::setDefaultImportRunner(const ImportRunner& runner)
{
    sharedImportRunner() = runner;
}

MediaStrip::ImportRunner MediaStrip::defaultImportRunner()
{
    return sharedImportRunner();
}

int MediaStrip::contentWidth() const
{
    if (count() == 0)
        return 0;
    return visualItemRect(item(count() - 1)).right() + horizontalScrollBar()->value();
}

QRect MediaStrip::hintRect() const
{
    const QString text = hintText();
    const int width = std::max(240, fontMetrics().horizontalAdvance(text));
    const int left =
        count() > 0 ? visualItemRect(item(count() - 1)).right() + 4 : 4 - horizontalOffset();
    return QRect(spacing() + left, 3, width, viewport()->height() - 7);
}

void MediaStrip::tagItem(QListWidgetItem* item)
{
    item->setData(KeyRole, nextKey++);
}

std::optional<QList<int>> MediaStrip::rowsOfPayload(const QByteArray& payload) const
{
    const std::optional<QList<qint64>> keys = decodeStripPayload(payload);
    if (!keys)
        return std::nullopt;
    QHash<qint64, int> rowOfKey;
    for (int row = 0; row < count(); ++row)
        rowOfKey.insert(item(row)->data(KeyRole).toLongLong(), row);
    QList<int> rows;
    QSet<int> seen;
    for (const qint64 key : *keys) {
        const auto found = rowOfKey.constFind(key);
        if (found == rowOfKey.constEnd() || seen.contains(found.value()))
            return std::nullopt;
        seen.insert(found.value());
        rows.append(found.value());
    }
    return rows;
}

MediaStrip::Imported MediaStrip::runImport(const QStringList& files)
{
    const ImportRunner runner = importRunner ? importRunner : sharedImportRunner();
    if (!runner)
        return {};
    return runner(photoMode, this, files);
}

void MediaStrip::selectRows(int first, int count)
{
    if (count <= 0 || first < 0 || first + count > this->count())
        return;
    const QItemSelection range(model()->index(first, 0), model()->index(first + count - 1, 0));
    selectionModel()->select(range, QItemSelectionModel::ClearAndSelect);
    selectionModel()->setCurrentIndex(model()->index(first, 0), QItemSelectionModel::NoUpdate);
    scrollToItem(item(first));
}

QList<int> MediaStrip::sortedSelectedRows() const
{
    QList<int> rows;
    const QModelIndexList indexes = selectionModel()->selectedIndexes();
    for (const QModelIndex& index : indexes)
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

bool MediaStrip::isStripKey(const QKeyEvent* event) const
{
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    switch (event->key()) {
    case Qt::Key_Delete:
        return modifiers == Qt::NoModifier;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_C:
    case Qt::Key_V:
        return modifiers == Qt::ControlModifier;
    default:
        return false;
    }
}

bool MediaStrip::event(QEvent* event)
{
    // The window's own Delete shortcut must not take the key from the strip that has the focus.
    if (event->type() == QEvent::ShortcutOverride && isStripKey(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QListWidget::event(event);
}

void MediaStrip::focusInEvent(QFocusEvent* event)
{
    QListWidget::focusInEvent(event); // makes the first item current when none is
    const Qt::FocusReason reason = event->reason();
    const bool byKeyboard = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                            reason == Qt::ShortcutFocusReason;
    if (byKeyboard && currentIndex().isValid() && !selectionModel()->hasSelection())
        selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect);
}

void MediaStrip::keyPressEvent(QKeyEvent* event)
{
    if (!isStripKey(event)) {
        QListWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    switch (event->key()) {
    case Qt::Key_Delete:
        if (!selectedItems().isEmpty())
            deleteSelection();
        break;
    case Qt::Key_Left:
        moveSelection(-1);
        break;
    case Qt::Key_Right:
        moveSelection(1);
        break;
    case Qt::Key_C:
        copySelection();
        break;
    case Qt::Key_V:
        pasteCopies();
        break;
    }
}

// One place to the left or right, as one step of the slideshow's history, like a drag-move; at
// the strip's end nothing moves.
void MediaStrip::moveSelection(int step)
{
    const QList<int> rows = sortedSelectedRows();
    if (rows.isEmpty())
        return;
    if (step < 0 && rows.first() == 0)
        return;
    if (step > 0 && rows.last() == count() - 1)
        return;
    // The rows are counted as they stand before the move.
    insertRow = step < 0 ? rows.first() - 1 : std::min(rows.last() + 2, count());
    dropCopies(rows, true);
    insertRow = count();
}

void MediaStrip::copySelection()
{
    const QList<int> rows = sortedSelectedRows();
    if (rows.isEmpty())
        return;
    copiedKeys.clear();
    for (const int row : rows)
        copiedKeys.append(item(row)->data(KeyRole).toLongLong());
}

void MediaStrip::pasteCopies()
{
    // Items deleted since the copy are no longer there to copy.
    QList<int> rows;
    for (const qint64 key : std::as_const(copiedKeys)) {
        for (int row = 0; row < count(); ++row) {
            if (item(row)->data(KeyRole).toLongLong() == key)
                rows.append(row);
        }
    }
    if (rows.isEmpty())
        return;
    insertRow = currentRow() < 0 ? count() : currentRow() + 1;
    dropCopies(rows, false);
    insertRow = count();
}

void MediaStrip::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        pressPos = event->position().toPoint();
    QListWidget::mousePressEvent(event);
}

void MediaStrip::mouseMoveEvent(QMouseEvent* event)
{
    // The list's own move handling (rubber band, its own drag) is not used.
    if (!(event->buttons() & Qt::LeftButton))
        return;
    if ((event->position().toPoint() - pressPos).manhattanLength() <=
        QApplication::startDragDistance())
        return;
    const QList<int> rows = sortedSelectedRows();
    if (rows.isEmpty())
        return;

    QList<qint64> keys;
    for (const int row : rows)
        keys.append(item(row)->data(KeyRole).toLongLong());
    auto* mime = new QMimeData;
    mime->setData(payloadFormat, encodeStripPayload(keys));
    QPointer<QDrag> drag = new QDrag(this);
    drag->setMimeData(mime);
    runningDrag = drag;
    // The drop itself asked the slideshow for the move or the copy; whatever else took the
    // drag has nothing to take away from this strip.
    dragRunner(drag);
    runningDrag = nullptr;
    delete drag.data();
}

void MediaStrip::paintEvent(QPaintEvent* event)
{
    QListWidget::paintEvent(event);
    // The dashed box after the last item shows where dropped files go; it uses the skin's text
    // colour so that it reads on light and dark strips alike.
    QPainter painter(viewport());
    painter.save();
    const QRect box = hintRect();
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, hintText());
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DashLine));
    painter.drawRect(box);
    painter.restore();
}

bool MediaStrip::fromThisStrip(const QDropEvent* event) const
{
    // Inside one process the drop carries the very data object of the drag that made it.
    return runningDrag && (event->mimeData() == runningDrag->mimeData() || event->source() == this);
}

void MediaStrip::dragEnterEvent(QDragEnterEvent* event)
{
    const QMimeData* data = event->mimeData();
    if (data->hasUrls()) {
        if (!filesOf(data->urls()).isEmpty())
            event->acceptProposedAction();
        else
            event->ignore();
        return;
    }
    // Another strip's or another program's payload names items this strip does not hold.
    if (data->hasFormat(payloadFormat) && fromThisStrip(event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void MediaStrip::dragMoveEvent(QDragMoveEvent* event)
{
    QListWidget::dragMoveEvent(event); // scrolls along at the edges
    QListWidgetItem* over = itemAt(event->position().toPoint());
    if (over && over->isSelected())
        event->ignore();
    else
        event->accept();
}

void MediaStrip::dropEvent(QDropEvent* event)
{
    stopAutoScroll();
    const QMimeData* data = event->mimeData();
    QListWidgetItem* over = itemAt(event->position().toPoint());
    insertRow = over ? row(over) : count();
    Qt::DropAction action = Qt::CopyAction;

    if (fromThisStrip(event)) {
        action = (event->modifiers() & Qt::ControlModifier) ? Qt::CopyAction : Qt::MoveAction;
        if (!data->hasFormat(payloadFormat)) {
            event->ignore();
            insertRow = count();
            return;
        }
        if (!selectedItems().isEmpty())
            insertRow = std::min(insertRow + 1, count());
        const std::optional<QList<int>> rows = rowsOfPayload(data->data(payloadFormat));
        if (!rows) {
            event->ignore();
            insertRow = count();
            return;
        }
        dropCopies(*rows, action == Qt::MoveAction);
    } else if (data->hasUrls()) {
        const QStringList files = filesOf(data->urls());
        if (files.isEmpty()) {
            event->ignore();
            insertRow = count();
            return;
        }
        dropFiles(files);
    } else {
        event->ignore();
        insertRow = count();
        return;
    }
    event->setDropAction(action);
    event->accept();
    insertRow = count();
}
