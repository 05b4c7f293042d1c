#include "platform/velfc/velhelpers.h"

#include <QLabel>
#include <QPainter>

void Vel::labelElidedText(QLabel* label, const QString& text)
{
    if (!label)
        return;
    const int width =
        label->width() - label->contentsMargins().left() - label->contentsMargins().right();
    const QString shown = label->fontMetrics().elidedText(text, Qt::ElideMiddle, qMax(0, width));
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : text);
}

QPixmap Vel::scaleBorderImage(const QPixmap& pixmap, const QSize& size, int left, int top,
                              int right, int bottom)
{
    if (pixmap.isNull() || size.isEmpty())
        return QPixmap();
    const int sw = pixmap.width();
    const int sh = pixmap.height();
    // Borders wider than the source or the target cannot be kept: shrink them to fit.
    left = qBound(0, left, sw);
    right = qBound(0, right, sw - left);
    top = qBound(0, top, sh);
    bottom = qBound(0, bottom, sh - top);
    const int tw = size.width();
    const int th = size.height();
    if (left + right > tw) {
        left = tw * left / (left + right);
        right = tw - left;
    }
    if (top + bottom > th) {
        top = th * top / (top + bottom);
        bottom = th - top;
    }

    QPixmap result(size);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const int sx[] = {0, left, sw - right, sw};
    const int sy[] = {0, top, sh - bottom, sh};
    const int tx[] = {0, left, tw - right, tw};
    const int ty[] = {0, top, th - bottom, th};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const QRect source(sx[col], sy[row], sx[col + 1] - sx[col], sy[row + 1] - sy[row]);
            const QRect target(tx[col], ty[row], tx[col + 1] - tx[col], ty[row + 1] - ty[row]);
            if (!source.isEmpty() && !target.isEmpty())
                painter.drawPixmap(target, pixmap, source);
        }
    }
    return result;
}
