#pragma once

#include <QItemDelegate>

// Draws a template cell: the picture centred above, the name in a 20-pixel band below. Only the
// band takes the selection highlight, so the picture is never tinted.
class MenuTplDelegate : public QItemDelegate
{
    Q_OBJECT
public:
    using QItemDelegate::QItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
