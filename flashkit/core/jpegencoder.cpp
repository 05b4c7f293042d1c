#include "flashkit/core/jpegencoder.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImage>
#include <QImageWriter>

#include <csetjmp>
#include <cstdio> // jpeglib.h uses FILE without including it
#include <cstdlib>

#include <jpeglib.h>

namespace {
struct ErrorJump
{
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void jumpBack(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->jump, 1);
}

void stayQuiet(j_common_ptr) {}

QByteArray encodeWithQt(const QImage& image, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    if (!writer.write(image))
        bytes.clear();
    return bytes;
}

// libjpeg reports failures by jumping back here: nothing with a destructor may live in this
// function. `*out` is libjpeg's buffer, to be freed by the caller also after a failure.
bool encodeRgb32(const QImage& image, int quality, unsigned char** out, unsigned long* size)
{
    jpeg_compress_struct info{};
    ErrorJump error{};
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = jumpBack;
    error.manager.output_message = stayQuiet;
    if (setjmp(error.jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, out, size);
    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    info.input_components = 4;
    info.in_color_space = JCS_EXT_BGRX; // QImage::Format_RGB32 in memory, little-endian
    jpeg_set_defaults(&info);
    // What Qt's writer sets: the resolution in dots per inch, baseline quantisation tables.
    info.density_unit = 1;
    info.X_density = UINT16(qRound(image.dotsPerMeterX() * 2.54 / 100));
    info.Y_density = UINT16(qRound(image.dotsPerMeterY() * 2.54 / 100));
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}
} // namespace

QByteArray JpegEncoder::encode(const QImage& image, int quality)
{
    if (image.isNull())
        return QByteArray();
    // Qt's writer adds a profile or comments for these, and converts other formats its own way.
    if (image.format() != QImage::Format_RGB32 || image.colorSpace().isValid() ||
        !image.textKeys().isEmpty() || Q_BYTE_ORDER != Q_LITTLE_ENDIAN)
        return encodeWithQt(image, quality);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    const bool encoded = encodeRgb32(image, quality < 0 ? 75 : qMin(quality, 100), &out, &size);
    QByteArray bytes;
    if (encoded)
        bytes = QByteArray(reinterpret_cast<const char*>(out), qsizetype(size));
    std::free(out);
    return encoded ? bytes : encodeWithQt(image, quality);
}
