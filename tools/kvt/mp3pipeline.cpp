// The conversion loop: packets -> decoder -> resampler -> FIFO -> encoder -> muxer, and at the
// end the flush of each stage in that order, so no samples are lost in any of them.
#include "mp3converter_p.h"

#include <algorithm>

extern "C" {
#include <libavutil/error.h>
}

namespace kvt {

bool Converter::decodeAll(std::string& error)
{
    int rc = 0;
    while ((rc = av_read_frame(input.get(), packet.get())) >= 0) {
        if (packet->stream_index == streamIndex) {
            rc = avcodec_send_packet(decoder.get(), packet.get());
            av_packet_unref(packet.get());
            // A damaged packet costs its few milliseconds of sound, not the whole file.
            if (rc < 0 && rc != AVERROR_INVALIDDATA && rc != AVERROR(EAGAIN))
                return failInput(error, "cannot decode '" + options.input + "': " + avText(rc));
            if (!receiveFrames(error))
                return false;
        } else {
            av_packet_unref(packet.get());
        }
    }
    if (rc != AVERROR_EOF && samplesIn == 0)
        return failInput(error,
                         rc == AVERROR_EXIT
                             ? "no audio found near the start of '" + options.input + "'"
                             : "cannot read '" + options.input + "': " + avText(rc),
                         systemErrorOf(rc));
    // Flush: decoder, resampler, FIFO (last short frame), encoder.
    avcodec_send_packet(decoder.get(), nullptr);
    if (!receiveFrames(error))
        return false;
    if (resampler && !storeConverted(nullptr, 0, error))
        return false;
    if (!encodeFromFifo(true, error))
        return false;
    return encodeFrame(nullptr, error);
}

bool Converter::receiveFrames(std::string& error)
{
    while (true) {
        const int rc = avcodec_receive_frame(decoder.get(), decoded.get());
        if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF)
            return true;
        if (rc == AVERROR_INVALIDDATA)
            continue;
        if (rc < 0)
            return failInput(error, "cannot decode '" + options.input + "': " + avText(rc));
        const bool ok = resample(decoded.get(), error);
        samplesIn += decoded->nb_samples;
        if (decoded->nb_samples > 0 && input->pb)
            guard.lastSoundAt = input->pb->pos;
        const int rate = decoded->sample_rate > 0 ? decoded->sample_rate : decoder->sample_rate;
        av_frame_unref(decoded.get());
        if (!ok)
            return false;
        if (rate > 0)
            progress.report(static_cast<double>(samplesIn) / rate);
        if (progress.readerGone()) {
            error = "the reader of the progress output went away";
            return false;
        }
    }
}

bool Converter::setUpResampler(const AVFrame* frame, std::string& error)
{
    if (resampler && !storeConverted(nullptr, 0, error)) // drain what the old set-up holds
        return false;
    AVChannelLayout layout{};
    if (frame->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC || frame->ch_layout.nb_channels == 0)
        av_channel_layout_default(&layout, std::max(frame->ch_layout.nb_channels, 1));
    else
        av_channel_layout_copy(&layout, &frame->ch_layout);
    SwrContext* context = nullptr;
    int rc = swr_alloc_set_opts2(
        &context, &encoder->ch_layout, encoder->sample_fmt, encoder->sample_rate, &layout,
        static_cast<AVSampleFormat>(frame->format), frame->sample_rate, 0, nullptr);
    resampler.reset(context);
    if (rc >= 0)
        rc = swr_init(context);
    av_channel_layout_uninit(&resamplerLayout);
    resamplerLayout = layout; // takes over the copy
    resamplerFormat = frame->format;
    resamplerRate = frame->sample_rate;
    if (rc < 0) {
        error = "cannot resample this audio: " + avText(rc);
        return false;
    }
    return true;
}

bool Converter::resample(const AVFrame* frame, std::string& error)
{
    const bool sameLayout = frame->ch_layout.nb_channels == resamplerLayout.nb_channels &&
                            (frame->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC ||
                             av_channel_layout_compare(&frame->ch_layout, &resamplerLayout) == 0);
    if (!resampler || frame->format != resamplerFormat || frame->sample_rate != resamplerRate ||
        !sameLayout) {
        if (!setUpResampler(frame, error))
            return false;
    }
    return storeConverted(frame->extended_data, frame->nb_samples, error);
}

// Resamples `inSamples` samples (or drains the resampler when `in` is null) into the FIFO, then
// encodes every whole frame the FIFO holds.
bool Converter::storeConverted(const uint8_t* const* in, int inSamples, std::string& error)
{
    while (true) {
        const int wanted = std::max(swr_get_out_samples(resampler.get(), inSamples), 1) + 16;
        if (wanted > convertedCapacity) {
            if (converted)
                av_freep(&converted[0]);
            av_freep(&converted);
            if (av_samples_alloc_array_and_samples(&converted, nullptr,
                                                   encoder->ch_layout.nb_channels, wanted,
                                                   encoder->sample_fmt, 0) < 0) {
                convertedCapacity = 0;
                error = "out of memory";
                return false;
            }
            convertedCapacity = wanted;
        }
        const int count = swr_convert(resampler.get(), converted, convertedCapacity,
                                      const_cast<const uint8_t**>(in), inSamples);
        if (count < 0) {
            error = "cannot resample: " + avText(count);
            return false;
        }
        if (gain != 1.0f) {
            for (int ch = 0; ch < encoder->ch_layout.nb_channels; ++ch) {
                auto* samples = reinterpret_cast<float*>(converted[ch]);
                for (int i = 0; i < count; ++i)
                    samples[i] = std::clamp(samples[i] * gain, -1.0f, 1.0f);
            }
        }
        if (count > 0 &&
            av_audio_fifo_write(fifo.get(), reinterpret_cast<void**>(converted), count) < count) {
            error = "out of memory";
            return false;
        }
        if (!encodeFromFifo(false, error))
            return false;
        // Input is taken whole in one call; only a drain needs repeating until nothing comes out.
        if (in || count == 0)
            return true;
    }
}

bool Converter::encodeFromFifo(bool flushing, std::string& error)
{
    const int frameSize = encoder->frame_size;
    while (av_audio_fifo_size(fifo.get()) >= frameSize ||
           (flushing && av_audio_fifo_size(fifo.get()) > 0)) {
        if (av_frame_make_writable(encoded.get()) < 0) {
            error = "out of memory";
            return false;
        }
        const int count = std::min(av_audio_fifo_size(fifo.get()), frameSize);
        if (av_audio_fifo_read(fifo.get(), reinterpret_cast<void**>(encoded->data), count) <
            count) {
            error = "cannot read buffered audio";
            return false;
        }
        if (count < frameSize) {
            // The last short frame: the encoder takes it as it is when it can, otherwise pad it.
            if (encoder->codec->capabilities & AV_CODEC_CAP_SMALL_LAST_FRAME)
                encoded->nb_samples = count;
            else
                av_samples_set_silence(encoded->data, count, frameSize - count,
                                       encoder->ch_layout.nb_channels, encoder->sample_fmt);
        }
        encoded->pts = samplesOut;
        samplesOut += count;
        const bool ok = encodeFrame(encoded.get(), error);
        encoded->nb_samples = frameSize;
        if (!ok)
            return false;
    }
    return true;
}

// Sends one frame (null: end of stream) to the encoder and writes every packet it gives back.
bool Converter::encodeFrame(AVFrame* frame, std::string& error)
{
    int rc = avcodec_send_frame(encoder.get(), frame);
    if (rc < 0) {
        error = "cannot encode: " + avText(rc);
        return false;
    }
    AVStream* stream = output->streams[0];
    while ((rc = avcodec_receive_packet(encoder.get(), packet.get())) >= 0) {
        av_packet_rescale_ts(packet.get(), encoder->time_base, stream->time_base);
        packet->stream_index = 0;
        rc = av_write_frame(output.get(), packet.get());
        av_packet_unref(packet.get());
        if (rc < 0) {
            error = "cannot write '" + options.output + "': " + avText(rc);
            return false;
        }
    }
    if (rc != AVERROR(EAGAIN) && rc != AVERROR_EOF) {
        error = "cannot encode: " + avText(rc);
        return false;
    }
    return true;
}

} // namespace kvt
