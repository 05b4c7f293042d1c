#include "glyphs.h"
#include "picture.h"
#include "pieces.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>

// The publish and cancel buttons carry their caption in the picture, one picture per state and
// language; the button widget picks "<kind>_<state>_<language>.png".
namespace {
const QSize FaceSize(180, 44);

struct Caption
{
    QString language;
    QString publish;
    QString cancel;
};

const QList<Caption> captions{
    {QStringLiteral("en"), QStringLiteral("Publish"), QStringLiteral("Cancel")},
    {QStringLiteral("de"), QStringLiteral("Veröffentlichen"), QStringLiteral("Abbrechen")},
    {QStringLiteral("es"), QStringLiteral("Publicar"), QStringLiteral("Cancelar")},
    {QStringLiteral("fr"), QStringLiteral("Publier"), QStringLiteral("Annuler")},
    {QStringLiteral("it"), QStringLiteral("Pubblica"), QStringLiteral("Annulla")},
    {QStringLiteral("ja"), QStringLiteral("公開"), QStringLiteral("キャンセル")},
    {QStringLiteral("pl"), QStringLiteral("Publikuj"), QStringLiteral("Anuluj")},
    {QStringLiteral("pt_BR"), QStringLiteral("Publicar"), QStringLiteral("Cancelar")},
    {QStringLiteral("zh_CN"), QStringLiteral("发布"), QStringLiteral("取消")},
};

// A caption the installed fonts cannot draw would come out as empty boxes: such a language
// keeps no picture (the button shows the English one) until a font for it is installed.
bool drawable(const QString& text)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    // Laid out, the text takes glyphs from fallback fonts too; glyph 0 is "no glyph".
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns())
        if (run.glyphIndexes().contains(0))
            return false;
    return true;
}

enum class Look
{
    Normal,
    Disabled,
    Pressed
};

// Largest bold face up to 15 px whose text fits `width`: long captions shrink instead of clipping.
QFont captionFont(const QString& text, double width)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    for (int px = 15; px > 9; --px) {
        font.setPixelSize(px);
        if (QFontMetricsF(font).horizontalAdvance(text) <= width)
            break;
    }
    return font;
}

void paintFace(QPainter& p, Look look, const QColor& top, const QColor& bottom, const QColor& ink,
               const QString& glyph, const QString& text)
{
    const QRectF face(1, 1, FaceSize.width() - 2, FaceSize.height() - 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, look == Look::Pressed ? 0 : 45));
    p.drawRoundedRect(face.translated(0, 1.5), 8, 8);

    QLinearGradient fill(face.topLeft(), face.bottomLeft());
    fill.setColorAt(0, look == Look::Pressed ? bottom : top);
    fill.setColorAt(1, look == Look::Pressed ? top : bottom);
    p.setBrush(fill);
    p.setPen(QPen(bottom.darker(125), 1));
    p.drawRoundedRect(face.adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);

    if (look == Look::Normal) { // a soft top light gives the face its relief
        p.setPen(QPen(QColor(255, 255, 255, 70), 1));
        p.drawLine(QPointF(face.left() + 8, face.top() + 1.5),
                   QPointF(face.right() - 8, face.top() + 1.5));
    }

    const double shift = look == Look::Pressed ? 1.0 : 0.0;
    p.save();
    p.translate(14, (face.height() - 22) / 2 + 1 + shift);
    p.scale(22 / GlyphGrid, 22 / GlyphGrid);
    paintGlyph(p, glyph, ink, ink);
    p.restore();

    const QRectF textBox(44, face.top() + shift, face.right() - 44 - 10, face.height());
    const QFont font = captionFont(text, textBox.width());
    const QFontMetricsF metrics(font);
    QPainterPath path;
    const double x = textBox.left() + (textBox.width() - metrics.horizontalAdvance(text)) / 2;
    const double y = textBox.center().y() + (metrics.ascent() - metrics.descent()) / 2;
    path.addText(QPointF(x, y), font, text);
    if (look != Look::Disabled) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 60));
        p.drawPath(path.translated(0, 1));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(path);
}

bool writeKind(const QString& root, const SkinPalette& pal, const QString& kind, const QColor& top,
               const QColor& bottom)
{
    bool ok = true;
    for (const Caption& caption : captions) {
        const QString text = kind == QLatin1String("publish") ? caption.publish : caption.cancel;
        if (!drawable(text)) {
            qWarning("No installed font draws the %s caption %s; its picture is left out.",
                     qPrintable(caption.language), qUtf8Printable(text));
            continue;
        }
        const struct
        {
            Look look;
            const char* state;
        } states[] = {
            {Look::Normal, "normal"}, {Look::Disabled, "disabled"}, {Look::Pressed, "pressed"}};
        for (const auto& s : states) {
            const bool idle = s.look == Look::Disabled;
            const QString file = kind + QLatin1Char('/') + kind + QLatin1Char('_') +
                                 QLatin1String(s.state) + QLatin1Char('_') + caption.language;
            ok &= writePicture(root, file, FaceSize, [&](QPainter& p) {
                paintFace(p, s.look, idle ? pal.idleTop : top, idle ? pal.idleBottom : bottom,
                          idle ? pal.idleText : pal.caption, kind, text);
            });
        }
    }
    return ok;
}
} // namespace

bool writeCaptionButtons(const QString& root, const SkinPalette& pal)
{
    const bool publish =
        writeKind(root, pal, QStringLiteral("publish"), pal.accent.lighter(112), pal.accentDark);
    const bool cancel =
        writeKind(root, pal, QStringLiteral("cancel"), pal.danger.lighter(108), pal.dangerDark);
    return publish && cancel;
}
