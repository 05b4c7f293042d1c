// The two workspace builds of FlashmoRes: preview and publish.
#include "common/logfile.h"
#include "common/workspacelayout.h"
#include "flashkit/core/filecopy.h"
#include "flashkit/core/flashmores.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

namespace {
QString sizeText(const QString& path)
{
    return QString::number(QFileInfo(path).size());
}

QImage loadByContent(const QString& path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

// Writes `image` to `path` at `quality`; an old file of that name never survives a failed save,
// so its size cannot be mistaken for the new picture's.
void saveReplacing(const QImage& image, const QString& path, int quality)
{
    QFile::remove(path);
    if (!image.isNull())
        image.save(path, nullptr, quality);
}
} // namespace

bool FlashmoRes::writePlayData(const QList<FlashKitPhoto>& list)
{
    if (!playData->openForWrite())
        return false;
    if (!playData->writeHeader()) {
        playData->closeFile();
        return false;
    }
    playData->writeMusic(music);
    playData->writeThumbnails(list);
    return playData->closeFile();
}

bool FlashmoRes::copyTemplateMovie()
{
    return copyWithRetry(templateSourcePath(),
                         workFolder + QFileInfo(templateSourcePath()).fileName());
}

// The stand-in pictures live in the sample folder, but a template reads its photos from the
// workspace: put each one there, with its thumbnail, unless a file of that name is already there.
QList<FlashKitPhoto> FlashmoRes::samplesInWorkspace() const
{
    const QString folder = WorkspaceLayout(workFolder).photos();
    QDir().mkpath(folder);
    QList<FlashKitPhoto> list;
    for (const FlashKitPhoto& sample : samples) {
        const QString name = QFileInfo(sample.path).fileName();
        const QString picture = folder + name;
        const QString thumbnail = folder + WorkspaceLayout::thumbnailName(name);
        if (!QFileInfo::exists(picture))
            QFile::copy(sample.path, picture);
        if (!QFileInfo::exists(thumbnail)) {
            const QImage image = loadByContent(picture);
            if (!image.isNull())
                image.scaled(80, 60, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                    .save(thumbnail, nullptr, 90);
        }
        FlashKitPhoto entry = sample;
        entry.path = picture;
        list.append(entry);
    }
    return list;
}

// The photos a build works on: the photo list, else copies of the samples placed in the
// workspace, else none (null). The sample list itself is never rewritten: a second publish would
// otherwise add another "p_" to every stand-in name.
QList<FlashKitPhoto>* FlashmoRes::photosToBuild(QList<FlashKitPhoto>& sampleCopies)
{
    if (!photos.isEmpty())
        return &photos;
    if (samples.isEmpty())
        return nullptr;
    sampleCopies = samplesInWorkspace();
    return &sampleCopies;
}

bool FlashmoRes::createPreviewResource()
{
    refreshWorkFolder();
    QList<FlashKitPhoto> sampleCopies;
    QList<FlashKitPhoto>* chosen = photosToBuild(sampleCopies);
    if (!chosen)
        return false;
    QList<FlashKitPhoto>& list = *chosen;
    const bool usePhotos = chosen == &photos;
    for (FlashKitPhoto& photo : list) {
        photo.fileName = QFileInfo(photo.path).fileName();
        photo.size = sizeText(WorkspaceLayout(workFolder).photos() + photo.fileName);
    }
    if (!usePhotos) {
        for (int i = 0; i < samples.size(); ++i) {
            samples[i].fileName = sampleCopies[i].fileName;
            samples[i].size = sampleCopies[i].size;
        }
    }
    if (!writePlayData(list)) {
        LUMARO_LOG("FALSE");
        return false;
    }
    // Without its movie the preview area would stay empty with no trace of why.
    if (!copyTemplateMovie()) {
        LUMARO_LOG("FALSE");
        return false;
    }
    return true;
}

void FlashmoRes::reencodePhoto(FlashKitPhoto& photo)
{
    const QString folder = WorkspaceLayout(workFolder).photos();
    const QString name = QFileInfo(photo.path).fileName();
    photo.fileName = QStringLiteral("p_") + name;
    const QString picture = folder + photo.fileName;
    // No scaling and no turning: the working copies already carry the user's changes.
    saveReplacing(loadByContent(folder + name), picture, quality);
    saveReplacing(loadByContent(folder + WorkspaceLayout::thumbnailName(name)),
                  folder + WorkspaceLayout::thumbnailName(photo.fileName), quality);
    photo.path = picture;
    photo.size = sizeText(picture);
}

bool FlashmoRes::createPublishResourse(const std::atomic<bool>* stop)
{
    refreshWorkFolder();
    const int musicCount = music.size();
    for (int i = 0; i < musicCount; ++i) {
        FlashKitAudio& clip = music[i];
        clip.fileName = QFileInfo(clip.path).fileName();
        clip.size = sizeText(WorkspaceLayout(workFolder).music() + clip.fileName);
    }
    QList<FlashKitPhoto> sampleCopies;
    QList<FlashKitPhoto>* chosen = photosToBuild(sampleCopies);
    if (!chosen)
        return false;
    QList<FlashKitPhoto>& list = *chosen;
    for (FlashKitPhoto& photo : list) {
        if (stop && stop->load())
            return false;
        reencodePhoto(photo);
    }
    if (!writePlayData(list)) {
        LUMARO_LOG("FALSE");
        return false;
    }
    copyTemplateMovie();
    return true;
}
