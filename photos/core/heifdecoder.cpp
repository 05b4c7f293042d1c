#include "photos/core/heifdecoder.h"

#include <QFile>
#include <QtEndian>

#include <libheif/heif.h>

#include <memory>

namespace {
// The metadata box of a phone photo is a few kilobytes; one far larger is not worth reading.
constexpr qint64 MaxMetaBytes = 16 * 1024 * 1024;

void prepareLibheif()
{
    // Loads the decoders once for the whole program; heif_init counts its calls, and the
    // decoders stay until the program ends.
    static const bool prepared = [] {
        heif_init(nullptr);
        return true;
    }();
    Q_UNUSED(prepared);
}

struct ContextFree
{
    void operator()(heif_context* context) const { heif_context_free(context); }
};
struct HandleFree
{
    void operator()(heif_image_handle* handle) const { heif_image_handle_release(handle); }
};
using Context = std::unique_ptr<heif_context, ContextFree>;
using Handle = std::unique_ptr<heif_image_handle, HandleFree>;

// The primary picture's handle; null when the file cannot be read as HEIF.
Handle primaryHandle(const QString& path, Context& context)
{
    prepareLibheif();
    context.reset(heif_context_alloc());
    if (!context)
        return Handle();
    heif_image_handle* handle = nullptr;
    if (heif_context_read_from_file(context.get(), QFile::encodeName(path).constData(), nullptr)
                .code != heif_error_Ok ||
        heif_context_get_primary_image_handle(context.get(), &handle).code != heif_error_Ok)
        return Handle();
    return Handle(handle);
}

// The content of the first box of `type` among the boxes of data[from, end); {-1, -1} when
// there is none or the boxes run past `end`.
std::pair<qint64, qint64> childBox(const QByteArray& data, qint64 from, qint64 end,
                                   const char* type)
{
    while (from + 8 <= end) {
        const auto* at = reinterpret_cast<const uchar*>(data.constData() + from);
        quint64 size = qFromBigEndian<quint32>(at);
        qint64 header = 8;
        if (size == 1) {
            if (from + 16 > end)
                break;
            size = qFromBigEndian<quint64>(at + 8);
            header = 16;
        } else if (size == 0) {
            size = quint64(end - from);
        }
        if (size < quint64(header) || size > quint64(end - from))
            break;
        if (data.mid(from + 4, 4) == type)
            return {from + header, from + qint64(size)};
        from += qint64(size);
    }
    return {-1, -1};
}

// The 'meta' box of the file, read from disk; empty when it is missing or too large.
QByteArray metaBox(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    while (true) {
        const QByteArray head = file.read(16);
        if (head.size() < 8)
            return QByteArray();
        const auto* at = reinterpret_cast<const uchar*>(head.constData());
        quint64 size = qFromBigEndian<quint32>(at);
        if (size == 1 && head.size() == 16)
            size = qFromBigEndian<quint64>(at + 8);
        else if (size == 0)
            size = quint64(file.size() - file.pos() + head.size());
        if (size < 8)
            return QByteArray();
        const qint64 start = file.pos() - head.size();
        if (head.mid(4, 4) == "meta") {
            if (size > quint64(MaxMetaBytes) || !file.seek(start))
                return QByteArray();
            return file.read(qint64(size));
        }
        if (size > quint64(file.size()) || !file.seek(start + qint64(size)))
            return QByteArray();
    }
}
} // namespace

namespace HeifDecoder {

bool isHeif(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(64);
    const heif_filetype_result type =
        heif_check_filetype(reinterpret_cast<const uint8_t*>(head.constData()), int(head.size()));
    return type == heif_filetype_yes_supported;
}

bool hasTransformProperty(const QByteArray& meta)
{
    const auto content = childBox(meta, 0, meta.size(), "meta");
    if (content.first < 0)
        return false;
    // 'meta' is a full box: version and flags come before its children.
    const auto properties = childBox(meta, content.first + 4, content.second, "iprp");
    if (properties.first < 0)
        return false;
    const auto container = childBox(meta, properties.first, properties.second, "ipco");
    if (container.first < 0)
        return false;
    return childBox(meta, container.first, container.second, "irot").first >= 0 ||
           childBox(meta, container.first, container.second, "imir").first >= 0;
}

Facts facts(const QString& path)
{
    Facts result;
    Context context;
    const Handle handle = primaryHandle(path, context);
    if (!handle)
        return result;
    result.readable = true;
    result.transformed = hasTransformProperty(metaBox(path));
    heif_item_id id = 0;
    if (heif_image_handle_get_list_of_metadata_block_IDs(handle.get(), "Exif", &id, 1) < 1)
        return result;
    const size_t size = heif_image_handle_get_metadata_size(handle.get(), id);
    if (size <= 4 || size > size_t(MaxMetaBytes))
        return result;
    QByteArray block(qsizetype(size), Qt::Uninitialized);
    if (heif_image_handle_get_metadata(handle.get(), id, block.data()).code != heif_error_Ok)
        return result;
    // The block starts with the offset of the TIFF header after these four bytes.
    const quint32 offset = qFromBigEndian<quint32>(block.constData());
    if (offset < quint32(block.size() - 4))
        result.exif = block.mid(4 + offset);
    return result;
}

Picture decode(const QString& path, qint64 maxPixels, QMutex* largeTurn, qint64 largePixels)
{
    Picture picture;
    Context context;
    const Handle handle = primaryHandle(path, context);
    if (!handle)
        return picture;
    const qint64 width = heif_image_handle_get_width(handle.get());
    const qint64 height = heif_image_handle_get_height(handle.get());
    const qint64 storedWidth = heif_image_handle_get_ispe_width(handle.get());
    const qint64 storedHeight = heif_image_handle_get_ispe_height(handle.get());
    if (width <= 0 || height <= 0 || width * height > maxPixels ||
        storedWidth * storedHeight > maxPixels)
        return picture;
    const bool alpha = heif_image_handle_has_alpha_channel(handle.get()) != 0;
    const int bits = heif_image_handle_get_luma_bits_per_pixel(handle.get());
    const QMutexLocker turn(largeTurn && width * height > largePixels ? largeTurn : nullptr);
    heif_image* decoded = nullptr;
    if (heif_decode_image(handle.get(), &decoded, heif_colorspace_RGB,
                          alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB,
                          nullptr)
                .code != heif_error_Ok ||
        !decoded)
        return picture;
    int stride = 0;
    const uint8_t* pixels =
        heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
    const int w = heif_image_get_width(decoded, heif_channel_interleaved);
    const int h = heif_image_get_height(decoded, heif_channel_interleaved);
    if (!pixels || w <= 0 || h <= 0 || qint64(w) * h > maxPixels) {
        heif_image_release(decoded);
        return picture;
    }
    // The picture keeps libheif's pixels; they are released with the last copy of the image.
    picture.image = QImage(
        pixels, w, h, stride, alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888,
        [](void* image) { heif_image_release(static_cast<heif_image*>(image)); }, decoded);
    if (picture.image.isNull()) {
        heif_image_release(decoded);
        return picture;
    }
    picture.depth = quint32(qMax(bits, 1) * (alpha ? 4 : 3));
    return picture;
}

} // namespace HeifDecoder
