#pragma once

#include <QtGlobal>

class AudioListWidget;
class FlashPlayerWidget;
class MenuTemplateSelectionFrame;
class PhotoListWidget;
class PublishButton;
class QAction;
class QFrame;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QMainWindow;
class QMenuBar;
class QProgressBar;
class QScrollBar;
class QToolButton;
class QVBoxLayout;
class QWidget;

// The main window's form, built in code: every widget under the object name the rest of the
// program (and the skins' style sheets) address it by.
struct LumaroForm
{
    QAction* actionDo_nothing = nullptr;
    QAction* actionQuit_Application = nullptr;
    QAction* actionShutdown_Computer = nullptr;
    QAction* actionStandby = nullptr;
    QAction* actionHiberate = nullptr;
    QAction* actionPrefences = nullptr;

    QWidget* centralwidget = nullptr;
    QGridLayout* gridLayout_3 = nullptr;
    QFrame* playerFrame = nullptr;
    QVBoxLayout* verticalLayout_3 = nullptr;
    FlashPlayerWidget* widget = nullptr;
    QFrame* previewFrame = nullptr;
    QHBoxLayout* horizontalLayout_7 = nullptr;
    QToolButton* previewBtn = nullptr;
    QFrame* rightFrame = nullptr;
    QFrame* labelFrame = nullptr;
    QLabel* label = nullptr;
    MenuTemplateSelectionFrame* templateFrame = nullptr;
    QFrame* matterFrame = nullptr;
    QGridLayout* gridLayout = nullptr;
    QLabel* label_album = nullptr;
    QLabel* label_audio = nullptr;
    PhotoListWidget* photoListWidget = nullptr;
    AudioListWidget* audioListWidget = nullptr;
    QScrollBar* horizontalScrollBar = nullptr;
    QFrame* controlFrame = nullptr;
    QFrame* background = nullptr;
    QToolButton* importPicture = nullptr;
    QToolButton* importPictureDir = nullptr;
    QToolButton* importAudio = nullptr;
    QToolButton* deleteClip = nullptr;
    QLabel* liLabel1 = nullptr;
    QToolButton* turnLeft = nullptr;
    QToolButton* turnRight = nullptr;
    QToolButton* mirror = nullptr;
    QToolButton* flip = nullptr;
    QToolButton* restore = nullptr;
    QLabel* liLabel2 = nullptr;
    QToolButton* editMusic = nullptr;
    QProgressBar* publishProgressBar = nullptr;
    PublishButton* publishBtn = nullptr;
    PublishButton* cancelBtn = nullptr;
    QMenuBar* menubar = nullptr;

    void setupUi(QMainWindow* window);
    void retranslateUi(QMainWindow* window);
};
