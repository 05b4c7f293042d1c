#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

class QLabel;

// Helpers of the framework that draw.
namespace Vel {
// Shows `text` in `label`, cut with "..." in the middle when it does not fit the label's width;
// the whole text then goes to the tool tip.
void labelElidedText(QLabel* label, const QString& text);

// Stretches `pixmap` to `size` keeping its borders (left, top, right, bottom pixels) unscaled:
// corners are copied, edges stretched along one axis, the middle in both.
QPixmap scaleBorderImage(const QPixmap& pixmap, const QSize& size, int left, int top, int right,
                         int bottom);
} // namespace Vel
