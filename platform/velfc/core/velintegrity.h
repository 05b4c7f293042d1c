#pragma once

#include <QString>
#include <QStringList>

// What a Lumaro installation needs in its application folder. A check lists every problem it
// finds, so that a report (or a test) can say exactly what is broken.
namespace VelIntegrity {
// Problems of the installation in `folder`; empty when it is complete:
// - the tools velminfo and kvt: non-empty executable files;
// - template/version1/: at least one template, a picture Name.jpg with its movie Name.swf
//   (non-empty) beside it;
// - skins/: at least one skin folder with a non-empty style.qss;
// - ruffle/ruffle.js: present and non-empty.
QStringList problems(const QString& folder);
inline bool isComplete(const QString& folder)
{
    return problems(folder).isEmpty();
}
} // namespace VelIntegrity
