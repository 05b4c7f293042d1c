#include "platform/velfc/core/velpref.h"

#include "platform/velfc/core/vel.h"

#include <QDir>
#include <QStandardPaths>

namespace {
QString locationOrHome(QStandardPaths::StandardLocation location)
{
    const QString path = QStandardPaths::writableLocation(location);
    return path.isEmpty() ? QDir::homePath() : QDir::toNativeSeparators(path);
}
} // namespace

QString PrefDefault::photoLastDir()
{
    return locationOrHome(QStandardPaths::PicturesLocation);
}

QString PrefDefault::audioLastDir()
{
    return locationOrHome(QStandardPaths::MusicLocation);
}

VelPref* VelPref::instance()
{
    static VelPref pref;
    return &pref;
}

VelPref::VelPref()
{
    open();
}

void VelPref::open(const QString& fileName)
{
    QMutexLocker lock(&mutex);
    if (fileName.isEmpty()) {
        const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        const QString base =
            dir.isEmpty() ? QDir::homePath() + QStringLiteral("/.config/Lumaro") : dir;
        settings =
            std::make_unique<QSettings>(base + QStringLiteral("/lumaro.ini"), QSettings::IniFormat);
    } else {
        settings = std::make_unique<QSettings>(fileName, QSettings::IniFormat);
    }
}

QVariant VelPref::value(const QString& key, const QVariant& defaultValue) const
{
    QMutexLocker lock(&mutex);
    return settings->value(key, defaultValue);
}

void VelPref::setValue(const QString& key, const QVariant& value, bool)
{
    QMutexLocker lock(&mutex);
    settings->setValue(key, value);
    settings->sync();
}

void VelPref::remove(const QString& key)
{
    QMutexLocker lock(&mutex);
    settings->remove(key);
    settings->sync();
}

bool VelPref::contains(const QString& key) const
{
    QMutexLocker lock(&mutex);
    return settings->contains(key);
}

QString VelPref::skinDir() const
{
    return Vel::applicationFolder() + QStringLiteral("/skins");
}

QString VelPref::product_name() const
{
    return QStringLiteral("Lumaro");
}

QString VelPref::fileName() const
{
    QMutexLocker lock(&mutex);
    return settings->fileName();
}
