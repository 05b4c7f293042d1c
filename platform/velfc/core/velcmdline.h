#pragma once

#include <QString>
#include <QStringList>

// The program's command line, after the toolkit has taken its own options (-platform, ...).
// Lumaro knows --help, --version and one file to open (a project, as a file manager passes it);
// everything else is refused, so a typo never starts a window that silently ignored what the user
// asked for.
struct VelCmdLineResult
{
    bool handled = false; // true: the program ends without a window
    QString out;          // text for standard output
    QString err;          // text for standard error
    QString file;         // the file to open, absolute; empty for none
};

namespace VelCmdLine {
// `arguments` includes the program name first, like argv.
VelCmdLineResult process(const QStringList& arguments, const QString& productName,
                         const QString& version);
} // namespace VelCmdLine
