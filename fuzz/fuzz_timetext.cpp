// Duration texts ("HH:MM:SS.ff") as the report gives them, and their display.
#include "audio/core/audioreader.h"
#include "common/mediaformats.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const double ms = AudioReader::parseTimeText(text);
    if (!std::isfinite(ms))
        std::abort();
    // Whatever length came out is shown somewhere; huge or negative ones too.
    const double seconds = ms / 1000.0;
    if (std::fabs(seconds) < 9.0e15)
        formatTime(static_cast<qint64>(seconds));
    return 0;
}
