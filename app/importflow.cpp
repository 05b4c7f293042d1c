#include "app/importflow.h"

#include "app/importprogress.h"
#include "common/mediaformats.h"
#include "common/workspace.h"
#include "document/slideshow.h"
#include "platform/velfc/core/velpref.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QUrl>

ImportFlow::ImportFlow(QWidget* window, Slideshow* show, QWidget* photoStrip, QWidget* musicStrip)
    : QObject(window), window(window), show(show), photoStrip(photoStrip), musicStrip(musicStrip),
      importRunner(&ImportFlow::runImportDialog)
{
    fileDialogs.openFiles = [](QWidget* parent, const QString& caption, const QString& folder,
                               const QString& filter) {
        return QFileDialog::getOpenFileNames(parent, caption, folder, filter);
    };
    fileDialogs.openFolder = [](QWidget* parent, const QString& caption, const QString& folder) {
        return QFileDialog::getExistingDirectory(
            parent, caption, folder, QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    };
    MediaStrip::setDefaultImportRunner(&ImportFlow::runImportDialog);
}

MediaStrip::Imported ImportFlow::runImportDialog(bool photoMode, QWidget* parent,
                                                 const QStringList& files)
{
    ImportProgress progress(photoMode, parent);
    progress.start(files);
    progress.exec();
    return {progress.photos(), progress.clips()};
}

QString ImportFlow::photoStartFolder()
{
    const QString stored =
        VelPref::instance()
            ->value(QString::fromLatin1(PrefKey::PhotoLastDir), PrefDefault::photoLastDir())
            .toString()
            .trimmed();
    return stored.isEmpty() ? PrefDefault::photoLastDir() : stored;
}

void ImportFlow::importPhotoFiles(const QStringList& files)
{
    show->addPhotos(-1, importRunner(true, photoStrip, files).photos);
}

void ImportFlow::importPictures()
{
    const QString filter = openFileDialogFilter(imageExtensions, imageFileFilter);
    const QStringList files =
        fileDialogs.openFiles(window, tr("Select One or More Files"), photoStartFolder(), filter);
    if (files.isEmpty())
        return;
    VelPref::instance()->setValue(QString::fromLatin1(PrefKey::PhotoLastDir),
                                  QFileInfo(files.first()).absolutePath());
    importPhotoFiles(files);
}

void ImportFlow::importPictureFolder()
{
    const QString folder =
        fileDialogs.openFolder(window, tr("Select one folder"), photoStartFolder());
    if (folder.isEmpty())
        return;
    const QStringList files = scanMediaFiles({QUrl::fromLocalFile(folder)}, imageExtensions);
    if (files.isEmpty())
        return;
    VelPref::instance()->setValue(QString::fromLatin1(PrefKey::PhotoLastDir), folder);
    importPhotoFiles(files);
}

void ImportFlow::importAudio()
{
    const QString filter = openFileDialogFilter(audioExtensions, audioFileFilter);
    // Used as stored: an empty value reaches the dialog, which then opens where it likes.
    const QString start =
        VelPref::instance()
            ->value(QString::fromLatin1(PrefKey::AudioLastDir), PrefDefault::audioLastDir())
            .toString();
    const QStringList files =
        fileDialogs.openFiles(window, tr("Select One or More Files"), start, filter);
    if (files.isEmpty())
        return;
    VelPref::instance()->setValue(QString::fromLatin1(PrefKey::AudioLastDir),
                                  QFileInfo(files.first()).absolutePath());
    show->addClips(-1, importRunner(false, musicStrip, files).clips);
}
