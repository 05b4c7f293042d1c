#include "mediareport.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <sys/stat.h>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/avutil.h>
#include <libavutil/error.h>
}

namespace {

// Probing a damaged file can read a long way; callers wait 30 s at most, so give up well before.
constexpr auto ProbeTimeLimit = std::chrono::seconds(15);
// Garbage (gigabytes of zeros named .mp3) makes the demuxer read on and on without finding a
// frame, buffering what it read; real files show their streams within a few megabytes.
constexpr int64_t ProbeByteLimit = 32 * 1024 * 1024;
// The walk over the packets that measures how much sound a file really holds.
constexpr auto ScanTimeLimit = std::chrono::seconds(4);
// Bytes without a single packet that mark the scan as lost in garbage.
constexpr int64_t GarbageRunBytes = 1024 * 1024;

struct Deadline
{
    std::chrono::steady_clock::time_point end;
    AVFormatContext* format = nullptr;
    int64_t byteLimit = 0; // bytes read past `from` without anything coming of them
    int64_t from = 0;
    bool outOfBytes = false;
};

int interruptWhenLate(void* opaque)
{
    auto* deadline = static_cast<Deadline*>(opaque);
    if (std::chrono::steady_clock::now() > deadline->end)
        return 1;
    const AVIOContext* io = deadline->format ? deadline->format->pb : nullptr;
    deadline->outOfBytes = io && io->pos - deadline->from > deadline->byteLimit;
    return deadline->outOfBytes ? 1 : 0;
}

// A stream that says it is sound but has no rate or channels cannot be played: random bytes and
// zeros named .mp3 come out like that.
bool playable(const AVCodecParameters* par)
{
    if (par->codec_type != AVMEDIA_TYPE_AUDIO)
        return par->codec_id != AV_CODEC_ID_NONE;
    return par->codec_id != AV_CODEC_ID_NONE && par->sample_rate > 0 &&
           par->ch_layout.nb_channels > 0;
}

// Sound only (a cover picture allowed): the files whose packets are worth walking through.
bool soundOnly(const AVFormatContext* format)
{
    bool audio = false;
    for (unsigned i = 0; i < format->nb_streams; ++i) {
        const AVStream* st = format->streams[i];
        if (st->codecpar->codec_type == AVMEDIA_TYPE_AUDIO)
            audio = true;
        else if (!(st->disposition & AV_DISPOSITION_ATTACHED_PIC))
            return false;
    }
    return audio;
}

// Durations in the header (MP3 frame count, FLAC sample count, WAV data size) describe the
// file as it was written; a file cut short promises sound that is not there. Reads the packets
// to the end and returns, per stream, the end time of the last one (-1 where none was seen, or
// for every stream when the end was not reached within the time limit).
std::vector<double> measuredEnds(AVFormatContext* format, Deadline& deadline)
{
    std::vector<double> ends(format->nb_streams, -1.0);
    std::vector<double> sums(format->nb_streams, 0.0);
    deadline.end = std::chrono::steady_clock::now() + ScanTimeLimit;
    AVPacket* packet = av_packet_alloc();
    if (!packet)
        return std::vector<double>(format->nb_streams, -1.0);
    int rc = 0;
    while ((rc = av_read_frame(format, packet)) >= 0) {
        const unsigned index = static_cast<unsigned>(packet->stream_index);
        if (index < ends.size()) {
            const double base = av_q2d(format->streams[index]->time_base);
            const double length = packet->duration > 0 ? packet->duration * base : 0.0;
            sums[index] += length;
            const int64_t at = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
            ends[index] = at != AV_NOPTS_VALUE ? std::max(ends[index], at * base + length)
                                               : std::max(ends[index], sums[index]);
        }
        av_packet_unref(packet);
        if (format->pb)
            deadline.from = format->pb->pos;
    }
    av_packet_free(&packet);
    // Megabytes of garbage after the sound end the sound there, like the end of the file; also
    // when the clock ran out first (a slow disk, a busy machine) somewhere in such garbage:
    // a file that is still sound yields a packet every few kilobytes.
    const bool inGarbage =
        deadline.outOfBytes || (format->pb && format->pb->pos - deadline.from > GarbageRunBytes);
    if (rc != AVERROR_EOF && !inGarbage)
        return std::vector<double>(format->nb_streams, -1.0);
    return ends;
}

// The reported length: the header's, unless the data present ends clearly earlier.
double presentLength(double header, double measured)
{
    if (measured < 0 || header <= 0)
        return header;
    return measured < header * 0.98 && header - measured > 0.2 ? measured : header;
}

std::string avErrorText(int code)
{
    char buffer[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, buffer, sizeof buffer);
    return buffer;
}

double seconds(int64_t value, AVRational timeBase)
{
    return value == AV_NOPTS_VALUE || value < 0 ? -1.0 : value * av_q2d(timeBase);
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

    AVFormatContext* format = avformat_alloc_context();
    if (!format)
        return emptyReport("out of memory");
    Deadline deadline{std::chrono::steady_clock::now() + ProbeTimeLimit, format, ProbeByteLimit};
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
    if (rc < 0 || format->nb_streams == 0) {
        avformat_close_input(&format);
        return emptyReport(rc < 0 ? avErrorText(rc) : "no streams");
    }
    bool anyPlayable = false;
    for (unsigned i = 0; i < format->nb_streams; ++i)
        anyPlayable = anyPlayable || playable(format->streams[i]->codecpar);
    if (!anyPlayable) {
        avformat_close_input(&format);
        return emptyReport("no playable stream");
    }

    double length = seconds(format->duration, AVRational{1, AV_TIME_BASE});
    std::vector<double> lengths;
    for (unsigned i = 0; i < format->nb_streams; ++i)
        lengths.push_back(seconds(format->streams[i]->duration, format->streams[i]->time_base));
    if (soundOnly(format)) {
        const std::vector<double> ends = measuredEnds(format, deadline);
        double longest = -1;
        for (unsigned i = 0; i < format->nb_streams; ++i) {
            lengths[i] = presentLength(lengths[i], ends[i]);
            longest = std::max(longest, ends[i]);
        }
        length = presentLength(length, longest);
    }

    std::string report = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<media";
    report += attribute("duration", formatDuration(length));
    report +=
        attribute("format", format->iformat && format->iformat->name ? format->iformat->name : "");
    report += attribute("streams", std::to_string(format->nb_streams));
    report += ">\n";
    for (unsigned i = 0; i < format->nb_streams; ++i) {
        const AVStream* stream = format->streams[i];
        const AVCodecParameters* par = stream->codecpar;
        if (!playable(par))
            continue; // its numbers would only mislead a reader
        const char* type = av_get_media_type_string(par->codec_type);
        const bool audio = par->codec_type == AVMEDIA_TYPE_AUDIO;
        report += "  <stream";
        report += attribute("index", std::to_string(i));
        report += attribute("type", type ? type : "unknown");
        report += attribute("duration", formatDuration(lengths[i]));
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
