// The audio reader's part that reads the media-information tool's report: cutting the XML out of
// the tool's error output and reading the stream attributes from it.
#include "audio/core/audioreader.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QStandardPaths>

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // The reader may write a diagnostic log line; keep it away from real settings and logs.
    QStandardPaths::setTestModeEnabled(true);
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray output(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString xml = AudioReader::extractXml(output);
    AudioInfo info;
    if (AudioReader::timeStringFromXml(xml, info)) {
        // Accepted means playable: a rate, channels and a length that is a real number.
        if (info.sampleRate <= 0 || info.channels <= 0 || !std::isfinite(info.duration) ||
            info.endPoint != info.duration)
            std::abort();
    }
    return 0;
}
