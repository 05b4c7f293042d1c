#include "app/publishflow.h"

#include "app/lumaro_form.h"
#include "app/slideshow.h"
#include "audio/core/convert2mp3progress.h"
#include "flashkit/core/iflashkitinterface.h"
#include "widgets/publishbutton.h"

#include <QFrame>
#include <QMenu>
#include <QProgressBar>
#include <QTimer>

PublishFlow::PublishFlow(QWidget* window, LumaroForm* ui, IFlashKitInterface* kit,
                         const Slideshow* show)
    : QObject(window), window(window), ui(ui), kit(kit), show(show)
{
}

PublishFlow::~PublishFlow()
{
    stopAll();
}

// The settings dialog and the stages arrive with the publish settings dialog; until then
// Publish starts nothing and Cancel only returns the controls to their idle state.
void PublishFlow::publish() {}

void PublishFlow::cancel()
{
    ui->cancelBtn->setEnabled(false);
    if (kit && publishTimer && publishTimer->isActive()) {
        kit->cancelPublish();
        publishTimer->stop();
    }
    leavePublishingState();
}

void PublishFlow::convertFinished() {}

void PublishFlow::convertKilled()
{
    leavePublishingState();
}

void PublishFlow::updatePublishProgress() {}
void PublishFlow::updateConvertProgress() {}

bool PublishFlow::isBusy() const
{
    return (convertTimer && convertTimer->isActive()) || (publishTimer && publishTimer->isActive());
}

void PublishFlow::stopAll()
{
    if (converter && convertTimer && convertTimer->isActive())
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
