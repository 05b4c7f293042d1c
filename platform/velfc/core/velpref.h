#pragma once

#include <QMutex>
#include <QSettings>
#include <QString>
#include <QVariant>

#include <memory>

// The one settings store of the program: an INI file in the per-user config folder, written at
// once on every change. Every key and its default is named here, once.
namespace PrefKey {
inline constexpr char AfterPublishingAction[] = "AfterPublishingAction";
inline constexpr char PhotoLastDir[] = "PhotoLastDir";
inline constexpr char AudioLastDir[] = "AudioLastDir";
inline constexpr char LastSkin[] = "last_skin";
inline constexpr char IsFadeIn[] = "IsFadeIn";
inline constexpr char IsFadeOut[] = "IsFadeOut";
inline constexpr char IsLoop[] = "IsLoop";
inline constexpr char Temporary[] = "Temporary";
inline constexpr char TemporaryDir[] = "TemporaryDir";
inline constexpr char AutoUpdateEnable[] = "AutoUpdateEnable";
inline constexpr char UpdateInterval[] = "UpdateInterval";
inline constexpr char PublishProfile[] = "PublishProfile";
inline constexpr char PublishFolder[] = "PublishFolder";
inline constexpr char PublishPhotoSize[] = "PublishPhotoSize"; // a PhotoSize::Choice
inline constexpr char RecentProjects[] = "RecentProjects";     // absolute paths, newest first
// The framework's own keys.
inline constexpr char Language[] = "language";              // "en", "de", ...; empty: system's
inline constexpr char WindowGeometry[] = "window_geometry"; // QWidget::saveGeometry()
} // namespace PrefKey

namespace PrefDefault {
inline constexpr int AfterPublishingAction =
    5; // 0 quit, 1 stand by, 2 hibernate, 4 shut down, 5 nothing
inline constexpr bool IsFadeIn = false;
inline constexpr bool IsFadeOut = false;
inline constexpr bool IsLoop = true;
inline constexpr bool AutoUpdateEnable = true;
inline constexpr int UpdateInterval = 1;
inline constexpr int PublishProfile = 0;
inline constexpr int RecentProjects = 5; // how many the Open Recent menu keeps
QString photoLastDir();                  // the pictures folder, or home when the system names none
QString audioLastDir();                  // the music folder, or home when the system names none
} // namespace PrefDefault

class VelPref
{
public:
    // The process-wide store. Created on first use; initCfg() may re-open it.
    static VelPref* instance();

    // Opens the store at `fileName`, or at the default per-user location when null/empty.
    void open(const QString& fileName = QString());

    QVariant value(const QString& key, const QVariant& defaultValue = QVariant()) const;
    // Stores at once. The flag is the framework's "delay" switch: ignored, always written.
    void setValue(const QString& key, const QVariant& value, bool delay = false);
    void remove(const QString& key);
    bool contains(const QString& key) const;

    QString skinDir() const;      // application folder + "/skins"
    QString product_name() const; // "Lumaro"
    QString fileName() const;

    // Window translucency has no counterpart here: accepted and ignored.
    void setTanslucentWhenSkin(bool) {}

private:
    VelPref();
    // The import worker reads the fade and loop defaults while the GUI thread writes other
    // keys; one QSettings object is not safe to share between threads without this.
    mutable QMutex mutex;
    std::unique_ptr<QSettings> settings;
};
