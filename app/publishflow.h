#pragma once

#include <QObject>
#include <QString>

#include <memory>

struct LumaroForm;
struct Slideshow;
class Convert2Mp3Progress;
class IFlashKitInterface;
class QMenu;
class QTimer;
class QWidget;

// Publishing from the window in its three stages: the settings dialog, the conversion of the
// music that needs it, and the kit's publish run, each polled by its own timer; then the
// notification and the action after publishing.
class PublishFlow : public QObject
{
    Q_OBJECT
public:
    PublishFlow(QWidget* window, LumaroForm* ui, IFlashKitInterface* kit, const Slideshow* show);
    ~PublishFlow() override;

    // The title-button menu is disabled while publishing; it is built after the flow.
    void setTitleMenu(QMenu* menu) { titleMenu = menu; }

    void publish();
    void cancel();
    void convertFinished();
    void convertKilled();
    void updatePublishProgress();
    void updateConvertProgress();
    // Ends a conversion and a publish run before the workspace goes away.
    void stopAll();
    bool isBusy() const;

    void enterPublishingState();
    void leavePublishingState();

    QString targetName;
    QString targetFolder;
    int targetProfile = 1;
    int photoQuality = 80;

private:
    QWidget* window;
    LumaroForm* ui;
    IFlashKitInterface* kit;
    const Slideshow* show;
    QMenu* titleMenu = nullptr;
    std::unique_ptr<QTimer> publishTimer;
    std::unique_ptr<Convert2Mp3Progress> converter;
    std::unique_ptr<QTimer> convertTimer;
};
