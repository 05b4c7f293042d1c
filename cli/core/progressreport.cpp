#include "cli/core/progressreport.h"

#include <QtGlobal>

#include <unistd.h>

namespace {
constexpr int BarWidth = 30;
} // namespace

ProgressReport::ProgressReport(std::FILE* stream, bool terminal)
    : stream(stream), terminal(terminal)
{
}

bool ProgressReport::isTerminal(std::FILE* stream)
{
    return ::isatty(fileno(stream)) == 1;
}

QString ProgressReport::barLine(const QString& stage, int percent)
{
    percent = qBound(0, percent, 100);
    const int filled = percent * BarWidth / 100;
    return QStringLiteral("%1 [%2%3] %4%")
        .arg(stage, QString(filled, QLatin1Char('#')), QString(BarWidth - filled, QLatin1Char('-')))
        .arg(percent, 3);
}

void ProgressReport::show(const QString& stage, int percent)
{
    percent = qBound(0, percent, 100);
    if (stage == lastStage && percent == lastPercent)
        return;
    lastStage = stage;
    lastPercent = percent;
    if (terminal) {
        // The line is cleared to its end: a shorter stage name must not leave the old one's tail.
        write(QStringLiteral("\r") + barLine(stage, percent) + QStringLiteral("\x1b[K"));
        lineOpen = true;
    } else {
        write(QStringLiteral("%1: %2%\n").arg(stage).arg(percent));
    }
}

void ProgressReport::finishLine()
{
    if (lineOpen)
        write(QStringLiteral("\n"));
    lineOpen = false;
}

void ProgressReport::message(const QString& text)
{
    finishLine();
    write(text + QLatin1Char('\n'));
}

void ProgressReport::write(const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}
