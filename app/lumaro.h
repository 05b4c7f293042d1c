#pragma once

#include "document/slideshow.h"
#include "platform/velfc/velmainwindow.h"

#include <QList>
#include <QString>

class DocumentFlow;
class IFlashKitInterface;
class ImportFlow;
class PreviewFlow;
class PublishFlow;
class QActionGroup;
class QMenu;
struct LumaroForm;

// The main window: the photo and music strips, the template panel, the preview area and the
// publish controls. The slideshow is its document, which the strips show and every command
// changes through its requests; the window coordinates selection between the strips, shares one
// scroll bar between them and enables its commands as the document changes. Each command flow
// (import, preview, publish) is a class of its own that the window owns; the window's slots
// forward to them.
class Lumaro : public VelMainWindow
{
    Q_OBJECT
public:
    explicit Lumaro(QWidget* parent = nullptr);
    ~Lumaro() override;

    // Read access for the program's own checks and tests.
    int activeListIndex() const { return activeList; }
    QList<FlashKitPhoto> photoKitEntries() const { return doc->photoEntries(); }
    QList<FlashKitAudio> musicKitEntries() const { return doc->musicEntries(); }
    QString currentTemplateName() const { return doc->templateName(); }
    QString currentTemplateMoviePath() const { return doc->templateMoviePath(); }
    QMenu* postTaskActionMenu() const { return postTaskMenu; }
    IFlashKitInterface* flashKit() const { return kit; }
    // The slideshow being made.
    Slideshow* document() const { return doc; }
    DocumentFlow* documentFlow() const { return documents; }
    ImportFlow* importFlow() const { return importer; }
    PreviewFlow* previewFlow() const { return previewer; }
    PublishFlow* publishFlow() const { return publisher; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void buildTitleMenu() override;
    void retranslate() override;

private slots:
    void on_importPicture_clicked();
    void on_importPictureDir_clicked();
    void on_importAudio_clicked();
    void on_deleteClip_clicked();
    void on_turnLeft_clicked();
    void on_turnRight_clicked();
    void on_mirror_clicked();
    void on_flip_clicked();
    void on_restore_clicked();
    void on_editMusic_clicked();
    void on_previewBtn_clicked();
    void onTemplateSelectionChanged(const QString& path);
    void photoItemSelectChanged();
    void audioItemSelectChanged();
    void on_photoListWidget_item_clicked();
    void on_audioListWidget_item_clicked();
    void on_photoListWidget_row_changed(int row);
    void on_audioListWidget_row_changed(int row);
    void documentChanged();
    void on_publishBtn_clicked();
    void on_cancelBtn_clicked();
    void slotPrefencesTriggered();
    void on_afterPublishAction();
    void changeScrollRange();

private:
    void connectForm();
    void connectButtonsByName();
    void initSkin();
    void selectInitialTemplate();
    void startDocument();
    void ensureMusicFolder();
    void restorePostTaskChecks();
    void resetControls();
    void stopBackgroundWork();

    LumaroForm* ui = nullptr;
    Slideshow* doc = nullptr;
    IFlashKitInterface* kit = nullptr;
    int activeList = -1;
    QMenu* titleMenu = nullptr;
    QMenu* postTaskMenu = nullptr;
    QActionGroup* postTaskGroup = nullptr;
    // Owned by the window as their parent.
    DocumentFlow* documents = nullptr;
    ImportFlow* importer = nullptr;
    PreviewFlow* previewer = nullptr;
    PublishFlow* publisher = nullptr;
};
