#pragma once

#include "platform/velmplayer/velmdatareceiverthread.h"
#include "platform/velmplayer/velmplayer.h"

#include <QVariant>
#include <QWidget>

class QLabel;
class QPushButton;

// A small media player widget: a display area (the title of the clip playing), a control area
// (play/pause and stop buttons) and a status area (the position). All three are plain child
// widgets that a program may hide or re-parent; playback does not depend on them.
//
// The play list holds clips given by file, start and end (milliseconds in the file, end -1 =
// to the end). play() on a stopped player starts with the first clip; stop() and the end of the
// list empty it. pos() of the data receiver thread and setPos() use times in the file.
//
// Signals: stateChanged() whenever playing/paused/stopped changes; aboutToPlay(bool&) just
// before a stopped player starts (clear the flag to refuse; connect it directly, never queued);
// the receiver thread's progressChanged() and currentUrlPlayingFinished(); the inner player's
// playFinished() when the last clip has ended.
class VelMediaPreviewWidget : public QWidget
{
    Q_OBJECT
public:
    // `showDisplay` and `showControls` make the display and control areas visible from the
    // start. `creator` is reserved for another player back end; the libmpv player is used.
    explicit VelMediaPreviewWidget(QWidget* parent = nullptr, Qt::WindowFlags flags = {},
                                   bool showDisplay = false, bool showControls = false,
                                   void* creator = nullptr);
    ~VelMediaPreviewWidget() override;

    // Empties the play list. With `keepCurrent` the clip now playing finishes first; otherwise
    // playback stops.
    void clearUrls(bool keepCurrent = false);
    // Appends one clip. `tag` and `data` are kept with the clip for the caller; `fromList` tells
    // a clip of a whole list from a single one.
    virtual void addUrl(const QString& path, const QString& title, qint64 startMs, qint64 endMs,
                        qint64 tag, bool fromList, const QVariant& data);
    int urlCount() const;

    void play();
    void pause();
    void stop();
    bool isPlaying() const;
    bool isPaused() const;
    // Jumps to a position in the current file, whole seconds; while stopped, the next play()
    // starts the first clip there.
    void setPos(int seconds);
    // 0 (silence) to 100 (full volume); values outside are clamped.
    void setVolume(int volume);
    int volume() const;

    VelmPlayer* player() const { return mediaPlayer; }
    VelmDataReceiverThread* dataReceiverThread() const { return mediaPlayer->dataReceiverThread(); }

    QWidget* displayArea() const { return display; }
    QWidget* controlArea() const { return controls; }
    QWidget* statusArea() const { return status; }

    // Extra libmpv options for players made afterwards, e.g. {"ao=null"} in tests.
    static void setExtraMpvOptions(const QStringList& options)
    {
        VelmPlayer::setExtraOptions(options);
    }

signals:
    void stateChanged();
    void aboutToPlay(bool& ok);

private slots:
    void updateDisplay();
    void updatePosition();
    void togglePlay();

private:
    VelmPlayer* mediaPlayer = nullptr;
    void* playerCreator = nullptr;
    QWidget* display = nullptr;
    QLabel* titleLabel = nullptr;
    QWidget* controls = nullptr;
    QPushButton* playButton = nullptr;
    QPushButton* stopButton = nullptr;
    QWidget* status = nullptr;
    QLabel* positionLabel = nullptr;
};
