#include "platform/velmexif/velmexifinfo.h"

#include <QFile>
#include <QFileInfo>
#include <QMutex>

#include <exiv2/exiv2.hpp>

namespace {
const char* const PropertyKeys[VelmExifInfo::PropertyCount] = {
    "Exif.Photo.DateTimeOriginal",
    "Exif.Image.Make",
    "Exif.Image.Model",
    "Exif.Photo.ExposureTime",
    "Exif.Photo.FNumber",
    "Exif.Photo.ISOSpeedRatings",
    "Exif.Photo.FocalLength",
    "Exif.Photo.Flash",
    "Exif.Photo.WhiteBalance",
    "Exif.Photo.ExposureProgram",
    "Exif.Photo.MeteringMode",
    "Exif.Photo.ExposureBiasValue",
    "Exif.Photo.PixelXDimension",
    "Exif.Photo.PixelYDimension",
    "Exif.Image.Software",
    "Exif.Image.Artist",
};

void lockXmp(void* mutex, bool lock)
{
    if (lock)
        static_cast<QMutex*>(mutex)->lock();
    else
        static_cast<QMutex*>(mutex)->unlock();
}

// exiv2 writes its warnings to stderr; a photo with odd metadata is no news to the user.
// Photos are read on several threads at once: exiv2's XMP parser sets itself up on first use
// and is safe to share only when set up once beforehand with a lock of ours.
void prepareExiv2()
{
    static const bool prepared = [] {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        static QMutex xmpMutex;
        Exiv2::XmpParser::initialize(lockXmp, &xmpMutex);
        return true;
    }();
    Q_UNUSED(prepared);
}

QString printed(const Exiv2::ExifData& data, const char* key)
{
    const auto it = data.findKey(Exiv2::ExifKey(key));
    if (it == data.end())
        return QString();
    return QString::fromStdString(it->print(&data)).trimmed();
}
} // namespace

VelmExifInfo::VelmExifInfo() : properties(PropertyCount, QString()) {}

VelmExifInfo VelmExifInfo::fromTiffBlock(const QByteArray& tiff)
{
    prepareExiv2();
    VelmExifInfo info;
    if (tiff.isEmpty())
        return info;
    try {
        Exiv2::ExifData data;
        Exiv2::ExifParser::decode(data, reinterpret_cast<const Exiv2::byte*>(tiff.constData()),
                                  uint32_t(tiff.size()));
        info.readable = true;
        info.take(&data);
    } catch (const Exiv2::AnyError&) {
        // A damaged block counts as none: the picture is still imported, upright by default.
    } catch (const std::exception&) {
        // As for files: exiv2 may let standard exceptions through.
    }
    return info;
}

void VelmExifInfo::take(const void* exifData)
{
    const Exiv2::ExifData& data = *static_cast<const Exiv2::ExifData*>(exifData);
    if (data.empty())
        return;
    const auto it = data.findKey(Exiv2::ExifKey("Exif.Image.Orientation"));
    if (it != data.end() && it->count() > 0) {
        const long code = it->toLong(0);
        if (code >= 1 && code <= 8)
            orientation = static_cast<int>(code);
    }
    for (int index = 0; index < PropertyCount; ++index)
        properties[index] = printed(data, PropertyKeys[index]);
}

namespace {
// exiv2 takes a damaged HEIF or MP4-like file (an "ftyp" box) for a QuickTime video, and its
// video parsers can loop for minutes over one; a photo never holds its EXIF in a video container.
bool isVideoType(int type)
{
    // exiv2's numbers for RIFF, Matroska, QuickTime and ASF (its video headers are not public
    // in every build).
    return type == 20 || type == 21 || type == 22 || type == 24;
}
} // namespace

VelmExifInfo::VelmExifInfo(const QString& path) : properties(PropertyCount, QString())
{
    prepareExiv2();
    // exiv2 throws on empty files; checking first also spares it a missing path.
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile() || info.size() == 0)
        return;
    try {
        Exiv2::Image::AutoPtr image =
            Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
        if (!image.get() || isVideoType(image->imageType()))
            return;
        image->readMetadata();
        readable = true;
        take(&image->exifData());
    } catch (const Exiv2::AnyError&) {
        // Unreadable metadata: keep what was read so far and the upright default.
    } catch (const std::exception&) {
        // exiv2 may also let standard exceptions through on badly damaged files.
    }
}

QString VelmExifInfo::property(int index) const
{
    if (index < 0 || index >= PropertyCount)
        return QString();
    return properties.at(index);
}

QString VelmExifInfo::propertyKey(int index)
{
    if (index < 0 || index >= PropertyCount)
        return QString();
    return QString::fromLatin1(PropertyKeys[index]);
}
