#include "musicsource.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

#include <algorithm>
#include <cstring>

MusicSource::MusicSource(const VideoJobFile& job) : job(job)
{
    ended = job.musicSeconds() <= 0;
}

MusicSource::~MusicSource()
{
    closeClip();
}

void MusicSource::closeClip()
{
    swr_free(&resampler);
    avcodec_free_context(&decoder);
    avformat_close_input(&format);
    av_frame_free(&frame);
    av_packet_free(&packet);
    pendingLeft.clear();
    pendingRight.clear();
    pendingAt = 0;
}

bool MusicSource::openClip(QString& error)
{
    closeClip();
    const VideoJobFile::Clip& c = job.clips.at(clip);
    const auto fail = [&](const QString& why) {
        error = QStringLiteral("cannot read the music %1: %2").arg(c.path, why);
        closeClip();
        return false;
    };
    if (avformat_open_input(&format, c.path.toLocal8Bit().constData(), nullptr, nullptr) < 0)
        return fail(QStringLiteral("cannot open it"));
    if (avformat_find_stream_info(format, nullptr) < 0)
        return fail(QStringLiteral("unknown format"));
    const AVCodec* codec = nullptr;
    stream = av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
    if (stream < 0 || !codec)
        return fail(QStringLiteral("no sound in it"));
    decoder = avcodec_alloc_context3(codec);
    avcodec_parameters_to_context(decoder, format->streams[stream]->codecpar);
    if (avcodec_open2(decoder, codec, nullptr) < 0)
        return fail(QStringLiteral("its sound cannot be decoded"));
    AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
    if (decoder->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
        av_channel_layout_default(&decoder->ch_layout, decoder->ch_layout.nb_channels);
    if (swr_alloc_set_opts2(&resampler, &stereo, AV_SAMPLE_FMT_FLTP, Rate, &decoder->ch_layout,
                            decoder->sample_fmt, decoder->sample_rate, 0, nullptr) < 0 ||
        swr_init(resampler) < 0)
        return fail(QStringLiteral("its sound cannot be resampled"));
    frame = av_frame_alloc();
    packet = av_packet_alloc();
    if (c.start > 0)
        av_seek_frame(format, -1, static_cast<int64_t>(c.start * AV_TIME_BASE),
                      AVSEEK_FLAG_BACKWARD);
    clipDone = false;
    draining = false;
    filePosition = -1;
    return true;
}

float MusicSource::gainAt(double t) const
{
    const VideoJobFile::Clip& c = job.clips.at(clip);
    double gain = 1;
    if (clip == 0 && job.fadeIn && job.fadeInSeconds > 0)
        gain = std::min(gain, (t - c.start) / job.fadeInSeconds);
    if (clip == job.clips.size() - 1 && job.fadeOut && job.fadeOutSeconds > 0)
        gain = std::min(gain, (c.end - t) / job.fadeOutSeconds);
    return static_cast<float>(std::clamp(gain, 0.0, 1.0));
}

// Resamples a decoded frame and keeps what lies between the clip's start and end point.
void MusicSource::take(const AVFrame* decoded)
{
    if (filePosition < 0) {
        const int64_t pts = decoded ? decoded->best_effort_timestamp : AV_NOPTS_VALUE;
        filePosition = pts == AV_NOPTS_VALUE ? 0 : pts * av_q2d(format->streams[stream]->time_base);
    }
    const int room = swr_get_out_samples(resampler, decoded ? decoded->nb_samples : 0);
    if (room <= 0)
        return;
    std::vector<float> left(room), right(room);
    uint8_t* out[2] = {reinterpret_cast<uint8_t*>(left.data()),
                       reinterpret_cast<uint8_t*>(right.data())};
    const int made =
        swr_convert(resampler, out, room,
                    decoded ? const_cast<const uint8_t**>(decoded->extended_data) : nullptr,
                    decoded ? decoded->nb_samples : 0);
    const VideoJobFile::Clip& c = job.clips.at(clip);
    for (int i = 0; i < made; ++i) {
        const double t = filePosition + i / double(Rate);
        if (t < c.start)
            continue;
        if (t >= c.end) {
            clipDone = true;
            break;
        }
        const float gain = gainAt(t);
        pendingLeft.push_back(left[i] * gain);
        pendingRight.push_back(right[i] * gain);
    }
    filePosition += std::max(made, 0) / double(Rate);
}

bool MusicSource::decodeMore(QString& error)
{
    while (pendingAt >= pendingLeft.size() && !clipDone) {
        pendingLeft.clear();
        pendingRight.clear();
        pendingAt = 0;
        const int got = avcodec_receive_frame(decoder, frame);
        if (got == 0) {
            take(frame);
            continue;
        }
        if (got == AVERROR_EOF) {
            take(nullptr); // what the resampler still holds
            clipDone = true;
            break;
        }
        if (got != AVERROR(EAGAIN)) {
            error = QStringLiteral("cannot decode the music %1").arg(job.clips.at(clip).path);
            return false;
        }
        if (draining)
            continue;
        const int read = av_read_frame(format, packet);
        if (read < 0) {
            avcodec_send_packet(decoder, nullptr);
            draining = true;
            continue;
        }
        if (packet->stream_index == stream)
            avcodec_send_packet(decoder, packet); // a damaged packet only costs its samples
        av_packet_unref(packet);
    }
    return true;
}

int MusicSource::read(float* left, float* right, int count, QString& error)
{
    int done = 0;
    while (done < count && !ended) {
        if (!decoder && !openClip(error))
            return -1;
        if (!decodeMore(error))
            return -1;
        const size_t available = pendingLeft.size() - pendingAt;
        const int n = static_cast<int>(std::min<size_t>(available, count - done));
        std::memcpy(left + done, pendingLeft.data() + pendingAt, n * sizeof(float));
        std::memcpy(right + done, pendingRight.data() + pendingAt, n * sizeof(float));
        pendingAt += n;
        done += n;
        passSamples += n;
        if (pendingAt < pendingLeft.size() || !clipDone)
            continue;
        closeClip();
        if (++clip == job.clips.size()) {
            clip = 0;
            // Clips whose ranges lie past their files' ends would otherwise loop for ever.
            ended = !job.loop || passSamples == 0;
            passSamples = 0;
        }
    }
    return done;
}
