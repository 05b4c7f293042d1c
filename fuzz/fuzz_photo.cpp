// The photo reader's steps on a file held in memory: decoding (at the working size, as the
// import does), EXIF orientation and properties, the turned image and the two previews.
// When the import's own photo reader lands in photos/core, fuzz that one whole instead: this
// file is the hook (readPhoto below is the one function to replace).
#include "common/imageinfo.h"
#include "platform/velmexif/velmexifinfo.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>

#include <cstdint>

namespace {
QString exifFile;

void readPhoto(const QByteArray& bytes)
{
    // EXIF through exiv2, which reads from a path: the bytes go to a file in memory.
    {
        QFile out(exifFile);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return;
        out.write(bytes);
    }
    const VelmExifInfo exif(exifFile);
    ImageInfo info;
    info.setExifOrientation(exif.Orientation());
    for (int i = 0; i < VelmExifInfo::PropertyCount; ++i)
        info.exifProperties[i] = exif.property(i);

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > 720 || size.height() > 540))
        reader.setScaledSize(size.scaled(720, 540, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    const QImage image = reader.read();
    if (image.isNull())
        return;
    const QImage turned = image.transformed(info.transform());
    ImageInfo::makeThumbnail(turned);
    ImageInfo::makeRotatedThumbnail(turned);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv); // image format plug-ins are found through it
    // A declared size of gigapixels must be refused, not allocated.
    QImageReader::setAllocationLimit(256);
    const QString base = QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    exifFile =
        base + QStringLiteral("/lumaro-fuzz-photo-%1.jpg").arg(QCoreApplication::applicationPid());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    readPhoto(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    return 0;
}
