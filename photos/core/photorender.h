#pragma once

#include "common/imageinfo.h"

#include <QImage>
#include <QSize>
#include <QString>

// The photo as the slideshow shows it, made from its original file (ImageInfo::path) at
// no more than `bound` (aspect kept, never enlarged), turned by all of info.operations.
// A null image and `reason` set (naming the file) when the original cannot be read.
QImage renderPhoto(const ImageInfo& info, const QSize& bound, QString* reason);
