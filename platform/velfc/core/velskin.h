#pragma once

#include <QString>
#include <QStringList>

// Skins are folders under the application folder's skins/: a style.qss and the images it names.
// Image paths in the style sheet are written relative to the skin's folder; Qt resolves them
// against the working folder, so they are made absolute before the sheet is applied.
namespace VelSkin {
// Folder names of the installed skins (those with a style.qss), sorted ignoring case.
QStringList installedSkins(const QString& skinDir);

// Rewrites every relative url(...) in `styleSheet`, and every quoted relative value of a
// qproperty-...Image property (image base names of skinned buttons), to an absolute path in
// `skinFolder`. Absolute paths, Qt resources (":/...", "qrc:") and other URL schemes stay.
QString resolvePaths(const QString& styleSheet, const QString& skinFolder);

// The ready style sheet of skin `name`; empty when the skin or its style.qss is missing or the
// name tries to leave the skin folder.
QString loadStyleSheet(const QString& skinDir, const QString& name);
} // namespace VelSkin
