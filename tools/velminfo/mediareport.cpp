#include "mediareport.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <sys/stat.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/avutil.h>
#include <libavutil/error.h>
}

namespace {

// Probing a damaged file can read a long way; callers wait 30 s at most, so give up well before.
constexpr auto ProbeTimeLimit = std::chrono::seconds(20);

struct Deadline
{
    std::chrono::steady_clock::time_point end;
};

int interruptWhenLate(void* opaque)
{
    const auto* deadline = static_cast<const Deadline*>(opaque);
    return std::chrono::steady_clock::now() > deadline->end ? 1 : 0;
}

std::string avErrorText(int code)
{
    char buffer[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, buffer, sizeof buffer);
    return buffer;
}

std::string durationText(int64_t value, AVRational timeBase)
{
    if (value == AV_NOPTS_VALUE || value < 0)
        return "N/A";
    return formatDuration(value * av_q2d(timeBase));
}

std::string attribute(const char* name, const std::string& value)
{
    return std::string(" ") + name + "=\"" + xmlEscape(value) + "\"";
}

std::string emptyReport(const std::string& error)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<media" + attribute("duration", "N/A") +
           attribute("error", error) + ">\n</media>\n";
}

} // namespace

std::string formatDuration(double seconds)
{
    if (!(seconds >= 0) || !std::isfinite(seconds))
        return "N/A";
    const long long centis = std::llround(seconds * 100.0);
    const long long hours = centis / 360000;
    const int minutes = static_cast<int>(centis / 6000 % 60);
    const int secs = static_cast<int>(centis / 100 % 60);
    const int fraction = static_cast<int>(centis % 100);
    char text[64];
    std::snprintf(text, sizeof text, "%02lld:%02d:%02d.%02d", hours, minutes, secs, fraction);
    return text;
}

std::string xmlEscape(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        switch (c) {
        case '&':
            out += "&amp;";
            continue;
        case '<':
            out += "&lt;";
            continue;
        case '>':
            out += "&gt;";
            continue;
        case '"':
            out += "&quot;";
            continue;
        case '\'':
            out += "&apos;";
            continue;
        case '\t':
            out += "&#9;";
            continue;
        case '\n':
            out += "&#10;";
            continue;
        case '\r':
            out += "&#13;";
            continue;
        default:
            break;
        }
        if (c < 0x20 || c == 0x7f)
            continue;
        if (c < 0x80) {
            out += static_cast<char>(c);
            continue;
        }
        // Copy a well-formed UTF-8 sequence whole; anything else becomes '?'.
        int length = c >= 0xf0 && c <= 0xf4 ? 4 : c >= 0xe0 ? 3 : c >= 0xc2 && c <= 0xdf ? 2 : 0;
        if (c >= 0xf5)
            length = 0;
        bool valid = length > 0 && i + length <= text.size();
        for (int k = 1; valid && k < length; ++k)
            valid = (static_cast<unsigned char>(text[i + k]) & 0xc0) == 0x80;
        if (valid) {
            out.append(text, i, length);
            i += length - 1;
        } else {
            out += '?';
        }
    }
    return out;
}

std::string mediaReport(const std::string& path, bool& ok)
{
    ok = false;
    // Only regular files: opening a FIFO or a device could block for ever.
    struct stat info
    {
    };
    if (::stat(path.c_str(), &info) != 0)
        return emptyReport("cannot open file");
    if (!S_ISREG(info.st_mode))
        return emptyReport("not a regular file");

    Deadline deadline{std::chrono::steady_clock::now() + ProbeTimeLimit};
    AVFormatContext* format = avformat_alloc_context();
    if (!format)
        return emptyReport("out of memory");
    format->interrupt_callback.callback = interruptWhenLate;
    format->interrupt_callback.opaque = &deadline;

    // "file:" keeps names such as "concat:x" or "http:y" from being read as protocols.
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    int rc = avformat_open_input(&format, ("file:" + path).c_str(), nullptr, &options);
    av_dict_free(&options);
    if (rc < 0)
        return emptyReport(avErrorText(rc)); // avformat_open_input frees the context on failure
    rc = avformat_find_stream_info(format, nullptr);
    if (rc < 0) {
        avformat_close_input(&format);
        return emptyReport(avErrorText(rc));
    }

    std::string report = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<media";
    report += attribute("duration", durationText(format->duration, AVRational{1, AV_TIME_BASE}));
    report +=
        attribute("format", format->iformat && format->iformat->name ? format->iformat->name : "");
    report += attribute("streams", std::to_string(format->nb_streams));
    report += ">\n";
    for (unsigned i = 0; i < format->nb_streams; ++i) {
        const AVStream* stream = format->streams[i];
        const AVCodecParameters* par = stream->codecpar;
        const char* type = av_get_media_type_string(par->codec_type);
        const bool audio = par->codec_type == AVMEDIA_TYPE_AUDIO;
        report += "  <stream";
        report += attribute("index", std::to_string(i));
        report += attribute("type", type ? type : "unknown");
        report += attribute("duration", durationText(stream->duration, stream->time_base));
        report += attribute("codec_name", avcodec_get_name(par->codec_id));
        report += attribute("channels", std::to_string(audio ? par->ch_layout.nb_channels : 0));
        report += attribute("sample_rate", std::to_string(audio ? par->sample_rate : 0));
        report += attribute("bit_rate", std::to_string(par->bit_rate));
        report += "/>\n";
    }
    report += "</media>\n";
    avformat_close_input(&format);
    ok = true;
    return report;
}
