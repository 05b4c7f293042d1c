#include "app/lumaro.h"

#include "app/documentflow.h"
#include "app/importflow.h"
#include "app/mainform.h"
#include "app/posttask.h"
#include "app/previewflow.h"
#include "app/publishflow.h"
#include "app/skinchoice.h"
#include "app/workspacecleanup.h"
#include "audio/audioeditdialog.h"
#include "audio/audiolistwidget.h"
#include "common/logfile.h"
#include "common/mediaformats.h"
#include "common/workspace.h"
#include "flashkit/core/flashkitfactory.h"
#include "flashkit/menutemplateselectionframe.h"
#include "photos/photolistwidget.h"
#include "platform/velfc/core/vellangitemmodel.h"
#include "platform/velfc/core/velpref.h"
#include "platform/velfc/velwidgethelper.h"
#include "platform/velmplayer/mpvlibrary.h"
#include "prefs/preferences.h"
#include "widgets/publishbutton.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QMenu>
#include <QScrollBar>
#include <QTimer>
#include <QUndoStack>

Lumaro::Lumaro(QWidget* parent) : VelMainWindow(parent, Qt::WindowFlags())
{
    ui = new LumaroForm;
    ui->setupUi(this);

    VelWidgetHelper::setDefaultSize(QSize(700, 733));
    // Before the menu is built: it holds the document's commands.
    doc = new Slideshow(this);
    documents = new DocumentFlow(this, doc, ui->templateFrame);
    initSkin();
    initialize();
    enableUpdateUi(true);
    setMenuBarVisible(false);
    setTitleShowMenu(true);

    kit = FlashKitFactory::instance()->createKit(0);
    importer = new ImportFlow(this, doc, ui->photoListWidget, ui->audioListWidget);
    previewer = new PreviewFlow(this, ui->widget, ui->previewBtn, kit, doc);
    publisher = new PublishFlow(this, ui, kit, doc);
    publisher->setTitleMenu(titleMenu);
    connectForm();
    selectInitialTemplate();
    startDocument();
    connect(ui->templateFrame, &MenuTemplateSelectionFrame::templateSelectionChanged, this,
            &Lumaro::onTemplateSelectionChanged);
    ensureMusicFolder();
    resetControls();
    previewer->loadTemplateMovie();
    restorePostTaskChecks();
    fillMediaExtensions();
    const QString language = VelLangItemModel::currentLangName();
    ui->publishBtn->setLanguage(language);
    ui->cancelBtn->setLanguage(language);
}

void Lumaro::showEvent(QShowEvent* event)
{
    VelMainWindow::showEvent(event);
    // The music player's library is loaded in the background as soon as the window is up, so
    // that neither the window nor the first music played waits for it. While it loads, a thread
    // the window's thread starts waits for it (the loader holds one lock): now, while the preview
    // is still starting, is when that costs least.
    QTimer::singleShot(0, this, [] { MpvLibrary::preload(); });
}

Lumaro::~Lumaro()
{
    stopBackgroundWork();
    // The flows use the form, the document and the kit: they go first.
    delete documents;
    delete publisher;
    delete previewer;
    delete importer;
    delete ui;
    ui = nullptr;
    if (kit) {
        FlashKitFactory::instance()->releaseKit(kit);
        delete kit;
        kit = nullptr;
    }
}

void Lumaro::connectForm()
{
    // The strips draw the document first: the scroll range is taken from their items.
    ui->photoListWidget->setDocument(doc);
    ui->audioListWidget->setDocument(doc);
    connect(doc, &Slideshow::changed, this, &Lumaro::documentChanged);
    QScrollBar* shared = ui->horizontalScrollBar;
    QScrollBar* photoBar = ui->photoListWidget->horizontalScrollBar();
    QScrollBar* audioBar = ui->audioListWidget->horizontalScrollBar();
    connect(photoBar, &QScrollBar::valueChanged, shared, &QScrollBar::setValue);
    connect(audioBar, &QScrollBar::valueChanged, shared, &QScrollBar::setValue);
    connect(shared, &QScrollBar::valueChanged, photoBar, &QScrollBar::setValue);
    connect(shared, &QScrollBar::valueChanged, audioBar, &QScrollBar::setValue);
    connect(ui->photoListWidget, &QListWidget::itemSelectionChanged, this,
            &Lumaro::photoItemSelectChanged);
    connect(ui->audioListWidget, &QListWidget::itemSelectionChanged, this,
            &Lumaro::audioItemSelectChanged);
    connect(ui->photoListWidget, &QListWidget::itemClicked, this,
            &Lumaro::on_photoListWidget_item_clicked);
    connect(ui->audioListWidget, &QListWidget::itemClicked, this,
            &Lumaro::on_audioListWidget_item_clicked);
    connect(ui->photoListWidget, &QListWidget::currentRowChanged, this,
            &Lumaro::on_photoListWidget_row_changed);
    connect(ui->audioListWidget, &QListWidget::currentRowChanged, this,
            &Lumaro::on_audioListWidget_row_changed);
    connect(ui->audioListWidget, &AudioListWidget::editMusicTriggered, this,
            &Lumaro::on_editMusic_clicked);
    const QList<QAction*> postTaskActions = {ui->actionDo_nothing, ui->actionQuit_Application,
                                             ui->actionShutdown_Computer, ui->actionHiberate,
                                             ui->actionStandby};
    for (QAction* action : postTaskActions)
        connect(action, &QAction::triggered, this, &Lumaro::on_afterPublishAction);
    connectButtonsByName();
}

// The buttons' clicked() signals go to the slots named after them (on_<button>_clicked).
void Lumaro::connectButtonsByName()
{
    const QList<QPair<QAbstractButton*, void (Lumaro::*)()>> buttons = {
        {ui->importPicture, &Lumaro::on_importPicture_clicked},
        {ui->importPictureDir, &Lumaro::on_importPictureDir_clicked},
        {ui->importAudio, &Lumaro::on_importAudio_clicked},
        {ui->deleteClip, &Lumaro::on_deleteClip_clicked},
        {ui->turnLeft, &Lumaro::on_turnLeft_clicked},
        {ui->turnRight, &Lumaro::on_turnRight_clicked},
        {ui->mirror, &Lumaro::on_mirror_clicked},
        {ui->flip, &Lumaro::on_flip_clicked},
        {ui->restore, &Lumaro::on_restore_clicked},
        {ui->editMusic, &Lumaro::on_editMusic_clicked},
        {ui->previewBtn, &Lumaro::on_previewBtn_clicked},
        {ui->publishBtn, &Lumaro::on_publishBtn_clicked},
        {ui->cancelBtn, &Lumaro::on_cancelBtn_clicked}};
    for (const auto& [button, slot] : buttons)
        connect(button, &QAbstractButton::clicked, this, slot);
}

void Lumaro::initSkin()
{
    VelPref* pref = VelPref::instance();
    if (!pref->value(PrefKey::LastSkin).toString().isEmpty())
        return;
    const QString skin = firstInstalledDefaultSkin(pref->skinDir());
    if (!skin.isEmpty()) {
        pref->setValue(PrefKey::LastSkin, skin);
        return;
    }
    LUMARO_LOG("no skin exist");
}

void Lumaro::ensureMusicFolder()
{
    forgetForeignWorkspace();
    ensureWorkspaceFolder(); // first: it notes which folders above the workspace are ours
    const QString folder = musicFolder();
    if (!QDir(folder).exists())
        QDir().mkpath(folder);
}

void Lumaro::paintEvent(QPaintEvent* event)
{
    QMainWindow::paintEvent(event);
}

void Lumaro::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (ui)
        changeScrollRange();
}

void Lumaro::closeEvent(QCloseEvent* event)
{
    if (!documents->mayClose()) {
        event->ignore();
        return;
    }
    // Nothing may go on using the workspace once it is deleted.
    stopBackgroundWork();
    cleanUpWorkspace();
    VelMainWindow::closeEvent(event);
}

void Lumaro::stopBackgroundWork()
{
    if (previewer)
        previewer->stopMusic();
    if (publisher)
        publisher->stopAll();
}

void Lumaro::buildTitleMenu()
{
    titleMenu = new QMenu(this);
    titleMenu->setObjectName(QStringLiteral("titleMenu"));
    documents->addMenuEntries(titleMenu);
    titleMenu->addMenu(frameworkMenu());
    postTaskMenu = new QMenu(tr("Post &Task Action"), titleMenu);
    postTaskMenu->setObjectName(QStringLiteral("postTaskMenu"));
    postTaskMenu->addAction(ui->actionDo_nothing);
    postTaskMenu->addSeparator();
    postTaskMenu->addAction(ui->actionQuit_Application);
    postTaskMenu->addAction(ui->actionShutdown_Computer);
    postTaskMenu->addAction(ui->actionHiberate);
    postTaskMenu->addAction(ui->actionStandby);
    titleMenu->addMenu(postTaskMenu);
    postTaskGroup = new QActionGroup(this);
    postTaskGroup->setExclusive(true);
    for (QAction* action : {ui->actionDo_nothing, ui->actionQuit_Application,
                            ui->actionShutdown_Computer, ui->actionHiberate, ui->actionStandby})
        postTaskGroup->addAction(action);
    ui->actionDo_nothing->setChecked(true);

    const QList<QAction*> standard = standardActions();
    titleMenu->addAction(ui->actionPrefences);
    titleMenu->addSeparator();
    titleMenu->addActions(standard.mid(0, 4));
    titleMenu->addSeparator();
    titleMenu->addActions(standard.mid(4, 2));
    setTitleButtonMenu(titleMenu);
    connect(ui->actionPrefences, &QAction::triggered, this, &Lumaro::slotPrefencesTriggered);
    if (publisher)
        publisher->setTitleMenu(titleMenu);
}

void Lumaro::retranslate()
{
    if (!ui)
        return; // a language change can arrive while the form is still being built
    const QString language = VelLangItemModel::currentLangName();
    ui->publishBtn->setLanguage(language);
    ui->cancelBtn->setLanguage(language);
    ui->retranslateUi(this);
    ui->audioListWidget->retranslate();
    ui->photoListWidget->retranslate();
    if (postTaskMenu)
        postTaskMenu->setTitle(tr("Post &Task Action"));
    if (documents)
        documents->retranslate();
    VelMainWindow::retranslate();
}

void Lumaro::selectInitialTemplate()
{
    ui->templateFrame->fillTemplates(2);
    previewer->setTemplateFromPicture(ui->templateFrame->firstTemplatePath());
}

// The new slideshow starts with the remembered music options and the first template; neither
// is a change of the user's.
void Lumaro::startDocument()
{
    doc->editMusic(doc->clips(), AudioEditDialog::storedOptions());
    doc->undoStack()->clear();
    doc->setSaved();
}

namespace {
PostTask::Actions postTaskActions(const LumaroForm* ui)
{
    PostTask::Actions actions;
    actions.doNothing = ui->actionDo_nothing;
    actions.quitApplication = ui->actionQuit_Application;
    actions.shutDown = ui->actionShutdown_Computer;
    actions.hibernate = ui->actionHiberate;
    actions.standBy = ui->actionStandby;
    return actions;
}
} // namespace

void Lumaro::on_afterPublishAction()
{
    PostTask::store(PostTask::valueOf(postTaskActions(ui), sender()));
    restorePostTaskChecks();
}

void Lumaro::restorePostTaskChecks()
{
    PostTask::restoreChecks(postTaskActions(ui));
}

void Lumaro::slotPrefencesTriggered()
{
    Preferences preferences(this, doc);
    preferences.exec();
    restorePostTaskChecks();
}

// The commands of the flows.
void Lumaro::on_importPicture_clicked()
{
    importer->importPictures();
}
void Lumaro::on_importPictureDir_clicked()
{
    importer->importPictureFolder();
}
void Lumaro::on_importAudio_clicked()
{
    importer->importAudio();
}
void Lumaro::on_previewBtn_clicked()
{
    previewer->preview();
}
void Lumaro::onTemplateSelectionChanged(const QString& path)
{
    previewer->selectTemplate(path);
}
void Lumaro::on_publishBtn_clicked()
{
    publisher->publish();
}
void Lumaro::on_cancelBtn_clicked()
{
    publisher->cancel();
}

void Lumaro::on_editMusic_clicked()
{
    previewer->editMusic();
}
