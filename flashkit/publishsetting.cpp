#include "flashkit/publishsetting.h"

#include "common/workspace.h"
#include "flashkit/core/photosize.h"
#include "flashkit/core/publishtarget.h"
#include "platform/velfc/core/vel.h"
#include "platform/velfc/core/velpref.h"
#include "platform/velfc/velmessagebox.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

const QString PublishSetting::forbiddenCharacters = PublishTarget::forbiddenCharacters();

namespace {
const QString HistorySeparator = QStringLiteral("|||");
constexpr int HistorySize = 5;
// Quality choices in list order, and the profile value of each profile choice.
constexpr int Qualities[] = {50, 85, 100};
constexpr int ProfileValues[] = {1, 0, 2, 3, 4};
constexpr int VideoProfile = 4;
// The video's choices in list order: frame heights, and seconds per photo (0 = fit to music).
constexpr int VideoHeights[] = {1080, 720};
constexpr int PhotoSeconds[] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 0};
constexpr int PhotoSecondsCount = int(sizeof(PhotoSeconds) / sizeof(PhotoSeconds[0]));
constexpr int ProfileCount = int(sizeof(ProfileValues) / sizeof(ProfileValues[0]));

PublishSetting::FolderPicker& folderPicker()
{
    static PublishSetting::FolderPicker picker;
    return picker;
}

PublishSetting::FolderOpener& folderOpener()
{
    static PublishSetting::FolderOpener opener;
    return opener;
}

QString pickFolder(QWidget* parent, const QString& caption, const QString& start)
{
    if (folderPicker())
        return folderPicker()(parent, caption, start);
    return QFileDialog::getExistingDirectory(parent, caption, start, QFileDialog::ShowDirsOnly);
}

QStringList storedHistory()
{
    const QString stored =
        VelPref::instance()->value(QLatin1String(PrefKey::PublishFolder), QString()).toString();
    return stored.isEmpty() ? QStringList() : stored.split(HistorySeparator);
}

template <typename T> T* make(QWidget* parent, const char* name)
{
    auto* widget = new T(parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}
} // namespace

PublishSetting::FolderPicker PublishSetting::setFolderPicker(FolderPicker picker)
{
    FolderPicker previous = folderPicker();
    folderPicker() = std::move(picker);
    return previous;
}

PublishSetting::FolderOpener PublishSetting::setFolderOpener(FolderOpener opener)
{
    FolderOpener previous = folderOpener();
    folderOpener() = std::move(opener);
    return previous;
}

bool PublishSetting::openFolder(const QUrl& url)
{
    if (folderOpener())
        return folderOpener()(url);
    return QDesktopServices::openUrl(url);
}

PublishSetting::PublishSetting(QWidget* parent) : VelDialog(parent)
{
    buildForm();
    retranslate();

    const int profileIndex =
        VelPref::instance()
            ->value(QLatin1String(PrefKey::PublishProfile), PrefDefault::PublishProfile)
            .toInt();
    profileComboBox->setCurrentIndex(qBound(0, profileIndex, profileComboBox->count() - 1));
    qualityComboBox->setCurrentIndex(1);
    startFromPhotoSize(VelPref::instance()
                           ->value(QLatin1String(PrefKey::PublishPhotoSize), PhotoSize::Standard)
                           .toInt());
    const QStringList history = storedHistory();
    if (history.isEmpty())
        dstComboBox->addItem(QDir::toNativeSeparators(Vel::outputPath()));
    else
        dstComboBox->addItems(history);
    dstComboBox->setCurrentIndex(0);
    dstComboBox->lineEdit()->setCursorPosition(0);

    connect(qualityComboBox, &QComboBox::currentIndexChanged, this,
            &PublishSetting::showPhotoSizeCost);
    connect(photoSizeComboBox, &QComboBox::currentIndexChanged, this,
            &PublishSetting::showPhotoSizeCost);
    connect(profileComboBox, &QComboBox::currentIndexChanged, this, &PublishSetting::showVideoRows);
    showVideoRows();
    connect(publishName, &QLineEdit::textEdited, this, &PublishSetting::slotPublishNameEdited);
    connect(okButton, &QToolButton::clicked, this, &PublishSetting::slotOKClicked);
    connect(cancelButton, &QToolButton::clicked, this, &PublishSetting::slotCancelClicked);
    connect(browseDstBtn, &QToolButton::clicked, this, &PublishSetting::on_browseDstBtn_clicked);
    connect(openDstBtn, &QToolButton::clicked, this, &PublishSetting::on_openDstBtn_clicked);
}

void PublishSetting::startFrom(const QString& name, const QString& destination, int profile,
                               int quality)
{
    if (!name.isEmpty())
        publishName->setText(name);
    for (int i = 0; i < ProfileCount; ++i) {
        if (ProfileValues[i] == profile)
            profileComboBox->setCurrentIndex(i);
    }
    for (int i = 0; i < int(sizeof(Qualities) / sizeof(Qualities[0])); ++i) {
        if (Qualities[i] == quality)
            qualityComboBox->setCurrentIndex(i);
    }
    if (destination.isEmpty())
        return;
    const QString shown = QDir::toNativeSeparators(destination);
    int row = dstComboBox->findText(shown);
    if (row < 0) {
        dstComboBox->insertItem(0, shown);
        row = 0;
    }
    dstComboBox->setCurrentIndex(row);
    dstComboBox->lineEdit()->setCursorPosition(0);
}

void PublishSetting::startFromPhotoSize(int choice)
{
    photoSizeComboBox->setCurrentIndex(qBound(0, choice, PhotoSize::Count - 1));
    showPhotoSizeCost();
}

// What the chosen size costs: the published gallery, and the offline page most of all, grows
// with every photo.
void PublishSetting::showPhotoSizeCost()
{
    const int quality = Qualities[qBound(0, qualityComboBox->currentIndex(), 2)];
    const int kilobytes =
        PhotoSize::kilobytesPerPhoto(qMax(0, photoSizeComboBox->currentIndex()), quality);
    photoSizeCost->setText(tr("About %1 KB per photo.").arg(kilobytes));
}

void PublishSetting::buildForm()
{
    setObjectName(QStringLiteral("PublishSettingDialog"));
    setFixedSize(500, 300);
    frame = make<QFrame>(this, "frame");
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    label = make<QLabel>(frame, "label");
    qualityComboBox = make<QComboBox>(frame, "qualityComboBox");
    photoSizeLabel = make<QLabel>(frame, "photoSizeLabel");
    photoSizeComboBox = make<QComboBox>(frame, "photoSizeComboBox");
    photoSizeCost = make<QLabel>(frame, "photoSizeCost");
    // The dialog has a fixed width: the size names and their cost must not take the room the
    // destination's buttons need in the longer languages.
    photoSizeCost->setWordWrap(true);
    label_6 = make<QLabel>(frame, "label_6");
    publishName = make<QLineEdit>(frame, "publishName");
    label_7 = make<QLabel>(frame, "label_7");
    profileComboBox = make<QComboBox>(frame, "profileComboBox");
    label_10 = make<QLabel>(frame, "label_10");
    dstComboBox = make<QComboBox>(frame, "dstComboBox");
    dstComboBox->setEditable(true);
    dstComboBox->setInsertPolicy(QComboBox::NoInsert);
    dstComboBox->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    for (QComboBox* box : {qualityComboBox, photoSizeComboBox, profileComboBox, dstComboBox}) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(10);
    }
    browseDstBtn = make<QToolButton>(frame, "browseDstBtn");
    openDstBtn = make<QToolButton>(frame, "openDstBtn");
    okButton = make<QToolButton>(this, "okButton");
    cancelButton = make<QToolButton>(this, "cancelButton");
    for (QToolButton* button : {browseDstBtn, openDstBtn, okButton, cancelButton})
        button->setMinimumWidth(72);
    // Each label names its field for a screen reader.
    label->setBuddy(qualityComboBox);
    label_6->setBuddy(publishName);
    label_7->setBuddy(profileComboBox);
    label_10->setBuddy(dstComboBox);

    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setVerticalSpacing(8);
    grid->addWidget(label, 0, 0);
    grid->addWidget(qualityComboBox, 0, 1, 1, 3);
    grid->addWidget(photoSizeLabel, 1, 0);
    grid->addWidget(photoSizeComboBox, 1, 1);
    grid->addWidget(photoSizeCost, 1, 2, 1, 2);
    grid->addWidget(label_6, 2, 0);
    grid->addWidget(publishName, 2, 1, 1, 3);
    grid->addWidget(label_7, 3, 0);
    grid->addWidget(profileComboBox, 3, 1, 1, 3);
    grid->addWidget(label_10, 4, 0);
    grid->addWidget(dstComboBox, 4, 1);
    grid->addWidget(browseDstBtn, 4, 2);
    grid->addWidget(openDstBtn, 4, 3);
    buildVideoRows(grid, 5);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame, 1);
    layout->addLayout(buttons);
}

void PublishSetting::retranslate()
{
    if (!label)
        return; // a language change can arrive before the form exists
    setWindowTitle(tr("Publish Settings"));
    label->setText(tr("Photo Quality:"));
    label_6->setText(tr("File Name:"));
    label_7->setText(tr("Profile:"));
    label_10->setText(tr("Destination:"));
    browseDstBtn->setText(tr("Browse"));
    openDstBtn->setText(tr("Open"));
    okButton->setText(tr("OK"));
    cancelButton->setText(tr("Cancel"));
    if (publishName->text().isEmpty() && !publishName->isModified())
        publishName->setText(tr("My Flash"));

    const int quality = qMax(1, qualityComboBox->currentIndex());
    qualityComboBox->clear();
    qualityComboBox->addItems({tr("Low(50)"), tr("Better(85)"), tr("High(100)")});
    qualityComboBox->setCurrentIndex(quality);
    photoSizeLabel->setText(tr("Photo Size:"));
    const int photoSize = qMax(0, photoSizeComboBox->currentIndex());
    photoSizeComboBox->clear();
    photoSizeComboBox->addItems(
        {tr("Standard (720 × 540)"), tr("HD (1440 × 1080)"), tr("Full HD (1920 × 1440)")});
    photoSizeComboBox->setCurrentIndex(photoSize);
    showPhotoSizeCost();
    const int profile = qMax(0, profileComboBox->currentIndex());
    profileComboBox->clear();
    // The offline page is one file that plays when opened from disk.
    profileComboBox->addItems({QStringLiteral("swf"), QStringLiteral("xml"),
                               QStringLiteral("swf+html"), tr("html (offline)"),
                               tr("video (MP4)")});
    profileComboBox->setCurrentIndex(profile);
    translateVideoRows();
}

void PublishSetting::buildVideoRows(QGridLayout* grid, int row)
{
    videoNote = make<QLabel>(frame, "videoNote");
    videoNote->setWordWrap(true);
    videoSizeLabel = make<QLabel>(frame, "videoSizeLabel");
    videoSizeComboBox = make<QComboBox>(frame, "videoSizeComboBox");
    secondsLabel = make<QLabel>(frame, "secondsLabel");
    secondsComboBox = make<QComboBox>(frame, "secondsComboBox");
    grid->addWidget(videoNote, row, 1, 1, 3);
    grid->addWidget(videoSizeLabel, row + 1, 0);
    grid->addWidget(videoSizeComboBox, row + 1, 1, 1, 3);
    grid->addWidget(secondsLabel, row + 2, 0);
    grid->addWidget(secondsComboBox, row + 2, 1, 1, 3);
}

void PublishSetting::translateVideoRows()
{
    videoNote->setText(tr("A video does not use the template: it shows the photos one after "
                          "another with a slow zoom and crossfades, to the music."));
    videoSizeLabel->setText(tr("Frame Size:"));
    secondsLabel->setText(tr("Each Photo:"));
    const int size = qMax(0, videoSizeComboBox->currentIndex());
    videoSizeComboBox->clear();
    videoSizeComboBox->addItems({tr("1920 x 1080 (1080p)"), tr("1280 x 720 (720p)")});
    videoSizeComboBox->setCurrentIndex(size);
    const int seconds = secondsComboBox->currentIndex() < 0 ? 2 : secondsComboBox->currentIndex();
    secondsComboBox->clear();
    for (int i = 0; i < PhotoSecondsCount; ++i)
        secondsComboBox->addItem(PhotoSeconds[i] ? tr("%1 seconds").arg(PhotoSeconds[i])
                                                 : tr("Fit to music"));
    secondsComboBox->setCurrentIndex(seconds);
}

// The video's rows are shown only while the video is the chosen profile.
void PublishSetting::showVideoRows()
{
    const bool video =
        ProfileValues[qBound(0, profileComboBox->currentIndex(), ProfileCount - 1)] == VideoProfile;
    for (QWidget* widget :
         {static_cast<QWidget*>(videoNote), static_cast<QWidget*>(videoSizeLabel),
          static_cast<QWidget*>(videoSizeComboBox), static_cast<QWidget*>(secondsLabel),
          static_cast<QWidget*>(secondsComboBox)})
        widget->setVisible(video);
    // The photo quality is the Flash slideshow's; the video's pictures are its own.
    qualityComboBox->setEnabled(!video);
    photoSizeComboBox->setEnabled(!video);
    photoSizeCost->setVisible(!video);
    setFixedSize(500, video ? 440 : 300);
}

void PublishSetting::startVideoFrom(int height, int seconds)
{
    for (int i = 0; i < 2; ++i) {
        if (VideoHeights[i] == height)
            videoSizeComboBox->setCurrentIndex(i);
    }
    for (int i = 0; i < PhotoSecondsCount; ++i) {
        if (PhotoSeconds[i] == seconds)
            secondsComboBox->setCurrentIndex(i);
    }
}

void PublishSetting::showNameHint(const QString& text)
{
    QToolTip::showText(publishName->mapToGlobal(QPoint(0, 0)), text, publishName);
}

void PublishSetting::slotPublishNameEdited(const QString& text)
{
    const int p = publishName->cursorPosition();
    if (isValidFolderPath(text) || text.isEmpty() || p <= 0 || p > text.size())
        return;
    if (!forbiddenCharacters.contains(text.at(p - 1)))
        return;
    QString shortened = text;
    shortened.remove(p - 1, 1);
    publishName->setText(shortened);
    publishName->setCursorPosition(p - 1);
    showNameHint(
        tr("The file name cannot contain one of these characters:%1").arg(forbiddenCharacters));
}

void PublishSetting::on_browseDstBtn_clicked()
{
    const QStringList history = storedHistory();
    const QString start = history.isEmpty() ? Vel::outputPath() : history.first();
    const QString folder = pickFolder(this, tr("Select one folder"), start);
    if (folder.isEmpty())
        return;
    while (dstComboBox->count() >= HistorySize)
        dstComboBox->removeItem(dstComboBox->count() - 1);
    dstComboBox->insertItem(0, QDir::toNativeSeparators(folder));
    dstComboBox->setCurrentIndex(0);
}

void PublishSetting::on_openDstBtn_clicked()
{
    const QString folder = dstComboBox->currentText();
    // Only a whole, acceptable path is created: a relative one would land in whatever the
    // current folder happens to be.
    if (!QDir(folder).exists() && QDir::isAbsolutePath(folder) &&
        Vel::isFolderNameValid(folder, true))
        QDir().mkpath(folder);
    const QString message =
        tr("The specified directory was not found.") + QLatin1Char('\n') + folder;
    if (!folder.isEmpty() && QDir(folder).exists()) {
        if (!openFolder(QUrl::fromLocalFile(folder)))
            VelMessageBox::info(message, QString(), nullptr, true);
        return;
    }
    VelMessageBox::info(message, QString(), nullptr, true);
    dstComboBox->setEditText(dstComboBox->itemText(dstComboBox->currentIndex()));
}

void PublishSetting::slotOKClicked()
{
    nameResult = publishName->text();
    if (nameResult.isEmpty()) {
        showNameHint(tr("The file name cannot be left blank, please enter a file name!"));
        return;
    }
    if (PublishTarget::hasForbiddenCharacter(nameResult)) {
        showNameHint(
            tr("The file name cannot contain one of these characters:%1").arg(forbiddenCharacters));
        return;
    }
    // "." or ".." would publish into the destination itself or its parent.
    if (const QString problem = PublishTarget::nameProblem(nameResult); !problem.isEmpty()) {
        showNameHint(problem);
        return;
    }
    qualityResult = Qualities[qBound(0, qualityComboBox->currentIndex(), 2)];
    photoSizeResult = qBound(0, photoSizeComboBox->currentIndex(), PhotoSize::Count - 1);
    VelPref::instance()->setValue(QLatin1String(PrefKey::PublishPhotoSize), photoSizeResult);
    const int profileIndex = qBound(0, profileComboBox->currentIndex(), ProfileCount - 1);
    VelPref::instance()->setValue(QLatin1String(PrefKey::PublishProfile), profileIndex);
    profileResult = ProfileValues[profileIndex];
    videoHeightResult = VideoHeights[qBound(0, videoSizeComboBox->currentIndex(), 1)];
    secondsResult = PhotoSeconds[qBound(0, secondsComboBox->currentIndex(), PhotoSecondsCount - 1)];

    folderResult = dstComboBox->currentText();
    // A single folder name is valid as a name, but the destination must be a whole path.
    if (!QDir::isAbsolutePath(folderResult) || !Vel::isFolderNameValid(folderResult, true)) {
        VelMessageBox::alert(tr("The selected path is incorrect, please select again."), QString(),
                             nullptr, true);
        dstComboBox->setFocus();
        return;
    }
    // One trailing or doubled separator must not end up inside the output paths.
    const QString chosen = QDir::cleanPath(folderResult);
    const PublishTarget::Placement placement =
        PublishTarget::place(nameResult, chosen, profileResult);
    requestedResult = nameResult;
    destinationResult = chosen;
    folderResult = placement.folder;
    nameResult = placement.name;
    rememberFolder(chosen);
    accept();
}

// Newest first, at most five. As the history has always behaved: when it is full, the oldest
// entry goes even if the chosen folder is already in it, which then stands there twice.
void PublishSetting::rememberFolder(const QString& folder)
{
    QStringList history = storedHistory();
    if (history.isEmpty()) {
        history = {folder};
    } else {
        if (history.size() >= HistorySize)
            history.removeLast();
        else
            history.removeAll(folder);
        history.prepend(folder);
    }
    VelPref::instance()->setValue(QLatin1String(PrefKey::PublishFolder),
                                  history.join(HistorySeparator));
}

void PublishSetting::slotCancelClicked()
{
    reject();
}
