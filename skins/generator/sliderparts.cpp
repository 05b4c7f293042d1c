#include "glyphs.h"
#include "picture.h"
#include "pieces.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

// Pieces of the clip slider. The track and the clip region are stretched with fixed borders of
// 2 px left/right and 3 px top/bottom, so their rounding stays inside those borders. The start
// tag stands left of its position (its right edge marks it), the end tag right of it.
namespace {
const QSize BandSize(24, 8);
const QSize TagSize(9, 22);
const QSize ThumbSize(13, 13);

void band(QPainter& p, const QColor& fill, const QColor& edge)
{
    QLinearGradient g(0, 0, 0, BandSize.height());
    g.setColorAt(0, fill.darker(108));
    g.setColorAt(1, fill.lighter(108));
    p.setBrush(g);
    p.setPen(QPen(edge, 1));
    p.drawRoundedRect(QRectF(0.5, 0.5, BandSize.width() - 1, BandSize.height() - 1), 1.8, 1.8);
}

void tag(QPainter& p, const QColor& fill, bool start)
{
    if (!start) { // the end tag is the start tag seen in a mirror
        p.translate(TagSize.width(), 0);
        p.scale(-1, 1);
    }
    QPainterPath flag;
    flag.moveTo(9, 0.5);
    flag.lineTo(9, 21.5);
    flag.lineTo(7, 21.5);
    flag.lineTo(7, 11);
    flag.lineTo(2.5, 11);
    flag.quadTo(0.5, 11, 0.5, 9);
    flag.lineTo(0.5, 2.5);
    flag.quadTo(0.5, 0.5, 2.5, 0.5);
    flag.closeSubpath();
    p.setBrush(fill);
    p.setPen(QPen(fill.darker(135), 1));
    p.drawPath(flag);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1));
    p.drawLine(QPointF(3, 4), QPointF(3, 8));
    p.drawLine(QPointF(5, 4), QPointF(5, 8));
}

void thumb(QPainter& p, const QColor& face, const QColor& ring)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawEllipse(QRectF(1, 1.8, 11, 11));
    p.setBrush(face);
    p.setPen(QPen(ring, 2));
    p.drawEllipse(QRectF(1.5, 1, 10, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(ring);
    p.drawEllipse(QPointF(6.5, 6), 1.6, 1.6);
}
} // namespace

bool writeSliderParts(const QString& root, const SkinPalette& pal)
{
    const QColor idle = pal.iconDisabled;
    bool ok = true;
    ok &= writePicture(root, QStringLiteral("slider/track"), BandSize,
                       [&](QPainter& p) { band(p, pal.groove, pal.grooveEdge); });
    ok &= writePicture(root, QStringLiteral("slider/clip"), BandSize,
                       [&](QPainter& p) { band(p, pal.accent, pal.accentDark); });
    ok &= writePicture(root, QStringLiteral("slider/clip_selected"), BandSize,
                       [&](QPainter& p) { band(p, pal.accent.lighter(120), pal.accentDark); });
    ok &= writePicture(root, QStringLiteral("slider/clip_disabled"), BandSize,
                       [&](QPainter& p) { band(p, idle, idle.darker(120)); });
    ok &= writePicture(root, QStringLiteral("slider/gone"), BandSize,
                       [&](QPainter& p) { band(p, pal.accentDark, pal.accentDark.darker(120)); });
    ok &= writePicture(root, QStringLiteral("slider/start_tag"), TagSize,
                       [&](QPainter& p) { tag(p, pal.accentDark, true); });
    ok &= writePicture(root, QStringLiteral("slider/end_tag"), TagSize,
                       [&](QPainter& p) { tag(p, pal.accentDark, false); });
    ok &= writePicture(root, QStringLiteral("slider/thumb"), ThumbSize,
                       [&](QPainter& p) { thumb(p, pal.knob, pal.accent); });
    ok &= writePicture(root, QStringLiteral("slider/thumb_disabled"), ThumbSize,
                       [&](QPainter& p) { thumb(p, pal.knob.darker(110), idle); });
    return ok;
}

// The music strip draws head.png at its left end and tiles body.png after it, at 26 px high,
// then turns the whole bar grey and writes black text from x = 30: keep the bar light.
bool writeAudioStrip(const QString& root, const SkinPalette& pal)
{
    const int height = 26;
    auto fill = [&]() {
        QLinearGradient g(0, 0, 0, height);
        g.setColorAt(0, pal.strip.lighter(106));
        g.setColorAt(0.5, pal.strip);
        g.setColorAt(1, pal.strip.darker(106));
        return g;
    };
    bool ok =
        writePicture(root, QStringLiteral("app_lumaro/head"), QSize(28, height), [&](QPainter& p) {
            QPainterPath cap;
            cap.moveTo(28, 0.5);
            cap.lineTo(5, 0.5);
            cap.quadTo(0.5, 0.5, 0.5, 5);
            cap.lineTo(0.5, height - 5);
            cap.quadTo(0.5, height - 0.5, 5, height - 0.5);
            cap.lineTo(28, height - 0.5);
            p.setBrush(fill());
            p.setPen(QPen(pal.stripEdge, 1));
            p.drawPath(cap);
            p.save();
            p.translate(5, 4);
            p.scale(18 / GlyphGrid, 18 / GlyphGrid);
            paintGlyph(p, QStringLiteral("audio_track"), pal.stripEdge.darker(130), pal.stripEdge);
            p.restore();
        });
    ok &= writePicture(root, QStringLiteral("app_lumaro/body"), QSize(8, height), [&](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(fill());
        p.drawRect(QRectF(0, 0.5, 8, height - 1));
        p.setPen(QPen(pal.stripEdge, 1));
        p.drawLine(QPointF(0, 0.5), QPointF(8, 0.5));
        p.drawLine(QPointF(0, height - 0.5), QPointF(8, height - 0.5));
    });
    return ok;
}
