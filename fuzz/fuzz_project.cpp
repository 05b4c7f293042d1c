// The project reader on any bytes: it must not crash or hang, what it accepts must hold only
// sound values, and an accepted project must be written and read back unchanged.
#include "document/projectfile.h"
#include "flashkit/core/publishtarget.h"

#include <QCoreApplication>
#include <QDir>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {
QString folder;

bool sound(const Project& project)
{
    if (project.photos.size() > ProjectFile::MaxPhotos ||
        project.clips.size() > ProjectFile::MaxClips)
        return false;
    for (const ProjectPhoto& photo : project.photos) {
        if (!QDir::isAbsolutePath(photo.path) || QDir::cleanPath(photo.path) != photo.path)
            return false;
        for (const qint32 code : photo.operations)
            if (code < 0 || code > 3)
                return false;
        if (photo.bakedOperations < 0 || photo.bakedOperations > photo.operations.size())
            return false;
    }
    for (const ProjectClip& clip : project.clips) {
        if (!QDir::isAbsolutePath(clip.path) || !std::isfinite(clip.start) ||
            !std::isfinite(clip.end) || clip.start < 0 || clip.start > clip.end ||
            clip.end > ProjectFile::MaxClipSeconds)
            return false;
    }
    const Slideshow::PublishSettings& publish = project.publishing;
    const bool video = (publish.videoHeight == 720 || publish.videoHeight == 1080) &&
                       (publish.secondsPerPhoto == 0 ||
                        (publish.secondsPerPhoto >= 2 && publish.secondsPerPhoto <= 10));
    return publish.profile >= 0 && publish.profile <= 4 && publish.quality >= 1 &&
           publish.quality <= 100 && publish.photoSize >= 0 && publish.photoSize <= 2 && video &&
           (publish.name.isEmpty() || PublishTarget::isUsableName(publish.name));
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Relative paths resolve against this folder; files live in memory where possible.
    const QString base = QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    folder =
        base + QStringLiteral("/lumaro-fuzz-project-%1/").arg(QCoreApplication::applicationPid());
    QDir().mkpath(folder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString path = folder + QStringLiteral("show.lumaro");
    QString reason;
    QStringList dropped;
    const std::optional<Project> project = ProjectFile::parse(bytes, path, &reason, &dropped);
    if (!project) {
        if (reason.isEmpty())
            std::abort(); // refused without saying why
        return 0;
    }
    if (!sound(*project))
        std::abort();
    QString again;
    if (!ProjectFile::write(*project, path, &again))
        return 0;
    const std::optional<Project> reread = ProjectFile::read(path, &again);
    if (!reread || !(*reread == *project))
        std::abort(); // what was accepted does not survive a save
    return 0;
}
