#include "app/publishflow.h"

#include "app/mainform.h"
#include "app/posttask.h"
#include "document/slideshow.h"
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
#include <QFileInfo>
#include <QFrame>
#include <QMenu>
#include <QProgressBar>

namespace {
// A progress bar repaints itself at once on every new percentage. In a window holding the web
// engine each repaint is a flush of the whole window, which without a GPU can take tens of
// milliseconds: the new value is drawn with the window's next frame instead.
void showProgress(QProgressBar* bar, int percent)
{
    bar->setUpdatesEnabled(false);
    bar->setValue(percent);
    bar->setUpdatesEnabled(true); // schedules the repaint
}
} // namespace

PublishFlow::PublishFlow(QWidget* window, LumaroForm* ui, IFlashKitInterface* kit, Slideshow* show)
    : QObject(window), window(window), ui(ui), kit(kit), show(show),
      runSettings([](PublishSetting& dialog) { return dialog.exec() == QDialog::Accepted; }),
      job(std::make_unique<PublishJob>(kit))
{
    connect(job.get(), &PublishJob::progress, this, [this](PublishJob::Stage, int percent) {
        showProgress(this->ui->publishProgressBar, percent);
    });
    connect(job.get(), &PublishJob::musicFolderMissing, this, [] {
        VelMessageBox::alert(tr("Cannot find the temporary directory!"), QString(), nullptr, true);
    });
    connect(job.get(), &PublishJob::ended, this, &PublishFlow::jobEnded);
}

PublishFlow::~PublishFlow()
{
    // The form may already be going; the job's last words must not reach it.
    job->disconnect(this);
    stopAll();
}

QList<AudioInfo> PublishFlow::collectClipsToConvert(const QList<AudioInfo>& clips)
{
    return PublishJob::collectClipsToConvert(clips);
}

// A running preview goes on playing: publishing works on copies in the workspace.
void PublishFlow::publish()
{
    if (isBusy())
        return;
    PublishSetting dialog(window);
    const Slideshow::PublishSettings last = show->publishSettings();
    if (!last.name.isEmpty()) {
        dialog.startFrom(last.name, last.folder, last.profile, last.quality);
        dialog.startFromPhotoSize(last.photoSize);
    }
    dialog.startVideoFrom(last.videoHeight, last.secondsPerPhoto);
    if (!runSettings || !runSettings(dialog))
        return;
    targetName = dialog.chosenName();
    targetFolder = dialog.chosenFolder();
    const QString destination = dialog.chosenDestination();
    targetProfile = dialog.profileValue();
    photoQuality = dialog.photoQuality();
    Slideshow::PublishSettings chosen;
    chosen.name = dialog.requestedName();
    chosen.folder = destination;
    chosen.profile = targetProfile;
    chosen.quality = photoQuality;
    chosen.photoSize = dialog.photoSize();
    chosen.videoHeight = dialog.videoHeight();
    chosen.secondsPerPhoto = dialog.secondsPerPhoto();
    show->setPublishSettings(chosen);

    // The job publishes the lists as they are now, whatever happens to them meanwhile.
    PublishJob::Request request;
    request.photos = show->photoEntries();
    request.clips = show->clips();
    request.templateName = show->templateName();
    // The job stages the output and claims a free name as it moves it into place.
    request.folder = destination;
    request.name = dialog.requestedName();
    request.profile = targetProfile;
    request.quality = photoQuality;
    request.photoSize = chosen.photoSize;
    request.videoHeight = chosen.videoHeight;
    request.secondsPerPhoto = chosen.secondsPerPhoto;
    request.originals = show->photos();
    // The state comes first: a job that cannot start ends before start() returns.
    enterPublishingState();
    job->start(request);
}

void PublishFlow::jobEnded(PublishJob::Outcome outcome, const QString& reason)
{
    switch (outcome) {
    case PublishJob::Outcome::Succeeded:
        targetName = job->publishedName();
        targetFolder =
            targetProfile == 0 ? job->publishedPath() : QFileInfo(job->publishedPath()).path();
        notifySucceeded();
        backToIdle();
        emit publishEnded(true);
        runPostTaskAction();
        return;
    case PublishJob::Outcome::Cancelled:
        backToIdle();
        emit publishEnded(false);
        return;
    case PublishJob::Outcome::NoTemplate:
        failed(reason.isEmpty() ? tr("No template is selected.") : reason);
        return;
    case PublishJob::Outcome::NotStarted:
        failed(reason.isEmpty() ? tr("The publishing could not be started.") : reason);
        return;
    case PublishJob::Outcome::RunFailed:
        failed(reason);
        return;
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
    leavePublishingState();
    showProgress(ui->publishProgressBar, 0);
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

// The window stays busy until the job has ended (at once for a conversion, once the kit's
// thread is gone for a run): nothing else may use the kit's lists or the destination before.
void PublishFlow::cancel()
{
    ui->cancelBtn->setEnabled(false);
    job->cancel(); // jobEnded() returns the window to idle
}

bool PublishFlow::isConverting() const
{
    return job->isConverting();
}

bool PublishFlow::isBusy() const
{
    return job->isBusy();
}

void PublishFlow::stopAll()
{
    job->stopAll();
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
