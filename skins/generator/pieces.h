#pragma once

#include "skinpalette.h"

#include <QString>

// Each writer draws one family of a skin's pictures into `root` (the skin's folder) and returns
// false when a file could not be written.
bool writeToolIcons(const QString& root, const SkinPalette& palette);
bool writeCaptionButtons(const QString& root, const SkinPalette& palette);
bool writeSliderParts(const QString& root, const SkinPalette& palette);
bool writeAudioStrip(const QString& root, const SkinPalette& palette);
