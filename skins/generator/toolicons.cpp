#include "glyphs.h"
#include "picture.h"
#include "pieces.h"

#include <QPainter>

// Tool glyphs in the four looks the style sheet switches between with :hover, :pressed and
// :disabled. Icon-only tool buttons use the 28 px set, the small buttons of the audio editor the
// 20 px set under icons/small/, and buttons with a caption after the glyph icons/caption/.
namespace {
const QStringList largeGlyphs{QStringLiteral("import_picture"), QStringLiteral("import_folder"),
                              QStringLiteral("import_audio"),   QStringLiteral("delete"),
                              QStringLiteral("turn_left"),      QStringLiteral("turn_right"),
                              QStringLiteral("mirror"),         QStringLiteral("flip"),
                              QStringLiteral("restore"),        QStringLiteral("album"),
                              QStringLiteral("audio_track")};

const QStringList smallGlyphs{
    QStringLiteral("add"),          QStringLiteral("delete"), QStringLiteral("move_up"),
    QStringLiteral("move_down"),    QStringLiteral("play"),   QStringLiteral("pause"),
    QStringLiteral("play_segment"), QStringLiteral("stop"),   QStringLiteral("set_start"),
    QStringLiteral("set_end"),      QStringLiteral("mute"),   QStringLiteral("unmute")};

// `size` is the glyph's size; `left` is empty room before it (caption buttons draw the picture
// flush with their left edge, and style sheets have no background offset).
bool writeSet(const QString& root, const QString& folder, int size, const QStringList& names,
              const SkinPalette& pal, int left = 0)
{
    const struct
    {
        const char* suffix;
        QColor ink;
        QColor badge;
        double drop;
    } looks[] = {{"", pal.icon, pal.badge, 0},
                 {"_hover", pal.iconHover, pal.badge, 0},
                 {"_pressed", pal.iconPressed, pal.badge.darker(115), 0.75},
                 {"_disabled", pal.iconDisabled, pal.iconDisabled, 0}};
    bool ok = true;
    for (const QString& name : names) {
        for (const auto& look : looks) {
            ok &= writePicture(root, folder + name + QLatin1String(look.suffix),
                               QSize(left + size, size), [&](QPainter& p) {
                                   p.translate(left, look.drop);
                                   p.scale(size / GlyphGrid, size / GlyphGrid);
                                   paintGlyph(p, name, look.ink, look.badge);
                               });
        }
    }
    return ok;
}
} // namespace

bool writeToolIcons(const QString& root, const SkinPalette& pal)
{
    const bool large = writeSet(root, QStringLiteral("icons/"), 28, largeGlyphs, pal);
    const bool small = writeSet(root, QStringLiteral("icons/small/"), 20, smallGlyphs, pal);
    const bool caption =
        writeSet(root, QStringLiteral("icons/caption/"), 20,
                 {QStringLiteral("edit_music"), QStringLiteral("preview")}, pal, 8);
    return large && small && caption;
}
