#pragma once

// HEIC and AVIF files written with libheif's encoder, which (unlike the heif-enc tool) can
// store a turn or mirror property in the file and an EXIF block beside the picture.
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>

#include <libheif/heif.h>

namespace TestHeif {

// Writes `picture` (stored orientation) to `path`; `orientation` 1..8 as in EXIF becomes the
// file's irot/imir properties; `exif` (a TIFF structure), when given, is stored as its EXIF item.
inline bool write(const QString& path, const QImage& picture, bool avif = false,
                  int orientation = 1, const QByteArray& exif = QByteArray())
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    heif_context* context = heif_context_alloc();
    heif_encoder* encoder = nullptr;
    heif_image* image = nullptr;
    heif_image_handle* handle = nullptr;
    heif_encoding_options* options = heif_encoding_options_alloc();
    bool ok =
        heif_context_get_encoder_for_format(
            context, avif ? heif_compression_AV1 : heif_compression_HEVC, &encoder)
                .code == heif_error_Ok &&
        heif_image_create(rgb.width(), rgb.height(), heif_colorspace_RGB,
                          heif_chroma_interleaved_RGB, &image)
                .code == heif_error_Ok &&
        heif_image_add_plane(image, heif_channel_interleaved, rgb.width(), rgb.height(), 8).code ==
            heif_error_Ok;
    if (ok) {
        int stride = 0;
        uint8_t* plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
        for (int y = 0; y < rgb.height(); ++y)
            memcpy(plane + y * stride, rgb.constScanLine(y), size_t(rgb.width()) * 3);
        heif_encoder_set_lossy_quality(encoder, 95);
        options->image_orientation = heif_orientation(orientation);
        ok = heif_context_encode_image(context, image, encoder, options, &handle).code ==
             heif_error_Ok;
    }
    if (ok && !exif.isEmpty()) {
        // libheif puts the four bytes of the TIFF header's offset in front itself.
        ok = heif_context_add_exif_metadata(context, handle, exif.constData(), int(exif.size()))
                 .code == heif_error_Ok;
    }
    if (ok)
        ok = heif_context_write_to_file(context, QFile::encodeName(path).constData()).code ==
             heif_error_Ok;
    heif_encoding_options_free(options);
    if (handle)
        heif_image_handle_release(handle);
    if (image)
        heif_image_release(image);
    if (encoder)
        heif_encoder_release(encoder);
    heif_context_free(context);
    return ok;
}

// A little-endian TIFF structure holding only an EXIF orientation tag.
inline QByteArray exifOrientation(int code)
{
    QByteArray tiff("II*\0\x08\0\0\0", 8);
    const char entries[] = {1,          0,                      // one entry
                            0x12,       0x01, 3, 0, 1, 0, 0, 0, // Orientation, SHORT, count 1
                            char(code), 0,    0, 0,             // its value
                            0,          0,    0, 0};            // no next directory
    tiff.append(entries, sizeof entries);
    return tiff;
}

} // namespace TestHeif
