#include "app/skinchoice.h"

#include <QFileInfo>

QStringList defaultSkinNames()
{
    return {QStringLiteral("plenvo"), QStringLiteral("dask_orrin"),
            QStringLiteral("Dask_Orrin_Parrow"), QStringLiteral("kzo"), QStringLiteral("Brenlow")};
}

QString firstInstalledDefaultSkin(const QString& skinDir)
{
    const QStringList names = defaultSkinNames();
    for (const QString& name : names) {
        if (QFileInfo::exists(skinDir + QLatin1Char('/') + name))
            return name;
    }
    return QString();
}
