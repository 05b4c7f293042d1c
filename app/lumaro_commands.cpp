// Commands of the title menu and the publish area: the action after a publish, the preferences,
// and the publishing state of the window's controls.
#include "app/lumaro.h"
#include "app/lumaro_form.h"
#include "app/posttask.h"
#include "flashkit/core/iflashkitinterface.h"
#include "prefs/preferences.h"
#include "widgets/publishbutton.h"

#include <QFrame>
#include <QMenu>
#include <QTimer>

namespace {
PostTask::Actions postTaskActions(const LumaroForm* ui)
{
    PostTask::Actions actions;
    actions.doNothing = ui->actionDo_nothing;
    actions.quitApplication = ui->actionQuit_Application;
    actions.shutDown = ui->actionShutdown_Computer;
    actions.hibernate = ui->actionHiberate;
    actions.standBy = ui->actionStandby;
    return actions;
}
} // namespace

void Lumaro::on_afterPublishAction()
{
    PostTask::store(PostTask::valueOf(postTaskActions(ui), sender()));
    restorePostTaskChecks();
}

void Lumaro::restorePostTaskChecks()
{
    PostTask::restoreChecks(postTaskActions(ui));
}

void Lumaro::slotPrefencesTriggered()
{
    Preferences preferences(this, &photoEntries, &musicEntries);
    preferences.exec();
    restorePostTaskChecks();
}

// Importing comes with the import flow; these stay inert until then.
void Lumaro::on_importPicture_clicked() {}
void Lumaro::on_importPictureDir_clicked() {}
void Lumaro::on_importAudio_clicked() {}

// Publishing comes with the publish flow; until then Publish starts nothing and Cancel only
// returns the controls to their idle state.
void Lumaro::on_publishBtn_clicked() {}

void Lumaro::on_cancelBtn_clicked()
{
    ui->cancelBtn->setEnabled(false);
    if (kit && publishTimer && publishTimer->isActive()) {
        kit->cancelPublish();
        publishTimer->stop();
    }
    leavePublishingState();
}

void Lumaro::slotConvertAudioFormatFinished() {}
void Lumaro::slotKillConvertProcess()
{
    leavePublishingState();
}
void Lumaro::updatePublishProgress() {}
void Lumaro::updateConvertProgress() {}

void Lumaro::enterPublishingState()
{
    ui->publishBtn->hide();
    ui->cancelBtn->show();
    ui->cancelBtn->setEnabled(true);
    for (QFrame* frame : {ui->rightFrame, ui->matterFrame, ui->playerFrame, ui->background})
        frame->setEnabled(false);
    if (titleMenu)
        titleMenu->setEnabled(false);
}

void Lumaro::leavePublishingState()
{
    ui->publishBtn->show();
    ui->cancelBtn->hide();
    for (QFrame* frame : {ui->rightFrame, ui->matterFrame, ui->playerFrame, ui->background})
        frame->setEnabled(true);
    if (titleMenu)
        titleMenu->setEnabled(true);
}
