#include "app/mainform.h"

#include "audio/audiolistwidget.h"
#include "flashkit/menutemplateselectionframe.h"
#include "photos/photolistwidget.h"
#include "platform/flashplayer/flashplayerwidget.h"
#include "widgets/publishbutton.h"

#include <QAction>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolButton>

namespace {
template <typename T> T* make(QWidget* parent, const char* name)
{
    auto* widget = new T(parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QAction* makeAction(QMainWindow* window, const char* name, bool checkable)
{
    auto* action = new QAction(window);
    action->setObjectName(QLatin1String(name));
    action->setCheckable(checkable);
    return action;
}

// A button drawn as a picture says what it does to a screen reader as its tool tip does to the
// mouse; the tool tip adds the shortcut.
void describe(QAbstractButton* button, const QString& text)
{
    button->setAccessibleName(text);
    const QKeySequence keys = button->shortcut();
    button->setToolTip(keys.isEmpty() ? text
                                      : QStringLiteral("%1 (%2)").arg(
                                            text, keys.toString(QKeySequence::NativeText)));
}

void setUpStrip(QListWidget* list, int height)
{
    list->setFixedHeight(height);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setDragDropMode(QAbstractItemView::DragDrop);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    list->setFlow(QListView::LeftToRight);
}
// The window's designed smallest size, or more where the controls need more room (captions
// are longer in most languages than in English). A fixed minimum would win over the layout's.
class CentralWidget : public QWidget
{
public:
    using QWidget::QWidget;
    QSize minimumSizeHint() const override
    {
        return QWidget::minimumSizeHint().expandedTo(QSize(800, 700));
    }
};
// A button's text, when set, replaces its shortcut with the text's mnemonic: the shortcuts are
// set after the texts, every time.
void setShortcuts(LumaroForm& form)
{
    // Shortcuts for the commands the user reaches for most; none takes a key of the document
    // menu (Ctrl+N, O, S, Z, Y, Shift+S, Shift+Z), Quit or Full Screen.
    form.importPicture->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    form.importPictureDir->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I));
    form.importAudio->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    form.deleteClip->setShortcut(QKeySequence::Delete);
    form.turnLeft->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    form.turnRight->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    form.mirror->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    form.flip->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M));
    form.restore->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
    form.editMusic->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    form.previewBtn->setShortcut(QKeySequence(Qt::Key_F5));
    form.publishBtn->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
}
} // namespace

void LumaroForm::setupUi(QMainWindow* window)
{
    window->setObjectName(QStringLiteral("Lumaro"));
    window->resize(836, 733);
    actionDo_nothing = makeAction(window, "actionDo_nothing", true);
    actionQuit_Application = makeAction(window, "actionQuit_Application", true);
    actionShutdown_Computer = makeAction(window, "actionShutdown_Computer", true);
    actionStandby = makeAction(window, "actionStandby", true);
    actionHiberate = makeAction(window, "actionHiberate", true);
    actionPrefences = makeAction(window, "actionPrefences", false);

    centralwidget = make<CentralWidget>(window, "centralwidget");
    gridLayout_3 = new QGridLayout(centralwidget);
    gridLayout_3->setObjectName(QStringLiteral("gridLayout_3"));
    gridLayout_3->setContentsMargins(5, 5, 5, 5);
    gridLayout_3->setHorizontalSpacing(5);
    gridLayout_3->setVerticalSpacing(0);

    // The preview area, top left.
    playerFrame = make<QFrame>(centralwidget, "playerFrame");
    playerFrame->setMinimumHeight(420);
    verticalLayout_3 = new QVBoxLayout(playerFrame);
    verticalLayout_3->setObjectName(QStringLiteral("verticalLayout_3"));
    verticalLayout_3->setSpacing(0);
    verticalLayout_3->setContentsMargins(0, 0, 0, 0);
    widget = make<FlashPlayerWidget>(playerFrame, "widget");
    widget->setMinimumSize(480, 360);
    verticalLayout_3->addWidget(widget);
    previewFrame = make<QFrame>(playerFrame, "previewFrame");
    horizontalLayout_7 = new QHBoxLayout(previewFrame);
    horizontalLayout_7->setObjectName(QStringLiteral("horizontalLayout_7"));
    horizontalLayout_7->setContentsMargins(0, 4, 0, 4);
    horizontalLayout_7->addStretch();
    previewBtn = make<QToolButton>(previewFrame, "previewBtn");
    horizontalLayout_7->addWidget(previewBtn);
    horizontalLayout_7->addStretch();
    verticalLayout_3->addWidget(previewFrame);
    gridLayout_3->addWidget(playerFrame, 0, 0);

    // The template panel, top right.
    rightFrame = make<QFrame>(centralwidget, "rightFrame");
    auto* rightLayout = new QVBoxLayout(rightFrame);
    rightLayout->setObjectName(QStringLiteral("verticalLayout"));
    rightLayout->setSpacing(0);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    labelFrame = make<QFrame>(rightFrame, "labelFrame");
    auto* labelLayout = new QHBoxLayout(labelFrame);
    labelLayout->setObjectName(QStringLiteral("horizontalLayout"));
    label = make<QLabel>(labelFrame, "label");
    labelLayout->addWidget(label);
    rightLayout->addWidget(labelFrame);
    templateFrame = make<MenuTemplateSelectionFrame>(rightFrame, "templateFrame");
    templateFrame->setFixedWidth(250);
    rightLayout->addWidget(templateFrame, 1);
    gridLayout_3->addWidget(rightFrame, 0, 1, 1, 2);

    // The two strips and their one scroll bar.
    matterFrame = make<QFrame>(centralwidget, "matterFrame");
    matterFrame->setFixedHeight(140);
    gridLayout = new QGridLayout(matterFrame);
    gridLayout->setObjectName(QStringLiteral("gridLayout"));
    gridLayout->setHorizontalSpacing(0);
    label_album = make<QLabel>(matterFrame, "label_album");
    label_audio = make<QLabel>(matterFrame, "label_audio");
    photoListWidget = make<PhotoListWidget>(matterFrame, "photoListWidget");
    setUpStrip(photoListWidget, 72);
    audioListWidget = make<AudioListWidget>(matterFrame, "audioListWidget");
    setUpStrip(audioListWidget, 36);
    horizontalScrollBar = make<QScrollBar>(matterFrame, "horizontalScrollBar");
    horizontalScrollBar->setOrientation(Qt::Horizontal);
    gridLayout->addWidget(label_album, 0, 0);
    gridLayout->addWidget(photoListWidget, 0, 1);
    gridLayout->addWidget(label_audio, 1, 0);
    gridLayout->addWidget(audioListWidget, 1, 1);
    gridLayout->addWidget(horizontalScrollBar, 2, 0, 1, 2);
    gridLayout_3->addWidget(matterFrame, 1, 0, 1, 3);

    // Tools, progress and the publish buttons.
    controlFrame = make<QFrame>(centralwidget, "controlFrame");
    controlFrame->setFixedHeight(100);
    auto* controlLayout = new QHBoxLayout(controlFrame);
    controlLayout->setObjectName(QStringLiteral("horizontalLayout_2"));
    auto* toolColumn = new QVBoxLayout;
    toolColumn->setObjectName(QStringLiteral("verticalLayout_2"));
    background = make<QFrame>(controlFrame, "background");
    background->setFixedHeight(50);
    auto* tools = new QHBoxLayout(background);
    tools->setObjectName(QStringLiteral("horizontalLayout_3"));
    tools->addStretch();
    auto tool = [this](const char* name) {
        auto* button = make<QToolButton>(background, name);
        return button;
    };
    importPicture = tool("importPicture");
    importPictureDir = tool("importPictureDir");
    importAudio = tool("importAudio");
    deleteClip = tool("deleteClip");
    liLabel1 = make<QLabel>(background, "liLabel1");
    turnLeft = tool("turnLeft");
    turnRight = tool("turnRight");
    mirror = tool("mirror");
    flip = tool("flip");
    restore = tool("restore");
    liLabel2 = make<QLabel>(background, "liLabel2");
    for (QWidget* w : {static_cast<QWidget*>(importPicture),
                       static_cast<QWidget*>(importPictureDir), static_cast<QWidget*>(importAudio),
                       static_cast<QWidget*>(deleteClip), static_cast<QWidget*>(liLabel1),
                       static_cast<QWidget*>(turnLeft), static_cast<QWidget*>(turnRight),
                       static_cast<QWidget*>(mirror), static_cast<QWidget*>(flip),
                       static_cast<QWidget*>(restore), static_cast<QWidget*>(liLabel2)})
        tools->addWidget(w);
    tools->addStretch();
    editMusic = tool("editMusic");
    // Its caption is longer in most languages than in English: the button never gets less
    // than the width the caption needs (the window's smallest width grows instead).
    editMusic->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    tools->addWidget(editMusic);
    tools->addStretch();
    toolColumn->addWidget(background);
    publishProgressBar = make<QProgressBar>(controlFrame, "publishProgressBar");
    publishProgressBar->setValue(0);
    publishProgressBar->setTextVisible(true);
    publishProgressBar->setAlignment(Qt::AlignCenter);
    toolColumn->addWidget(publishProgressBar);
    controlLayout->addLayout(toolColumn, 1);
    publishBtn = make<PublishButton>(controlFrame, "publishBtn");
    cancelBtn = make<PublishButton>(controlFrame, "cancelBtn");
    for (PublishButton* b : {publishBtn, cancelBtn}) {
        b->setMinimumSize(110, 56);
        controlLayout->addWidget(b);
    }
    gridLayout_3->addWidget(controlFrame, 2, 0, 1, 3);

    // Tab leaves the template panel for the next control; the arrows move between templates.
    if (auto* table =
            templateFrame->findChild<QTableWidget*>(QStringLiteral("templateTableWidget")))
        table->setTabKeyNavigation(false);
    // Tab goes from the preview to the template panel, the strips, the tools and publishing.
    QWidget* order[] = {previewBtn,    templateFrame,    photoListWidget, audioListWidget,
                        importPicture, importPictureDir, importAudio,     deleteClip,
                        turnLeft,      turnRight,        mirror,          flip,
                        restore,       editMusic,        publishBtn,      cancelBtn};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);

    window->setCentralWidget(centralwidget);
    menubar = make<QMenuBar>(window, "menubar");
    menubar->setGeometry(QRect(0, 0, 835, 22));
    window->setMenuBar(menubar);
    retranslateUi(window);
}

void LumaroForm::retranslateUi(QMainWindow* window)
{
    window->setWindowTitle(QCoreApplication::translate("Lumaro", "MainWindow"));
    actionDo_nothing->setText(QCoreApplication::translate("Lumaro", "Do Nothing"));
    actionQuit_Application->setText(QCoreApplication::translate("Lumaro", "Quit Application"));
    actionShutdown_Computer->setText(QCoreApplication::translate("Lumaro", "Shut Down"));
    actionStandby->setText(QCoreApplication::translate("Lumaro", "Stand By"));
    actionHiberate->setText(QCoreApplication::translate("Lumaro", "Hibernate"));
    actionPrefences->setText(QCoreApplication::translate("Lumaro", "&Preferences..."));
    previewBtn->setText(QCoreApplication::translate("Lumaro", "Preview"));
    editMusic->setText(QCoreApplication::translate("Lumaro", "Edit Audio"));
    setShortcuts(*this);
    describe(previewBtn, QCoreApplication::translate("Lumaro", "Preview"));
    label->setText(QCoreApplication::translate("Lumaro", "Template:"));
    describe(importPicture, QCoreApplication::translate("Lumaro", "Import Photo(s)"));
    describe(importPictureDir, QCoreApplication::translate("Lumaro", "Import Photo Folder"));
    describe(importAudio, QCoreApplication::translate("Lumaro", "Import Audio File(s)"));
    describe(deleteClip, QCoreApplication::translate("Lumaro", "Delete"));
    describe(turnLeft, QCoreApplication::translate("Lumaro", "Turn Left"));
    describe(turnRight, QCoreApplication::translate("Lumaro", "Turn Right"));
    describe(mirror, QCoreApplication::translate("Lumaro", "Mirror"));
    describe(flip, QCoreApplication::translate("Lumaro", "Flip"));
    describe(restore, QCoreApplication::translate("Lumaro", "Restore"));
    describe(editMusic, QCoreApplication::translate("Lumaro", "Edit Audio"));
    describe(publishBtn, QCoreApplication::translate("Lumaro", "Publish"));
    describe(cancelBtn, QCoreApplication::translate("Lumaro", "Cancel"));
    if (auto* table =
            templateFrame->findChild<QTableWidget*>(QStringLiteral("templateTableWidget")))
        table->setAccessibleName(QCoreApplication::translate("Lumaro", "Templates"));
    horizontalScrollBar->setAccessibleName(
        QCoreApplication::translate("Lumaro", "Scroll the strips"));
}
