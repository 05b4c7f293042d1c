// The two workspace builds of FlashmoRes: preview and publish.
#include "common/logfile.h"
#include "common/workers.h"
#include "common/workspacelayout.h"
#include "flashkit/core/filecopy.h"
#include "flashkit/core/flashmores.h"
#include "flashkit/core/jpegencoder.h"
#include "flashkit/core/photosize.h"
#include "photos/core/photorender.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
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
    if (image.isNull())
        return;
    // The workspace's pictures are JPEG files; any other name is saved in the format it names.
    if (!path.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive) &&
        !path.endsWith(QLatin1String(".jpeg"), Qt::CaseInsensitive)) {
        image.save(path, nullptr, quality);
        return;
    }
    const QByteArray bytes = JpegEncoder::encode(image, quality);
    QFile file(path);
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
        !file.flush())
        file.remove();
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

QString FlashmoRes::reencodePhoto(FlashKitPhoto& photo) const
{
    const QString folder = WorkspaceLayout(workFolder).photos();
    const QString name = QFileInfo(photo.path).fileName();
    photo.fileName = QStringLiteral("p_") + name;
    const QString picture = folder + photo.fileName;
    QString reason;
    if (sizeChoice == PhotoSize::Standard || photo.original.isEmpty()) {
        // No scaling and no turning: the working copies already carry the user's changes.
        saveReplacing(loadByContent(folder + name), picture, quality);
    } else {
        // The working copy is too small for a large screen: the original, decoded at the size
        // asked and turned as the working copy is.
        ImageInfo info;
        info.path = photo.original;
        info.operations = photo.operations;
        saveReplacing(renderPhoto(info, PhotoSize::bound(sizeChoice), &reason), picture, quality);
    }
    saveReplacing(loadByContent(folder + WorkspaceLayout::thumbnailName(name)),
                  folder + WorkspaceLayout::thumbnailName(photo.fileName), quality);
    photo.path = picture;
    photo.size = sizeText(picture);
    return reason;
}

// Each thread takes the next photo until none is left, so no more photos are decoded at a time
// than there are threads, however long the list. The files are the same as one thread writes.
bool FlashmoRes::reencodePhotos(QList<FlashKitPhoto>& list, const std::atomic<bool>* stop)
{
    failure.clear();
    // A photo the list names twice is re-encoded once: two threads must not write one file.
    QHash<QString, int> firstOf;
    QList<int> sourceOf; // for each entry, the entry that re-encodes its photo
    QList<int> own;      // the entries that do
    for (int i = 0; i < list.size(); ++i) {
        const int first = firstOf.value(QFileInfo(list.at(i).path).fileName(), i);
        if (first == i) {
            firstOf.insert(QFileInfo(list.at(i).path).fileName(), i);
            own << i;
        }
        sourceOf << first;
    }
    // Detached here, once: the threads share the entries, each writing only its own.
    FlashKitPhoto* entries = list.data();
    std::atomic<int> next{0};
    std::atomic<bool> stopped{false};
    QStringList reasons(own.size());
    QString* reasonOf = reasons.data(); // detached here too; each thread writes its own slots
    Workers::run(qBound(1, Workers::count(), int(own.size())), [&] {
        for (;;) {
            if (stop && stop->load()) {
                stopped = true;
                return;
            }
            const int at = next++;
            if (at >= own.size())
                return;
            reasonOf[at] = reencodePhoto(entries[own.at(at)]);
        }
    });
    if (stopped)
        return false;
    for (const QString& reason : std::as_const(reasons)) {
        if (!reason.isEmpty()) {
            failure = reason; // the first in list order, whichever thread met it first
            return false;
        }
    }
    for (int i = 0; i < list.size(); ++i) {
        const FlashKitPhoto& done = entries[sourceOf.at(i)];
        entries[i].fileName = done.fileName;
        entries[i].path = done.path;
        entries[i].size = done.size;
    }
    return true;
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
    if (!reencodePhotos(list, stop))
        return false;
    if (!writePlayData(list)) {
        LUMARO_LOG("FALSE");
        return false;
    }
    copyTemplateMovie();
    return true;
}
