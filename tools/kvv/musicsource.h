#pragma once

#include "videojobfile.h"

#include <QString>

#include <vector>

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct SwrContext;

// The slideshow's music as one stream of 48 kHz stereo float samples: the clips in order, each
// from its start to its end point, the fade-in over the first seconds of the first clip and the
// fade-out over the last seconds of the last, all of it again while looping is on. Decodes one
// clip at a time, so memory does not grow with the music's length.
class MusicSource
{
public:
    static constexpr int Rate = 48000;

    explicit MusicSource(const VideoJobFile& job);
    ~MusicSource();
    MusicSource(const MusicSource&) = delete;
    MusicSource& operator=(const MusicSource&) = delete;

    // Up to `count` samples per channel into left/right; 0 once the music has ended, -1 with
    // `error` naming the clip when one cannot be read.
    int read(float* left, float* right, int count, QString& error);

private:
    bool openClip(QString& error);
    void closeClip();
    // Decodes until samples are pending or the clip is done; false on a read failure.
    bool decodeMore(QString& error);
    void take(const AVFrame* frame);
    float gainAt(double fileSeconds) const;

    const VideoJobFile& job;
    int clip = 0;
    bool ended = false;
    AVFormatContext* format = nullptr;
    AVCodecContext* decoder = nullptr;
    SwrContext* resampler = nullptr;
    AVFrame* frame = nullptr;
    AVPacket* packet = nullptr;
    int stream = -1;
    bool clipDone = false;
    bool draining = false;
    double filePosition = -1; // the file time of the next resampled sample; < 0 before the first
    std::vector<float> pendingLeft, pendingRight;
    size_t pendingAt = 0;
    long long passSamples = 0; // given out since the list last began
};
