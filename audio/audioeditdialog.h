#pragma once

#include "audio/core/audiobatchreader.h"
#include "common/audioinfo.h"
#include "document/slideshow.h"
#include "platform/velfc/veldialog.h"

#include <QList>

#include <functional>

class LoadFailedDialog;
class QCheckBox;
class QDialogButtonBox;
class QFrame;
class QGroupBox;
class QLabel;
class QProgressDialog;
class QSlider;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class SoundPlayer;
class VelSliderBar;

// "Edit Audio": the user reviews the background music on a copy of the list: adds files, deletes
// and reorders clips, listens to a clip, sets its start and end point on the clip slider and
// sets the three music options of the whole list. Its OK remembers the options in the settings
// for the next slideshows; the caller takes the edited list and options over.
class AudioEditDialog : public VelDialog
{
    Q_OBJECT
public:
    // The open-files dialog (parent, caption, folder, filter); tests answer it themselves.
    using OpenFilesFunction =
        std::function<QStringList(QWidget*, const QString&, const QString&, const QString&)>;

    // Starts from `list` and `options`.
    AudioEditDialog(const QList<AudioInfo>& list, const Slideshow::MusicOptions& options,
                    QWidget* parent);
    // Starts from `list` and the options remembered in the settings.
    AudioEditDialog(const QList<AudioInfo>& list, QWidget* parent);
    ~AudioEditDialog() override;

    // The remembered options (the defaults when none are).
    static Slideshow::MusicOptions storedOptions();

    // The edited clips and options; what the caller takes over after the dialog was accepted.
    QList<AudioInfo> editedList() const { return clips; }
    Slideshow::MusicOptions musicOptions() const;

    void setOpenFilesFunction(OpenFilesFunction function) { openFiles = std::move(function); }
    AudioBatchReader* fileReader() const { return reader; }
    SoundPlayer* soundPlayer() const { return player; }
    LoadFailedDialog* loadFailedDialog() const { return loadFailed; }
    double playingPosition() const { return position; }
    bool isSegmentMode() const { return segmentMode; }
    int editedRow() const { return editedIndex; }

    void retranslate() override;

private slots:
    void on_add_clicked();
    void on_delete_2_clicked();
    void on_moveUp_clicked();
    void on_moveDown_clicked();
    void on_treeWidget_currentItemChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    void on_setInPoint_clicked();
    void on_setOutPoint_clicked();
    void on_playSegment_clicked();
    void onClipStartChanged(int value);
    void onClipEndChanged(int value);
    void onThumbMouseRelease(int value);
    void updateAudioBuffer();
    void on_play_clicked();
    void on_pause_clicked();
    void on_stop_clicked();
    void onLoopChkBoxClicked(bool checked);
    void onFadeInChkBoxClicked(bool checked);
    void onFadeOutChkBoxClicked(bool checked);
    void on_mute_clicked();
    void on_unmute_clicked();
    void setVolume(int value);
    void on_volumePositionAction_triggered();
    void slotAccept();

private:
    void buildForm();
    void connectForm();
    QTreeWidgetItem* rowFor(const AudioInfo& clip) const;
    void moveCurrentRow(int by);
    void addClipToPlayer();
    void updatePointButtons(double at);
    void showTime(double at);
    void showStoppedTime();
    void setFlagOnAll(qint32 AudioInfo::*flag, bool on);
    void onFilesRead(const QList<AudioInfo>& accepted, const QList<FileFailure>& rejected);
    const AudioInfo* editedClip() const;

    QList<AudioInfo> clips;
    int editedIndex = -1;
    double position = 0.0;
    bool segmentMode = false;
    SoundPlayer* player = nullptr;
    LoadFailedDialog* loadFailed = nullptr;
    AudioBatchReader* reader = nullptr;
    // Made at the first Add and kept: being window-modal, it runs the event loop inside its
    // setValue(), where the batch's end can arrive, so it is hidden then, never deleted.
    QProgressDialog* readProgress = nullptr;
    OpenFilesFunction openFiles;

    QFrame* frame = nullptr;
    QTreeWidget* treeWidget = nullptr;
    QToolButton* add = nullptr;
    QToolButton* delete_2 = nullptr;
    QToolButton* moveUp = nullptr;
    QToolButton* moveDown = nullptr;
    QFrame* frameEdit = nullptr;
    VelSliderBar* sliderClipping = nullptr;
    QToolButton* play = nullptr;
    QToolButton* pause = nullptr;
    QToolButton* playSegment = nullptr;
    QToolButton* stop = nullptr;
    QToolButton* setInPoint = nullptr;
    QToolButton* setOutPoint = nullptr;
    QToolButton* mute = nullptr;
    QToolButton* unmute = nullptr;
    QSlider* volume = nullptr;
    QLabel* label = nullptr;
    QFrame* frame_2 = nullptr;
    QGroupBox* groupBox = nullptr;
    QCheckBox* fadeInChkBox = nullptr;
    QCheckBox* fadeOutChkBox = nullptr;
    QCheckBox* loopChkBox = nullptr;
    QDialogButtonBox* buttonBox = nullptr;
};
