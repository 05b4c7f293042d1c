#include "audio/audioeditdialog.h"

#include "audio/soundplayer.h"
#include "audio/velsliderbar.h"
#include "common/mediaformats.h"
#include "platform/velfc/core/velpref.h"
#include "widgets/loadfaileddialog.h"

#include <QCheckBox>
#include <QCursor>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include <QTreeWidget>

#include <algorithm>

namespace {
QString timeText(double seconds)
{
    return formatTime(static_cast<qint64>(seconds));
}

QString zeroTime()
{
    return formatTime(0);
}
} // namespace

Slideshow::MusicOptions AudioEditDialog::storedOptions()
{
    VelPref* pref = VelPref::instance();
    Slideshow::MusicOptions options;
    options.fadeIn = pref->value(PrefKey::IsFadeIn, PrefDefault::IsFadeIn).toBool();
    options.fadeOut = pref->value(PrefKey::IsFadeOut, PrefDefault::IsFadeOut).toBool();
    options.loop = pref->value(PrefKey::IsLoop, PrefDefault::IsLoop).toBool();
    return options;
}

AudioEditDialog::AudioEditDialog(const QList<AudioInfo>& list, QWidget* parent)
    : AudioEditDialog(list, storedOptions(), parent)
{
}

AudioEditDialog::AudioEditDialog(const QList<AudioInfo>& list,
                                 const Slideshow::MusicOptions& options, QWidget* parent)
    : VelDialog(parent), clips(list)
{
    setObjectName(QStringLiteral("AudioEditDialog"));
    openFiles = [](QWidget* owner, const QString& caption, const QString& folder,
                   const QString& filter) {
        return QFileDialog::getOpenFileNames(owner, caption, folder, filter);
    };
    buildForm();
    retranslate();
    delete_2->setEnabled(false);
    moveUp->setEnabled(false);
    moveDown->setEnabled(false);
    for (const AudioInfo& clip : clips) {
        QTreeWidgetItem* item = rowFor(clip);
        item->setToolTip(0, item->text(0));
        treeWidget->addTopLevelItem(item);
    }

    player = new SoundPlayer(this, false, false, false, true);
    if (VelmDataReceiverThread* receiver = player->dataReceiverThread())
        connect(receiver, &VelmDataReceiverThread::progressChanged, this,
                &AudioEditDialog::updateAudioBuffer);
    connect(player->player(), &VelmPlayer::playFinished, this, &AudioEditDialog::on_stop_clicked);
    reader = new AudioBatchReader(this);
    connect(reader, &AudioBatchReader::finished, this, &AudioEditDialog::onFilesRead);

    sliderClipping->setType(VelSliderBar::ShowThumb | VelSliderBar::ShowClipRegion |
                            VelSliderBar::ShowTags);
    sliderClipping->setMinimumClipGap(1);
    connectForm();
    mute->show();
    unmute->hide();
    volume->setMaximum(100);
    volume->setValue(100);
    play->show();
    pause->hide();
    playSegment->show();
    stop->setEnabled(false);
    setOutPoint->setEnabled(false);

    if (clips.isEmpty()) {
        frameEdit->setEnabled(false);
        label->setText(zeroTime() + QStringLiteral(" / ") + zeroTime());
    } else {
        treeWidget->setCurrentItem(treeWidget->topLevelItem(0));
    }

    fadeInChkBox->setChecked(options.fadeIn);
    fadeOutChkBox->setChecked(options.fadeOut);
    loopChkBox->setChecked(options.loop);
    setFixedSize(500, 450);
}

AudioEditDialog::~AudioEditDialog()
{
    // The reader must not deliver into a half-destroyed dialog.
    disconnect(reader, nullptr, this, nullptr);
}

void AudioEditDialog::connectForm()
{
    connect(treeWidget, &QTreeWidget::currentItemChanged, this,
            &AudioEditDialog::on_treeWidget_currentItemChanged);
    const QList<QPair<QToolButton*, void (AudioEditDialog::*)()>> buttons = {
        {add, &AudioEditDialog::on_add_clicked},
        {delete_2, &AudioEditDialog::on_delete_2_clicked},
        {moveUp, &AudioEditDialog::on_moveUp_clicked},
        {moveDown, &AudioEditDialog::on_moveDown_clicked},
        {setInPoint, &AudioEditDialog::on_setInPoint_clicked},
        {setOutPoint, &AudioEditDialog::on_setOutPoint_clicked},
        {playSegment, &AudioEditDialog::on_playSegment_clicked},
        {play, &AudioEditDialog::on_play_clicked},
        {pause, &AudioEditDialog::on_pause_clicked},
        {stop, &AudioEditDialog::on_stop_clicked},
        {mute, &AudioEditDialog::on_mute_clicked},
        {unmute, &AudioEditDialog::on_unmute_clicked}};
    for (const auto& [button, slot] : buttons)
        connect(button, &QToolButton::clicked, this, slot);
    connect(sliderClipping, &VelSliderBar::clipStartChanged, this,
            &AudioEditDialog::onClipStartChanged);
    connect(sliderClipping, &VelSliderBar::clipEndChanged, this,
            &AudioEditDialog::onClipEndChanged);
    connect(sliderClipping, &VelSliderBar::thumbMouseRelease, this,
            &AudioEditDialog::onThumbMouseRelease);
    // The wheel and the keyboard move the thumb too: the point buttons follow it.
    connect(sliderClipping, &VelSliderBar::valueChanged, this,
            [this](int value) { updatePointButtons(value); });
    connect(fadeInChkBox, &QCheckBox::clicked, this, &AudioEditDialog::onFadeInChkBoxClicked);
    connect(fadeOutChkBox, &QCheckBox::clicked, this, &AudioEditDialog::onFadeOutChkBoxClicked);
    connect(loopChkBox, &QCheckBox::clicked, this, &AudioEditDialog::onLoopChkBoxClicked);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &AudioEditDialog::slotAccept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &AudioEditDialog::reject);
    connect(volume, &QSlider::valueChanged, this, &AudioEditDialog::setVolume);
    connect(volume, &QSlider::actionTriggered, this,
            &AudioEditDialog::on_volumePositionAction_triggered);
}

QTreeWidgetItem* AudioEditDialog::rowFor(const AudioInfo& clip) const
{
    auto* item = new QTreeWidgetItem;
    item->setText(0, QFileInfo(clip.filePath).fileName());
    item->setText(1, timeText(clip.duration));
    item->setText(2, timeText(clip.startPoint));
    item->setText(3, timeText(clip.endPoint));
    return item;
}

const AudioInfo* AudioEditDialog::editedClip() const
{
    return editedIndex >= 0 && editedIndex < clips.size() ? &clips.at(editedIndex) : nullptr;
}

void AudioEditDialog::showTime(double at)
{
    const AudioInfo* clip = editedClip();
    label->setText(timeText(at) + QStringLiteral(" / ") + timeText(clip ? clip->duration : 0));
}

void AudioEditDialog::showStoppedTime()
{
    showTime(0);
}

void AudioEditDialog::updatePointButtons(double at)
{
    const AudioInfo* clip = editedClip();
    setInPoint->setEnabled(clip && clip->endPoint - 1 > at);
    setOutPoint->setEnabled(clip && clip->startPoint + 1 < at);
}

void AudioEditDialog::on_treeWidget_currentItemChanged(QTreeWidgetItem* current, QTreeWidgetItem*)
{
    const bool hasCurrent = current != nullptr;
    delete_2->setEnabled(hasCurrent);
    moveUp->setEnabled(hasCurrent);
    moveDown->setEnabled(hasCurrent);
    // A paused clip is dropped too: Play would otherwise resume it under another row's name.
    if (player->isPlaying() || player->isPaused())
        on_stop_clicked();
    if (hasCurrent) {
        const int row = treeWidget->indexOfTopLevelItem(current);
        moveUp->setEnabled(row > 0);
        moveDown->setEnabled(row < treeWidget->topLevelItemCount() - 1);
        editedIndex = row;
        const AudioInfo& clip = clips.at(row);
        sliderClipping->setRange(0, int(clip.duration));
        sliderClipping->setClipStartValue(int(clip.startPoint));
        sliderClipping->setClipEndValue(int(clip.endPoint));
        // A thumb left far along a long clip would lie past the end of a short one.
        position = 0;
        sliderClipping->setValue(0);
        showStoppedTime();
    } else {
        editedIndex = -1;
    }
    // Clips added to an empty list must become playable without reopening the dialog.
    frameEdit->setEnabled(hasCurrent);
    for (QWidget* control : {static_cast<QWidget*>(play), static_cast<QWidget*>(playSegment),
                             static_cast<QWidget*>(pause), static_cast<QWidget*>(sliderClipping),
                             static_cast<QWidget*>(setInPoint)})
        control->setEnabled(hasCurrent);
    stop->setEnabled(false);
    setOutPoint->setEnabled(false);
}

void AudioEditDialog::on_add_clicked()
{
    if (reader->isRunning())
        return; // one batch at a time; its results are still to come
    VelPref* pref = VelPref::instance();
    const QString folder =
        pref->value(PrefKey::AudioLastDir, PrefDefault::audioLastDir()).toString();
    const QStringList files = openFiles(this, tr("Select One or More Files"), folder,
                                        openFileDialogFilter(audioExtensions, audioFileFilter));
    if (files.isEmpty())
        return;
    pref->setValue(PrefKey::AudioLastDir, QFileInfo(files.first()).absolutePath());

    // The tool may take a while per file: the dialog keeps painting and shows how far it got.
    add->setEnabled(false);
    buttonBox->button(QDialogButtonBox::Ok)->setEnabled(false);
    if (!readProgress) {
        readProgress = new QProgressDialog(this);
        readProgress->setObjectName(QStringLiteral("readProgress"));
        readProgress->setWindowModality(Qt::WindowModal);
        readProgress->setMinimumDuration(300);
        readProgress->setAutoReset(false);
        readProgress->setAutoClose(false);
        connect(readProgress, &QProgressDialog::canceled, reader, &AudioBatchReader::stop);
        connect(reader, &AudioBatchReader::progress, readProgress, &QProgressDialog::setValue);
    }
    readProgress->setLabelText(tr("Reading audio files..."));
    readProgress->setCancelButtonText(tr("Cancel"));
    readProgress->setRange(0, int(files.size()));
    readProgress->setValue(0);
    reader->start(files);
}

void AudioEditDialog::onFilesRead(const QList<AudioInfo>& accepted,
                                  const QList<FileFailure>& rejected)
{
    // Possibly inside the progress's own setValue(): hidden, not deleted.
    if (readProgress) {
        readProgress->reset();
        readProgress->hide();
    }
    add->setEnabled(true);
    buttonBox->button(QDialogButtonBox::Ok)->setEnabled(true);
    for (AudioInfo clip : accepted) {
        // The flags are global: added clips follow the boxes as they are now.
        clip.fadeIn = fadeInChkBox->isChecked() ? 1 : 0;
        clip.fadeOut = fadeOutChkBox->isChecked() ? 1 : 0;
        clip.loop = loopChkBox->isChecked() ? 1 : 0;
        treeWidget->addTopLevelItem(rowFor(clip));
        clips.append(clip);
    }
    if (!accepted.isEmpty() && !treeWidget->currentItem())
        treeWidget->setCurrentItem(treeWidget->topLevelItem(treeWidget->topLevelItemCount() - 1));
    else if (treeWidget->currentItem())
        moveDown->setEnabled(treeWidget->currentIndex().row() <
                             treeWidget->topLevelItemCount() - 1);
    if (!rejected.isEmpty()) {
        if (!loadFailed)
            loadFailed = new LoadFailedDialog(this);
        loadFailed->addFailures(rejected);
        loadFailed->showIfNotEmpty();
    }
}

void AudioEditDialog::on_delete_2_clicked()
{
    QTreeWidgetItem* current = treeWidget->currentItem();
    if (!current)
        return;
    const int row = treeWidget->indexOfTopLevelItem(current);
    treeWidget->setCurrentItem(nullptr);
    delete treeWidget->takeTopLevelItem(row);
    clips.removeAt(row);
    if (row < treeWidget->topLevelItemCount()) {
        treeWidget->setCurrentItem(treeWidget->topLevelItem(row));
    } else if (clips.isEmpty()) {
        delete_2->setEnabled(false);
        label->setText(zeroTime() + QStringLiteral(" / ") + zeroTime());
    } else {
        treeWidget->setCurrentItem(treeWidget->topLevelItem(treeWidget->topLevelItemCount() - 1));
    }
}

void AudioEditDialog::moveCurrentRow(int by)
{
    QTreeWidgetItem* current = treeWidget->currentItem();
    if (!current)
        return;
    const int row = treeWidget->indexOfTopLevelItem(current);
    const int target = row + by;
    if (target < 0 || target >= treeWidget->topLevelItemCount())
        return;
    QTreeWidgetItem* item = treeWidget->takeTopLevelItem(row);
    treeWidget->insertTopLevelItem(target, item);
    clips.move(row, target);
    treeWidget->setCurrentItem(item);
}

void AudioEditDialog::on_moveUp_clicked()
{
    moveCurrentRow(-1);
}

void AudioEditDialog::on_moveDown_clicked()
{
    moveCurrentRow(1);
}

void AudioEditDialog::addClipToPlayer()
{
    const AudioInfo* clip = editedClip();
    if (!clip || player->isPlaying() || player->isPaused())
        return;
    player->addUrl(QDir::toNativeSeparators(clip->filePath), QString(), 0, -1, 0, false,
                   QVariant());
}

void AudioEditDialog::on_play_clicked()
{
    if (!editedClip())
        return;
    segmentMode = false;
    addClipToPlayer();
    player->setPos(sliderClipping->value());
    player->play();
    play->hide();
    player->setVolume(volume->value());
    pause->show();
    stop->setEnabled(true);
    playSegment->setEnabled(false);
    pause->setFocus();
}

void AudioEditDialog::on_playSegment_clicked()
{
    const AudioInfo* clip = editedClip();
    if (!clip)
        return;
    segmentMode = true;
    playSegment->hide();
    pause->show();
    stop->setEnabled(true);
    play->setEnabled(false);
    position = clip->startPoint;
    addClipToPlayer();
    player->setPos(int(position));
    player->play();
    player->setVolume(volume->value());
}

void AudioEditDialog::on_pause_clicked()
{
    pause->hide();
    play->show();
    playSegment->show();
    play->setEnabled(true);
    playSegment->setEnabled(true);
    player->pause();
}

void AudioEditDialog::on_stop_clicked()
{
    segmentMode = false;
    player->stop();
    pause->hide();
    play->show();
    playSegment->show();
    stop->setEnabled(false);
    play->setEnabled(true);
    playSegment->setEnabled(true);
    play->setFocus();
    position = 0;
    sliderClipping->setValue(0);
    showStoppedTime();
}

void AudioEditDialog::updateAudioBuffer()
{
    const AudioInfo* clip = editedClip();
    if (!clip)
        return;
    position = player->dataReceiverThread()->pos();
    if (position >= clip->endPoint && segmentMode) {
        // A segment ends at the end point and goes back to its start, ready to be heard again.
        player->stop();
        position = clip->startPoint;
        playSegment->show();
        pause->hide();
        playSegment->setEnabled(true);
        play->setEnabled(true);
        stop->setEnabled(false);
        segmentMode = false;
    }
    sliderClipping->setValue(int(position));
    updatePointButtons(position);
    showTime(position);
}

void AudioEditDialog::onThumbMouseRelease(int value)
{
    position = value;
    if (player->isPlaying()) {
        player->setPos(int(position));
        player->play();
    }
    updatePointButtons(position);
    showTime(value);
}

// The thumb may have been moved (wheel, keys) since the buttons were last enabled: the point
// is checked again so that a clip never ends before it starts.
void AudioEditDialog::on_setInPoint_clicked()
{
    if (editedIndex < 0)
        return;
    AudioInfo& clip = clips[editedIndex];
    const int value = sliderClipping->value();
    if (!(clip.endPoint - 1 > value))
        return;
    clip.startPoint = value;
    sliderClipping->setClipStartValue(value);
    treeWidget->topLevelItem(editedIndex)->setText(2, timeText(clip.startPoint));
}

void AudioEditDialog::on_setOutPoint_clicked()
{
    if (editedIndex < 0)
        return;
    AudioInfo& clip = clips[editedIndex];
    const int value = sliderClipping->value();
    if (!(clip.startPoint + 1 < value))
        return;
    clip.endPoint = value;
    sliderClipping->setClipEndValue(value);
    treeWidget->topLevelItem(editedIndex)->setText(3, timeText(clip.endPoint));
}

void AudioEditDialog::onClipStartChanged(int value)
{
    if (editedIndex < 0)
        return;
    clips[editedIndex].startPoint = value;
    treeWidget->topLevelItem(editedIndex)->setText(2, timeText(value));
}

void AudioEditDialog::onClipEndChanged(int value)
{
    if (editedIndex < 0)
        return;
    clips[editedIndex].endPoint = value;
    treeWidget->topLevelItem(editedIndex)->setText(3, timeText(value));
}

void AudioEditDialog::setFlagOnAll(qint32 AudioInfo::*flag, bool on)
{
    for (AudioInfo& clip : clips)
        clip.*flag = on ? 1 : 0;
}

void AudioEditDialog::onLoopChkBoxClicked(bool checked)
{
    setFlagOnAll(&AudioInfo::loop, checked);
}

void AudioEditDialog::onFadeInChkBoxClicked(bool checked)
{
    setFlagOnAll(&AudioInfo::fadeIn, checked);
}

void AudioEditDialog::onFadeOutChkBoxClicked(bool checked)
{
    setFlagOnAll(&AudioInfo::fadeOut, checked);
}

void AudioEditDialog::on_mute_clicked()
{
    player->setVolume(0);
    volume->setEnabled(false);
    mute->hide();
    unmute->show();
    unmute->setFocus();
}

void AudioEditDialog::on_unmute_clicked()
{
    player->setVolume(volume->value());
    volume->setEnabled(true);
    unmute->hide();
    mute->show();
    mute->setFocus();
}

void AudioEditDialog::setVolume(int value)
{
    player->setVolume(value);
}

// A click on the groove puts the handle under the pointer instead of paging towards it. Keys
// move the handle by their own steps.
void AudioEditDialog::on_volumePositionAction_triggered()
{
    if (!(QGuiApplication::mouseButtons() & Qt::LeftButton) || volume->width() <= 0)
        return;
    const int offset = QCursor::pos().x() - volume->mapToGlobal(QPoint(0, 0)).x();
    volume->setValue(std::clamp(offset * 100 / volume->width(), 0, 100));
}

Slideshow::MusicOptions AudioEditDialog::musicOptions() const
{
    Slideshow::MusicOptions options;
    options.fadeIn = fadeInChkBox->isChecked();
    options.fadeOut = fadeOutChkBox->isChecked();
    options.loop = loopChkBox->isChecked();
    return options;
}

void AudioEditDialog::slotAccept()
{
    VelPref* pref = VelPref::instance();
    pref->setValue(PrefKey::IsFadeIn, fadeInChkBox->isChecked());
    pref->setValue(PrefKey::IsFadeOut, fadeOutChkBox->isChecked());
    pref->setValue(PrefKey::IsLoop, loopChkBox->isChecked());
    accept();
}
