#pragma once

#include "common/audioinfo.h"
#include "common/imageinfo.h"

#include <QCoreApplication>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QProcess>
#include <QSize>
#include <QString>

#include <atomic>
#include <memory>

class QTemporaryDir;
class QThreadPool;

// The slideshow as an MP4 video: each photo is rendered from its original at frame size into a
// private folder (a few at a time on worker threads), then the video tool "kvv" (found on PATH,
// where the application folder comes first) encodes the pictures and the music clips into
// `output`. Emits ended() once; a cancelled or failed video leaves no file at `output`.
class VideoJob : public QObject
{
    Q_OBJECT
public:
    static constexpr int Fps = 30;
    static constexpr double Crossfade = 0.7;
    static constexpr int DefaultSecondsPerPhoto = 4;
    // Below this a photo would be gone before its crossfades were over.
    static constexpr double ShortestFittedSeconds = 1.0;
    static constexpr int EndFadeSeconds = 2;

    struct Request
    {
        QList<ImageInfo> photos;
        QList<AudioInfo> clips;
        int height = 1080;       // 1080 or 720
        int secondsPerPhoto = 4; // 2..10, 0 = the photos share the music's length
        QString output;
    };

    explicit VideoJob(QObject* parent = nullptr);
    ~VideoJob() override;

    // The music's length once through: the clips' ranges added up.
    static double musicSeconds(const QList<AudioInfo>& clips);
    // How long each photo is shown: the chosen time, or with 0 the music's length shared out
    // (never below ShortestFittedSeconds; the default without music).
    static double photoSeconds(int secondsPerPhoto, int photoCount, double musicSeconds);
    static QSize frameSize(int height);
    // The tool's job file for `request`, the rendered pictures in `pictures`.
    static QByteArray jobFile(const Request& request, const QStringList& pictures);

    void start(const Request& request);
    // Stops the rendering or the tool; ended(false, empty reason) follows from the event loop.
    void cancel();
    bool isRunning() const { return running; }
    int percent();

signals:
    // `reason` is empty when cancelled, else says what went wrong in the user's language.
    void ended(bool succeeded, const QString& reason);

private:
    void renderingDone();
    void renderOne(int index, const QSize& bound);
    void toolEnded(int exitCode, QProcess::ExitStatus status);
    void end(bool succeeded, const QString& reason);

    Request current;
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<QThreadPool> pool;
    QMutex failureLock;
    std::unique_ptr<QProcess> tool;
    QStringList pictures;
    QString renderFailure;
    std::atomic<bool> cancelled{false};
    std::atomic<int> rendered{0};
    double totalSeconds = 0;
    double doneSeconds = 0;
    bool running = false;
};
