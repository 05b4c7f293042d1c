// The photo and music strips as the main window sees them: selection between the two, the
// commands on selected items, the commands enabled as the slideshow changes and the one shared
// scroll bar.
#include "app/lumaro.h"
#include "app/mainform.h"
#include "app/scrollrange.h"
#include "audio/audiolistwidget.h"
#include "photos/photolistwidget.h"
#include "widgets/publishbutton.h"

#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>

void Lumaro::photoItemSelectChanged()
{
    activeList = 0;
    {
        // Clearing the other strip must not run its own handler, which would clear this one.
        const QSignalBlocker blocker(ui->audioListWidget);
        ui->audioListWidget->clearSelection();
        ui->audioListWidget->setCurrentRow(-1);
    }
    const bool selected = !ui->photoListWidget->selectedItems().isEmpty();
    for (QToolButton* tool :
         {ui->deleteClip, ui->turnLeft, ui->turnRight, ui->mirror, ui->flip, ui->restore})
        tool->setEnabled(selected);
}

void Lumaro::audioItemSelectChanged()
{
    activeList = 1;
    {
        const QSignalBlocker blocker(ui->photoListWidget);
        ui->photoListWidget->clearSelection();
        ui->photoListWidget->setCurrentRow(-1);
    }
    ui->deleteClip->setEnabled(!ui->audioListWidget->selectedItems().isEmpty());
    for (QToolButton* tool : {ui->turnLeft, ui->turnRight, ui->mirror, ui->flip, ui->restore})
        tool->setEnabled(false);
}

void Lumaro::on_photoListWidget_item_clicked()
{
    photoItemSelectChanged();
}

void Lumaro::on_audioListWidget_item_clicked()
{
    audioItemSelectChanged();
}

void Lumaro::on_photoListWidget_row_changed(int)
{
    photoItemSelectChanged();
}

void Lumaro::on_audioListWidget_row_changed(int)
{
    audioItemSelectChanged();
}

void Lumaro::on_deleteClip_clicked()
{
    if (activeList != 0)
        ui->audioListWidget->deleteSelectedAudio();
    else
        ui->photoListWidget->deleteSelected();
}

void Lumaro::on_turnLeft_clicked()
{
    ui->photoListWidget->applyOperation(TurnLeft);
}

void Lumaro::on_turnRight_clicked()
{
    ui->photoListWidget->applyOperation(TurnRight);
}

void Lumaro::on_mirror_clicked()
{
    ui->photoListWidget->applyOperation(Mirror);
}

void Lumaro::on_flip_clicked()
{
    ui->photoListWidget->applyOperation(Flip);
}

void Lumaro::on_restore_clicked()
{
    ui->photoListWidget->restoreSelected();
}

void Lumaro::documentChanged()
{
    const bool photos = !doc->photos().isEmpty();
    ui->previewBtn->setEnabled(photos);
    ui->publishBtn->setEnabled(photos);
    ui->editMusic->setEnabled(!doc->clips().isEmpty());
    changeScrollRange();
}

void Lumaro::changeScrollRange()
{
    QScrollBar* shared = ui->horizontalScrollBar;
    QScrollBar* photoBar = ui->photoListWidget->horizontalScrollBar();
    QScrollBar* audioBar = ui->audioListWidget->horizontalScrollBar();
    const int pageStep = shared->width();
    const int maximum = sharedScrollMaximum(ui->photoListWidget->contentWidth(),
                                            ui->audioListWidget->contentWidth(), pageStep);
    for (QScrollBar* bar : {shared, photoBar, audioBar}) {
        bar->setPageStep(pageStep);
        bar->setRange(0, maximum);
    }
}

void Lumaro::resetControls()
{
    ui->deleteClip->setEnabled(false);
    for (QToolButton* tool : {ui->turnLeft, ui->turnRight, ui->mirror, ui->flip, ui->restore,
                              ui->editMusic, ui->previewBtn})
        tool->setEnabled(false);
    ui->publishBtn->setEnabled(false);
    ui->publishBtn->setVisible(true);
    ui->cancelBtn->setVisible(false);
}
