#pragma once

#include "flashkit/core/publishjob.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

struct AudioInfo;
struct LumaroForm;
class IFlashKitInterface;
class PublishSetting;
class QMenu;
class QWidget;
class Slideshow;

// Publishing from the window: the settings dialog (starting from what this slideshow last
// published with, which its OK stores in the slideshow), then the conversion and the kit's run
// (the widget-free PublishJob, shared with the command-line publisher) on a copy of the
// slideshow's lists taken at the start, shown in the progress bar; then the notification and the
// action after publishing. A run that cannot start or that fails tells the user why and returns
// the window to its idle state.
class PublishFlow : public QObject
{
    Q_OBJECT
public:
    // Shows the settings dialog; true when the user accepted it. Tests fill in the real
    // dialog's fields and press its OK here.
    using SettingsRunner = std::function<bool(PublishSetting& dialog)>;

    PublishFlow(QWidget* window, LumaroForm* ui, IFlashKitInterface* kit, Slideshow* show);
    ~PublishFlow() override;

    // The title-button menu is disabled while publishing; it is built after the flow.
    void setTitleMenu(QMenu* menu) { titleMenu = menu; }
    void setSettingsRunner(SettingsRunner runner) { runSettings = std::move(runner); }

    void publish();
    void cancel();
    // Ends a conversion and a publish run before the workspace goes away.
    void stopAll();
    bool isBusy() const;
    bool isConverting() const;

    void enterPublishingState();
    void leavePublishingState();

    // The clips that are not yet 44100 Hz MP3s, in list order.
    static QList<AudioInfo> collectClipsToConvert(const QList<AudioInfo>& clips);

    // After a publish that succeeded: the name it got and the folder that holds it (for "xml"
    // the slideshow's own folder).
    QString targetName;
    QString targetFolder;
    int targetProfile = 1;
    int photoQuality = 80;

signals:
    // A publish came to its end: true at 100 (before the action after publishing), false when
    // it failed or was cancelled.
    void publishEnded(bool succeeded);

private:
    void jobEnded(PublishJob::Outcome outcome, const QString& reason);
    void runPostTaskAction();
    void notifySucceeded();
    void failed(const QString& reason);
    void backToIdle();

    QWidget* window;
    LumaroForm* ui;
    IFlashKitInterface* kit;
    Slideshow* show;
    QMenu* titleMenu = nullptr;
    SettingsRunner runSettings;
    std::unique_ptr<PublishJob> job;
};
