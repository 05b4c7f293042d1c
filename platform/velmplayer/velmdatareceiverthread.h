#pragma once

#include <QThread>

#include <atomic>

class VelmPlayer;
struct mpv_handle;

// Reads what libmpv reports about playback and passes it on as signals. Its signals are emitted
// on this thread, so receivers living elsewhere get them queued, in the order they happened.
class VelmDataReceiverThread : public QThread
{
    Q_OBJECT
public:
    VelmDataReceiverThread(VelmPlayer* player, mpv_handle* handle);
    ~VelmDataReceiverThread() override;

    // Current position in the playing file, in seconds (a file time, like the clip bounds).
    double pos() const;
    // Ends the thread and waits for it.
    void shutdown();

signals:
    // The position moved (regularly while playing, and after seeks).
    void progressChanged();
    // One clip of the list ended: played to its end, or could not be played at all.
    void currentUrlPlayingFinished();

protected:
    void run() override;

private:
    VelmPlayer* player;
    mpv_handle* handle;
    std::atomic<bool> quitting{false};
};
