#include "flashkit/core/flashmopublish.h"

#include "common/fileerror.h"
#include "common/workspace.h"
#include "common/workspacelayout.h"
#include "flashkit/core/filecopy.h"
#include "flashkit/core/flashmores.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QMutexLocker>

#include <cerrno>

namespace {
QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}
} // namespace

std::atomic<int> FlashmoPublish::progress{0};

FlashmoPublish::FlashmoPublish(FlashmoRes* resources)
    : kitResources(resources), res(resources), workFolder(workspaceFolder() + QLatin1Char('/'))
{
    progress = 0;
}

FlashmoPublish::~FlashmoPublish()
{
    cancelAndWait();
}

bool FlashmoPublish::setPublishTarget(const QString& folder, const QString& name, int value)
{
    profile = value;
    if (folder.isEmpty() || name.isEmpty())
        return false;
    // An output this worker cannot write is refused before anything starts, not written as
    // some other profile.
    if (value < 0 || value > 3) {
        fail(tr("The publish profile %1 is not supported.").arg(value));
        return false;
    }
    outputFolder = folder;
    outputSwf = name + QStringLiteral(".swf");
    return true;
}

bool FlashmoPublish::startPublish()
{
    if (isRunning())
        return false;
    cancel = false;
    hasFailed = false;
    {
        QMutexLocker lock(&errorMutex);
        error.clear();
    }
    // Reset here too, not only in run(): a poll between start and the thread's first step must
    // not see the 100 of the previous run.
    progress = 0;
    runResources = kitResources->snapshot();
    res = runResources.get();
    start(QThread::InheritPriority);
    return true;
}

void FlashmoPublish::cancelAndWait()
{
    cancel = true;
    wait();
}

QString FlashmoPublish::errorText() const
{
    QMutexLocker lock(&errorMutex);
    return error;
}

void FlashmoPublish::fail(const QString& text)
{
    {
        QMutexLocker lock(&errorMutex);
        error = text;
    }
    hasFailed = true;
    qWarning("Publishing failed: %s", qUtf8Printable(text));
}

void FlashmoPublish::failReading(const QString& path)
{
    const int error = errno;
    fail(FileError::reading(error, path));
}

void FlashmoPublish::failWriting(const QString& path)
{
    const int error = errno;
    fail(FileError::writing(error, path));
}

void FlashmoPublish::failCopy(const QString& from, const QString& to, int error)
{
    fail(tr("Cannot copy %1 to %2.").arg(native(from), native(to)) + QLatin1Char(' ') +
         copyFailureText(from, to, error));
}

bool FlashmoPublish::makeFolder(const QString& path)
{
    errno = 0;
    if (QDir().mkpath(path))
        return true;
    const int error = errno;
    QString text = tr("Cannot create the folder %1.").arg(native(path));
    if (error != 0)
        text += QLatin1Char(' ') + FileError::writing(error, path);
    fail(text);
    return false;
}

void FlashmoPublish::run()
{
    progress = 0;
    if (cancelled())
        return;
    workFolder = workspaceFolder() + QLatin1Char('/');
    if (!checkInputs())
        return;
    const bool prepared = res->createPublishResourse(&cancel);
    if (cancelled())
        return;
    if (!prepared) {
        // An original that went missing or unreadable is named as it is.
        if (!res->photoFailure().isEmpty()) {
            fail(res->photoFailure());
            return;
        }
        // Without a fresh configuration file the output would describe some earlier state.
        fail(tr("Cannot prepare the photos and the configuration file in %1.")
                 .arg(native(workFolder)));
        return;
    }
    if (!checkReencodedPhotos())
        return;
    const bool done = profile == 0   ? publishFolder()
                      : profile == 3 ? publishOfflinePage()
                                     : publishSelfContained();
    if (done && !cancelled() && !failed())
        progress = 100;
}

bool FlashmoPublish::publishFolder()
{
    const WorkspaceLayout workspace(workFolder);
    const QString photos = outputFolder + FlashmoRes::photosSubfolder;
    const QString music = outputFolder + FlashmoRes::musicSubfolder;
    if (!makeFolder(outputFolder) || !makeFolder(photos) || !makeFolder(music))
        return false;
    templateSource = res->templateSourcePath();
    int error = 0;
    if (!copyWithRetry(templateSource, outputFolder + outputSwf, &error)) {
        failCopy(templateSource, outputFolder + outputSwf, error);
        return false;
    }
    const QString config = res->playDataPath();
    const QString configTarget = outputFolder + QFileInfo(config).fileName();
    if (!copyWithRetry(config, configTarget, &error)) {
        failCopy(config, configTarget, error);
        return false;
    }
    if (cancelled())
        return false;
    PublishPlan plan;
    if (!res->readPlayData(plan)) {
        fail(tr("Cannot read %1.").arg(native(config)));
        return false;
    }
    if (cancelled())
        return false;

    // Files already in the output folder are kept as they are.
    auto copyAll = [this](const QList<PlayDataEntry>& entries, const QString& from,
                          const QString& to, bool thumbnails) {
        for (const PlayDataEntry& entry : entries) {
            if (cancelled())
                return false;
            const QString name =
                thumbnails ? WorkspaceLayout::thumbnailName(entry.fileName) : entry.fileName;
            if (!QFileInfo::exists(from + name)) {
                fail(tr("The file %1 is missing.").arg(native(from + name)));
                return false;
            }
            int error = 0;
            if (!copyKeepingExisting(from + name, to + name, &error)) {
                failCopy(from + name, to + name, error);
                return false;
            }
        }
        return true;
    };
    return copyAll(plan.photos, workspace.photos(), photos, true) &&
           copyAll(plan.photos, workspace.photos(), photos, false) &&
           copyAll(plan.music, workspace.music(), music, false);
}

// What the run reads must be there before anything is written: a photo or clip that went
// missing would otherwise be published as an empty entry that the movie cannot show or play.
bool FlashmoPublish::checkInputs()
{
    const QString movie = profile == 0 ? res->templateSourcePath() : res->templateSwfSourcePath();
    if (!QFileInfo(movie).isFile()) {
        fail(tr("The template movie %1 is missing.").arg(native(movie)));
        return false;
    }
    if (profile == 2) {
        QString page = movie;
        page.replace(QStringLiteral(".swf"), QStringLiteral(".html"), Qt::CaseSensitive);
        if (!QFileInfo(page).isFile()) {
            fail(tr("The template page %1 is missing.").arg(native(page)));
            return false;
        }
    }
    const WorkspaceLayout workspace(workFolder);
    for (const FlashKitPhoto& photo : res->photoList()) {
        const QString name = QFileInfo(photo.path).fileName();
        QStringList needed = {workspace.photos() + name};
        if (profile == 0) // the folder profile publishes the thumbnails too
            needed << workspace.photos() + WorkspaceLayout::thumbnailName(name);
        for (const QString& path : needed) {
            if (!QFileInfo(path).isFile()) {
                fail(tr("The photo %1 is missing.").arg(native(path)));
                return false;
            }
            QImageReader reader(path);
            reader.setDecideFormatFromContent(true);
            if (!reader.canRead()) {
                fail(tr("The photo %1 cannot be read.").arg(native(path)));
                return false;
            }
        }
    }
    for (const FlashKitAudio& clip : res->musicList()) {
        const QString path = workspace.music() + QFileInfo(clip.path).fileName();
        if (QFileInfo(path).size() <= 0) {
            fail(tr("The music file %1 is missing.").arg(native(path)));
            return false;
        }
    }
    return true;
}

// A photo whose header looked fine may still fail to decode; its re-encoded copy is then
// missing and would be published as an empty entry.
bool FlashmoPublish::checkReencodedPhotos()
{
    for (const FlashKitPhoto& photo : res->photoList()) {
        if (photo.size.toLongLong() <= 0) {
            QString source = photo.fileName;
            if (source.startsWith(QLatin1String("p_")))
                source.remove(0, 2);
            fail(tr("The photo %1 cannot be read.")
                     .arg(native(WorkspaceLayout(workFolder).photos() + source)));
            return false;
        }
    }
    return true;
}
