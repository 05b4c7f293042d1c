#include "mp4writer.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

namespace {
constexpr int AudioRate = 48000;
constexpr int AudioBitRate = 160000;

QString avText(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromLocal8Bit(text);
}
} // namespace

Mp4Writer::Mp4Writer(const VideoJobFile& job) : job(job) {}

Mp4Writer::~Mp4Writer()
{
    if (format && !(format->oformat->flags & AVFMT_NOFILE))
        avio_closep(&format->pb);
    avformat_free_context(format);
    avcodec_free_context(&video);
    avcodec_free_context(&audio);
    sws_freeContext(scaler);
    av_frame_free(&picture);
    av_frame_free(&sound);
    av_packet_free(&packet);
    if (fifo)
        av_audio_fifo_free(fifo);
}

bool Mp4Writer::open(bool withAudio, QString& error)
{
    const QByteArray path = job.output.toLocal8Bit();
    int code = avformat_alloc_output_context2(&format, nullptr, "mp4", path.constData());
    const AVCodec* h264 = avcodec_find_encoder_by_name("libx264");
    const AVCodec* aac = avcodec_find_encoder_by_name("aac");
    if (code < 0 || !h264 || !aac) {
        error = QStringLiteral("this FFmpeg lacks the MP4 muxer, libx264 or the AAC encoder");
        return false;
    }
    packet = av_packet_alloc();
    video = avcodec_alloc_context3(h264);
    video->width = job.width;
    video->height = job.height;
    video->time_base = AVRational{1, job.fps};
    video->framerate = AVRational{job.fps, 1};
    video->pix_fmt = AV_PIX_FMT_YUV420P;
    video->gop_size = job.fps * 2;
    // HD pictures are BT.709; saying so keeps players from guessing the colours.
    video->colorspace = AVCOL_SPC_BT709;
    video->color_primaries = AVCOL_PRI_BT709;
    video->color_trc = AVCOL_TRC_BT709;
    video->color_range = AVCOL_RANGE_MPEG;
    video->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    av_opt_set(video->priv_data, "preset", job.preset.toLatin1().constData(), 0);
    av_opt_set(video->priv_data, "crf", QByteArray::number(job.crf).constData(), 0);
    av_opt_set(video->priv_data, "profile", "high", 0);
    if ((code = avcodec_open2(video, h264, nullptr)) < 0) {
        error = QStringLiteral("the H.264 encoder refused the settings: %1").arg(avText(code));
        return false;
    }
    videoStream = avformat_new_stream(format, nullptr);
    videoStream->time_base = video->time_base;
    avcodec_parameters_from_context(videoStream->codecpar, video);
    if (withAudio) {
        audio = avcodec_alloc_context3(aac);
        audio->sample_rate = AudioRate;
        audio->sample_fmt = AV_SAMPLE_FMT_FLTP;
        audio->bit_rate = AudioBitRate;
        audio->time_base = AVRational{1, AudioRate};
        av_channel_layout_default(&audio->ch_layout, 2);
        audio->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        if ((code = avcodec_open2(audio, aac, nullptr)) < 0) {
            error = QStringLiteral("the AAC encoder refused the settings: %1").arg(avText(code));
            return false;
        }
        audioStream = avformat_new_stream(format, nullptr);
        audioStream->time_base = audio->time_base;
        avcodec_parameters_from_context(audioStream->codecpar, audio);
        fifo = av_audio_fifo_alloc(AV_SAMPLE_FMT_FLTP, 2, audio->frame_size * 4);
        sound = av_frame_alloc();
        sound->nb_samples = audio->frame_size;
        sound->format = AV_SAMPLE_FMT_FLTP;
        sound->sample_rate = AudioRate;
        av_channel_layout_copy(&sound->ch_layout, &audio->ch_layout);
        av_frame_get_buffer(sound, 0);
    }
    picture = av_frame_alloc();
    picture->format = AV_PIX_FMT_YUV420P;
    picture->width = job.width;
    picture->height = job.height;
    av_frame_get_buffer(picture, 0);
    scaler = sws_getContext(job.width, job.height, AV_PIX_FMT_BGRA, job.width, job.height,
                            AV_PIX_FMT_YUV420P, SWS_BILINEAR, nullptr, nullptr, nullptr);
    if (!scaler) {
        error = QStringLiteral("no colour converter for this frame size");
        return false;
    }
    sws_setColorspaceDetails(scaler, sws_getCoefficients(SWS_CS_DEFAULT), 1,
                             sws_getCoefficients(SWS_CS_ITU709), 0, 0, 1 << 16, 1 << 16);
    if ((code = avio_open(&format->pb, path.constData(), AVIO_FLAG_WRITE)) < 0) {
        error = QStringLiteral("cannot write %1: %2").arg(job.output, avText(code));
        return false;
    }
    AVDictionary* options = nullptr;
    av_dict_set(&options, "movflags", "+faststart", 0);
    code = avformat_write_header(format, &options);
    av_dict_free(&options);
    if (code < 0) {
        error = QStringLiteral("cannot write %1: %2").arg(job.output, avText(code));
        return false;
    }
    headerWritten = true;
    return true;
}

bool Mp4Writer::encode(AVCodecContext* codec, AVStream* stream, AVFrame* input, QString& error)
{
    int code = avcodec_send_frame(codec, input);
    while (code >= 0) {
        code = avcodec_receive_packet(codec, packet);
        if (code == AVERROR(EAGAIN) || code == AVERROR_EOF)
            return true;
        if (code < 0)
            break;
        av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
        packet->stream_index = stream->index;
        code = av_interleaved_write_frame(format, packet);
        if (code < 0) {
            error = QStringLiteral("cannot write %1: %2").arg(job.output, avText(code));
            return false;
        }
    }
    error = QStringLiteral("the encoder failed: %1").arg(avText(code));
    return false;
}

bool Mp4Writer::addFrame(const QImage& image, QString& error)
{
    if (av_frame_make_writable(picture) < 0) {
        error = QStringLiteral("out of memory");
        return false;
    }
    const uint8_t* source[1] = {image.constBits()};
    const int stride[1] = {static_cast<int>(image.bytesPerLine())};
    sws_scale(scaler, source, stride, 0, job.height, picture->data, picture->linesize);
    picture->pts = framesIn++;
    return encode(video, videoStream, picture, error);
}

bool Mp4Writer::encodeAudio(bool flushing, QString& error)
{
    while (av_audio_fifo_size(fifo) >= audio->frame_size ||
           (flushing && av_audio_fifo_size(fifo) > 0)) {
        if (av_frame_make_writable(sound) < 0) {
            error = QStringLiteral("out of memory");
            return false;
        }
        const int n = std::min(av_audio_fifo_size(fifo), audio->frame_size);
        av_audio_fifo_read(fifo, reinterpret_cast<void**>(sound->data), n);
        sound->nb_samples = n;
        sound->pts = samplesOut;
        samplesOut += n;
        if (!encode(audio, audioStream, sound, error))
            return false;
    }
    return true;
}

bool Mp4Writer::addAudio(const float* left, const float* right, int count, QString& error)
{
    if (!audio || count <= 0)
        return true;
    const void* planes[2] = {left, right};
    if (av_audio_fifo_write(fifo, const_cast<void**>(planes), count) < count) {
        error = QStringLiteral("out of memory");
        return false;
    }
    return encodeAudio(false, error);
}

bool Mp4Writer::finish(QString& error)
{
    if (!encode(video, videoStream, nullptr, error))
        return false;
    if (audio && (!encodeAudio(true, error) || !encode(audio, audioStream, nullptr, error)))
        return false;
    const int code = av_write_trailer(format);
    if (code < 0) {
        error = QStringLiteral("cannot write %1: %2").arg(job.output, avText(code));
        return false;
    }
    avio_closep(&format->pb);
    return true;
}
