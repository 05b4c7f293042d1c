#include "platform/velfc/core/velcmdline.h"

#include <QFileInfo>

namespace {
QString helpText(const QString& program, const QString& productName)
{
    return QStringLiteral("Usage: %1 [option | FILE.lumaro]\n"
                          "%2 turns photos and music into Flash gallery slideshows.\n"
                          "\n"
                          "Options:\n"
                          "  -h, --help     Show this help and exit.\n"
                          "  -v, --version  Show the version and exit.\n"
                          "  FILE.lumaro    Open this project (in the running window when %2\n"
                          "                 already runs).\n")
        .arg(program, productName);
}
} // namespace

VelCmdLineResult VelCmdLine::process(const QStringList& arguments, const QString& productName,
                                     const QString& version)
{
    VelCmdLineResult result;
    if (arguments.size() <= 1)
        return result;

    const QString program = QFileInfo(arguments.first()).fileName();
    const QString first = arguments.at(1);
    if (!first.startsWith(QLatin1Char('-')) && !first.isEmpty() && arguments.size() == 2) {
        result.file = QFileInfo(first).absoluteFilePath();
        return result;
    }
    result.handled = true;
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        result.out = helpText(program, productName);
    } else if (first == QLatin1String("--version") || first == QLatin1String("-v")) {
        result.out = productName + QLatin1Char(' ') + version + QLatin1Char('\n');
    } else {
        // A file is followed by nothing: the second argument is the stray one.
        const bool option = first.startsWith(QLatin1Char('-'));
        const QString what =
            option ? QStringLiteral("unknown option") : QStringLiteral("unexpected argument");
        const QString stray = option || first.isEmpty() ? first : arguments.at(2);
        result.err = QStringLiteral("%1: %2 '%3'\nTry '%1 --help' for more information.\n")
                         .arg(program, what, stray);
    }
    return result;
}
