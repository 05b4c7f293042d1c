#pragma once

#include "app/importprogress.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

class MenuTemplateSelectionFrame;
class QAction;
class QMenu;
class Recovery;
class Slideshow;
struct Project;

// The slideshow as a project file (".lumaro"): New, Open, Open Recent, Save and Save As in the
// window's menu, Undo and Redo of the document's steps, the window title with its mark of unsaved
// changes, the question before unsaved changes would be lost, opening a file named on the command
// line or by a second start, and the recovery file written while changes are unsaved.
class DocumentFlow : public QObject
{
    Q_OBJECT
public:
    enum class Answer
    {
        Save,
        Discard,
        Cancel
    };

    // The file dialogs and questions of the commands. Tests answer them without showing anything.
    struct Dialogs
    {
        std::function<QString(QWidget* parent, const QString& caption, const QString& folder,
                              const QString& filter)>
            openFile;
        // `path` is the proposed file.
        std::function<QString(QWidget* parent, const QString& caption, const QString& path,
                              const QString& filter)>
            saveFile;
        // Unsaved changes would be lost: save them first, discard them, or keep on working.
        std::function<Answer(QWidget* parent, const QString& text)> askUnsaved;
        // A question with two answers, named by the buttons' texts; true for `yes`.
        std::function<bool(QWidget* parent, const QString& text, const QString& yes,
                           const QString& no)>
            askYesNo;
    };

    // Reads the originals of a project again: the records of `files` in reading order and the
    // files that could not be read.
    using Importer =
        std::function<ImportProgress::Records(bool photoMode, const QStringList& files)>;

    DocumentFlow(QWidget* window, Slideshow* document, MenuTemplateSelectionFrame* templates);
    ~DocumentFlow() override;

    void setDialogs(const Dialogs& dialogs) { this->dialogs = dialogs; }
    const Dialogs& currentDialogs() const { return dialogs; }
    void setImporter(const Importer& importer) { this->importer = importer; }

    // New, Open..., Open Recent, Save, Save As..., a separator, Undo and Redo; the shortcuts
    // work while the menu is closed.
    void addMenuEntries(QMenu* menu);
    void retranslate();

    // The project file the slideshow is saved in; empty before the first save.
    QString filePath() const { return projectPath; }
    // An open or a restore is rebuilding the document.
    bool isBusy() const { return busy; }
    // Newest first, at most PrefDefault::RecentProjects.
    static QStringList recentProjects();

    // The commands; each is true when it did what was asked.
    bool newDocument();
    bool open();
    bool openFile(const QString& path);
    bool save();
    bool saveAs();

    // Once the window shows: offers what a crash left behind, opens `path` (from the command
    // line) when given, and begins writing the recovery file.
    void startUp(const QString& path);
    // The window is asked to close: false keeps it open. Unsaved changes are asked about, except
    // when the session ends (the recovery file keeps them then).
    bool mayClose();
    // A second start sent this: opens the file it names once no dialog is in the way.
    void openFromMessage(const QString& message);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // After an open, a restore or a save: the project file and the document agree as shown.
    void projectChanged();

private:
    enum class Origin
    {
        Project,  // the document is the project file
        Recovered // a recovery file: unsaved changes, titled by the project it came from
    };
    bool settleUnsaved();
    bool writeTo(const QString& path);
    bool load(const QString& path, Origin origin, const QString& projectOfIt);
    void rebuild(const Project& project, QList<FileFailure>* failures);
    void offerRecovery();
    void openWhenFree();
    void updateTitle();
    void updateUndoActions();
    void updateEnabled();
    void rememberRecent(const QString& path);
    void forgetRecent(const QString& path);
    void fillRecentMenu();
    void openRecent(const QString& path);
    QString startFolder() const;
    QString projectName() const;
    void setDefaultDialogs();

    QWidget* window;
    QPointer<Slideshow> document;
    MenuTemplateSelectionFrame* templates;
    Recovery* recovery = nullptr;
    Dialogs dialogs;
    Importer importer;
    QString projectPath;
    QStringList pendingOpens;
    bool busy = false;
    bool closing = false;
    QAction* newAction = nullptr;
    QAction* openAction = nullptr;
    QAction* saveAction = nullptr;
    QAction* saveAsAction = nullptr;
    QAction* undoAction = nullptr;
    QAction* redoAction = nullptr;
    QMenu* recentMenu = nullptr;
    QPointer<QMenu> menu; // the menu the commands are in; off while a publish runs
};
