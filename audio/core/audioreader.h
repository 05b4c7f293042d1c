#pragma once

#include "common/audioinfo.h"

#include <QCoreApplication>
#include <QString>

class QProcess;

// Decides whether a file is usable background music and fills an AudioInfo for it, by running
// the media-information tool "velminfo" (found on PATH, where the application folder comes first)
// and reading the XML report it writes to standard error. Keeps no state; safe to call from any
// thread, but blocks for as long as the tool runs (at most ToolTimeoutMs).
class AudioReader
{
    Q_DECLARE_TR_FUNCTIONS(AudioReader)
public:
    static constexpr int ToolTimeoutMs = 30000;
    // Lines allowed after the XML declaration; the one that reaches this count discards the report.
    static constexpr int MaxReportLines = 100;

    // True when the tool reported an audio stream first and `info` was filled. The fade and loop
    // flags are taken from the settings first, so they are set even when reading fails.
    static bool readAudioInfo(AudioInfo& info);
    // As above; when the file is refused, `reason` (if given) says why, in the user's language.
    static bool readAudioInfo(AudioInfo& info, QString* reason);

    // The XML document cut out of the finished tool's standard error ("" when there is none or
    // the report is too long).
    static QString extractXml(QProcess& process);
    static QString extractXml(const QByteArray& errorOutput);

    // Reads the first stream(s) of the report into `info`. False for malformed XML, when the
    // first stream is not audio, or when it has no sample rate or no channels.
    static bool timeStringFromXml(const QString& xml, AudioInfo& info);

    // "HH:MM:SS.ff" (fraction digits are read as milliseconds after padding to three digits) to
    // milliseconds; 0 for anything that is not three ':'-separated pieces.
    static double parseTimeText(const QString& text);
};
