#include "audio/velsliderbar.h"

#include "common/logfile.h"
#include "platform/velfc/velhelpers.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QWheelEvent>

#include <algorithm>

namespace {
// The track and the clip region stretch between fixed borders, so their rounded ends keep shape.
constexpr int BorderLeft = 2;
constexpr int BorderTop = 3;
constexpr int BorderRight = 2;
constexpr int BorderBottom = 3;
constexpr int WheelStep = 120;

} // namespace

// Once per part and slider: a skin without the picture would otherwise fill the log on every
// repaint while music plays.
void VelSliderBar::logMissingPicture(int part, const SkinImage& picture)
{
    if (loggedMissing & part)
        return;
    loggedMissing |= part;
    LUMARO_LOG(qUtf8Printable(QStringLiteral("no picture: ") + picture.path));
}

void VelSliderBar::SkinImage::load(const QString& file)
{
    path = file;
    QPixmap loaded;
    if (loaded.load(file))
        pixmap = loaded;
}

VelSliderBar::VelSliderBar(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_StyledBackground, true);
}

void VelSliderBar::setRange(int minimum, int maximum)
{
    if (minimum < 0 || minimum >= maximum)
        return;
    minValue = minimum;
    maxValue = maximum;
    if (startValue == -1 || startValue < minimum)
        startValue = minimum;
    if (endValue == -1 || endValue > maximum)
        endValue = maximum;
}

void VelSliderBar::setValue(int value)
{
    if (draggingThumb)
        return;
    currentValue = value;
    update();
}

void VelSliderBar::setClipStartValue(int value)
{
    startValue = value;
    update();
}

void VelSliderBar::setClipEndValue(int value)
{
    endValue = value;
    update();
}

void VelSliderBar::setType(int bits)
{
    partTypes = bits;
    update();
}

// Positions are measured from the minimum on both ways, so that a range not starting at 0 still
// puts the minimum at the left end of the track.
int VelSliderBar::xOfValue(int p) const
{
    const double scale = double(innerWidth()) / (maxValue - minValue);
    return int((p - minValue) * scale + innerLeft());
}

int VelSliderBar::valueAtX(int x) const
{
    if (innerWidth() <= 0)
        return minValue;
    return int(double(x - innerLeft()) * (maxValue - minValue) / innerWidth() + minValue);
}

QRect VelSliderBar::thumbRect() const
{
    const QSize size = thumbImage.pixmap.size();
    return QRect(QPoint(xOfValue(currentValue) - size.width() / 2, thumbTopValue), size);
}

// The tags are grabbed where they stand outside their positions, also when they are drawn
// centred on them.
QRect VelSliderBar::startTagRect() const
{
    const QSize size = startTagImage.pixmap.size();
    return QRect(QPoint(xOfValue(startValue) - size.width(), clipTagTopValue), size);
}

QRect VelSliderBar::endTagRect() const
{
    return QRect(QPoint(xOfValue(endValue), clipTagTopValue), endTagImage.pixmap.size());
}

void VelSliderBar::drawBand(QPainter& painter, const QPixmap& pixmap, int x, int y, int w) const
{
    if (w <= 0)
        return;
    painter.drawPixmap(x, y,
                       Vel::scaleBorderImage(pixmap, QSize(w, pixmap.height()), BorderLeft,
                                             BorderTop, BorderRight, BorderBottom));
}

void VelSliderBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionButton option;
    option.rect = rect();
    style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);

    if (foreImage.pixmap.isNull()) {
        logMissingPicture(1, foreImage);
    } else {
        painter.save();
        painter.setClipRect(QRect(innerLeft(), 0, innerWidth(), height()));
        drawBand(painter, foreImage.pixmap, innerLeft(), foreTopValue, innerWidth());
        painter.restore();
    }

    if (partTypes & (ShowClipRegion | ShowTags)) {
        const int startX = xOfValue(startValue);
        const int endX = xOfValue(endValue);
        if ((partTypes & ShowClipRegion) && !clipForeImage.pixmap.isNull()) {
            const QPixmap& band = isEnabled() || disabledClipForeImage.pixmap.isNull()
                                      ? clipForeImage.pixmap
                                      : disabledClipForeImage.pixmap;
            const int h = clipForeImage.pixmap.height();
            painter.save();
            painter.setClipRect(QRect(QPoint(startX, clipForeTopValue),
                                      QPoint(endX - 1, clipForeTopValue + h - 1)));
            drawBand(painter, band, startX, clipForeTopValue, endX - startX);
            painter.restore();
        }
        if (partTypes & ShowTags) {
            const QPixmap& start = startTagImage.pixmap;
            const QPixmap& end = endTagImage.pixmap;
            if (start.isNull())
                logMissingPicture(2, startTagImage);
            else
                painter.drawPixmap(startX - (thumbCentred ? start.width() / 2 : start.width()),
                                   clipTagTopValue, start);
            if (end.isNull())
                logMissingPicture(4, endTagImage);
            else
                painter.drawPixmap(endX - (thumbCentred ? end.width() / 2 : 0), clipTagTopValue,
                                   end);
        }
    }

    if (partTypes & ShowThumb) {
        if (thumbImage.pixmap.isNull())
            logMissingPicture(8, thumbImage);
        else
            painter.drawPixmap(thumbRect().topLeft(), thumbImage.pixmap);
    }
}

void VelSliderBar::mousePressEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    grabbed = NoPart;
    if ((partTypes & ShowThumb) && thumbRect().contains(point)) {
        grabbed = ThumbPart;
        draggingThumb = true;
    }
    if (grabbed == NoPart && (partTypes & ShowTags)) {
        if (startTagRect().contains(point))
            grabbed = StartTagPart;
        else if (endTagRect().contains(point))
            grabbed = EndTagPart;
    }
    if (grabbed != NoPart)
        return;
    // A press on the bare track jumps the thumb there.
    const int p = valueAtX(point.x());
    if (p < 0 || p > maxValue)
        return;
    if (!draggingThumb) {
        currentValue = p;
        update();
    }
    emit valueChanged(p);
}

void VelSliderBar::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton) || grabbed == NoPart)
        return;
    int x = event->position().toPoint().x();
    if (x <= innerLeft()) {
        if ((grabbed == StartTagPart && startValue == minValue) ||
            (grabbed == ThumbPart && currentValue == minValue))
            return;
        x = innerLeft();
    } else if (x >= innerRight()) {
        if ((grabbed == EndTagPart && endValue == maxValue) ||
            (grabbed == ThumbPart && currentValue == maxValue))
            return;
        x = innerRight();
    }
    if (innerWidth() <= 0)
        return;
    const int p = x == innerRight() ? maxValue : valueAtX(x);
    switch (grabbed) {
    case ThumbPart:
        if (p != currentValue) {
            emit valueChanged(p);
            currentValue = p;
        }
        break;
    case StartTagPart:
        // Moves that would bring the tags closer than the gap are dropped.
        if (p <= endValue - clipGap) {
            startValue = p;
            emit clipStartChanged(p);
        }
        break;
    case EndTagPart:
        if (p >= startValue + clipGap) {
            endValue = p;
            emit clipEndChanged(p);
        }
        break;
    default:
        break;
    }
    update();
}

void VelSliderBar::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    draggingThumb = false;
    const int p = std::clamp(valueAtX(event->position().toPoint().x()), 0, maxValue);
    switch (grabbed) {
    case StartTagPart:
        emit startTagMouseRelease(p);
        break;
    case EndTagPart:
        emit endTagMouseRelease(p);
        break;
    default:
        emit thumbMouseRelease(p);
        break;
    }
}

void VelSliderBar::wheelEvent(QWheelEvent* event)
{
    const int p = currentValue - event->angleDelta().y() / WheelStep;
    if (p >= minValue && p <= maxValue) {
        if (!draggingThumb) {
            currentValue = p;
            update();
        }
        emit valueChanged(p);
    }
    event->accept();
}
