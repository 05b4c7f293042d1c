#pragma once

#include "flashkit/core/flashkitrecords.h"
#include "flashkit/core/playdatafile.h"

#include <QList>
#include <QString>

#include <atomic>
#include <memory>

// Prepares the workspace so that a gallery template can run from it: the configuration file, a
// copy of the template movie and, for a publish, the photos re-encoded at the chosen quality.
// Holds the kit's photo and music lists and its template choice.
class FlashmoRes
{
public:
    // `applicationFolder` holds "template/version1/" and "Sample/"; empty means the program's own.
    explicit FlashmoRes(const QString& applicationFolder = QString());
    ~FlashmoRes();
    FlashmoRes(const FlashmoRes&) = delete;
    FlashmoRes& operator=(const FlashmoRes&) = delete;

    // A copy for one publish run: the lists, the template and the quality as they are now, with a
    // configuration file object of its own. The run works on it alone, so the window may empty
    // and refill the kit (a preview) while a cancelled run is still winding down.
    std::unique_ptr<FlashmoRes> snapshot() const;

    // Where the templates live: `folder` holds the plain movies and pages, `folder` + "SWF/" the
    // self-contained variants. Must end with "/".
    void setTemplateFolder(const QString& folder);
    // Where the stand-in pictures for an empty photo list live; rebuilds the sample list.
    void setSampleFolder(const QString& folder);

    bool addPhotos(const QList<FlashKitPhoto>& items);
    bool removePhoto(int index);
    bool insertPhotos(const QList<FlashKitPhoto>& items, int position);
    bool replacePhoto(const FlashKitPhoto& item, int index);
    bool swapPhotos(int a, int b);
    bool addMusic(const QList<FlashKitAudio>& items);
    bool removeMusic(int index);
    bool insertMusic(const QList<FlashKitAudio>& items, int position);
    bool replaceMusic(const FlashKitAudio& item, int index);
    bool swapMusic(int a, int b);
    bool clear();
    void setPhotoQuality(int quality);
    // A PhotoSize::Choice; above Standard the publish makes its photos from the originals.
    void setPhotoSize(int choice);
    bool setTemplate(const QString& swfFileName);

    bool createPreviewResource();
    // Runs on the publish thread, re-encoding the photos on Workers::count() threads. `stop` (may
    // be null) is checked between photos so that a cancelled publish does not first re-encode
    // every photo.
    bool createPublishResourse(const std::atomic<bool>* stop = nullptr);
    bool readPlayData(PublishPlan& plan);

    QString templateSourcePath() const { return templateFolder + templateSwf; }
    QString templateSwfSourcePath() const { return templateSwfFolder + templateSwf; }
    QString playDataPath() const { return playData->fullPath(); }

    const QList<FlashKitPhoto>& photoList() const { return photos; }
    const QList<FlashKitAudio>& musicList() const { return music; }
    const QList<FlashKitPhoto>& sampleList() const { return samples; }
    int photoQuality() const { return quality; }
    int photoSize() const { return sizeChoice; }
    // After a publish build that failed: what happened to the first photo whose original could
    // not be made into its published picture, naming the file; empty otherwise.
    QString photoFailure() const { return failure; }
    QString templateSwfName() const { return templateSwf; }
    QString workspacePath() const { return workFolder; }
    QString playDataFileName() const { return playData->fileName(); }

    // The published gallery's folders beside its movie, the names the templates read. The
    // workspace has the same layout (common/workspacelayout.h), so the preview plays from it.
    static const QString photosSubfolder; // "photos/"
    static const QString musicSubfolder;  // "background music/"

private:
    struct SnapshotOf
    {
    };
    FlashmoRes(const FlashmoRes& other, SnapshotOf);
    void refreshWorkFolder();
    void buildSampleList();
    bool writePlayData(const QList<FlashKitPhoto>& list);
    bool copyTemplateMovie(); // true when the workspace holds the copy
    QList<FlashKitPhoto> samplesInWorkspace() const;
    QList<FlashKitPhoto>* photosToBuild(QList<FlashKitPhoto>& sampleCopies);
    bool reencodePhotos(QList<FlashKitPhoto>& list, const std::atomic<bool>* stop);
    // Empty, or what happened to the photo's original.
    QString reencodePhoto(FlashKitPhoto& photo) const;

    QString workFolder;
    QString templateFolder;
    QString templateSwfFolder;
    QString templateSwf = QStringLiteral("flashmo_121_3d_grid_gallery.swf");
    QString sampleFolder;
    QList<FlashKitPhoto> samples;
    QList<FlashKitPhoto> photos;
    QList<FlashKitAudio> music;
    std::unique_ptr<PlayDataFile> playData;
    int quality = 80;
    int sizeChoice = 0;
    QString failure;
};
