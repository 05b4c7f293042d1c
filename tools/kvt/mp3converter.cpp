#include "mp3converter.h"

#include "mp3converter_p.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/channel_layout.h>
#include <libavutil/error.h>
#include <libavutil/opt.h>
#include <libavutil/time.h>
#include <libswresample/swresample.h>
}

namespace kvt {

std::string avText(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

int systemErrorOf(int code)
{
    // FFmpeg's own codes are tags far below the system's small negated error numbers; EINVAL is
    // what its readers give for data they do not understand, which is no system error.
    const int number = code < 0 && code > -4096 ? AVUNERROR(code) : 0;
    return number == EINVAL ? 0 : number;
}

bool Converter::failInput(std::string& error, const std::string& text, int systemError)
{
    inputFailed = true;
    inputError = systemError;
    error = text;
    return false;
}

KvtFailure Converter::failure() const
{
    if (file.systemError() != 0 || outputError != 0)
        return {KvtFailure::Output, file.systemError() ? file.systemError() : outputError};
    if (inputFailed)
        return {KvtFailure::Input, inputError};
    return {};
}

int InputGuard::check(void* opaque)
{
    const auto* guard = static_cast<const InputGuard*>(opaque);
    const AVIOContext* io = guard->format ? guard->format->pb : nullptr;
    if (io && io->pos - guard->lastSoundAt > ByteLimit)
        return 1;
    return *guard->samplesIn == 0 &&
                   av_gettime_relative() / 1000 - guard->startedMs > SecondsLimit * 1000
               ? 1
               : 0;
}

void ProgressWriter::report(double seconds, bool force)
{
    if (!enabled || (!force && seconds - lastReported < 0.25))
        return;
    lastReported = seconds;
    char line[64];
    const int n = std::snprintf(line, sizeof line, "|Time>>>%.2f\n", seconds);
    // One write per line keeps a reader from ever seeing half a number.
    if (::write(STDOUT_FILENO, line, static_cast<size_t>(n)) < 0) {
        enabled = false;
        gone = errno == EPIPE;
    }
}

bool Converter::run(std::string& error)
{
    if (!decoded || !encoded || !packet) {
        error = "out of memory";
        return false;
    }
    gain = static_cast<float>(options.volume) / 256.0f;
    if (!openInput(error) || !openEncoder(error) || !openOutput(error) || !decodeAll(error))
        return false;
    if (samplesIn == 0)
        return failInput(error, "no audio could be decoded from '" + options.input + "'");
    const int rc = av_write_trailer(output.get());
    if (rc < 0) {
        error = "cannot finish '" + options.output + "': " + avText(rc);
        return false;
    }
    if (!file.commit(error))
        return false;
    progress.report(static_cast<double>(samplesIn) / decoder->sample_rate, true);
    return true;
}

bool Converter::openInput(std::string& error)
{
    struct stat info
    {
    };
    if (::stat(options.input.c_str(), &info) != 0)
        return failInput(error, "cannot read '" + options.input + "': " + std::strerror(errno),
                         errno);
    if (!S_ISREG(info.st_mode))
        return failInput(error, "cannot read '" + options.input + "': not a readable file",
                         S_ISDIR(info.st_mode) ? EISDIR : 0);
    AVDictionary* dict = nullptr;
    av_dict_set(&dict, "protocol_whitelist", "file", 0);
    AVFormatContext* context = avformat_alloc_context();
    if (!context) {
        av_dict_free(&dict);
        error = "out of memory";
        return false;
    }
    guard = InputGuard{context, &samplesIn, av_gettime_relative() / 1000};
    context->interrupt_callback.callback = &InputGuard::check;
    context->interrupt_callback.opaque = &guard;
    // "file:" keeps names such as "concat:x" from being taken for protocols.
    int rc = avformat_open_input(&context, ("file:" + options.input).c_str(), nullptr, &dict);
    av_dict_free(&dict);
    if (rc < 0)
        return failInput(error, "cannot open '" + options.input + "': " + avText(rc),
                         systemErrorOf(rc));
    input.reset(context);
    if ((rc = avformat_find_stream_info(context, nullptr)) < 0)
        return failInput(error, "cannot read '" + options.input + "': " + avText(rc),
                         systemErrorOf(rc));
    const AVCodec* codec = nullptr;
    streamIndex = av_find_best_stream(context, AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
    if (streamIndex < 0 || !codec)
        return failInput(error, "no decodable audio stream in '" + options.input + "'");
    decoder.reset(avcodec_alloc_context3(codec));
    AVStream* stream = context->streams[streamIndex];
    if (!decoder || avcodec_parameters_to_context(decoder.get(), stream->codecpar) < 0) {
        error = "cannot set up the decoder";
        return false;
    }
    decoder->pkt_timebase = stream->time_base;
    if ((rc = avcodec_open2(decoder.get(), codec, nullptr)) < 0) {
        error = "cannot open the decoder: " + avText(rc);
        return false;
    }
    for (unsigned i = 0; i < context->nb_streams; ++i)
        context->streams[i]->discard =
            static_cast<int>(i) == streamIndex ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
    return true;
}

bool Converter::openEncoder(std::string& error)
{
    const AVCodec* codec = avcodec_find_encoder_by_name("libmp3lame");
    if (!codec) {
        error = "this FFmpeg has no libmp3lame encoder";
        return false;
    }
    bool rateSupported = !codec->supported_samplerates;
    for (const int* r = codec->supported_samplerates; r && *r; ++r)
        rateSupported = rateSupported || *r == options.sampleRate;
    if (!rateSupported) {
        error = "MP3 cannot use the sample rate " + std::to_string(options.sampleRate);
        return false;
    }
    encoder.reset(avcodec_alloc_context3(codec));
    if (!encoder) {
        error = "out of memory";
        return false;
    }
    // Float planar: LAME works in float anyway, and the volume is applied without extra clipping.
    encoder->sample_fmt = AV_SAMPLE_FMT_FLTP;
    encoder->sample_rate = options.sampleRate;
    av_channel_layout_default(&encoder->ch_layout, options.channels);
    encoder->time_base = AVRational{1, options.sampleRate};
    if (options.constantBitRate) {
        encoder->bit_rate = options.bitRate;
    } else {
        encoder->flags |= AV_CODEC_FLAG_QSCALE;
        encoder->global_quality = FF_QP2LAMBDA * 2; // LAME -V 2, about 190 kb/s
    }
    const int rc = avcodec_open2(encoder.get(), codec, nullptr);
    if (rc < 0) {
        error = "cannot open the MP3 encoder: " + avText(rc);
        return false;
    }
    fifo.reset(av_audio_fifo_alloc(encoder->sample_fmt, options.channels, encoder->frame_size * 4));
    encoded->format = encoder->sample_fmt;
    encoded->sample_rate = encoder->sample_rate;
    encoded->nb_samples = encoder->frame_size;
    if (!fifo || av_channel_layout_copy(&encoded->ch_layout, &encoder->ch_layout) < 0 ||
        av_frame_get_buffer(encoded.get(), 0) < 0) {
        error = "out of memory";
        return false;
    }
    return true;
}

bool Converter::openOutput(std::string& error)
{
    struct stat info
    {
    };
    if (::stat(options.output.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
        outputError = EISDIR;
        error = "'" + options.output + "' is a folder";
        return false;
    }
    if (!options.overwrite && ::access(options.output.c_str(), F_OK) == 0) {
        outputError = EEXIST;
        error = "'" + options.output + "' exists (use -y to overwrite)";
        return false;
    }
    if (!file.open(options.output, error))
        return false;
    AVFormatContext* context = nullptr;
    int rc = avformat_alloc_output_context2(&context, nullptr, "mp3", nullptr);
    if (rc < 0 || !context) {
        error = "cannot set up the MP3 writer: " + avText(rc);
        return false;
    }
    output.reset(context);
    context->pb = file.io();
    AVStream* stream = avformat_new_stream(context, nullptr);
    if (!stream || avcodec_parameters_from_context(stream->codecpar, encoder.get()) < 0) {
        error = "cannot set up the MP3 stream";
        return false;
    }
    stream->time_base = encoder->time_base;
    if ((rc = avformat_write_header(context, nullptr)) < 0) {
        error = "cannot write '" + options.output + "': " + avText(rc);
        return false;
    }
    return true;
}

} // namespace kvt

std::string failureLine(const KvtFailure& failure)
{
    const char* side = failure.side == KvtFailure::Input    ? "input"
                       : failure.side == KvtFailure::Output ? "output"
                                                            : "other";
    return std::string("kvt-failure: ") + side + " " + std::to_string(failure.systemError);
}

bool convertToMp3(const KvtOptions& options, std::string& error, KvtFailure* failure)
{
    kvt::Converter converter(options);
    const bool converted = converter.run(error);
    if (!converted && failure)
        *failure = converter.failure();
    return converted;
}
