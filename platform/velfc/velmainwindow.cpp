#include "platform/velfc/velmainwindow.h"

#include "platform/velfc/core/vellangitemmodel.h"
#include "platform/velfc/core/velpref.h"
#include "platform/velfc/core/velskin.h"
#include "platform/velfc/velmessagebox.h"
#include "platform/velfc/velwidgethelper.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QToolBar>
#include <QToolButton>

VelMainWindow::VelMainWindow(QWidget* parent, Qt::WindowFlags flags) : QMainWindow(parent, flags)
{
    titleBar = new QToolBar(this);
    titleBar->setObjectName(QStringLiteral("velTitleBar"));
    titleBar->setMovable(false);
    titleBar->setFloatable(false);
    titleBar->toggleViewAction()->setVisible(false);
    titleLabel = new QLabel(titleBar);
    titleLabel->setObjectName(QStringLiteral("velTitleLabel"));
    titleLabel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    titleBar->addWidget(titleLabel);
    menuButton = new QToolButton(titleBar);
    menuButton->setObjectName(QStringLiteral("titleMenuButton"));
    menuButton->setPopupMode(QToolButton::InstantPopup);
    menuButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    menuButtonAction = titleBar->addWidget(menuButton);
    addToolBar(Qt::TopToolBarArea, titleBar);
    connect(this, &QWidget::windowTitleChanged, this, &VelMainWindow::showTitle);

    createStandardActions();
    retranslate();
}

VelMainWindow::~VelMainWindow() = default;

void VelMainWindow::createStandardActions()
{
    auto* fullScreen = new QAction(this);
    fullScreen->setCheckable(true);
    fullScreen->setShortcut(QKeySequence::FullScreen);
    connect(fullScreen, &QAction::toggled, this,
            [this](bool on) { on ? showFullScreen() : showNormal(); });
    auto* stayOnTop = new QAction(this);
    stayOnTop->setCheckable(true);
    connect(stayOnTop, &QAction::toggled, this, [this](bool on) {
        setWindowFlag(Qt::WindowStaysOnTopHint, on);
        QMainWindow::show();
    });
    auto* minimize = new QAction(this);
    connect(minimize, &QAction::triggered, this, &QWidget::showMinimized);
    auto* defaultSize = new QAction(this);
    connect(defaultSize, &QAction::triggered, this, [this]() {
        showNormal();
        resize(VelWidgetHelper::defaultSize().expandedTo(minimumSizeHint()));
    });
    auto* about = new QAction(this);
    connect(about, &QAction::triggered, this, &VelMainWindow::showAbout);
    auto* quit = new QAction(this);
    quit->setShortcut(QKeySequence::Quit);
    connect(quit, &QAction::triggered, this, &QWidget::close);
    standardActions_ = {fullScreen, stayOnTop, minimize, defaultSize, about, quit};
    for (QAction* action : standardActions_)
        addAction(action); // shortcuts work while the menu is closed
}

QMenu* VelMainWindow::frameworkMenu()
{
    if (!frameworkMenu_) {
        frameworkMenu_ = new QMenu(this);
        skinMenu = frameworkMenu_->addMenu(QString());
        languageMenu = frameworkMenu_->addMenu(QString());
        connect(skinMenu, &QMenu::aboutToShow, this, &VelMainWindow::fillSkinMenu);
        connect(languageMenu, &QMenu::aboutToShow, this, &VelMainWindow::fillLanguageMenu);
        retranslate();
    }
    return frameworkMenu_;
}

void VelMainWindow::fillSkinMenu()
{
    skinMenu->clear();
    auto* group = new QActionGroup(skinMenu);
    const QString current = VelPref::instance()->value(PrefKey::LastSkin).toString();
    const QStringList skins = VelSkin::installedSkins(VelPref::instance()->skinDir());
    for (const QString& skin : skins) {
        QAction* action = skinMenu->addAction(skin, this, [this, skin]() { applySkin(skin); });
        action->setCheckable(true);
        action->setChecked(skin == current);
        group->addAction(action);
    }
}

void VelMainWindow::fillLanguageMenu()
{
    languageMenu->clear();
    auto* group = new QActionGroup(languageMenu);
    const QString current = VelLangItemModel::currentLangName();
    VelLangItemModel model;
    for (int row = 0; row < model.rowCount(); ++row) {
        const QModelIndex index = model.index(row);
        const QString code = index.data(Qt::UserRole).toString();
        QAction* action = languageMenu->addAction(index.data().toString(), this, [code]() {
            VelLangItemModel::setCurrentLangName(code);
        });
        action->setCheckable(true);
        action->setChecked(code == current);
        group->addAction(action);
    }
}

void VelMainWindow::showAbout()
{
    const QString product = VelPref::instance()->product_name();
    VelMessageBox::info(tr("%1 %2\nTurns photos and music into Flash gallery slideshows.")
                            .arg(product, QApplication::applicationVersion()),
                        tr("About %1").arg(product), this, true);
}

void VelMainWindow::initialize()
{
    applySkin(VelPref::instance()->value(PrefKey::LastSkin).toString());
    buildTitleMenu();
    const QByteArray geometry = VelPref::instance()->value(PrefKey::WindowGeometry).toByteArray();
    if (geometry.isEmpty() || !restoreGeometry(geometry)) {
        if (VelWidgetHelper::defaultSize().isValid()) {
            resize(VelWidgetHelper::defaultSize().expandedTo(minimumSizeHint()));
            sizeGivenBeforeShown = size();
        }
    }
    initialized = true;
    updateUiState();
}

void VelMainWindow::applySkin(const QString& name)
{
    const QString sheet = VelSkin::loadStyleSheet(VelPref::instance()->skinDir(), name);
    qApp->setStyleSheet(sheet);
    if (!sheet.isEmpty() && name != VelPref::instance()->value(PrefKey::LastSkin).toString())
        VelPref::instance()->setValue(PrefKey::LastSkin, name);
}

void VelMainWindow::buildTitleMenu()
{
    auto* menu = new QMenu(this);
    menu->addMenu(frameworkMenu());
    menu->addSeparator();
    menu->addActions(standardActions_.mid(0, 4));
    menu->addSeparator();
    menu->addActions(standardActions_.mid(4, 2));
    setTitleButtonMenu(menu);
}

void VelMainWindow::show(bool activate)
{
    QMainWindow::show();
    if (activate) {
        raise();
        activateWindow();
    }
}

void VelMainWindow::enableUpdateUi(bool enable)
{
    updateUiEnabled = enable;
    if (enable && initialized)
        updateUiState();
}

void VelMainWindow::setMenuBarVisible(bool visible)
{
    menuBar()->setVisible(visible);
}

void VelMainWindow::setTitleShowMenu(bool show)
{
    // A toolbar shows its widgets through their actions.
    menuButtonAction->setVisible(show);
}

void VelMainWindow::setTitleButtonMenu(QMenu* menu)
{
    titleButtonMenu_ = menu;
    menuButton->setMenu(menu);
}

void VelMainWindow::retranslate()
{
    static const char* const texts[] = {QT_TR_NOOP("&Full Screen"), QT_TR_NOOP("Stay on &Top"),
                                        QT_TR_NOOP("Mi&nimize"),    QT_TR_NOOP("&Default Size"),
                                        QT_TR_NOOP("&About..."),    QT_TR_NOOP("&Quit")};
    for (int i = 0; i < standardActions_.size(); ++i)
        standardActions_.at(i)->setText(tr(texts[i]));
    menuButton->setText(tr("Menu"));
    menuButton->setToolTip(tr("Menu"));
    if (frameworkMenu_) {
        frameworkMenu_->setTitle(tr("&Appearance"));
        skinMenu->setTitle(tr("&Skin"));
        languageMenu->setTitle(tr("&Language"));
    }
    showTitle();
}

// The title strip shows the title as the window manager does: "[*]" becomes the mark of unsaved
// changes while the window is modified and disappears otherwise ("[*][*]" is a literal "[*]").
void VelMainWindow::showTitle()
{
    QString title = windowTitle();
    if (title.isEmpty()) {
        titleLabel->setText(VelPref::instance()->product_name());
        return;
    }
    const QString placeholder = QStringLiteral("[*]");
    const QString escaped = QStringLiteral("[*][*]");
    QString shown;
    for (int i = 0; i < title.size();) {
        if (title.mid(i, escaped.size()) == escaped) {
            shown += placeholder;
            i += escaped.size();
        } else if (title.mid(i, placeholder.size()) == placeholder) {
            if (isWindowModified())
                shown += QLatin1Char('*');
            i += placeholder.size();
        } else {
            shown += title.at(i++);
        }
    }
    titleLabel->setText(shown);
}

void VelMainWindow::updateUiState()
{
    if (!updateUiEnabled)
        return;
    // Reflect the window's state without re-running the actions' own handlers.
    const QSignalBlocker fullScreenBlocker(standardAction(FullScreen));
    const QSignalBlocker stayOnTopBlocker(standardAction(StayOnTop));
    standardAction(FullScreen)->setChecked(isFullScreen());
    standardAction(StayOnTop)->setChecked(windowFlags() & Qt::WindowStaysOnTopHint);
}

void VelMainWindow::closeEvent(QCloseEvent* event)
{
    VelPref::instance()->setValue(PrefKey::WindowGeometry, saveGeometry());
    QMainWindow::closeEvent(event);
}

void VelMainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    else if (event->type() == QEvent::WindowStateChange)
        updateUiState();
    else if (event->type() == QEvent::ModifiedChange)
        showTitle();
    QMainWindow::changeEvent(event);
}

void VelMainWindow::showEvent(QShowEvent* event)
{
    // Until the window is first shown its controls have the plain style's sizes (a tool
    // button shows its caption instead of the skin's picture), which made the smallest size
    // and the default size far too wide; shown, they have the skin's. A size set in between
    // (restored, or by the program) stays.
    if (!shownOnce) {
        shownOnce = true;
        layout()->invalidate();
        layout()->activate();
        if (sizeGivenBeforeShown.isValid() && size() == sizeGivenBeforeShown)
            resize(VelWidgetHelper::defaultSize().expandedTo(minimumSizeHint()));
    }
    QMainWindow::showEvent(event);
    updateUiState();
}
