#pragma once

#include <QList>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>

class QAction;
class QActionGroup;
class QLabel;
class QToolBar;
class QToolButton;

// The framework's main window: a QMainWindow with a title strip at the top whose menu button
// (top right) opens the window's menu. The framework supplies its own submenu (skin and language
// choice) and six standard actions; a program builds its menu from them in buildTitleMenu().
// initialize() applies the stored skin, builds the menu and restores the window's geometry;
// closing stores the geometry.
class VelMainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // The six standard actions, in the order standardActions() returns them.
    enum StandardAction
    {
        FullScreen,
        StayOnTop,
        Minimize,
        DefaultSize,
        About,
        Quit
    };

    explicit VelMainWindow(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~VelMainWindow() override;

    void initialize();
    // The top-level frame of the window (what the window manager raises).
    QWidget* widgetFrame() { return this; }
    using QMainWindow::show;
    void show(bool activate);
    void enableUpdateUi(bool enable);
    void setMenuBarVisible(bool visible);
    void setTitleShowMenu(bool show);
    void setTitleButtonMenu(QMenu* menu);
    QMenu* titleButtonMenu() const { return titleButtonMenu_; }
    QToolButton* titleMenuButton() const { return menuButton; }

    // The framework's own submenu: "Skin" and "Language".
    QMenu* frameworkMenu();
    QList<QAction*> standardActions() const { return standardActions_; }
    QAction* standardAction(StandardAction which) const { return standardActions_.at(which); }

    // Applies skin `name` from the skin folder (empty or missing: the plain look) and stores it.
    void applySkin(const QString& name);

public slots:
    virtual void retranslate();
    virtual void updateUiState();

protected:
    // Builds the title-button menu; the default is the framework submenu and the six actions.
    virtual void buildTitleMenu();
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    QMenu* createPopupMenu() override { return nullptr; }

private:
    void createStandardActions();
    void fillSkinMenu();
    void fillLanguageMenu();
    void showAbout();
    void showTitle();

    QToolBar* titleBar = nullptr;
    QLabel* titleLabel = nullptr;
    QToolButton* menuButton = nullptr;
    QAction* menuButtonAction = nullptr;
    QPointer<QMenu> titleButtonMenu_;
    QMenu* frameworkMenu_ = nullptr;
    QMenu* skinMenu = nullptr;
    QMenu* languageMenu = nullptr;
    QList<QAction*> standardActions_;
    bool updateUiEnabled = false;
    bool initialized = false;
    QSize sizeGivenBeforeShown; // the default size, taken before the skin applied
    bool shownOnce = false;
};
