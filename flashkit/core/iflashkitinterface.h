#pragma once

#include "flashkit/core/flashkitrecords.h"
#include "flashkit/core/publishtarget.h"

#include <QFile>

// What the main window sees of a template kit. Operations report success with a bool.
class IFlashKitInterface
{
public:
    virtual ~IFlashKitInterface() = default;
    virtual bool addPhotos(const QList<FlashKitPhoto>& photos) = 0;
    virtual bool removePhoto(int index) = 0;
    virtual bool insertPhotos(const QList<FlashKitPhoto>& photos, int position) = 0;
    virtual bool replacePhoto(const FlashKitPhoto& photo, int index) = 0;
    virtual bool swapPhotos(int a, int b) = 0;
    virtual bool addMusic(const QList<FlashKitAudio>& music) = 0;
    virtual bool removeMusic(int index) = 0;
    virtual bool insertMusic(const QList<FlashKitAudio>& music, int position) = 0;
    virtual bool replaceMusic(const FlashKitAudio& music, int index) = 0;
    virtual bool swapMusic(int a, int b) = 0;
    virtual bool clear() = 0;
    virtual void setPhotoQuality(int quality) = 0;
    // A PhotoSize::Choice for the next publish; a kit without larger sizes keeps its own.
    virtual void setPhotoSize(int /*choice*/) {}
    virtual bool setTemplate(const QString& swfFileName) = 0;
    virtual bool publish(const QString& outputFolder, const QString& name, int profile) = 0;
    virtual void cancelPublish() = 0;
    virtual bool createPreviewResource() = 0;
    virtual int publishProgress() = 0;
    // Why the last publish run stopped short of 100, or empty when it did not fail. A run that
    // fails to write its output never reaches 100, so pollers should check this too.
    virtual QString publishError() { return QString(); }
    // Cancels a running publish and returns only when its thread has ended, so that the owner
    // can take away the workspace the worker writes into.
    virtual void cancelAndWait() { cancelPublish(); }
    // True while the publish thread has not ended, a cancelled or failed run included: until
    // then it may still write into the output folder and read the kit's lists.
    virtual bool isPublishRunning() = 0;
    // Gives the finished output of `profile` in `folder` the publish name `to` instead of
    // `from`: the name it was made under was taken before it could be moved into place.
    virtual bool renameOutput(const QString& folder, const QString& from, const QString& to,
                              int profile)
    {
        const QString base = folder + QLatin1Char('/');
        for (const QString& suffix : PublishTarget::outputSuffixes(profile)) {
            if (!QFile::rename(base + from + QLatin1Char('.') + suffix,
                               base + to + QLatin1Char('.') + suffix))
                return false;
        }
        return true;
    }
};
