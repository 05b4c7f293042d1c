#include "photos/photolistwidget.h"

#include <QFileInfo>
#include <QScrollBar>

#include <algorithm>

PhotoListWidget::PhotoListWidget(QWidget* parent) : QListWidget(parent)
{
    setIconSize(QSize(80, 60));
}

void PhotoListWidget::addPhoto(const ImageInfo& info)
{
    const int row = qBound(0, insertRow, static_cast<int>(records.size()));
    records.insert(row, info);
    auto* item = new QListWidgetItem;
    item->setSizeHint(QSize(88, 66));
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

QList<int> PhotoListWidget::selectedRows() const
{
    QList<int> rows;
    const QModelIndexList indexes = selectionModel()->selectedIndexes();
    for (const QModelIndex& index : indexes)
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void PhotoListWidget::deleteSelected()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    for (auto it = rows.crbegin(); it != rows.crend(); ++it) {
        delete takeItem(*it);
        records.removeAt(*it);
    }
    notifyChanged();
}

void PhotoListWidget::applyOperation(int code)
{
    processed.clear();
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    for (int row : rows) {
        records[row].operations.prepend(code);
        processed << model()->index(row, 0);
        updateItem(row);
    }
    emit photoListProcessed(records);
}

void PhotoListWidget::restoreSelected()
{
    processed.clear();
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    for (int row : rows) {
        records[row].operations.clear();
        processed << model()->index(row, 0);
        updateItem(row);
    }
    emit photoListProcessed(records);
}

int PhotoListWidget::contentWidth() const
{
    if (count() == 0)
        return 0;
    return visualItemRect(item(count() - 1)).right() + horizontalScrollBar()->value();
}

void PhotoListWidget::retranslate()
{
    for (int row = 0; row < count(); ++row)
        updateItem(row);
}

void PhotoListWidget::updateItem(int row)
{
    QListWidgetItem* it = item(row);
    const ImageInfo& info = records.at(row);
    if (!info.thumbnail.isNull())
        it->setIcon(QIcon(QPixmap::fromImage(info.thumbnail.transformed(info.transform()))));
    it->setToolTip(QFileInfo(info.path).fileName());
}
