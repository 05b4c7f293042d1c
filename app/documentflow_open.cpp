// Opening a project file and restoring the recovery file: the document is emptied, the originals
// are read again through the import dialog, and what the user had done with them is put back.
#include "app/documentflow.h"

#include "app/recovery.h"
#include "document/projectfile.h"
#include "document/slideshow.h"
#include "flashkit/menutemplateselectionframe.h"
#include "photos/core/photooperation.h"
#include "platform/velfc/core/vellangitemmodel.h"
#include "platform/velfc/velmessagebox.h"
#include "widgets/loadfaileddialog.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QUndoStack>

namespace {
// The template's movie lies beside its picture under the same base name.
QString movieBesidePicture(const QString& picturePath)
{
    const QFileInfo info(picturePath);
    return QDir::toNativeSeparators(
        info.dir().filePath(info.completeBaseName() + QStringLiteral(".swf")));
}

// A time in the language the window speaks: the system's own format when that is the language,
// else the language's usual one (not an English date inside a German sentence).
QString shownTime(const QDateTime& time)
{
    const QLocale language(VelLangItemModel::currentLangName());
    const QLocale system = QLocale::system();
    const QLocale locale = system.language() == language.language() ? system : language;
    return locale.toString(time, QLocale::ShortFormat);
}

// The reader names each entry it left out "what (why)".
FileFailure droppedEntry(const QString& text)
{
    const int open = text.lastIndexOf(QStringLiteral(" ("));
    if (open > 0 && text.endsWith(QLatin1Char(')')))
        return FileFailure{text.left(open), text.mid(open + 2).chopped(1)};
    return FileFailure{text, QString()};
}

// Pairs the project's entries with the records read for them. The import reads the files in the
// order given and leaves out those it cannot read, so records and entries meet in order; a file
// listed twice was read twice. Calls `take(entry, record)` for each pair; the entries without a
// record that the import did not name as failed (a cancel stopped it first) go to `unread`.
template <typename Entry, typename Record, typename PathOf, typename Take>
void pairInOrder(const QList<Entry>& entries, const QList<Record>& records,
                 const QList<FileFailure>& failures, PathOf pathOf, Take take, QStringList* unread)
{
    QHash<QString, int> failed;
    for (const FileFailure& failure : failures)
        ++failed[failure.path];
    int next = 0;
    for (const Entry& entry : entries) {
        if (next < records.size() && pathOf(records.at(next)) == entry.path)
            take(entry, records.at(next++));
        else if (failed.value(entry.path) > 0)
            --failed[entry.path];
        else
            *unread << entry.path;
    }
}
} // namespace

bool DocumentFlow::openFile(const QString& path)
{
    if (busy || !settleUnsaved())
        return false;
    return load(QFileInfo(path).absoluteFilePath(), Origin::Project, QString());
}

void DocumentFlow::startUp(const QString& path)
{
    offerRecovery();
    recovery->start();
    if (!path.isEmpty()) {
        pendingOpens << path;
        openWhenFree();
    }
}

void DocumentFlow::offerRecovery()
{
    const Recovery::Left left = Recovery::left();
    if (!left.exists)
        return;
    const QString text =
        tr("Lumaro was not closed properly. Restore the slideshow as it was at %1?")
            .arg(shownTime(left.written));
    if (dialogs.askYesNo(window, text, tr("&Restore"), tr("&Discard")) &&
        load(Recovery::filePath(), Origin::Recovered, left.source))
        return;
    Recovery::remove();
}

bool DocumentFlow::load(const QString& path, Origin origin, const QString& projectOfIt)
{
    QString reason;
    QStringList dropped;
    const std::optional<Project> project = ProjectFile::read(path, &reason, &dropped);
    if (!project) {
        // The reason names the file.
        VelMessageBox::alert(tr("The slideshow could not be opened.\n%1").arg(reason), QString(),
                             window);
        return false;
    }
    busy = true;
    recovery->setPaused(true);
    document->clear();
    projectPath.clear();
    QList<FileFailure> failures;
    for (const QString& entry : dropped)
        failures << droppedEntry(entry);
    rebuild(*project, &failures);
    busy = false;
    recovery->setPaused(false);
    if (closing)
        return false; // the session ended while the originals were read

    document->undoStack()->clear();
    projectPath = origin == Origin::Project ? path : projectOfIt;
    recovery->setSource(projectPath);
    // What could not be opened is missing from the document: saving over the project would
    // drop it, so the changes are marked as such and asked about before they are lost.
    if (origin == Origin::Project && failures.isEmpty()) {
        document->setSaved();
    } else {
        document->undoStack()->resetClean();
        recovery->markDue();
    }
    if (origin == Origin::Project)
        rememberRecent(path);
    updateTitle();
    emit projectChanged();
    if (!failures.isEmpty()) {
        LoadFailedDialog report(window);
        report.addFailures(failures);
        report.showIfNotEmpty();
    }
    return true;
}

void DocumentFlow::rebuild(const Project& project, QList<FileFailure>* failures)
{
    QStringList unread;
    QStringList photoFiles;
    for (const ProjectPhoto& entry : project.photos)
        photoFiles << entry.path;
    const ImportProgress::Records photos =
        photoFiles.isEmpty() ? ImportProgress::Records() : importer(true, photoFiles);
    if (closing)
        return;
    *failures << photos.failures;
    QList<ImageInfo> photoRecords;
    pairInOrder(
        project.photos, photos.photos, photos.failures,
        [](const ImageInfo& record) { return record.path; },
        [&](const ProjectPhoto& entry, ImageInfo record) {
            record.operations = entry.operations;
            record.bakedOperations = qBound(0, entry.bakedOperations, int(entry.operations.size()));
            const PhotoFileResult made = rebuildWorkingFiles(record);
            if (!made)
                *failures << FileFailure{entry.path, made.reason()};
            photoRecords << record;
        },
        &unread);
    document->addPhotos(-1, photoRecords);

    QStringList clipFiles;
    for (const ProjectClip& entry : project.clips)
        clipFiles << entry.path;
    // A cancel ends the open: the music is not read after it.
    const ImportProgress::Records clips = clipFiles.isEmpty() || photos.cancelled
                                              ? ImportProgress::Records()
                                              : importer(false, clipFiles);
    if (closing)
        return;
    *failures << clips.failures;
    QList<AudioInfo> clipRecords;
    pairInOrder(
        project.clips, clips.clips, clips.failures,
        [](const AudioInfo& record) { return record.filePath; },
        [&](const ProjectClip& entry, AudioInfo record) {
            // The file may have changed length since: the part used stays inside it.
            const double length = record.duration > 0 ? record.duration : entry.end;
            record.endPoint = entry.end > 0 && entry.end <= length ? entry.end : length;
            record.startPoint =
                entry.start >= 0 && entry.start < record.endPoint ? entry.start : 0.0;
            record.fadeIn = project.music.fadeIn ? 1 : 0;
            record.fadeOut = project.music.fadeOut ? 1 : 0;
            record.loop = project.music.loop ? 1 : 0;
            clipRecords << record;
        },
        &unread);
    document->addClips(-1, clipRecords);
    document->editMusic(document->clips(), project.music);
    document->setPublishSettings(project.publishing);
    for (const QString& path : unread)
        *failures << FileFailure{path, tr("Not read: the opening was cancelled.")};

    if (!project.templateName.isEmpty()) {
        const QString picture = templates->selectTemplate(project.templateName);
        if (picture.isEmpty())
            *failures << FileFailure{
                project.templateName,
                tr("This gallery template is not installed; the slideshow keeps %1.")
                    .arg(document->templateName())};
        else
            document->setTemplate(project.templateName, movieBesidePicture(picture));
    }
}
