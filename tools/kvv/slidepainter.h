#pragma once

#include "videojobfile.h"

#include <QImage>
#include <QMap>

// Paints the frames of the slideshow one after another: each photo centred on a dark background
// with its aspect kept (shrunk to the frame where larger, never enlarged), slowly zoomed towards
// a point beside its centre when it fills the frame in one direction, and a crossfade between
// neighbours. Only the photos of the current frame are held, so memory does not grow with the
// number of photos.
class SlidePainter
{
public:
    static constexpr double ZoomEnd = 1.06;

    explicit SlidePainter(const VideoJobFile& job);
    // Frame `index` into frame(); false with `error` when a photo cannot be read.
    bool paint(long long index, QString& error);
    const QImage& frame() const { return canvas; }

private:
    const QImage* photo(int index, QString& error);
    void draw(QPainter& painter, int index, const QImage& image, double t);

    const VideoJobFile& job;
    QImage canvas;
    QImage layer; // the later photo of a crossfade
    QMap<int, QImage> loaded;
};
