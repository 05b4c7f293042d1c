#pragma once

#include <QString>

// Path helpers of the framework that do not draw. (Widget helpers live in velfc/velhelpers.h.)
namespace Vel {
// The folder of the lumaro executable: skins/, template/, translations/, ruffle/, Sample/ and the
// tools velminfo and kvt live here. Tests point it at the build's application folder.
QString applicationFolder();
void setApplicationFolder(const QString& folder);
} // namespace Vel
