#include "app/publishflow.h"

#include "app/kitentries.h"
#include "app/lumaro_form.h"
#include "app/posttask.h"
#include "app/slideshow.h"
#include "audio/core/convert2mp3progress.h"
#include "common/logfile.h"
#include "common/workspace.h"
#include "flashkit/core/filecopy.h"
#include "flashkit/core/iflashkitinterface.h"
#include "flashkit/publishsetting.h"
#include "platform/velfc/core/veldesktopnotice.h"
#include "platform/velfc/core/velpoweraction.h"
#include "platform/velfc/core/velpref.h"
#include "platform/velfc/velmessagebox.h"
#include "platform/velfc/velpopwidget.h"
#include "platform/velfc/velpowerstate.h"
#include "widgets/publishbutton.h"

#include <QDir>
#include <QFrame>
#include <QMenu>
#include <QProgressBar>
#include <QTimer>

namespace {
constexpr int PollMs = 100;

std::unique_ptr<QTimer> makeTimer(PublishFlow* flow, void (PublishFlow::*slot)())
{
    auto timer = std::make_unique<QTimer>();
    timer->setInterval(PollMs);
    QObject::connect(timer.get(), &QTimer::timeout, flow, slot);
    return timer;
}
} // namespace

PublishFlow::PublishFlow(QWidget* window, LumaroForm* ui, IFlashKitInterface* kit,
                         const Slideshow* show)
    : QObject(window), window(window), ui(ui), kit(kit), show(show),
      runSettings([](PublishSetting& dialog) { return dialog.exec() == QDialog::Accepted; })
{
}

PublishFlow::~PublishFlow()
{
    stopAll();
}

QList<AudioInfo> PublishFlow::collectClipsToConvert(const QList<AudioInfo>& clips)
{
    QList<AudioInfo> list;
    for (const AudioInfo& clip : clips) {
        if (clip.needsConversion())
            list << clip;
    }
    return list;
}

// A running preview goes on playing: publishing works on copies in the workspace.
void PublishFlow::publish()
{
    if (isBusy())
        return;
    PublishSetting dialog(window);
    if (!runSettings || !runSettings(dialog))
        return;
    targetName = dialog.chosenName();
    targetFolder = dialog.chosenFolder();
    targetProfile = dialog.profileValue();
    photoQuality = dialog.photoQuality();

    // Every clip gets its own workspace file; converter, copies and kit entries agree on it.
    clips = show->audioList;
    clipFiles = musicCopyPaths(clips);
    musicEntries = musicEntriesFor(clips);
    QList<AudioInfo> toConvert;
    QStringList outputs;
    for (int i = 0; i < clips.size(); ++i) {
        if (clips.at(i).needsConversion() && !outputs.contains(clipFiles.at(i))) {
            toConvert << clips.at(i);
            outputs << clipFiles.at(i);
        }
    }

    enterPublishingState();
    if (toConvert.isEmpty()) {
        convertFinished();
        return;
    }
    convertTimer = makeTimer(this, &PublishFlow::updateConvertProgress);
    converter = std::make_unique<Convert2Mp3Progress>(nullptr, toConvert, outputs);
    connect(converter.get(), &Convert2Mp3Progress::convertFinished, this,
            &PublishFlow::convertFinished);
    connect(converter.get(), &Convert2Mp3Progress::killProcess, this, &PublishFlow::convertKilled);
    convertTimer->start();
    converter->convertNext();
}

void PublishFlow::updateConvertProgress()
{
    if (converter)
        ui->publishProgressBar->setValue(static_cast<int>(converter->conversionPercent()));
}

bool PublishFlow::prepareBackgroundMusic()
{
    const QString folder = musicFolder();
    if (!QDir(folder).exists() && !QDir().mkpath(folder)) {
        VelMessageBox::alert(tr("Cannot find the temporary directory!"), QString(), nullptr, true);
        return false;
    }
    bool ok = true;
    for (int i = 0; i < clips.size(); ++i) {
        if (!clips.at(i).needsConversion())
            ok = copyWithRetry(clips.at(i).filePath, clipFiles.at(i)) && ok;
    }
    return ok;
}

void PublishFlow::convertFinished()
{
    prepareBackgroundMusic(); // a clip that did not arrive is named by the kit's own check
    if (convertTimer)
        convertTimer->stop();
    const bool cleared = kit->clear();
    const bool photosAdded = kit->addPhotos(show->photoEntries);
    const bool musicAdded = kit->addMusic(musicEntries);
    const bool templateSet = kit->setTemplate(show->templateName + QStringLiteral(".swf"));
    kit->setPhotoQuality(photoQuality);
    publishTimer = makeTimer(this, &PublishFlow::updatePublishProgress);
    if (cleared && photosAdded && musicAdded && templateSet &&
        kit->publish(targetFolder + QLatin1Char('/'), targetName, targetProfile)) {
        publishTimer->start();
        return;
    }
    writeLogEntry(".\\lumaro", __LINE__, "Lumaro::slotConvertAudioFormatFinished", "");
    QString reason = kit->publishError();
    if (reason.isEmpty())
        reason = templateSet ? tr("The publishing could not be started.")
                             : tr("No template is selected.");
    failed(reason);
}

void PublishFlow::updatePublishProgress()
{
    const int progress = kit->publishProgress();
    ui->publishProgressBar->setValue(progress);
    if (progress == 100) {
        publishTimer->stop();
        notifySucceeded();
        backToIdle();
        emit publishEnded(true);
        runPostTaskAction();
        return;
    }
    // A run that could not write or read what it needs stops short of 100 and says why.
    const QString reason = kit->publishError();
    if (!reason.isEmpty()) {
        publishTimer->stop();
        failed(reason);
    }
}

void PublishFlow::failed(const QString& reason)
{
    backToIdle();
    VelMessageBox::alert(tr("The slideshow could not be published.") + QLatin1Char('\n') + reason,
                         QString(), nullptr, true);
    emit publishEnded(false);
}

void PublishFlow::backToIdle()
{
    if (convertTimer)
        convertTimer->stop();
    if (publishTimer)
        publishTimer->stop();
    leavePublishingState();
    ui->publishProgressBar->setValue(0);
}

void PublishFlow::notifySucceeded()
{
    const QString title = VelPref::instance()->product_name();
    const QString text = tr("Publish Succeeded!");
    VelPopWidget::s_delayCloseMs = 5000;
    VelPopWidget::setSkinMode(false);
    VelPopWidget* pop = VelPopWidget::showText(title, text, true, Qt::AlignLeft | Qt::AlignVCenter);
    const QString folder = targetFolder;
    pop->addButton(tr("Open Folder"),
                   [folder] { PublishSetting::openFolder(QUrl::fromLocalFile(folder)); });
    // Someone working in another window learns of it from the desktop as well.
    if (!window->isActiveWindow())
        VelDesktopNotice::send(title, text, QDir::toNativeSeparators(folder));
}

void PublishFlow::runPostTaskAction()
{
    const int action = PostTask::stored();
    if (!VelPowerAction::isAction(action))
        return;
    VelPowerState state(action, window);
    state.exec();
}

void PublishFlow::cancel()
{
    ui->cancelBtn->setEnabled(false);
    if (convertTimer && convertTimer->isActive()) {
        converter->cancelConversion(); // its killProcess() leads to convertKilled()
        return;
    }
    const bool running = publishTimer && publishTimer->isActive();
    kit->cancelPublish();
    backToIdle();
    if (running)
        emit publishEnded(false);
}

void PublishFlow::convertKilled()
{
    backToIdle();
    emit publishEnded(false);
}

bool PublishFlow::isConverting() const
{
    return convertTimer && convertTimer->isActive();
}

bool PublishFlow::isBusy() const
{
    return isConverting() || (publishTimer && publishTimer->isActive());
}

void PublishFlow::stopAll()
{
    if (converter && isConverting())
        converter->cancelConversion();
    if (convertTimer)
        convertTimer->stop();
    if (publishTimer)
        publishTimer->stop();
    // Wait for the worker even when no timer polls it: it writes into the workspace that the
    // close clean-up is about to delete.
    if (kit)
        kit->cancelAndWait();
}

void PublishFlow::enterPublishingState()
{
    ui->publishBtn->hide();
    ui->cancelBtn->show();
    ui->cancelBtn->setEnabled(true);
    for (QFrame* frame : {ui->rightFrame, ui->matterFrame, ui->playerFrame, ui->background})
        frame->setEnabled(false);
    if (titleMenu)
        titleMenu->setEnabled(false);
}

void PublishFlow::leavePublishingState()
{
    ui->publishBtn->show();
    ui->cancelBtn->hide();
    for (QFrame* frame : {ui->rightFrame, ui->matterFrame, ui->playerFrame, ui->background})
        frame->setEnabled(true);
    if (titleMenu)
        titleMenu->setEnabled(true);
}
