#pragma once

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QString>

class QTimer;
class Slideshow;

// The recovery file: while the slideshow has unsaved changes it is written as a project file to
// $XDG_STATE_HOME/Lumaro/ every so often, so a crash or a killed session costs at most that much
// work. Saving, going back to the saved state and a normal close remove it; the next start finds
// one only when the program did not end normally, and offers it.
class Recovery : public QObject
{
    Q_OBJECT
public:
    static constexpr int DefaultIntervalMs = 30000;

    Recovery(Slideshow* document, QObject* parent);

    // $XDG_STATE_HOME/Lumaro (~/.local/state/Lumaro without the variable).
    static QString folder();
    static QString filePath();
    // Milliseconds between writes: LUMARO_AUTOSAVE_INTERVAL_MS when set to a positive number
    // (tests), else DefaultIntervalMs.
    static int intervalMs();

    // What an earlier run left behind.
    struct Left
    {
        bool exists = false;
        QDateTime written;
        QString source; // the project file the slideshow was opened from or saved to, if any
    };
    static Left left();

    // Begins writing (once any left-behind file has been dealt with).
    void start();
    // The project file the slideshow belongs to, kept beside the recovery file.
    void setSource(const QString& projectPath) { source = projectPath; }
    // While an open rebuilds the document it is not written: it is not the user's work yet.
    void setPaused(bool paused) { this->paused = paused; }
    // Writes it now when it has unsaved changes not written yet; false and the reason on failure.
    bool writeIfDue(QString* reason = nullptr);
    // The document was replaced by another with unsaved changes (a restore): written next time.
    void markDue() { due = true; }
    static void remove();

private:
    void tick();
    void documentModified(bool modified);

    QPointer<Slideshow> document;
    QTimer* timer = nullptr;
    QString source;
    bool started = false;
    bool paused = false;
    bool due = false;
};
