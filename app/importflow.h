#pragma once

#include "widgets/mediastrip.h"

#include <QObject>
#include <QStringList>

#include <functional>

class QWidget;
class Slideshow;

// The three import commands of the main window: they ask for files or a folder, remember the
// last folder, hand the paths to the import progress dialog (over the strip they go to) and add
// what it read to the slideshow in one step.
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

    // Also makes the import progress dialog the one both strips run for dropped files.
    ImportFlow(QWidget* window, Slideshow* show, QWidget* photoStrip, QWidget* musicStrip);

    void setDialogs(const Dialogs& dialogs) { fileDialogs = dialogs; }
    // Replaces the import dialog for the commands (the strips keep theirs).
    void setImportRunner(const MediaStrip::ImportRunner& runner) { importRunner = runner; }

    void importPictures();
    void importPictureFolder();
    void importAudio();

    // The import progress dialog, modal, over `parent`; the records it read.
    static MediaStrip::Imported runImportDialog(bool photoMode, QWidget* parent,
                                                const QStringList& files);

    // The folder the photo dialogs open in: the stored one, trimmed, or the pictures folder.
    static QString photoStartFolder();

private:
    void importPhotoFiles(const QStringList& files);

    QWidget* window;
    Slideshow* show;
    QWidget* photoStrip;
    QWidget* musicStrip;
    Dialogs fileDialogs;
    MediaStrip::ImportRunner importRunner;
};
