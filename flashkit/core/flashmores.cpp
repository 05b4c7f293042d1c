#include "flashkit/core/flashmores.h"

#include "common/workspace.h"
#include "flashkit/core/kitlistops.h"
#include "flashkit/core/photosize.h"
#include "platform/velfc/core/vel.h"

#include <QFileInfo>

const QString FlashmoRes::photosSubfolder = QStringLiteral("photos/");
const QString FlashmoRes::musicSubfolder = QStringLiteral("background music/");

FlashmoRes::FlashmoRes(const QString& applicationFolder)
    : playData(std::make_unique<PlayDataFile>())
{
    const QString app = applicationFolder.isEmpty() ? Vel::applicationFolder() : applicationFolder;
    refreshWorkFolder();
    setTemplateFolder(app + QStringLiteral("/template/version1/"));
    setSampleFolder(app + QStringLiteral("/Sample/"));
}

FlashmoRes::FlashmoRes(const FlashmoRes& other, SnapshotOf)
    : templateFolder(other.templateFolder), templateSwfFolder(other.templateSwfFolder),
      templateSwf(other.templateSwf), sampleFolder(other.sampleFolder), samples(other.samples),
      photos(other.photos), music(other.music), playData(std::make_unique<PlayDataFile>()),
      quality(other.quality), sizeChoice(other.sizeChoice)
{
    playData->setFileName(other.playData->fileName());
    refreshWorkFolder();
}

FlashmoRes::~FlashmoRes() = default;

std::unique_ptr<FlashmoRes> FlashmoRes::snapshot() const
{
    return std::unique_ptr<FlashmoRes>(new FlashmoRes(*this, SnapshotOf{}));
}

void FlashmoRes::refreshWorkFolder()
{
    // Read again before every build: the preferences may have moved the workspace meanwhile.
    workFolder = workspaceFolder() + QLatin1Char('/');
    // The configuration file follows the workspace, also before any template is chosen, so it is
    // never written into whatever the current directory happens to be.
    playData->setFolder(workFolder);
}

void FlashmoRes::setTemplateFolder(const QString& folder)
{
    templateFolder = folder;
    templateSwfFolder = folder + QStringLiteral("SWF/");
}

void FlashmoRes::setSampleFolder(const QString& folder)
{
    sampleFolder = folder;
    buildSampleList();
}

void FlashmoRes::buildSampleList()
{
    samples.clear();
    for (int i = 0; i < 3; ++i) {
        FlashKitPhoto sample;
        sample.path = sampleFolder + QStringLiteral("image_%1.jpg").arg(i);
        sample.size = QString::number(QFileInfo(sample.path).size());
        samples.append(sample);
    }
}

bool FlashmoRes::addPhotos(const QList<FlashKitPhoto>& items)
{
    photos.append(items);
    return true;
}

bool FlashmoRes::removePhoto(int index)
{
    return KitListOps::removeAt(photos, index);
}

bool FlashmoRes::insertPhotos(const QList<FlashKitPhoto>& items, int position)
{
    return KitListOps::insertAt(photos, items, position);
}

bool FlashmoRes::replacePhoto(const FlashKitPhoto& item, int index)
{
    return KitListOps::replaceAt(photos, item, index);
}

bool FlashmoRes::swapPhotos(int a, int b)
{
    return KitListOps::swapAt(photos, a, b);
}

bool FlashmoRes::addMusic(const QList<FlashKitAudio>& items)
{
    music.append(items);
    return true;
}

bool FlashmoRes::removeMusic(int index)
{
    return KitListOps::removeAt(music, index);
}

bool FlashmoRes::insertMusic(const QList<FlashKitAudio>& items, int position)
{
    return KitListOps::insertAt(music, items, position);
}

bool FlashmoRes::replaceMusic(const FlashKitAudio& item, int index)
{
    return KitListOps::replaceAt(music, item, index);
}

bool FlashmoRes::swapMusic(int a, int b)
{
    return KitListOps::swapAt(music, a, b);
}

bool FlashmoRes::clear()
{
    photos.clear();
    music.clear();
    return true;
}

void FlashmoRes::setPhotoQuality(int value)
{
    quality = qBound(0, value, 100);
}

void FlashmoRes::setPhotoSize(int choice)
{
    sizeChoice = qBound(0, choice, PhotoSize::Count - 1);
}

bool FlashmoRes::setTemplate(const QString& swfFileName)
{
    if (swfFileName.isEmpty())
        return false;
    templateSwf = swfFileName;
    QString configName = swfFileName;
    configName.replace(QStringLiteral(".swf"), QStringLiteral(".xml"), Qt::CaseSensitive);
    playData->setFileName(configName);
    refreshWorkFolder();
    return true;
}

bool FlashmoRes::readPlayData(PublishPlan& plan)
{
    if (!playData)
        return false;
    const bool opened = playData->openForRead();
    if (opened) {
        PublishPlan fresh;
        playData->readEntries(fresh);
        plan = fresh;
    }
    playData->closeFile();
    return opened;
}
