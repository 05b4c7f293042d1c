#pragma once

#include <QApplication>
#include <QPointer>
#include <QString>

class InterruptWatch;
class QLocalServer;
class VelMainWindow;
class VelPref;

// The application object: a QApplication that runs once per user and application id. A second
// start finds the first through a local socket, asks it to come to the front, and ends.
// It also owns the session's setup: installation check, translations, settings store and the
// command line. SIGTERM, SIGINT and SIGHUP close the main window normally, so its clean-up runs
// (a publish is cancelled and what it staged removed) when the desktop session ends.
class VelApplication : public QApplication
{
    Q_OBJECT
public:
    VelApplication(const QString& id, int& argc, char** argv);
    ~VelApplication() override;

    static VelApplication* instance();

    void setVelfcVersion(int version) { velfcVersion_ = version; }
    int velfcVersion() const { return velfcVersion_; }

    // True when the application folder holds a complete installation (VelIntegrity).
    bool checkIntegrality() const;
    void installTranslators();
    // Opens the settings store: `fileName` when given, else the per-user default.
    bool initCfg(const char* fileName, bool create);
    // True when the command line was fully handled (help, version, or an error was printed)
    // and the program must end without a window.
    bool processCmdLine(int argc, char** argv);
    // The file the command line asked to open, absolute; empty when none.
    QString fileToOpen() const { return startFile; }

    // True when another instance with this id runs; it has then been asked to activate, and
    // been sent `message` when there is one. Otherwise this process becomes the instance others
    // find. A null id means the id given at construction.
    bool isRunning(const QString& id = QString(), const QString& message = QString());
    // The message that asks the running instance to open `path` (its file URL, so any character
    // a file name may hold survives the line-based exchange), and the file a message names
    // (empty when it names none).
    static QString openFileMessage(const QString& path);
    static QString fileOfMessage(const QString& message);
    // The local socket name used for `id`: per user, so two users never see each other.
    static QString serverName(const QString& id);

    void setMainWindow(VelMainWindow* window);
    VelMainWindow* mainWindow() const;
    void setActivationWindow(QWidget* window, bool activateOnMessage = true);
    QWidget* activationWindow() const;
    // Brings the activation window to the front (restoring it when minimised).
    void activateWindow();

    VelPref* pref() const;
    // SIGTERM, SIGINT or SIGHUP arrived: whatever runs now should end rather than start something.
    bool terminationRequested() const { return terminationRequested_; }

signals:
    void messageReceived(const QString& message);

private slots:
    void onNewConnection();
    void onTerminationSignal(int signalNumber);

private:
    void handleMessage(const QString& message);
    void watchTerminationSignals();

    QString appId;
    QString startFile;
    int velfcVersion_ = 0;
    QLocalServer* server = nullptr;
    InterruptWatch* interrupts = nullptr;
    QPointer<VelMainWindow> mainWindow_;
    QPointer<QWidget> activationWindow_;
    bool activateOnMessage = true;
    bool terminationRequested_ = false;
};
