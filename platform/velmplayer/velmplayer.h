#pragma once

#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <atomic>

struct mpv_handle;
class VelmDataReceiverThread;

// One entry of the play list. Start and end are positions in the file, in milliseconds; an end
// of -1 plays to the end of the file.
struct VelmClip
{
    QString path;
    QString title;
    qint64 startMs = 0;
    qint64 endMs = -1;
    qint64 tag = 0;
    bool fromList = false;
    QVariant data;
};

// The audio player behind VelMediaPreviewWidget: one libmpv handle, audio only, with a play list
// of clips. Transport calls come from the thread that owns the player; what libmpv reports is
// read on the data receiver thread and arrives as queued signals.
//
// Play list rules: play() on a stopped player starts at the first clip; stop() and the end of
// the list empty the list, so a stopped player plays whatever is added next. Positions
// (position(), setPos()) are times in the file, the same scale as the clips' start and end.
class VelmPlayer : public QObject
{
    Q_OBJECT
public:
    enum State
    {
        Stopped,
        Playing,
        Paused
    };

    explicit VelmPlayer(QObject* parent = nullptr);
    ~VelmPlayer() override;

    // Extra libmpv options ("name=value"), applied to every player made afterwards. Tests use it
    // for "ao=null". The environment variable LUMARO_MPV_OPTIONS ("name=value,name=value") adds
    // more, for whole-program runs.
    static void setExtraOptions(const QStringList& options);
    static QStringList extraOptions();

    // False when libmpv could not be started: every call is then a harmless no-op.
    bool isValid() const { return handle != nullptr; }

    void clear(bool keepCurrent = false);
    void add(const VelmClip& clip);
    QList<VelmClip> clips() const;

    void play();
    void pause();
    void stop();
    void setPos(int seconds);
    void setVolume(int volume);

    int volume() const { return currentVolume; }
    State state() const;
    bool isPlaying() const { return state() == Playing; }
    bool isPaused() const { return state() == Paused; }
    // Index in clips() of the clip now playing; -1 when none.
    int currentIndex() const;
    // Position in the current file, seconds.
    double position() const { return currentPosition.load(); }

    VelmDataReceiverThread* dataReceiverThread() const { return receiver; }

signals:
    void stateChanged();
    // The last clip of the list has ended by itself (not by stop()).
    void playFinished();

private:
    friend class VelmDataReceiverThread;

    // Called on the receiver thread.
    void onStartFile(qint64 entryId);
    void onFileLoaded();
    // Returns whether the entry was one of ours that ended on its own, and whether it was the
    // last of the list.
    bool onEndFile(qint64 entryId, bool endedByItself, bool* listFinished);
    void onPositionChanged(double seconds) { currentPosition.store(seconds); }

    qint64 appendToMpv(const VelmClip& clip, qint64 startOverrideMs);
    void setStateLocked(State newState, bool* changed);

    mpv_handle* handle = nullptr;
    VelmDataReceiverThread* receiver = nullptr;

    mutable QMutex mutex; // guards everything below
    QList<VelmClip> clipList;
    QList<qint64> entryIds; // mpv playlist entry ids of the clips handed to mpv, in order
    State currentState = Stopped;
    int playingIndex = -1;
    qint64 pendingStartMs = -1; // a position set while stopped, used for the first clip
    int pendingSeek = -1;       // a seek asked for before the file was loaded

    int currentVolume = 100;
    std::atomic<double> currentPosition{0.0};
};
