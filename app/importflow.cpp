#include "app/importflow.h"

#include "audio/audiolistwidget.h"
#include "photos/photolistwidget.h"

#include <QFileDialog>

ImportFlow::ImportFlow(QWidget* window, PhotoListWidget* photos, AudioListWidget* audio)
    : QObject(window), window(window), photoList(photos), audioList(audio)
{
    fileDialogs.openFiles = [](QWidget* parent, const QString& caption, const QString& folder,
                               const QString& filter) {
        return QFileDialog::getOpenFileNames(parent, caption, folder, filter);
    };
    fileDialogs.openFolder = [](QWidget* parent, const QString& caption, const QString& folder) {
        return QFileDialog::getExistingDirectory(
            parent, caption, folder, QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    };
}

// The commands arrive with the import progress dialog.
void ImportFlow::importPictures() {}
void ImportFlow::importPictureFolder() {}
void ImportFlow::importAudio() {}
