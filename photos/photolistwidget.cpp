#include "photos/photolistwidget.h"

#include "common/mediaformats.h"
#include "common/workspace.h"
#include "document/slideshow.h"
#include "platform/velfc/velmessagebox.h"

#include <QContextMenuEvent>
#include <QFileInfo>
#include <QMenu>
#include <QSet>

#include <algorithm>

namespace {
// The id of the photo an item shows, so that a rebuilt strip can select the same photos again.
constexpr int IdRole = Qt::UserRole + 2;

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
    setAccessibleName(tr("Photos"));
    deleteAction->setText(tr("Delete"));
    clearAction->setText(tr("Clear"));
    selectAllAction->setText(tr("Select All"));
    turnLeftAction->setText(tr("Turn Left"));
    turnRightAction->setText(tr("Turn Right"));
    mirrorAction->setText(tr("Mirror"));
    flipAction->setText(tr("Flip"));
}

void PhotoListWidget::setDocument(Slideshow* show)
{
    if (doc)
        doc->disconnect(this);
    doc = show;
    if (doc) {
        connect(doc, &Slideshow::photosInserted, this, &PhotoListWidget::insertItems);
        connect(doc, &Slideshow::photosRemoved, this, &PhotoListWidget::removeItems);
        connect(doc, &Slideshow::photoChanged, this, &PhotoListWidget::updateItem);
        connect(doc, &Slideshow::photosReset, this, &PhotoListWidget::resetItems);
        connect(doc, &Slideshow::changed, this, [this] { selectedAway.clear(); });
    }
    resetItems();
}

void PhotoListWidget::insertItems(int first, int count)
{
    for (int row = first; row < first + count; ++row) {
        auto* item = new QListWidgetItem;
        item->setSizeHint(QSize(88, 66));
        tagItem(item);
        insertItem(row, item);
        updateItem(row);
        if (selectedAway.contains(item->data(IdRole).toUuid()))
            item->setSelected(true);
    }
    renumberItems();
}

void PhotoListWidget::removeItems(int first, int count)
{
    for (int i = 0; i < count; ++i) {
        if (QListWidgetItem* gone = item(first); gone && gone->isSelected())
            selectedAway.insert(gone->data(IdRole).toUuid());
        delete takeItem(first);
    }
    renumberItems();
}

// The list was rebuilt (moved photos, undone steps, another slideshow): the items are made
// again, and the photos that were selected stay selected wherever they are now.
void PhotoListWidget::resetItems()
{
    QSet<QUuid> selected;
    for (const QListWidgetItem* each : selectedItems())
        selected.insert(each->data(IdRole).toUuid());
    const QUuid current = currentItem() ? currentItem()->data(IdRole).toUuid() : QUuid();
    clear();
    if (!doc)
        return;
    insertItems(0, int(doc->photos().size()));
    QItemSelection keep;
    for (int row = 0; row < count(); ++row) {
        const QUuid id = doc->photos().at(row).id;
        if (selected.contains(id))
            keep.select(model()->index(row, 0), model()->index(row, 0));
        if (!current.isNull() && id == current)
            selectionModel()->setCurrentIndex(model()->index(row, 0),
                                              QItemSelectionModel::NoUpdate);
    }
    if (!keep.isEmpty())
        selectionModel()->select(keep, QItemSelectionModel::Select);
}

void PhotoListWidget::deleteSelected()
{
    const QList<int> rows = sortedSelectedRows();
    if (doc)
        doc->removePhotos(rows);
    int lowest = rows.isEmpty() ? -1 : rows.first();
    if (lowest >= count() - 1)
        lowest = count() - 1;
    if (lowest >= 0)
        scrollToItem(item(lowest));
    setCurrentRow(lowest);
}

void PhotoListWidget::applyOperation(int code)
{
    if (!doc)
        return;
    QStringList failures;
    doc->applyOperation(sortedSelectedRows(), code, &failures);
    // The preview and the publish use the working copies: a stale one must not pass unnoticed.
    reportFailures(tr("Cannot save the turned photo(s): %1"), failures);
}

void PhotoListWidget::restoreSelected()
{
    if (!doc)
        return;
    QStringList failures;
    doc->restorePhotos(sortedSelectedRows(), &failures);
    reportFailures(tr("Cannot save the turned photo(s): %1"), failures);
}

void PhotoListWidget::reportFailures(const QString& text, const QStringList& failures)
{
    if (!failures.isEmpty())
        VelMessageBox::alert(text.arg(failures.join(QStringLiteral(", "))), QString(), this);
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
    if (!it || !doc || row >= doc->photos().size())
        return;
    const ImageInfo& info = doc->photos().at(row);
    it->setData(IdRole, info.id);
    it->setData(Qt::DecorationRole, iconOf(info));
    it->setToolTip(toolTipOf(info));
    it->setData(Qt::AccessibleTextRole, accessibleTextOf(row, count(), info));
}

void PhotoListWidget::renumberItems()
{
    if (!doc || count() != doc->photos().size())
        return; // between two steps of one change; the last one numbers them
    for (int row = 0; row < count(); ++row)
        item(row)->setData(Qt::AccessibleTextRole,
                           accessibleTextOf(row, count(), doc->photos().at(row)));
}

QString PhotoListWidget::orientationText(const ImageInfo& info)
{
    const QTransform t = info.transform();
    const auto is = [&t](int m11, int m12, int m21, int m22) {
        return near(t.m11(), m11) && near(t.m12(), m12) && near(t.m21(), m21) && near(t.m22(), m22);
    };
    if (is(0, 1, -1, 0))
        return tr("turned right");
    if (is(0, -1, 1, 0))
        return tr("turned left");
    if (is(-1, 0, 0, -1))
        return tr("upside down");
    if (is(-1, 0, 0, 1))
        return tr("mirrored");
    if (is(1, 0, 0, -1))
        return tr("flipped");
    if (is(0, 1, 1, 0))
        return tr("turned right and mirrored");
    if (is(0, -1, -1, 0))
        return tr("turned left and mirrored");
    return QString();
}

QString PhotoListWidget::accessibleTextOf(int row, int count, const ImageInfo& info)
{
    const QString text =
        tr("Photo %1 of %2, %3").arg(row + 1).arg(count).arg(QFileInfo(info.path).fileName());
    const QString orientation = orientationText(info);
    return orientation.isEmpty() ? text : text + QStringLiteral(", ") + orientation;
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
    else if (action == clearAction && doc) {
        QList<int> all;
        for (int row = 0; row < doc->photos().size(); ++row)
            all << row;
        doc->removePhotos(all);
    } else if (action == selectAllAction)
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
    if (!doc || rows.isEmpty())
        return;
    const int before = int(doc->photos().size());
    if (moving) {
        // The moved photos stand together in their list order; they stay selected.
        const QUuid leading = doc->photos().at(*std::min_element(rows.begin(), rows.end())).id;
        doc->movePhotos(rows, insertRow);
        selectRows(doc->rowOfPhoto(leading), int(rows.size()));
        return;
    }
    // A copy owns files of its own in the workspace, so that turning or restoring one never
    // changes the other; one whose files cannot be made is left out and reported rather than
    // sharing the original's. The copies are selected.
    const int at = insertRow < 0 || insertRow > before ? before : insertRow;
    QStringList failed;
    doc->copyPhotos(rows, insertRow, &failed);
    selectRows(at, int(doc->photos().size()) - before);
    reportFailures(tr("Cannot copy the photo(s): %1"), failed);
}

void PhotoListWidget::dropFiles(const QStringList& files)
{
    const Imported imported = runImport(files);
    if (doc)
        doc->addPhotos(insertRow, imported.photos);
}
