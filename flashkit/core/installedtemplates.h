#pragma once

#include <QStringList>

// The gallery templates installed in the application folder, as the template panel shows them.
namespace InstalledTemplates {

// The folder "template/version<N>" whose pictures stand for the templates.
inline constexpr int PictureVersion = 1;

// The templates' picture file names ("Magic Cube.jpg", ...), sorted by name ignoring case with
// "Magic Cube" first; empty when the picture folder is missing.
QStringList pictures();
// The same as template names ("Magic Cube", ...): what the kit's setTemplate() takes + ".swf".
QStringList names();

} // namespace InstalledTemplates
