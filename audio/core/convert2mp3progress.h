#pragma once

#include "common/audioinfo.h"

#include <QList>
#include <QObject>
#include <QProcess>
#include <QStringList>

// Converts a list of clips to 44100 Hz stereo MP3 files in the workspace's music folder with the
// converter tool "kvt" (found on PATH, where the application folder comes first), as many at
// once as Workers::count() allows, in list order. The owner polls conversionPercent() to show
// progress. Never shown; a plain object so it works without a display.
class Convert2Mp3Progress : public QObject
{
    Q_OBJECT

public:
    // `outputs[i]` is the file clip i is converted to; where it is missing, the clip's
    // musicCopyPath(). The publish driver passes the paths its kit entries name.
    Convert2Mp3Progress(QObject* parent, const QList<AudioInfo>& clips,
                        const QStringList& outputs = QStringList());
    // Ends the converters still running and waits for them.
    ~Convert2Mp3Progress() override;

    // Starts conversions until as many run as may run at once; each one that ends starts the
    // next. The owner calls it once to begin. Does nothing when no clip is left.
    void convertNext();
    // Reads the converters' new output and returns the overall percentage (0..100).
    double conversionPercent();
    // Ends every running converter, returns once they are gone and emits killProcess(); nothing
    // further is started.
    void cancelConversion();
    // Why a clip could not be converted, naming the user's file, in the user's language; empty
    // while every conversion succeeded. The first failure ends the others and the chain:
    // convertFinished() follows at once, and whoever publishes must not go on without the clip.
    QString failureText() const { return failure; }

    // The arguments kvt gets for one clip (exposed for the owner's diagnostics and for tests).
    static QStringList converterArguments(const QString& input, const QString& output);

signals:
    void convertFinished();
    void killProcess();

public slots:
    // A converter (the sender) ended.
    void slotContinueConverting(int exitCode, QProcess::ExitStatus exitStatus);

private:
    // One clip being converted.
    struct Conversion
    {
        QProcess* process = nullptr; // a child of this object
        AudioInfo clip;
        QString output;
        double seconds = 0.0; // converted so far, from the converter's last marker
    };

    void startOne();
    void conversionEnded(QProcess* process, int exitCode, QProcess::ExitStatus exitStatus);
    void onProcessError(QProcess* process, QProcess::ProcessError error);
    void endRunning();
    QString describeFailure(const Conversion& conversion, const QByteArray& converterErrors) const;

    QList<AudioInfo> pendingClips;
    QStringList pendingOutputs;
    QList<Conversion> running;
    QString failure;
    double totalSeconds = 0.0;
    double doneSeconds = 0.0;
    double percent = 0.0;
    bool cancelled = false;
};
