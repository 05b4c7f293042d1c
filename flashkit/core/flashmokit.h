#pragma once

#include "flashkit/core/flashmopublish.h"
#include "flashkit/core/flashmores.h"
#include "flashkit/core/iflashkitinterface.h"

// The kit of the Flashmo gallery templates: lists and workspace builds go to the resource
// builder, publishing to the worker thread.
class FlashmoKit : public IFlashKitInterface
{
public:
    // `applicationFolder`: where "template/version1/" and "Sample/" are; empty: the program's.
    explicit FlashmoKit(const QString& applicationFolder = QString());
    // Stops a running publish and waits for it, so the worker never outlives the lists it uses.
    ~FlashmoKit() override;

    bool addPhotos(const QList<FlashKitPhoto>& photos) override;
    bool removePhoto(int index) override;
    bool insertPhotos(const QList<FlashKitPhoto>& photos, int position) override;
    bool replacePhoto(const FlashKitPhoto& photo, int index) override;
    bool swapPhotos(int a, int b) override;
    bool addMusic(const QList<FlashKitAudio>& music) override;
    bool removeMusic(int index) override;
    bool insertMusic(const QList<FlashKitAudio>& music, int position) override;
    bool replaceMusic(const FlashKitAudio& music, int index) override;
    bool swapMusic(int a, int b) override;
    bool clear() override;
    void setPhotoQuality(int quality) override;
    void setPhotoSize(int choice) override;
    bool setTemplate(const QString& swfFileName) override;
    // Refused (false) also while an earlier run is still going.
    bool publish(const QString& outputFolder, const QString& name, int profile) override;
    void cancelPublish() override;
    bool createPreviewResource() override;
    int publishProgress() override;
    QString publishError() override;

    void cancelAndWait() override;
    bool isPublishRunning() override { return worker.isRunning(); }
    // The page of "swf+html" names its movie: it is written anew for the new name.
    bool renameOutput(const QString& folder, const QString& from, const QString& to,
                      int profile) override;
    bool isPublishing() const { return worker.isRunning(); }
    FlashmoRes& resources() { return res; }
    const FlashmoPublish& publisher() const { return worker; }

private:
    FlashmoRes res;
    FlashmoPublish worker;
};
