#pragma once

// Inside of the MP3 converter, shared by its setup and its decode/encode loop.
#include "kvtoptions.h"
#include "mp3converter.h"
#include "outputfile.h"

#include <memory>
#include <string>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
}

namespace kvt {

struct FormatInputDeleter
{
    void operator()(AVFormatContext* c) const { avformat_close_input(&c); }
};
struct FormatOutputDeleter
{
    void operator()(AVFormatContext* c) const { avformat_free_context(c); }
};
struct CodecDeleter
{
    void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct FrameDeleter
{
    void operator()(AVFrame* f) const { av_frame_free(&f); }
};
struct PacketDeleter
{
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct SwrDeleter
{
    void operator()(SwrContext* s) const { swr_free(&s); }
};
struct FifoDeleter
{
    void operator()(AVAudioFifo* f) const { av_audio_fifo_free(f); }
};

std::string avText(int code);
// The system's error number inside an FFmpeg error code, or 0 for FFmpeg's own codes.
int systemErrorOf(int code);

// Progress for a driving program: seconds of input done, at least every quarter second of input.
class ProgressWriter
{
public:
    explicit ProgressWriter(bool enabled) : enabled(enabled) {}
    void report(double seconds, bool force = false);
    // The reader of the progress lines went away: nobody waits for the result any more.
    bool readerGone() const { return gone; }

private:
    bool enabled;
    bool gone = false;
    double lastReported = -1.0;
};

// Stops reading input that brings no sound: gigabytes of zeros named .mp3 (or appended to a
// song) would otherwise be read to the end, the demuxer buffering all of it while it looks for
// a frame. No sound within ByteLimit bytes of the last that gave some (or within SecondsLimit
// at the start) ends the input there.
struct InputGuard
{
    static constexpr int64_t ByteLimit = 32 * 1024 * 1024;
    static constexpr int SecondsLimit = 20;
    const AVFormatContext* format = nullptr;
    const int64_t* samplesIn = nullptr;
    int64_t startedMs = 0;
    int64_t lastSoundAt = 0; // input position when sound last came out of the decoder
    static int check(void* opaque);
};

class Converter
{
public:
    Converter(const KvtOptions& options) : options(options), progress(options.progress) {}
    bool run(std::string& error);
    // Where the failed run() failed.
    KvtFailure failure() const;

private:
    bool failInput(std::string& error, const std::string& text, int systemError = 0);
    bool openInput(std::string& error);
    bool openEncoder(std::string& error);
    bool openOutput(std::string& error);
    bool decodeAll(std::string& error);
    bool receiveFrames(std::string& error);
    bool resample(const AVFrame* frame, std::string& error);
    bool setUpResampler(const AVFrame* frame, std::string& error);
    bool storeConverted(const uint8_t* const* in, int inSamples, std::string& error);
    bool encodeFromFifo(bool flushing, std::string& error);
    bool encodeFrame(AVFrame* frame, std::string& error);

    const KvtOptions& options;
    ProgressWriter progress;
    std::unique_ptr<AVFormatContext, FormatInputDeleter> input;
    std::unique_ptr<AVCodecContext, CodecDeleter> decoder;
    std::unique_ptr<AVCodecContext, CodecDeleter> encoder;
    std::unique_ptr<AVFormatContext, FormatOutputDeleter> output;
    std::unique_ptr<SwrContext, SwrDeleter> resampler;
    std::unique_ptr<AVAudioFifo, FifoDeleter> fifo;
    std::unique_ptr<AVFrame, FrameDeleter> decoded{av_frame_alloc()};
    std::unique_ptr<AVFrame, FrameDeleter> encoded{av_frame_alloc()};
    std::unique_ptr<AVPacket, PacketDeleter> packet{av_packet_alloc()};
    OutputFile file;
    InputGuard guard;
    int streamIndex = -1;
    // What the resampler was set up for; a change mid-stream sets it up again.
    AVChannelLayout resamplerLayout{};
    int resamplerFormat = -1;
    int resamplerRate = 0;
    bool inputFailed = false; // the input could not be opened, read or decoded
    int inputError = 0;       // the system's error number behind that, if any
    int outputError = 0;      // why the output's name cannot be used, as a system error number
    int64_t samplesIn = 0;    // decoded input samples, per channel
    int64_t samplesOut = 0;   // samples handed to the encoder, per channel
    uint8_t** converted = nullptr;
    int convertedCapacity = 0;
    float gain = 1.0f;

public:
    ~Converter()
    {
        if (converted)
            av_freep(&converted[0]);
        av_freep(&converted);
        av_channel_layout_uninit(&resamplerLayout);
    }
};

} // namespace kvt
