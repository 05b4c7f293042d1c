#pragma once

#include <QString>
#include <QStringList>

// The skins the program prefers, in order, when none has been chosen yet.
QStringList defaultSkinNames();
// The first of the preferred skins that exists in `skinDir` (file or folder); empty if none.
QString firstInstalledDefaultSkin(const QString& skinDir);
