#pragma once

#include <QColor>
#include <QStringList>

class QPainter;

// Line glyphs on a 28 x 28 grid, drawn with `ink`; the import glyphs carry a "+" badge in `badge`.
// Callers scale the painter for other sizes.
inline constexpr double GlyphGrid = 28.0;
QStringList glyphNames();
void paintGlyph(QPainter& p, const QString& name, const QColor& ink, const QColor& badge);
