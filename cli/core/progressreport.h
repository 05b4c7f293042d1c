#pragma once

#include <QString>

#include <cstdio>

// Progress on a terminal as one bar redrawn in place; anywhere else (a log, a pipe) as plain
// lines "Stage: 40%", one per change, so that nothing there fills up with carriage returns.
class ProgressReport
{
public:
    ProgressReport(std::FILE* stream, bool terminal);
    // Whether `stream` is a terminal.
    static bool isTerminal(std::FILE* stream);

    void show(const QString& stage, int percent);
    // Ends a bar line, so the next message starts on a line of its own.
    void finishLine();
    // A message on a line of its own, ending the bar first.
    void message(const QString& text);

    // The bar line as drawn for `stage` at `percent` (no carriage return).
    static QString barLine(const QString& stage, int percent);

private:
    void write(const QString& text);

    std::FILE* stream;
    bool terminal;
    bool lineOpen = false;
    QString lastStage;
    int lastPercent = -1;
};
