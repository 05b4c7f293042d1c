#pragma once

#include "platform/velfc/veldialog.h"
#include "prefs/preferencesprogress.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class Slideshow;
class WorkspaceMove;

// The program's preferences: the temporary folder (the parent of the workspace), the action
// after publishing and the update-check settings. Moving the workspace takes the files of the
// slideshow's photos and clips along and then tells the slideshow that they moved.
class Preferences : public VelDialog
{
    Q_OBJECT
public:
    Preferences(QWidget* parent, Slideshow* slideshow);
    ~Preferences() override;

    // The folder chooser behind Browse: (parent, title, start folder) -> the chosen folder or
    // empty. Replaceable so that tests can answer it; an empty function restores the real one.
    using FolderChooser = std::function<QString(QWidget*, const QString&, const QString&)>;
    static void setFolderChooser(FolderChooser chooser);
    // Called with the old workspace just before a move deletes it, where the deletion runs (off
    // the window's thread). Lets tests hold the deletion; empty by default.
    using RemovalHook = std::function<void(const QString& workspace)>;
    static void setRemovalHook(RemovalHook hook);

    QString workspace() const { return currentWorkspace; }
    PreferencesProgress* progressDialog() { return &progress; }

    void retranslate() override;

private slots:
    void on_browse_clicked();
    void on_open_clicked();
    void on_resetToDefault_clicked();
    void on_lineEdit_editingFinished();
    void slotTempDirTextEdited(const QString& text);
    void on_buttonBox_clicked(QAbstractButton* button);
    void convertProgress();

private:
    // Connected by hand (no object is called "Settings"), hence not among the slots above.
    void on_Settings_Changed();
    void buildForm();
    void loadSettings();
    bool applySettings();
    // Shows `message`, puts the stored folder back when asked, and selects the field.
    void refuse(const QString& message, bool restoreStored);
    bool moveWorkspace(const QString& folder);
    void storeFolder(const QString& folder);

    Slideshow* slideshow;
    QString currentWorkspace;
    QString newWorkspace;
    PreferencesProgress progress;
    QTimer* moveTimer = nullptr;
    std::unique_ptr<WorkspaceMove> mover;

    QGroupBox* groupBox = nullptr;
    QGroupBox* groupBox_5 = nullptr;
    QGroupBox* groupBox_2 = nullptr;
    QLineEdit* lineEdit = nullptr;
    QPushButton* browse = nullptr;
    QPushButton* open = nullptr;
    QLabel* label = nullptr;
    QComboBox* afterBurnAction = nullptr;
    QCheckBox* checkUpdate = nullptr;
    QComboBox* updateFreq = nullptr;
    QPushButton* resetToDefault = nullptr;
    QDialogButtonBox* buttonBox = nullptr;
};
