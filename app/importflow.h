#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class AudioListWidget;
class PhotoListWidget;
class QWidget;

// The three import commands of the main window: they ask for files or a folder, remember the
// last folder and hand the paths to the import progress dialog, which fills the strips.
class ImportFlow : public QObject
{
    Q_OBJECT
public:
    // The file dialogs the commands open. Tests answer them without showing anything.
    struct Dialogs
    {
        std::function<QStringList(QWidget* parent, const QString& caption, const QString& folder,
                                  const QString& filter)>
            openFiles;
        std::function<QString(QWidget* parent, const QString& caption, const QString& folder)>
            openFolder;
    };

    ImportFlow(QWidget* window, PhotoListWidget* photos, AudioListWidget* audio);

    void setDialogs(const Dialogs& dialogs) { fileDialogs = dialogs; }

    void importPictures();
    void importPictureFolder();
    void importAudio();

private:
    QWidget* window;
    PhotoListWidget* photoList;
    AudioListWidget* audioList;
    Dialogs fileDialogs;
};
