#include "flashkit/menutpldelegate.h"

#include <QIcon>
#include <QPainter>

void MenuTplDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const
{
    const QRect cell = option.rect;
    const QVariant decoration = index.data(Qt::DecorationRole);
    if (decoration.canConvert<QIcon>()) {
        const QRect pictureArea(QPoint(cell.left() + 10, cell.top()),
                                QPoint(cell.right() - 10, cell.bottom() - 20));
        qvariant_cast<QIcon>(decoration)
            .paint(painter, pictureArea, Qt::AlignCenter, QIcon::Normal, QIcon::Off);
    }

    const QRect textBand(QPoint(cell.left(), cell.bottom() - 20), cell.bottomRight());
    QStyleOptionViewItem textOption = option;
    textOption.displayAlignment = Qt::AlignCenter;
    drawDisplay(painter, textOption, textBand, index.data(Qt::DisplayRole).toString());
    drawFocus(painter, textOption, textBand);
}
