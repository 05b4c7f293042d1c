#include "app/recovery.h"

#include "common/logfile.h"
#include "document/projectfile.h"
#include "document/slideshow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>

namespace {
// The project file the recovered slideshow belongs to, as one line of UTF-8.
QString sourceFilePath()
{
    return Recovery::folder() + QStringLiteral("/recovery.source");
}
} // namespace

Recovery::Recovery(Slideshow* document, QObject* parent)
    : QObject(parent), document(document), timer(new QTimer(this))
{
    timer->setInterval(intervalMs());
    connect(timer, &QTimer::timeout, this, &Recovery::tick);
    connect(document, &Slideshow::changed, this, [this] { due = true; });
    connect(document, &Slideshow::modifiedChanged, this, &Recovery::documentModified);
}

QString Recovery::folder()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    // A relative XDG_STATE_HOME is to be ignored, as for the other XDG folders.
    if (state.isEmpty() || QDir::isRelativePath(state)) {
        // Tests of the window run in Qt's test mode and must not touch the user's own folders.
        const QString base = QStandardPaths::isTestModeEnabled()
                                 ? QDir::home().filePath(QStringLiteral(".qttest"))
                                 : QDir::home().filePath(QStringLiteral(".local"));
        state = base + QStringLiteral("/state");
    }
    return QDir::cleanPath(state) + QStringLiteral("/Lumaro");
}

QString Recovery::filePath()
{
    return folder() + QStringLiteral("/recovery.") + QLatin1String(ProjectFile::Suffix);
}

int Recovery::intervalMs()
{
    bool ok = false;
    const int fromEnvironment = qEnvironmentVariableIntValue("LUMARO_AUTOSAVE_INTERVAL_MS", &ok);
    return ok && fromEnvironment > 0 ? fromEnvironment : DefaultIntervalMs;
}

Recovery::Left Recovery::left()
{
    Left found;
    const QFileInfo file(filePath());
    if (!file.isFile())
        return found;
    found.exists = true;
    found.written = file.lastModified();
    QFile source(sourceFilePath());
    if (source.open(QIODevice::ReadOnly))
        found.source = QString::fromUtf8(source.readLine(64 * 1024)).trimmed();
    return found;
}

void Recovery::start()
{
    started = true;
    timer->start();
}

void Recovery::tick()
{
    QString reason;
    if (!writeIfDue(&reason))
        LUMARO_LOG(reason.toUtf8().constData());
}

bool Recovery::writeIfDue(QString* reason)
{
    if (!started || paused || !due || !document || !document->isModified())
        return true;
    if (!QDir().mkpath(folder())) {
        if (reason)
            *reason = QStringLiteral("cannot make ") + folder();
        return false;
    }
    if (!ProjectFile::write(ProjectFile::fromSlideshow(*document), filePath(), reason))
        return false;
    QSaveFile sourceFile(sourceFilePath());
    if (sourceFile.open(QIODevice::WriteOnly)) {
        sourceFile.write(source.toUtf8() + '\n');
        sourceFile.commit();
    }
    due = false;
    return true;
}

void Recovery::documentModified(bool modified)
{
    // Saved, or undone back to what was saved: the project file holds it all.
    if (started && !modified) {
        remove();
        due = false;
    }
}

void Recovery::remove()
{
    QFile::remove(filePath());
    QFile::remove(sourceFilePath());
}
