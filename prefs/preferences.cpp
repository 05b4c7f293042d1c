#include "prefs/preferences.h"

#include "common/workspace.h"
#include "document/slideshow.h"
#include "platform/velfc/core/vel.h"
#include "platform/velfc/core/velpref.h"
#include "platform/velfc/velmessagebox.h"
#include "prefs/core/workspacemove.h"
#include "prefs/core/workspaceplace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QToolTip>
#include <QUrl>
#include <QVBoxLayout>

namespace {
// Rows of "afterBurnAction" and "updateFreq" with the values they store.
constexpr int PostTaskCodes[] = {5, 0, 4, 2, 1};
constexpr int UpdateDays[] = {1, 7, 30};

// Typed characters that cannot be part of a folder name. The separator is how a path is
// written here, so it is never taken out while typing.
const QString& forbiddenTyped()
{
    static const QString chars = QStringLiteral(":*?\"<>|\\");
    return chars;
}

Preferences::FolderChooser& folderChooser()
{
    static Preferences::FolderChooser chooser;
    return chooser;
}

QString defaultParentFolder()
{
    return QDir::toNativeSeparators(
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}
} // namespace

void Preferences::setFolderChooser(FolderChooser chooser)
{
    folderChooser() = std::move(chooser);
}

Preferences::Preferences(QWidget* parent, Slideshow* slideshow)
    : VelDialog(parent, Qt::MSWindowsFixedSizeDialogHint), slideshow(slideshow), progress(this)
{
    buildForm();
    retranslate();
    loadSettings();
    moveTimer = new QTimer(this);
    moveTimer->setSingleShot(true);
    moveTimer->setInterval(80);
    connect(moveTimer, &QTimer::timeout, this, &Preferences::convertProgress);
    setFixedSize(690, 450);
    QMetaObject::connectSlotsByName(this);
}

// A dialog destroyed while shown loses its focus in QDialog's destructor, when this part of it is
// already gone: the path field's editingFinished must not reach it then.
Preferences::~Preferences()
{
    disconnect(lineEdit, nullptr, this, nullptr);
}

void Preferences::buildForm()
{
    setObjectName(QStringLiteral("PreferencesClass"));
    auto named = [this](auto* widget, const char* name) {
        widget->setObjectName(QLatin1String(name));
        return widget;
    };
    groupBox = named(new QGroupBox(this), "groupBox");
    groupBox->setMinimumHeight(100);
    lineEdit = named(new QLineEdit(groupBox), "lineEdit");
    lineEdit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    browse = named(new QPushButton(groupBox), "browse");
    open = named(new QPushButton(groupBox), "open");
    auto* folderRow = new QHBoxLayout(groupBox);
    folderRow->addWidget(lineEdit, 1);
    folderRow->addWidget(browse);
    folderRow->addWidget(open);

    groupBox_5 = named(new QGroupBox(this), "groupBox_5");
    groupBox_5->setMinimumHeight(75);
    label = named(new QLabel(groupBox_5), "label");
    afterBurnAction = named(new QComboBox(groupBox_5), "afterBurnAction");
    for (int code : PostTaskCodes)
        afterBurnAction->addItem(QString(), code);
    auto* actionRow = new QHBoxLayout(groupBox_5);
    actionRow->addWidget(label);
    actionRow->addWidget(afterBurnAction);
    actionRow->addStretch(1);

    groupBox_2 = named(new QGroupBox(this), "groupBox_2");
    groupBox_2->setMinimumHeight(75);
    checkUpdate = named(new QCheckBox(groupBox_2), "checkUpdate");
    updateFreq = named(new QComboBox(groupBox_2), "updateFreq");
    for (int days : UpdateDays)
        updateFreq->addItem(QString(), days);
    auto* updateRow = new QHBoxLayout(groupBox_2);
    updateRow->addWidget(checkUpdate);
    updateRow->addWidget(updateFreq);
    updateRow->addStretch(1);

    resetToDefault = named(new QPushButton(this), "resetToDefault");
    buttonBox =
        named(new QDialogButtonBox(
                  QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this),
              "buttonBox");
    auto* bottomRow = new QHBoxLayout;
    bottomRow->addWidget(resetToDefault);
    bottomRow->addStretch(1);
    bottomRow->addWidget(buttonBox);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(groupBox);
    layout->addWidget(groupBox_5);
    layout->addWidget(groupBox_2);
    layout->addStretch(1);
    layout->addLayout(bottomRow);
}

void Preferences::retranslate()
{
    setWindowTitle(tr("Preferences"));
    groupBox->setTitle(tr("Temporary Folder"));
    browse->setText(tr("Browse..."));
    open->setText(tr("Open"));
    groupBox_5->setTitle(tr("Action After Making"));
    label->setText(tr("Selected Post Task Action:"));
    const QString actions[] = {tr("Do Nothing"), tr("Exit Program"), tr("Shut Down"),
                               tr("Hibernate"), tr("Stand By")};
    for (int i = 0; i < afterBurnAction->count(); ++i)
        afterBurnAction->setItemText(i, actions[i]);
    groupBox_2->setTitle(tr("Update Settings"));
    checkUpdate->setText(tr("Check for Updates Automatically:"));
    const QString intervals[] = {tr("Every Day"), tr("Every Week"), tr("Every Month")};
    for (int i = 0; i < updateFreq->count(); ++i)
        updateFreq->setItemText(i, intervals[i]);
    // The settings are kept for a future update service; the program itself never asks.
    const QString offline = tr("Lumaro does not check for updates over the network. These "
                               "settings are only remembered.");
    groupBox_2->setToolTip(offline);
    checkUpdate->setToolTip(offline);
    updateFreq->setToolTip(offline);
    resetToDefault->setText(tr("Reset to Default"));
}

void Preferences::loadSettings()
{
    VelPref* pref = VelPref::instance();
    // The window asked for the workspace at start-up, so this only reads what is stored.
    currentWorkspace = workspaceFolder();
    lineEdit->setText(pref->value(PrefKey::TemporaryDir, QString()).toString());
    lineEdit->setCursorPosition(0);

    connect(checkUpdate, &QCheckBox::toggled, updateFreq, &QWidget::setEnabled);
    checkUpdate->setChecked(
        pref->value(PrefKey::AutoUpdateEnable, PrefDefault::AutoUpdateEnable).toBool());
    const int days = pref->value(PrefKey::UpdateInterval, PrefDefault::UpdateInterval).toInt();
    const int dayRow = updateFreq->findData(days);
    updateFreq->setCurrentIndex(dayRow < 0 ? 1 : dayRow);
    updateFreq->setEnabled(checkUpdate->isChecked());

    const int code =
        pref->value(PrefKey::AfterPublishingAction, PrefDefault::AfterPublishingAction).toInt();
    const int actionRow = afterBurnAction->findData(code);
    afterBurnAction->setCurrentIndex(actionRow < 0 ? 0 : actionRow);

    connect(lineEdit, &QLineEdit::textEdited, this, &Preferences::slotTempDirTextEdited);
    connect(lineEdit, &QLineEdit::editingFinished, this, &Preferences::on_Settings_Changed);
    connect(checkUpdate, &QCheckBox::toggled, this, &Preferences::on_Settings_Changed);
    connect(afterBurnAction, &QComboBox::currentIndexChanged, this,
            &Preferences::on_Settings_Changed);
    connect(updateFreq, &QComboBox::currentIndexChanged, this, &Preferences::on_Settings_Changed);
    buttonBox->button(QDialogButtonBox::Apply)->setEnabled(false);
}

void Preferences::on_Settings_Changed()
{
    buttonBox->button(QDialogButtonBox::Apply)->setEnabled(true);
}

void Preferences::on_lineEdit_editingFinished()
{
    lineEdit->setText(QDir::toNativeSeparators(lineEdit->text()));
}

void Preferences::slotTempDirTextEdited(const QString& text)
{
    on_Settings_Changed();
    const int cursor = lineEdit->cursorPosition();
    if (text.isEmpty() || isValidFolderPath(text) || cursor <= 0 || cursor > text.size())
        return;
    if (!forbiddenTyped().contains(text.at(cursor - 1)))
        return;
    QString cleaned = text;
    cleaned.remove(cursor - 1, 1);
    lineEdit->setText(cleaned);
    lineEdit->setCursorPosition(cursor - 1);
    QToolTip::showText(
        lineEdit->mapToGlobal(QPoint(0, 0)),
        tr("The file name cannot contain one of these characters:%1").arg(forbiddenTyped()),
        lineEdit);
}

void Preferences::on_browse_clicked()
{
    // The stored parent folder, else the workspace itself.
    QString start = VelPref::instance()->value(PrefKey::TemporaryDir, QString()).toString();
    if (start.trimmed().isEmpty())
        start = workspaceFolder();
    const QString title = tr("Select one folder");
    const QString chosen =
        folderChooser()
            ? folderChooser()(this, title, start)
            : QFileDialog::getExistingDirectory(this, title, start, QFileDialog::ShowDirsOnly);
    if (!chosen.isEmpty())
        lineEdit->setText(QDir::toNativeSeparators(chosen));
}

void Preferences::on_open_clicked()
{
    const QString folder = lineEdit->text();
    if (!folder.isEmpty() && !QFileInfo::exists(folder))
        QDir().mkpath(folder);
    const QString absolute = QDir::toNativeSeparators(QFileInfo(folder).absoluteFilePath());
    if (folder.isEmpty() || !QFileInfo(folder).isDir() ||
        !QDesktopServices::openUrl(QUrl::fromLocalFile(absolute)))
        VelMessageBox::alert(tr("Failed to open folder \"%1\".").arg(absolute), QString(), this);
}

void Preferences::on_resetToDefault_clicked()
{
    lineEdit->setText(defaultParentFolder());
    afterBurnAction->setCurrentIndex(0);
    checkUpdate->setChecked(true);
    updateFreq->setCurrentIndex(0);
    on_Settings_Changed();
}

void Preferences::on_buttonBox_clicked(QAbstractButton* button)
{
    const QDialogButtonBox::ButtonRole role = buttonBox->buttonRole(button);
    if (role == QDialogButtonBox::RejectRole) {
        reject();
        return;
    }
    if (role != QDialogButtonBox::AcceptRole && role != QDialogButtonBox::ApplyRole)
        return;
    if (!applySettings())
        return;
    if (role == QDialogButtonBox::AcceptRole)
        accept();
    else
        buttonBox->button(QDialogButtonBox::Apply)->setEnabled(false);
}

void Preferences::refuse(const QString& message, bool restoreStored)
{
    VelMessageBox::alert(message, QString(), this);
    if (restoreStored)
        lineEdit->setText(VelPref::instance()->value(PrefKey::TemporaryDir, QString()).toString());
    lineEdit->setFocus();
    lineEdit->selectAll();
}

bool Preferences::applySettings()
{
    const QString typed = lineEdit->text();
    const QString incorrect = tr("The selected path is incorrect, please select again.");
    if (!isValidFolderPath(typed)) {
        refuse(incorrect, true);
        return false;
    }
    const QString folder = QDir::cleanPath(typed);
    newWorkspace = folder + QLatin1Char('/') + QLatin1String(WorkspaceFolderName);
    // One workspace inside the other would be deleted together with the old one, or copied
    // into itself.
    if (WorkspacePlace::isInside(newWorkspace, currentWorkspace) ||
        WorkspacePlace::isInside(currentWorkspace, newWorkspace)) {
        refuse(incorrect, true);
        return false;
    }
    if (!QFileInfo::exists(folder))
        QDir().mkpath(folder);
    if (!QFileInfo(folder).isDir()) {
        refuse(incorrect, false);
        return false;
    }
    if (!Vel::isFolderWritable(QFileInfo(folder).absoluteFilePath())) {
        refuse(tr("The selected folder is read-only, please select other folder."), false);
        return false;
    }
    if (newWorkspace != currentWorkspace) {
        const bool sameFolder = WorkspacePlace::isSameFolder(newWorkspace, currentWorkspace);
        if (!sameFolder && slideshow && !slideshow->isEmpty()) {
            if (!moveWorkspace(folder))
                return false;
        } else {
            if (!sameFolder)
                WorkspacePlace::removeEmptyWorkspace(
                    currentWorkspace,
                    VelPref::instance()->value(PrefKey::TemporaryDir, QString()).toString());
            storeFolder(folder);
        }
    }
    VelPref* pref = VelPref::instance();
    pref->setValue(PrefKey::AutoUpdateEnable, checkUpdate->isChecked());
    pref->setValue(PrefKey::UpdateInterval, updateFreq->currentData().toInt());
    pref->setValue(PrefKey::AfterPublishingAction, afterBurnAction->currentData().toInt());
    return true;
}

void Preferences::storeFolder(const QString& folder)
{
    VelPref::instance()->setValue(PrefKey::TemporaryDir, QDir::toNativeSeparators(folder));
    VelPref::instance()->setValue(PrefKey::Temporary, newWorkspace);
    currentWorkspace = newWorkspace;
}
