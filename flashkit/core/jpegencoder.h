#pragma once

#include <QByteArray>

class QImage;

// The JPEG encoding of a publish's re-encoded photos. Qt's JPEG writer first copies every pixel
// of a 32-bit picture into 24 bits, one at a time, which takes about a quarter of the encoding;
// libjpeg reads the 32-bit pixels directly. The bytes are the very ones Qt's writer makes (same
// settings, same header), so a publish writes the files it always did. Pictures Qt writes in
// some other way (other pixel formats, a colour profile or text to keep) go through Qt's writer.
namespace JpegEncoder {

// `image` as a JPEG file at `quality` (0..100, as QImageWriter takes it); empty when it cannot
// be encoded.
QByteArray encode(const QImage& image, int quality);

} // namespace JpegEncoder
