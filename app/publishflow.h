#pragma once

#include "flashkit/core/flashkitrecords.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

struct AudioInfo;
struct LumaroForm;
struct Slideshow;
class Convert2Mp3Progress;
class IFlashKitInterface;
class PublishSetting;
class QMenu;
class QTimer;
class QWidget;

// Publishing from the window in its three stages: the settings dialog, the conversion of the
// music that needs it, and the kit's publish run, each polled by its own timer; then the
// notification and the action after publishing. A run that cannot start or that fails tells
// the user why and returns the window to its idle state.
class PublishFlow : public QObject
{
    Q_OBJECT
public:
    // Shows the settings dialog; true when the user accepted it. Tests fill in the real
    // dialog's fields and press its OK here.
    using SettingsRunner = std::function<bool(PublishSetting& dialog)>;

    PublishFlow(QWidget* window, LumaroForm* ui, IFlashKitInterface* kit, const Slideshow* show);
    ~PublishFlow() override;

    // The title-button menu is disabled while publishing; it is built after the flow.
    void setTitleMenu(QMenu* menu) { titleMenu = menu; }
    void setSettingsRunner(SettingsRunner runner) { runSettings = std::move(runner); }

    void publish();
    void cancel();
    void convertFinished();
    void convertKilled();
    void updatePublishProgress();
    void updateConvertProgress();
    // Ends a conversion and a publish run before the workspace goes away.
    void stopAll();
    bool isBusy() const;
    bool isConverting() const;

    void enterPublishingState();
    void leavePublishingState();

    // The clips that are not yet 44100 Hz MP3s, in list order.
    static QList<AudioInfo> collectClipsToConvert(const QList<AudioInfo>& clips);

    QString targetName;
    QString targetFolder;
    int targetProfile = 1;
    int photoQuality = 80;

signals:
    // A publish came to its end: true at 100 (before the action after publishing), false when
    // it failed or was cancelled.
    void publishEnded(bool succeeded);

private:
    bool prepareBackgroundMusic();
    void runPostTaskAction();
    void notifySucceeded();
    void failed(const QString& reason);
    void backToIdle();

    QWidget* window;
    LumaroForm* ui;
    IFlashKitInterface* kit;
    const Slideshow* show;
    QMenu* titleMenu = nullptr;
    SettingsRunner runSettings;
    // The clips and their workspace files for the publish under way.
    QList<AudioInfo> clips;
    QStringList clipFiles;
    QList<FlashKitAudio> musicEntries;
    std::unique_ptr<QTimer> publishTimer;
    std::unique_ptr<Convert2Mp3Progress> converter;
    std::unique_ptr<QTimer> convertTimer;
};
