#pragma once

#include <QSize>
#include <QString>

#include <functional>

class QPainter;

// Writes one skin picture twice, "<path>.png" at its logical size and "<path>@2x.png" at twice
// that size (Qt picks the latter on 200 % screens). The painter is scaled, so `draw` always
// works in logical pixels. Returns false when a file could not be written.
bool writePicture(const QString& root, const QString& path, QSize logicalSize,
                  const std::function<void(QPainter&)>& draw);
