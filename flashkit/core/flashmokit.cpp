#include "flashkit/core/flashmokit.h"

#include <QFile>

FlashmoKit::FlashmoKit(const QString& applicationFolder) : res(applicationFolder), worker(&res) {}

FlashmoKit::~FlashmoKit()
{
    cancelAndWait();
}

bool FlashmoKit::addPhotos(const QList<FlashKitPhoto>& photos)
{
    return res.addPhotos(photos);
}

bool FlashmoKit::removePhoto(int index)
{
    return res.removePhoto(index);
}

bool FlashmoKit::insertPhotos(const QList<FlashKitPhoto>& photos, int position)
{
    return res.insertPhotos(photos, position);
}

bool FlashmoKit::replacePhoto(const FlashKitPhoto& photo, int index)
{
    return res.replacePhoto(photo, index);
}

bool FlashmoKit::swapPhotos(int a, int b)
{
    return res.swapPhotos(a, b);
}

bool FlashmoKit::addMusic(const QList<FlashKitAudio>& music)
{
    return res.addMusic(music);
}

bool FlashmoKit::removeMusic(int index)
{
    return res.removeMusic(index);
}

bool FlashmoKit::insertMusic(const QList<FlashKitAudio>& music, int position)
{
    return res.insertMusic(music, position);
}

bool FlashmoKit::replaceMusic(const FlashKitAudio& music, int index)
{
    return res.replaceMusic(music, index);
}

bool FlashmoKit::swapMusic(int a, int b)
{
    return res.swapMusic(a, b);
}

bool FlashmoKit::clear()
{
    return res.clear();
}

void FlashmoKit::setPhotoQuality(int quality)
{
    res.setPhotoQuality(quality);
}

void FlashmoKit::setPhotoSize(int choice)
{
    res.setPhotoSize(choice);
}

bool FlashmoKit::setTemplate(const QString& swfFileName)
{
    return res.setTemplate(swfFileName);
}

bool FlashmoKit::publish(const QString& outputFolder, const QString& name, int profile)
{
    // The running worker reads the target and the lists: they must not change under it. A run
    // that is only ending (cancelled, failed or at 100) is waited for, so that a publish started
    // right after a cancel is not refused.
    if (worker.isRunning()) {
        if (!worker.isWindingDown())
            return false;
        worker.wait();
    }
    if (!worker.setPublishTarget(outputFolder, name, profile))
        return false;
    return worker.startPublish();
}

void FlashmoKit::cancelPublish()
{
    worker.cancelPublish();
}

bool FlashmoKit::createPreviewResource()
{
    return res.createPreviewResource();
}

int FlashmoKit::publishProgress()
{
    return FlashmoPublish::publishProgress();
}

QString FlashmoKit::publishError()
{
    return worker.errorText();
}

void FlashmoKit::cancelAndWait()
{
    worker.cancelAndWait();
}

bool FlashmoKit::renameOutput(const QString& folder, const QString& from, const QString& to,
                              int profile)
{
    if (profile != 2)
        return IFlashKitInterface::renameOutput(folder, from, to, profile);
    const QString base = folder + QLatin1Char('/');
    if (!worker.writePageAs(base + to + QStringLiteral(".html"), to))
        return false;
    QFile::remove(base + from + QStringLiteral(".html"));
    return QFile::rename(base + from + QStringLiteral(".swf"), base + to + QStringLiteral(".swf"));
}
