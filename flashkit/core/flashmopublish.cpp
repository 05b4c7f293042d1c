#include "flashkit/core/flashmopublish.h"

#include "common/workspace.h"
#include "flashkit/core/filecopy.h"
#include "flashkit/core/flashmores.h"

#include <QDir>
#include <QFileInfo>
#include <QMutexLocker>

std::atomic<int> FlashmoPublish::progress{0};

FlashmoPublish::FlashmoPublish(FlashmoRes* resources)
    : res(resources), workFolder(workspaceFolder() + QLatin1Char('/'))
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

bool FlashmoPublish::makeFolder(const QString& path)
{
    if (QDir().mkpath(path))
        return true;
    fail(QStringLiteral("Cannot create the folder %1").arg(path));
    return false;
}

void FlashmoPublish::run()
{
    progress = 0;
    if (cancelled())
        return;
    workFolder = workspaceFolder() + QLatin1Char('/');
    const bool prepared = res->createPublishResourse(&cancel);
    if (cancelled())
        return;
    if (!prepared) {
        // Without a fresh configuration file the output would describe some earlier state.
        fail(QStringLiteral("Cannot prepare the photos and the configuration file in %1")
                 .arg(workFolder));
        return;
    }
    const bool done = profile == 0   ? publishFolder()
                      : profile == 3 ? publishOfflinePage()
                                     : publishSelfContained();
    if (done && !cancelled() && !failed())
        progress = 100;
}

bool FlashmoPublish::publishFolder()
{
    const QString photos = FlashmoRes::photosSubfolder;
    const QString music = FlashmoRes::musicSubfolder;
    if (!makeFolder(outputFolder) || !makeFolder(outputFolder + photos) ||
        !makeFolder(outputFolder + music))
        return false;
    templateSource = res->templateSourcePath();
    if (!copyWithRetry(templateSource, outputFolder + outputSwf)) {
        fail(QStringLiteral("Cannot copy %1 to %2").arg(templateSource, outputFolder + outputSwf));
        return false;
    }
    const QString config = res->playDataPath();
    const QString configTarget = outputFolder + QFileInfo(config).fileName();
    if (!copyWithRetry(config, configTarget)) {
        fail(QStringLiteral("Cannot copy %1 to %2").arg(config, configTarget));
        return false;
    }
    if (cancelled())
        return false;
    PublishPlan plan;
    if (!res->readPlayData(plan)) {
        fail(QStringLiteral("Cannot read %1").arg(config));
        return false;
    }
    if (cancelled())
        return false;

    // Files already in the output folder are kept as they are.
    auto copyAll = [this](const QList<PlayDataEntry>& entries, const QString& sub,
                          const QString& prefix) {
        for (const PlayDataEntry& entry : entries) {
            if (cancelled())
                return false;
            const QString name = prefix + entry.fileName;
            if (!copyKeepingExisting(workFolder + sub + name, outputFolder + sub + name)) {
                fail(QStringLiteral("Cannot copy %1 to %2").arg(name, outputFolder + sub));
                return false;
            }
        }
        return true;
    };
    return copyAll(plan.photos, photos, QStringLiteral("s_")) &&
           copyAll(plan.photos, photos, QString()) && copyAll(plan.music, music, QString());
}
