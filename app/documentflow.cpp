// The menu's document commands, saving, the window title, the recent projects and the questions
// before unsaved changes are lost. Opening and restoring are in documentflow_open.cpp.
#include "app/documentflow.h"

#include "app/recovery.h"
#include "document/projectfile.h"
#include "document/slideshow.h"
#include "flashkit/menutemplateselectionframe.h"
#include "platform/velfc/core/velpref.h"
#include "platform/velfc/velapplication.h"
#include "platform/velfc/velmessagebox.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QUndoStack>

DocumentFlow::DocumentFlow(QWidget* window, Slideshow* document,
                           MenuTemplateSelectionFrame* templates)
    : QObject(window), window(window), document(document), templates(templates),
      recovery(new Recovery(document, this))
{
    setDefaultDialogs();
    // The panel shows the slideshow's template also when it changes by Undo or Redo.
    if (templates)
        connect(document, &Slideshow::templateChanged, this,
                [this] { this->templates->showTemplate(this->document->templateName()); });
    importer = [window](bool photoMode, const QStringList& files) {
        return ImportProgress::readRecords(photoMode, window, files);
    };

    const auto makeAction = [this, window](const char* name, const QList<QKeySequence>& keys) {
        auto* action = new QAction(this);
        action->setObjectName(QLatin1String(name));
        action->setShortcuts(keys);
        window->addAction(action); // shortcuts work while the menu is closed
        return action;
    };
    newAction = makeAction("actionNew", {QKeySequence(Qt::CTRL | Qt::Key_N)});
    openAction = makeAction("actionOpen", {QKeySequence(Qt::CTRL | Qt::Key_O)});
    saveAction = makeAction("actionSave", {QKeySequence(Qt::CTRL | Qt::Key_S)});
    saveAsAction = makeAction("actionSaveAs", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)});
    undoAction = makeAction("actionUndo", {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    redoAction = makeAction("actionRedo", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                           QKeySequence(Qt::CTRL | Qt::Key_Y)});
    recentMenu = new QMenu(window);
    recentMenu->setObjectName(QStringLiteral("recentMenu"));
    connect(newAction, &QAction::triggered, this, &DocumentFlow::newDocument);
    connect(openAction, &QAction::triggered, this, &DocumentFlow::open);
    connect(saveAction, &QAction::triggered, this, &DocumentFlow::save);
    connect(saveAsAction, &QAction::triggered, this, &DocumentFlow::saveAs);

    QUndoStack* steps = document->undoStack();
    connect(undoAction, &QAction::triggered, steps, &QUndoStack::undo);
    connect(redoAction, &QAction::triggered, steps, &QUndoStack::redo);
    for (const auto& signal : {&QUndoStack::canUndoChanged, &QUndoStack::canRedoChanged})
        connect(steps, signal, this, &DocumentFlow::updateUndoActions);
    for (const auto& signal : {&QUndoStack::undoTextChanged, &QUndoStack::redoTextChanged})
        connect(steps, signal, this, &DocumentFlow::updateUndoActions);
    connect(document, &Slideshow::modifiedChanged, this, &DocumentFlow::updateTitle);

    retranslate();
}

DocumentFlow::~DocumentFlow()
{
    // Ended without the window closing (the quit after publishing): unsaved work stays
    // recoverable.
    if (!closing && !busy)
        recovery->writeIfDue();
}

void DocumentFlow::setDefaultDialogs()
{
    dialogs.openFile = [](QWidget* parent, const QString& caption, const QString& folder,
                          const QString& filter) {
        return QFileDialog::getOpenFileName(parent, caption, folder, filter);
    };
    dialogs.saveFile = [](QWidget* parent, const QString& caption, const QString& path,
                          const QString& filter) {
        QFileDialog dialog(parent, caption, QFileInfo(path).absolutePath(), filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QLatin1String(ProjectFile::Suffix));
        dialog.selectFile(QFileInfo(path).fileName());
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };
    dialogs.askUnsaved = [](QWidget* parent, const QString& text) {
        QMessageBox box(QMessageBox::Warning, VelPref::instance()->product_name(), text,
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
        const QList<std::pair<QMessageBox::StandardButton, QString>> buttons = {
            {QMessageBox::Save, tr("&Save")},
            {QMessageBox::Discard, tr("&Discard")},
            {QMessageBox::Cancel, tr("Cancel")}};
        for (const auto& [which, label] : buttons)
            box.button(which)->setText(label);
        // Named for the script of the whole-program checks, whatever the language.
        box.button(QMessageBox::Save)->setObjectName(QStringLiteral("saveButton"));
        box.button(QMessageBox::Discard)->setObjectName(QStringLiteral("discardButton"));
        box.button(QMessageBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
        switch (box.exec()) {
        case QMessageBox::Save:
            return Answer::Save;
        case QMessageBox::Discard:
            return Answer::Discard;
        default:
            return Answer::Cancel;
        }
    };
    dialogs.askYesNo = [](QWidget* parent, const QString& text, const QString& yes,
                          const QString& no) {
        QMessageBox box(QMessageBox::Question, VelPref::instance()->product_name(), text,
                        QMessageBox::NoButton, parent);
        QPushButton* yesButton = box.addButton(yes, QMessageBox::AcceptRole);
        QPushButton* noButton = box.addButton(no, QMessageBox::RejectRole);
        yesButton->setObjectName(QStringLiteral("yesButton"));
        noButton->setObjectName(QStringLiteral("noButton"));
        box.setDefaultButton(yesButton);
        box.setEscapeButton(noButton);
        box.exec();
        return box.clickedButton() == yesButton;
    };
}

void DocumentFlow::addMenuEntries(QMenu* menu)
{
    // Publishing turns the menu off; the shortcuts must follow it, so nothing changes the
    // slideshow being published.
    this->menu = menu;
    menu->installEventFilter(this);
    menu->addAction(newAction);
    menu->addAction(openAction);
    menu->addMenu(recentMenu);
    menu->addAction(saveAction);
    menu->addAction(saveAsAction);
    menu->addSeparator();
    menu->addAction(undoAction);
    menu->addAction(redoAction);
    menu->addSeparator();
}

void DocumentFlow::retranslate()
{
    newAction->setText(tr("&New"));
    openAction->setText(tr("&Open..."));
    recentMenu->setTitle(tr("Open &Recent"));
    saveAction->setText(tr("&Save"));
    saveAsAction->setText(tr("Save &As..."));
    updateUndoActions();
    fillRecentMenu();
    updateTitle();
}

bool DocumentFlow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == menu && event->type() == QEvent::EnabledChange)
        updateEnabled();
    return QObject::eventFilter(watched, event);
}

void DocumentFlow::updateUndoActions()
{
    const QUndoStack* steps = document->undoStack();
    const QString undoText = steps->undoText();
    const QString redoText = steps->redoText();
    undoAction->setText(undoText.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(undoText));
    redoAction->setText(redoText.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(redoText));
    updateEnabled();
}

void DocumentFlow::updateEnabled()
{
    const bool on = !menu || menu->isEnabled();
    for (QAction* action : {newAction, openAction, saveAction, saveAsAction})
        action->setEnabled(on);
    undoAction->setEnabled(on && document->undoStack()->canUndo());
    redoAction->setEnabled(on && document->undoStack()->canRedo());
    recentMenu->setEnabled(on && !recentMenu->isEmpty());
}

QString DocumentFlow::projectName() const
{
    return projectPath.isEmpty() ? tr("Untitled") : QFileInfo(projectPath).completeBaseName();
}

void DocumentFlow::updateTitle()
{
    if (!document)
        return;
    // "[*]" in the title is where the mark of unsaved changes goes; a name holding those three
    // characters keeps them.
    QString name = projectName();
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    window->setWindowTitle(tr("%1[*] - %2").arg(name, VelPref::instance()->product_name()));
    window->setWindowModified(document->isModified());
}

QString DocumentFlow::startFolder() const
{
    const QString latest = projectPath.isEmpty() ? recentProjects().value(0) : projectPath;
    if (!latest.isEmpty() && QFileInfo(latest).absoluteDir().exists())
        return QFileInfo(latest).absolutePath();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

bool DocumentFlow::settleUnsaved()
{
    if (!document->isModified())
        return true;
    switch (dialogs.askUnsaved(window, tr("Save the changes to %1?").arg(projectName()))) {
    case Answer::Save:
        return save();
    case Answer::Discard:
        return true;
    case Answer::Cancel:
        break;
    }
    return false;
}

bool DocumentFlow::newDocument()
{
    if (busy || !settleUnsaved())
        return false;
    document->clear();
    projectPath.clear();
    recovery->setSource(QString());
    Recovery::remove(); // nothing left to recover: the user chose
    updateTitle();
    emit projectChanged();
    return true;
}

bool DocumentFlow::save()
{
    if (projectPath.isEmpty())
        return saveAs();
    return writeTo(projectPath);
}

bool DocumentFlow::saveAs()
{
    const QString proposed =
        projectPath.isEmpty()
            ? QDir(startFolder()).filePath(tr("Untitled") + QLatin1Char('.') + ProjectFile::Suffix)
            : projectPath;
    QString path = dialogs.saveFile(window, tr("Save Slideshow As"), proposed,
                                    tr("Lumaro Projects (*.lumaro)"));
    if (path.isEmpty())
        return false;
    const QString suffix = QLatin1Char('.') + QLatin1String(ProjectFile::Suffix);
    if (!path.endsWith(suffix, Qt::CaseInsensitive)) {
        path += suffix;
        // The dialog asked about the name as typed, not about this one.
        if (QFileInfo::exists(path) &&
            !dialogs.askYesNo(
                window, tr("%1 already exists. Replace it?").arg(QDir::toNativeSeparators(path)),
                tr("&Replace"), tr("Cancel")))
            return false;
    }
    return writeTo(QFileInfo(path).absoluteFilePath());
}

bool DocumentFlow::writeTo(const QString& path)
{
    QString reason;
    if (!ProjectFile::write(ProjectFile::fromSlideshow(*document), path, &reason)) {
        // The reason names the file.
        VelMessageBox::alert(tr("The slideshow could not be saved.\n%1").arg(reason), QString(),
                             window);
        return false;
    }
    projectPath = path;
    recovery->setSource(path);
    document->setSaved();
    Recovery::remove(); // also when nothing was unsaved: the file holds it all now
    rememberRecent(path);
    updateTitle();
    emit projectChanged();
    return true;
}

bool DocumentFlow::mayClose()
{
    const auto* application = VelApplication::instance();
    const bool sessionEnds = application && application->terminationRequested();
    if (busy && !sessionEnds)
        return false; // the open's own dialogs are in the way
    if (sessionEnds) {
        // No one may be there to answer: the recovery file keeps the unsaved changes.
        if (!busy)
            recovery->writeIfDue();
        closing = true;
        return true;
    }
    if (!settleUnsaved())
        return false;
    closing = true;
    Recovery::remove();
    return true;
}

QStringList DocumentFlow::recentProjects()
{
    const QStringList stored =
        VelPref::instance()->value(QLatin1String(PrefKey::RecentProjects)).toStringList();
    QStringList list;
    for (const QString& path : stored) {
        if (path.isEmpty() || QDir::isRelativePath(path))
            continue; // a hand-edited entry: where it would lead is anyone's guess
        const QString clean = QDir::cleanPath(path);
        if (!list.contains(clean))
            list << clean;
        if (list.size() == PrefDefault::RecentProjects)
            break;
    }
    return list;
}

void DocumentFlow::rememberRecent(const QString& path)
{
    QStringList list = recentProjects();
    list.removeAll(QDir::cleanPath(path));
    list.prepend(QDir::cleanPath(path));
    VelPref::instance()->setValue(QLatin1String(PrefKey::RecentProjects),
                                  list.mid(0, PrefDefault::RecentProjects));
    fillRecentMenu();
}

void DocumentFlow::forgetRecent(const QString& path)
{
    QStringList list = recentProjects();
    list.removeAll(path);
    VelPref::instance()->setValue(QLatin1String(PrefKey::RecentProjects), list);
    fillRecentMenu();
}

void DocumentFlow::fillRecentMenu()
{
    recentMenu->clear();
    const QStringList list = recentProjects();
    for (int i = 0; i < list.size(); ++i) {
        const QString path = list.at(i);
        QString shown = QDir::toNativeSeparators(path);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* entry = recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        connect(entry, &QAction::triggered, this, [this, path] { openRecent(path); });
    }
    updateEnabled();
}

void DocumentFlow::openRecent(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        forgetRecent(path);
        VelMessageBox::alert(tr("%1 no longer exists. It was taken off the recent projects.")
                                 .arg(QDir::toNativeSeparators(path)),
                             QString(), window);
        return;
    }
    openFile(path);
}

bool DocumentFlow::open()
{
    const QString path = dialogs.openFile(window, tr("Open Slideshow"), startFolder(),
                                          tr("Lumaro Projects (*.lumaro)"));
    return !path.isEmpty() && openFile(path);
}

void DocumentFlow::openFromMessage(const QString& message)
{
    const QString path = VelApplication::fileOfMessage(message);
    if (path.isEmpty())
        return;
    pendingOpens << path;
    // Not from inside the delivery of the message: the open runs dialogs of its own, and the
    // connection that brought the message goes away meanwhile.
    QTimer::singleShot(0, this, &DocumentFlow::openWhenFree);
}

// A file from the command line or a second start waits for the dialogs in the way: the open's
// own question must not mix with an import or a publish dialog being answered.
void DocumentFlow::openWhenFree()
{
    if (pendingOpens.isEmpty() || closing)
        return;
    if (busy || QApplication::activeModalWidget()) {
        QTimer::singleShot(250, this, &DocumentFlow::openWhenFree);
        return;
    }
    openFile(pendingOpens.takeFirst());
    if (!pendingOpens.isEmpty())
        QTimer::singleShot(0, this, &DocumentFlow::openWhenFree);
}
