#include "app/lumaro.h"

#include "app/lumaro_form.h"
#include "app/posttask.h"
#include "app/skinchoice.h"
#include "app/workspacecleanup.h"
#include "audio/audiolistwidget.h"
#include "audio/core/convert2mp3progress.h"
#include "common/logfile.h"
#include "common/mediaformats.h"
#include "common/workspace.h"
#include "flashkit/core/flashkitfactory.h"
#include "flashkit/menutemplateselectionframe.h"
#include "photos/photolistwidget.h"
#include "platform/velfc/core/vellangitemmodel.h"
#include "platform/velfc/core/velpref.h"
#include "platform/velfc/velwidgethelper.h"
#include "platform/velmplayer/velmediapreviewwidget.h"
#include "widgets/publishbutton.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QMenu>
#include <QScrollBar>
#include <QTimer>

Lumaro::Lumaro(QWidget* parent) : VelMainWindow(parent, Qt::WindowFlags())
{
    ui = new LumaroForm;
    ui->setupUi(this);

    VelWidgetHelper::setDefaultSize(QSize(700, 733));
    initSkin();
    initialize();
    enableUpdateUi(true);
    setMenuBarVisible(false);
    setTitleShowMenu(true);

    kit = FlashKitFactory::instance()->createKit(0);
    connectForm();
    selectInitialTemplate();
    connect(ui->templateFrame, &MenuTemplateSelectionFrame::templateSelectionChanged, this,
            &Lumaro::onTemplateSelectionChanged);
    ensureMusicFolder();
    resetControls();
    loadTemplateMovie();
    restorePostTaskChecks();
    fillMediaExtensions();
    const QString language = VelLangItemModel::currentLangName();
    ui->publishBtn->setLanguage(language);
    ui->cancelBtn->setLanguage(language);
}

Lumaro::~Lumaro()
{
    stopBackgroundWork();
    delete ui;
    ui = nullptr;
    if (kit) {
        FlashKitFactory::instance()->releaseKit(kit);
        delete kit;
        kit = nullptr;
    }
    delete publishTimer;
    delete audioPreview;
    delete convertTimer;
    delete converter;
}

void Lumaro::connectForm()
{
    QAbstractItemModel* photoModel = ui->photoListWidget->model();
    QAbstractItemModel* audioModel = ui->audioListWidget->model();
    connect(photoModel, &QAbstractItemModel::rowsRemoved, this, &Lumaro::changeScrollRange);
    connect(audioModel, &QAbstractItemModel::rowsRemoved, this, &Lumaro::changeScrollRange);
    connect(photoModel, &QAbstractItemModel::rowsInserted, this, &Lumaro::changeScrollRange);
    connect(audioModel, &QAbstractItemModel::rowsInserted, this, &Lumaro::changeScrollRange);
    connect(ui->photoListWidget, &PhotoListWidget::photoListChanged, this,
            &Lumaro::photoListChanged);
    connect(ui->audioListWidget, &AudioListWidget::audioListChanged, this,
            &Lumaro::audioListChanged);
    QScrollBar* shared = ui->horizontalScrollBar;
    QScrollBar* photoBar = ui->photoListWidget->horizontalScrollBar();
    QScrollBar* audioBar = ui->audioListWidget->horizontalScrollBar();
    connect(photoBar, &QScrollBar::valueChanged, shared, &QScrollBar::setValue);
    connect(audioBar, &QScrollBar::valueChanged, shared, &QScrollBar::setValue);
    connect(shared, &QScrollBar::valueChanged, photoBar, &QScrollBar::setValue);
    connect(shared, &QScrollBar::valueChanged, audioBar, &QScrollBar::setValue);
    connect(ui->photoListWidget, &PhotoListWidget::photoListProcessed, this,
            &Lumaro::slotPhotoListProcessed);
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
    writeLogEntry(".\\lumaro", 189, "Lumaro::initSkin", "no skin exist");
}

void Lumaro::ensureMusicFolder()
{
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
    // Nothing may go on using the workspace once it is deleted.
    stopBackgroundWork();
    cleanUpWorkspace();
    VelMainWindow::closeEvent(event);
}

void Lumaro::stopBackgroundWork()
{
    if (audioPreview && audioPreview->isPlaying())
        audioPreview->stop();
    if (converter && convertTimer && convertTimer->isActive())
        converter->cancelConversion();
    if (convertTimer)
        convertTimer->stop();
    if (publishTimer)
        publishTimer->stop();
    // Wait for the worker even when no timer polls it: it writes into the workspace that the
    // close clean-up is about to delete.
    if (kit)
        kit->cancelAndWait();
}

void Lumaro::buildTitleMenu()
{
    titleMenu = new QMenu(this);
    titleMenu->setObjectName(QStringLiteral("titleMenu"));
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
    VelMainWindow::retranslate();
}
