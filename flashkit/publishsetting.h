#pragma once

#include "platform/velfc/veldialog.h"

#include <QString>
#include <QUrl>

#include <functional>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QToolButton;

// Asks for what a publish needs: the photo quality, the output name, the profile and the
// destination folder. Checks the name and the folder, proposes a name that is free in the
// destination, remembers the profile and the last five destinations.
class PublishSetting : public VelDialog
{
    Q_OBJECT
public:
    // The folder picker and the desktop's folder opener, replaceable so tests answer them.
    using FolderPicker =
        std::function<QString(QWidget* parent, const QString& caption, const QString& start)>;
    using FolderOpener = std::function<bool(const QUrl& folder)>;
    static FolderPicker setFolderPicker(FolderPicker picker);
    static FolderOpener setFolderOpener(FolderOpener opener);
    // Shows a folder in the desktop's file manager (through the replaceable opener).
    static bool openFolder(const QUrl& folder);

    // The nine characters a published name may not hold, in this order.
    static const QString forbiddenCharacters;

    explicit PublishSetting(QWidget* parent = nullptr);

    // Shows what was chosen for this slideshow before instead of the remembered choices: the
    // name as typed, the destination, the profile value and the photo quality (one the list does
    // not offer keeps the list's default).
    void startFrom(const QString& name, const QString& destination, int profile, int quality);

    // The name as typed, and the one proposed for it: free in the destination when OK was
    // pressed. The publish itself claims a free name as it moves its output into place.
    QString requestedName() const { return requestedResult; }
    QString chosenName() const { return nameResult; }
    // The destination; for the "xml" profile the new folder inside it that would take the
    // output. Nothing is made here: a publish that is cancelled or fails leaves no folder.
    QString chosenDestination() const { return destinationResult; }
    QString chosenFolder() const { return folderResult; }
    int profileValue() const { return profileResult; } // 0 "xml", 1 "swf", 2 "swf+html"
    int photoQuality() const { return qualityResult; }
    // The video's own choices: frame height (1080 or 720), seconds per photo (2..10, 0 = fit
    // to the music). startVideoFrom() shows earlier ones.
    void startVideoFrom(int height, int secondsPerPhoto);
    int videoHeight() const { return videoHeightResult; }
    int secondsPerPhoto() const { return secondsResult; }

    // The photo size (a PhotoSize::Choice) chosen for this slideshow before, instead of the
    // remembered one; and the one chosen when OK was pressed.
    void startFromPhotoSize(int choice);
    int photoSize() const { return photoSizeResult; }

    void retranslate() override;

public slots:
    void on_browseDstBtn_clicked();
    void on_openDstBtn_clicked();
    void slotOKClicked();
    void slotCancelClicked();
    void slotPublishNameEdited(const QString& text);

private:
    void buildForm();
    void showNameHint(const QString& text);
    void rememberFolder(const QString& folder);
    void showPhotoSizeCost();
    void buildVideoRows(class QGridLayout* grid, int row);
    void translateVideoRows();
    void showVideoRows();

    QFrame* frame = nullptr;
    QLabel* label = nullptr;
    QComboBox* qualityComboBox = nullptr;
    QLabel* photoSizeLabel = nullptr;
    QComboBox* photoSizeComboBox = nullptr;
    QLabel* photoSizeCost = nullptr;
    QLabel* label_6 = nullptr;
    QLineEdit* publishName = nullptr;
    QLabel* label_7 = nullptr;
    QComboBox* profileComboBox = nullptr;
    QLabel* label_10 = nullptr;
    QComboBox* dstComboBox = nullptr;
    QToolButton* browseDstBtn = nullptr;
    QToolButton* openDstBtn = nullptr;
    QToolButton* okButton = nullptr;
    QToolButton* cancelButton = nullptr;
    QLabel* videoNote = nullptr;
    QLabel* videoSizeLabel = nullptr;
    QComboBox* videoSizeComboBox = nullptr;
    QLabel* secondsLabel = nullptr;
    QComboBox* secondsComboBox = nullptr;

    QString requestedResult;
    QString nameResult;
    QString destinationResult;
    QString folderResult;
    int profileResult = 1;
    int qualityResult = 80;
    int photoSizeResult = 0;
    int videoHeightResult = 1080;
    int secondsResult = 4;
};
