#pragma once

#include "videojobfile.h"

#include <QImage>
#include <QString>

struct AVAudioFifo;
struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct AVStream;
struct SwsContext;

// The MP4 file: H.264 (libx264, 4:2:0, BT.709) and, with music, AAC (FFmpeg's own encoder),
// the index at the front so that a page can start playing before the whole file has arrived.
class Mp4Writer
{
public:
    explicit Mp4Writer(const VideoJobFile& job);
    ~Mp4Writer();
    Mp4Writer(const Mp4Writer&) = delete;
    Mp4Writer& operator=(const Mp4Writer&) = delete;

    bool open(bool withAudio, QString& error);
    // The next frame, in frame order; 32-bit RGB at the job's frame size.
    bool addFrame(const QImage& image, QString& error);
    // The next samples per channel, 48 kHz float.
    bool addAudio(const float* left, const float* right, int count, QString& error);
    // Flushes the encoders and writes the index.
    bool finish(QString& error);

private:
    bool encode(AVCodecContext* codec, AVStream* stream, AVFrame* input, QString& error);
    bool encodeAudio(bool flushing, QString& error);

    const VideoJobFile& job;
    AVFormatContext* format = nullptr;
    AVCodecContext* video = nullptr;
    AVCodecContext* audio = nullptr;
    AVStream* videoStream = nullptr;
    AVStream* audioStream = nullptr;
    SwsContext* scaler = nullptr;
    AVFrame* picture = nullptr;
    AVFrame* sound = nullptr;
    AVPacket* packet = nullptr;
    AVAudioFifo* fifo = nullptr;
    long long framesIn = 0;
    long long samplesOut = 0;
    bool headerWritten = false;
};
