#include "photos/photolistwidget.h"

#include "common/mediaformats.h"
#include "common/workspace.h"
#include "photos/core/photooperation.h"
#include "platform/velfc/velmessagebox.h"

#include <QContextMenuEvent>
#include <QFileInfo>
#include <QMenu>

#include <algorithm>

namespace {
bool near(qreal value, qreal wanted)
{
    return qAbs(value - wanted) < 0.0001;
}
} // namespace

PhotoListWidget::PhotoListWidget(QWidget* parent)
    : MediaStrip(true, QStringLiteral("ImageList"), parent)
{
    setIconSize(QSize(80, 60));
    contextMenu = new QMenu(this);
    deleteAction = contextMenu->addAction(QString());
    clearAction = contextMenu->addAction(QString());
    contextMenu->addSeparator();
    selectAllAction = contextMenu->addAction(QString());
    contextMenu->addSeparator();
    turnLeftAction = contextMenu->addAction(QString());
    turnRightAction = contextMenu->addAction(QString());
    mirrorAction = contextMenu->addAction(QString());
    flipAction = contextMenu->addAction(QString());
    retranslateMenu();
    connect(contextMenu, &QMenu::triggered, this, &PhotoListWidget::slotContextMenuTriggered);
}

void PhotoListWidget::retranslateMenu()
{
    deleteAction->setText(tr("Delete"));
    clearAction->setText(tr("Clear"));
    selectAllAction->setText(tr("Select All"));
    turnLeftAction->setText(tr("Turn Left"));
    turnRightAction->setText(tr("Turn Right"));
    mirrorAction->setText(tr("Mirror"));
    flipAction->setText(tr("Flip"));
}

void PhotoListWidget::addPhoto(const ImageInfo& info)
{
    const int row = qBound(0, insertRow, static_cast<int>(records.size()));
    records.insert(row, info);
    auto* item = new QListWidgetItem;
    item->setSizeHint(QSize(88, 66));
    tagItem(item);
    insertItem(row, item);
    insertRow = row + 1;
    updateItem(row);
}

void PhotoListWidget::notifyChanged()
{
    insertRow = count();
    emit photoListChanged(records);
}

void PhotoListWidget::clearPhotos()
{
    clear();
    records.clear();
    insertRow = 0;
}

void PhotoListWidget::clearFromMenu()
{
    clearPhotos();
    emit photoListChanged(records);
}

void PhotoListWidget::deleteSelected()
{
    const QList<QListWidgetItem*> chosen = selectedItems();
    int lowest = chosen.isEmpty() ? -1 : row(chosen.first());
    for (QListWidgetItem* each : chosen) {
        const int at = row(each);
        if (at < 0)
            continue;
        lowest = std::min(lowest, at);
        records.removeAt(at);
        delete takeItem(at);
    }
    insertRow = count();
    emit photoListChanged(records);
    if (lowest >= count() - 1)
        lowest = count() - 1;
    if (lowest >= 0)
        scrollToItem(item(lowest));
    setCurrentRow(lowest);
}

void PhotoListWidget::applyOperation(int code)
{
    processed = selectionModel()->selectedIndexes();
    for (const QModelIndex& index : std::as_const(processed)) {
        records[index.row()].operations.prepend(code);
        updateItem(index.row());
    }
    emit photoListProcessed(records);
}

void PhotoListWidget::restoreSelected()
{
    processed = selectionModel()->selectedIndexes();
    for (const QModelIndex& index : std::as_const(processed)) {
        records[index.row()].operations.clear();
        updateItem(index.row());
    }
    emit photoListProcessed(records);
}

void PhotoListWidget::retranslate()
{
    retranslateMenu();
    for (int row = 0; row < count(); ++row)
        updateItem(row);
}

QImage PhotoListWidget::iconOf(const ImageInfo& info)
{
    // A quarter-turned photo shows the pre-rendered turned preview, which fills the landscape
    // cell, rather than a turned landscape thumbnail.
    const QTransform t = info.transform();
    const bool straight = near(t.m12(), 0) && near(t.m21(), 0);
    if (straight) {
        const bool mirrorX = near(t.m11(), -1);
        const bool mirrorY = near(t.m22(), -1);
        return info.thumbnail.mirrored(mirrorX, mirrorY);
    }
    // m12 = 1, m21 = -1 is the quarter turn clockwise that rotatedThumbnail already shows.
    if (near(t.m12(), 1) && near(t.m21(), -1))
        return info.rotatedThumbnail;
    if (near(t.m12(), -1) && near(t.m21(), 1))
        return info.rotatedThumbnail.mirrored(true, true);
    if (near(t.m12(), 1) && near(t.m21(), 1))
        return info.rotatedThumbnail.mirrored(true, false);
    return info.rotatedThumbnail.mirrored(false, true);
}

QString PhotoListWidget::toolTipOf(const ImageInfo& info)
{
    const QString name = QFileInfo(info.path).fileName().toHtmlEscaped();
    return QStringLiteral("<nobr>") + tr("Name") + QStringLiteral(":&nbsp;<b>") + name +
           QStringLiteral("</b><nobr/><br /><nobr>") + tr("Depth") + QStringLiteral(":&nbsp;<b>") +
           QString::number(info.depth) + tr("Bits") + QStringLiteral("</b><nobr/>");
}

void PhotoListWidget::updateItem(int row)
{
    QListWidgetItem* it = item(row);
    const ImageInfo& info = records.at(row);
    it->setData(Qt::DecorationRole, iconOf(info));
    it->setToolTip(toolTipOf(info));
}

void PhotoListWidget::contextMenuEvent(QContextMenuEvent* event)
{
    const bool selected = !selectedItems().isEmpty();
    for (QAction* action :
         {deleteAction, turnLeftAction, turnRightAction, mirrorAction, flipAction})
        action->setEnabled(selected);
    clearAction->setEnabled(count() > 0);
    selectAllAction->setEnabled(count() > 0);
    contextMenu->popup(event->globalPos());
}

void PhotoListWidget::slotContextMenuTriggered(QAction* action)
{
    if (action == deleteAction)
        deleteSelected();
    else if (action == clearAction)
        clearFromMenu();
    else if (action == selectAllAction)
        selectAll();
    else if (action == turnLeftAction)
        applyOperation(TurnLeft);
    else if (action == turnRightAction)
        applyOperation(TurnRight);
    else if (action == mirrorAction)
        applyOperation(Mirror);
    else if (action == flipAction)
        applyOperation(Flip);
}

QStringList PhotoListWidget::filesOf(const QList<QUrl>& urls) const
{
    return scanMediaFiles(urls, imageExtensions);
}

QString PhotoListWidget::hintText() const
{
    return tr("Drag Photo(s) Here");
}

void PhotoListWidget::dropCopies(const QList<int>& rows, bool moving)
{
    // Made first: each addPhoto shifts the rows after the insertion point. A moved photo stays
    // itself. A copy that stays beside its original owns files of its own in the workspace, so
    // that turning or restoring one never changes the other; one whose files cannot be made is
    // left out and reported rather than sharing the original's.
    QList<ImageInfo> copies;
    QStringList failed;
    for (const int row : rows) {
        const ImageInfo& original = records.at(row);
        if (moving) {
            copies.append(original);
            continue;
        }
        ImageInfo copy;
        const PhotoFileResult made = duplicatePhoto(original, copy);
        if (made)
            copies.append(copy);
        else
            failed << QFileInfo(original.path).fileName() + QStringLiteral(" (") + made.reason() +
                          QLatin1Char(')');
    }
    emit photoListAboutToChange();
    for (const ImageInfo& info : std::as_const(copies))
        addPhoto(info);
    insertRow = count();
    emit photoListChanged(records);
    if (!failed.isEmpty())
        VelMessageBox::alert(
            tr("Cannot copy the photo(s): %1").arg(failed.join(QStringLiteral(", "))), QString(),
            this);
}

void PhotoListWidget::dropFiles(const QStringList& files)
{
    emit photoListAboutToChange();
    if (runImport(files)) {
        insertRow = count();
        emit photoListChanged(records);
    }
}

void PhotoListWidget::dragEnded(Qt::DropAction action, const QList<QPersistentModelIndex>& dragged)
{
    if (action == Qt::MoveAction) {
        for (const int row : takeDragged(dragged))
            records.removeAt(row);
        insertRow = count();
        emit photoListChanged(records);
    }
    clearSelection();
}
