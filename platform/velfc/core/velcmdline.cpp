#include "platform/velfc/core/velcmdline.h"

#include <QFileInfo>

namespace {
QString helpText(const QString& program, const QString& productName)
{
    return QStringLiteral("Usage: %1 [option]\n"
                          "%2 turns photos and music into Flash gallery slideshows.\n"
                          "\n"
                          "Options:\n"
                          "  -h, --help     Show this help and exit.\n"
                          "  -v, --version  Show the version and exit.\n")
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
    result.handled = true;
    const QString first = arguments.at(1);
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        result.out = helpText(program, productName);
    } else if (first == QLatin1String("--version") || first == QLatin1String("-v")) {
        result.out = productName + QLatin1Char(' ') + version + QLatin1Char('\n');
    } else {
        const QString what = first.startsWith(QLatin1Char('-'))
                                 ? QStringLiteral("unknown option")
                                 : QStringLiteral("unexpected argument");
        result.err = QStringLiteral("%1: %2 '%3'\nTry '%1 --help' for more information.\n")
                         .arg(program, what, first);
    }
    return result;
}
