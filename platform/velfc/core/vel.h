#pragma once

#include <QString>

// Path helpers of the framework that do not draw. (Widget helpers live in velfc/velhelpers.h.)
namespace Vel {
// The folder of the lumaro executable: skins/, template/, translations/, ruffle/, Sample/ and the
// tools velminfo and kvt live here. Tests point it at the build's application folder.
QString applicationFolder();
void setApplicationFolder(const QString& folder);

// Puts the application folder in front of PATH, so our own tools are found by bare name before
// anything of the same name elsewhere on the system. Does nothing when it is already first.
void prependApplicationFolderToPath();

// The default folder for published slideshows: the user's documents folder, else home.
QString outputPath();

// True when `name` can be used as one folder name here and on other systems: not empty, not
// "." or "..", no path separators or characters other systems forbid (\ / : * ? " < > |),
// no control characters, no leading or trailing space, not ending in a dot. With
// `allowSpaces` false, no spaces at all. A name starting with "/" is a whole absolute path:
// then every folder in it must pass that check (so "." and ".." steps are refused too), and
// the bare root is refused.
bool isFolderNameValid(const QString& name, bool allowSpaces = true);

// True when a file can really be created in `path` (an existing folder); probes with a
// temporary file rather than trusting permission bits.
bool isFolderWritable(const QString& path);
} // namespace Vel
