#include "glyphs.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <functional>

namespace {
QPen line(const QColor& c, double width = 2.0)
{
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QColor faded(QColor c, double alpha)
{
    c.setAlphaF(c.alphaF() * alpha);
    return c;
}

// A filled arrow head whose tip is at `tip`, pointing along `angle` (radians, screen coordinates).
void arrowHead(QPainter& p, QPointF tip, double angle, const QColor& c, double size = 5.0)
{
    const QPointF back(std::cos(angle) * size, std::sin(angle) * size);
    const QPointF side(-std::sin(angle) * size * 0.75, std::cos(angle) * size * 0.75);
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip - back + side);
    head.lineTo(tip - back - side);
    head.closeSubpath();
    p.setPen(line(c, 1.0));
    p.setBrush(c);
    p.drawPath(head);
    p.setBrush(Qt::NoBrush);
}

// The "+" in a disc at the lower right; the ring around it is cut out of what is already drawn so
// that the badge stands clear of the glyph.
void badgePlus(QPainter& p, const QColor& c)
{
    const QPointF centre(21.5, 21.5);
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(centre, 6.8, 6.8);
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(centre, 5.4, 5.4);
    p.setBrush(Qt::NoBrush);
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setPen(line(Qt::black, 1.8));
    p.drawLine(QPointF(centre.x() - 2.8, centre.y()), QPointF(centre.x() + 2.8, centre.y()));
    p.drawLine(QPointF(centre.x(), centre.y() - 2.8), QPointF(centre.x(), centre.y() + 2.8));
    p.restore();
}

void photo(QPainter& p, const QRectF& r, const QColor& c)
{
    p.setPen(line(c));
    p.drawRoundedRect(r, 2.0, 2.0);
    QPainterPath hills;
    hills.moveTo(r.left() + 2, r.bottom() - 2);
    hills.lineTo(r.left() + r.width() * 0.38, r.top() + r.height() * 0.45);
    hills.lineTo(r.left() + r.width() * 0.58, r.top() + r.height() * 0.68);
    hills.lineTo(r.left() + r.width() * 0.74, r.top() + r.height() * 0.52);
    hills.lineTo(r.right() - 2, r.bottom() - 2);
    hills.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(faded(c, 0.75));
    p.drawPath(hills);
    p.drawEllipse(QPointF(r.left() + r.width() * 0.72, r.top() + r.height() * 0.28), 1.7, 1.7);
    p.setBrush(Qt::NoBrush);
}

void note(QPainter& p, QPointF origin, double s, const QColor& c)
{
    p.save();
    p.translate(origin);
    p.scale(s, s);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    for (QPointF head : {QPointF(4.5, 16.5), QPointF(14.5, 14.5)}) {
        p.save();
        p.translate(head);
        p.rotate(-20);
        p.drawEllipse(QPointF(0, 0), 3.4, 2.5);
        p.restore();
    }
    p.setPen(line(c, 1.8));
    p.drawLine(QPointF(7.6, 16), QPointF(7.6, 4.5));
    p.drawLine(QPointF(17.6, 14), QPointF(17.6, 2.5));
    p.setPen(line(c, 3.2));
    p.drawLine(QPointF(7.6, 4.3), QPointF(17.6, 2.3));
    p.restore();
}

// An arc around `centre`; angles in degrees, counter-clockwise from three o'clock as QPainter
// counts them. The arrow sits at the end of the sweep, pointing the way the arc turns.
void turningArrow(QPainter& p, QPointF centre, double radius, double start, double sweep,
                  const QColor& c)
{
    const QRectF box(centre.x() - radius, centre.y() - radius, radius * 2, radius * 2);
    QPainterPath arc;
    arc.arcMoveTo(box, start);
    arc.arcTo(box, start, sweep);
    p.setPen(line(c));
    p.drawPath(arc);
    const double end = qDegreesToRadians(start + sweep);
    const QPointF tip(centre.x() + radius * std::cos(end), centre.y() - radius * std::sin(end));
    const double dir = sweep > 0 ? std::atan2(-std::cos(end), -std::sin(end))
                                 : std::atan2(std::cos(end), std::sin(end));
    arrowHead(p, tip + QPointF(std::cos(dir), std::sin(dir)) * 2.0, dir, c);
}

void speaker(QPainter& p, const QColor& c)
{
    QPainterPath body;
    body.moveTo(4, 11);
    body.lineTo(8, 11);
    body.lineTo(14, 6);
    body.lineTo(14, 22);
    body.lineTo(8, 17);
    body.lineTo(4, 17);
    body.closeSubpath();
    p.setPen(line(c, 1.6));
    p.setBrush(faded(c, 0.85));
    p.drawPath(body);
    p.setBrush(Qt::NoBrush);
}

void triangleRight(QPainter& p, const QRectF& r, const QColor& c)
{
    QPainterPath t;
    t.moveTo(r.left(), r.top());
    t.lineTo(r.right(), r.center().y());
    t.lineTo(r.left(), r.bottom());
    t.closeSubpath();
    p.setPen(line(c, 1.6));
    p.setBrush(c);
    p.drawPath(t);
    p.setBrush(Qt::NoBrush);
}

void bracket(QPainter& p, double x, bool opening, const QColor& c)
{
    const double foot = opening ? 3.5 : -3.5;
    p.setPen(line(c));
    p.drawPolyline(
        QPolygonF{QPointF(x + foot, 5), QPointF(x, 5), QPointF(x, 23), QPointF(x + foot, 23)});
}

using Painter = std::function<void(QPainter&, const QColor&, const QColor&)>;

const QList<QPair<QString, Painter>>& painters()
{
    static const QList<QPair<QString, Painter>> list{
        {QStringLiteral("import_picture"),
         [](QPainter& p, const QColor& c, const QColor& b) {
             photo(p, QRectF(3, 5, 19, 15), c);
             badgePlus(p, b);
         }},
        {QStringLiteral("import_folder"),
         [](QPainter& p, const QColor& c, const QColor& b) {
             QPainterPath folder;
             folder.moveTo(3, 21);
             folder.lineTo(3, 6);
             folder.lineTo(10, 6);
             folder.lineTo(12.5, 9);
             folder.lineTo(24, 9);
             folder.lineTo(24, 21);
             folder.closeSubpath();
             p.setPen(line(c));
             p.setBrush(faded(c, 0.18));
             p.drawPath(folder);
             p.setBrush(Qt::NoBrush);
             p.drawLine(QPointF(3, 12.5), QPointF(24, 12.5));
             badgePlus(p, b);
         }},
        {QStringLiteral("import_audio"),
         [](QPainter& p, const QColor& c, const QColor& b) {
             note(p, QPointF(1.5, 1.5), 1.0, c);
             badgePlus(p, b);
         }},
        {QStringLiteral("delete"),
         [](QPainter& p, const QColor& c, const QColor&) {
             p.setPen(line(c));
             p.drawLine(QPointF(5, 8), QPointF(23, 8));
             p.drawPolyline(
                 QPolygonF{QPointF(11, 8), QPointF(11, 5), QPointF(17, 5), QPointF(17, 8)});
             QPainterPath can;
             can.moveTo(7.5, 8);
             can.lineTo(9, 24);
             can.lineTo(19, 24);
             can.lineTo(20.5, 8);
             p.drawPath(can);
             p.setPen(line(c, 1.6));
             p.drawLine(QPointF(12, 12), QPointF(12.4, 20));
             p.drawLine(QPointF(16, 12), QPointF(15.6, 20));
         }},
        {QStringLiteral("turn_left"),
         [](QPainter& p, const QColor& c, const QColor&) {
             p.setPen(Qt::NoPen);
             p.setBrush(faded(c, 0.55));
             p.drawRoundedRect(QRectF(10.5, 11, 8, 7), 1.2, 1.2);
             p.setBrush(Qt::NoBrush);
             turningArrow(p, QPointF(14.5, 14.5), 9, -40, 245, c);
         }},
        {QStringLiteral("turn_right"),
         [](QPainter& p, const QColor& c, const QColor&) {
             p.setPen(Qt::NoPen);
             p.setBrush(faded(c, 0.55));
             p.drawRoundedRect(QRectF(9.5, 11, 8, 7), 1.2, 1.2);
             p.setBrush(Qt::NoBrush);
             turningArrow(p, QPointF(13.5, 14.5), 9, 220, -245, c);
         }},
        {QStringLiteral("mirror"),
         [](QPainter& p, const QColor& c, const QColor&) {
             QPen axis = line(c, 1.4);
             axis.setDashPattern({1.5, 2.0});
             p.setPen(axis);
             p.drawLine(QPointF(14, 3), QPointF(14, 25));
             p.setPen(line(c, 1.6));
             p.setBrush(c);
             p.drawPolygon(QPolygonF{QPointF(11.5, 7), QPointF(11.5, 21), QPointF(3.5, 21)});
             p.setBrush(Qt::NoBrush);
             p.drawPolygon(QPolygonF{QPointF(16.5, 7), QPointF(16.5, 21), QPointF(24.5, 21)});
         }},
        {QStringLiteral("flip"),
         [](QPainter& p, const QColor& c, const QColor&) {
             QPen axis = line(c, 1.4);
             axis.setDashPattern({1.5, 2.0});
             p.setPen(axis);
             p.drawLine(QPointF(3, 14), QPointF(25, 14));
             p.setPen(line(c, 1.6));
             p.setBrush(c);
             p.drawPolygon(QPolygonF{QPointF(7, 11.5), QPointF(21, 11.5), QPointF(21, 3.5)});
             p.setBrush(Qt::NoBrush);
             p.drawPolygon(QPolygonF{QPointF(7, 16.5), QPointF(21, 16.5), QPointF(21, 24.5)});
         }},
        {QStringLiteral("restore"),
         [](QPainter& p, const QColor& c, const QColor&) {
             turningArrow(p, QPointF(14.5, 14), 9.5, 200, 290, c);
             p.setPen(line(c, 1.8));
             p.drawPolyline(QPolygonF{QPointF(14.5, 8.5), QPointF(14.5, 14), QPointF(18.5, 16.5)});
         }},
        {QStringLiteral("edit_music"),
         [](QPainter& p, const QColor& c, const QColor&) {
             const double heights[] = {4, 9, 14, 8, 16, 11, 6, 12, 5};
             p.setPen(line(faded(c, 0.7), 1.6));
             for (int i = 0; i < 9; ++i) {
                 const double x = 6 + i * 2.0;
                 p.drawLine(QPointF(x, 14 - heights[i] / 2), QPointF(x, 14 + heights[i] / 2));
             }
             bracket(p, 3, true, c);
             bracket(p, 25, false, c);
         }},
        {QStringLiteral("preview"),
         [](QPainter& p, const QColor& c, const QColor&) {
             p.setPen(line(c));
             p.drawEllipse(QPointF(14, 14), 11, 11);
             triangleRight(p, QRectF(11, 8.5, 9, 11), c);
         }},
        {QStringLiteral("album"),
         [](QPainter& p, const QColor& c, const QColor&) {
             p.setPen(line(faded(c, 0.6), 1.6));
             p.drawRoundedRect(QRectF(7, 3, 18, 14), 2, 2);
             photo(p, QRectF(3, 9, 18, 15), c);
         }},
        {QStringLiteral("audio_track"),
         [](QPainter& p, const QColor& c, const QColor&) { note(p, QPointF(3, 3), 1.0, c); }},
        {QStringLiteral("add"),
         [](QPainter& p, const QColor& c, const QColor&) {
             p.setPen(line(c, 2.6));
             p.drawLine(QPointF(14, 5), QPointF(14, 23));
             p.drawLine(QPointF(5, 14), QPointF(23, 14));
         }},
        {QStringLiteral("move_up"),
         [](QPainter& p, const QColor& c, const QColor&) {
             p.setPen(line(c, 2.4));
             p.drawLine(QPointF(14, 24), QPointF(14, 9));
             arrowHead(p, QPointF(14, 4), -M_PI / 2, c, 7);
         }},
        {QStringLiteral("move_down"),
         [](QPainter& p, const QColor& c, const QColor&) {
             p.setPen(line(c, 2.4));
             p.drawLine(QPointF(14, 4), QPointF(14, 19));
             arrowHead(p, QPointF(14, 24), M_PI / 2, c, 7);
         }},
        {QStringLiteral("play"), [](QPainter& p, const QColor& c,
                                    const QColor&) { triangleRight(p, QRectF(8, 5, 14, 18), c); }},
        {QStringLiteral("pause"),
         [](QPainter& p, const QColor& c, const QColor&) {
             p.setPen(Qt::NoPen);
             p.setBrush(c);
             p.drawRoundedRect(QRectF(7, 5, 5, 18), 1.2, 1.2);
             p.drawRoundedRect(QRectF(16, 5, 5, 18), 1.2, 1.2);
         }},
        {QStringLiteral("play_segment"),
         [](QPainter& p, const QColor& c, const QColor&) {
             bracket(p, 3.5, true, c);
             bracket(p, 24.5, false, c);
             triangleRight(p, QRectF(10, 8.5, 9, 11), c);
         }},
        {QStringLiteral("stop"),
         [](QPainter& p, const QColor& c, const QColor&) {
             p.setPen(Qt::NoPen);
             p.setBrush(c);
             p.drawRoundedRect(QRectF(7, 7, 14, 14), 2, 2);
         }},
        {QStringLiteral("set_start"),
         [](QPainter& p, const QColor& c, const QColor&) {
             bracket(p, 6, true, c);
             triangleRight(p, QRectF(12, 9, 10, 10), c);
         }},
        {QStringLiteral("set_end"),
         [](QPainter& p, const QColor& c, const QColor&) {
             bracket(p, 22, false, c);
             p.save();
             p.translate(28, 0);
             p.scale(-1, 1);
             triangleRight(p, QRectF(12, 9, 10, 10), c);
             p.restore();
         }},
        {QStringLiteral("mute"),
         [](QPainter& p, const QColor& c, const QColor&) {
             speaker(p, c);
             p.setPen(line(c, 2));
             p.drawLine(QPointF(18, 10), QPointF(24, 18));
             p.drawLine(QPointF(24, 10), QPointF(18, 18));
         }},
        {QStringLiteral("unmute"),
         [](QPainter& p, const QColor& c, const QColor&) {
             speaker(p, c);
             p.setPen(line(c, 1.8));
             p.drawArc(QRectF(11, 9, 8, 10), -50 * 16, 100 * 16);
             p.drawArc(QRectF(10, 5, 14, 18), -50 * 16, 100 * 16);
         }},
        {QStringLiteral("publish"),
         [](QPainter& p, const QColor& c, const QColor&) {
             p.setPen(line(c, 2.4));
             p.drawPolyline(
                 QPolygonF{QPointF(4, 15), QPointF(4, 23), QPointF(24, 23), QPointF(24, 15)});
             p.drawLine(QPointF(14, 18), QPointF(14, 9));
             arrowHead(p, QPointF(14, 3), -M_PI / 2, c, 7);
         }},
        {QStringLiteral("cancel"),
         [](QPainter& p, const QColor& c, const QColor&) {
             p.setPen(line(c, 2.4));
             p.drawEllipse(QPointF(14, 14), 10.5, 10.5);
             p.drawLine(QPointF(9.5, 9.5), QPointF(18.5, 18.5));
             p.drawLine(QPointF(18.5, 9.5), QPointF(9.5, 18.5));
         }},
    };
    return list;
}
} // namespace

QStringList glyphNames()
{
    QStringList names;
    for (const auto& entry : painters())
        names << entry.first;
    return names;
}

void paintGlyph(QPainter& p, const QString& name, const QColor& ink, const QColor& badge)
{
    for (const auto& entry : painters()) {
        if (entry.first == name) {
            p.save();
            entry.second(p, ink, badge);
            p.restore();
            return;
        }
    }
}
