#pragma once

#include <QColor>
#include <QList>
#include <QString>

// The colours one skin is drawn with. Every picture of a skin takes its colours from here, so a
// skin's images and its style sheet (which repeats a few of these values) stay in one family.
struct SkinPalette
{
    QString name;
    QColor icon;         // tool glyphs at rest
    QColor iconHover;    // under the pointer
    QColor iconPressed;  // held down
    QColor iconDisabled; // not available
    QColor badge;        // the small "+" of the import glyphs
    QColor accent;       // publish button, clip region, thumb ring
    QColor accentDark;
    QColor danger; // cancel button
    QColor dangerDark;
    QColor idleTop; // disabled button face
    QColor idleBottom;
    QColor idleText;
    QColor caption; // caption on an active button face
    QColor groove;  // slider track
    QColor grooveEdge;
    QColor knob;  // thumb face
    QColor strip; // audio strip body (drawn in grey by the strip, so only its lightness counts)
    QColor stripEdge;
};

QList<SkinPalette> skinPalettes();
