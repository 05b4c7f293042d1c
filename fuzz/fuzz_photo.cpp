// The import's own photo reader on a file held in memory: decoding at the working size, the
// EXIF orientation and properties, both previews and the four workspace files, exactly as an
// import reads a photo. exiv2 and the decoder read from a path, so each input is written to a
// file in memory (/dev/shm where there is one), with a workspace next to it.
#include "common/imageinfo.h"
#include "common/workspace.h"
#include "photos/core/imagereader.h"
#include "platform/velfc/core/velpref.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>

namespace {
QString inputFile;
QString runFolder;

// Every damaged input makes the decoders warn; printing thousands of warnings a second would
// slow the run down and bury libFuzzer's own report.
void dropMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

void removeRunFolder()
{
    QDir(runFolder).removeRecursively();
}

void removeWrittenFiles(const ImageInfo& info)
{
    for (const QString& path : {workingCopyPath(info), backupCopyPath(info), thumbnailPath(info),
                                backupThumbnailPath(info)})
        QFile::remove(path);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv); // image format plug-ins are found through it
    const QString base = QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    const QString folder =
        base + QStringLiteral("/lumaro-fuzz-photo-%1").arg(QCoreApplication::applicationPid());
    if (!QDir().mkpath(folder))
        std::abort();
    runFolder = folder;
    std::atexit(removeRunFolder); // libFuzzer ends a timed run through exit()
    qInstallMessageHandler(dropMessages);
    VelPref::instance()->open(folder + QStringLiteral("/lumaro.ini"));
    VelPref::instance()->setValue(QLatin1String(PrefKey::Temporary),
                                  QString(folder + QStringLiteral("/ws")));
    inputFile = folder + QStringLiteral("/input.jpg");
    // As the import does before its thread starts: photos up to the reader's own limit.
    ImageReader::allowLargePhotos();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    {
        QFile out(inputFile);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        out.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    ImageInfo info;
    info.path = inputFile;
    // A photo is either refused or read whole; each decoded photo leaves its four files, which
    // are removed so that a long run does not fill the memory they live in.
    if (ImageReader::readImageInfo(info)) {
        if (info.width <= 0 || info.height <= 0 || info.thumbnail.isNull())
            std::abort();
        removeWrittenFiles(info);
    }
    return 0;
}
