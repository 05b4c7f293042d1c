// kvv: makes the slideshow's video from a job file (see videojobfile.h).
//   kvv [-@] JOB.json
// -@ turns on progress lines ("|Time>>>" + seconds of video done) on standard output. Exit code
// 0 when the video was written, 1 when it could not be (nothing is left at the output's path),
// 2 for a wrong command line. Messages go to standard error.
#include "mp4writer.h"
#include "musicsource.h"
#include "slidepainter.h"
#include "videojobfile.h"

#include <QCoreApplication>
#include <QFile>

#include <cmath>
#include <csignal>
#include <cstdio>
#include <unistd.h>
#include <vector>

extern "C" {
#include <libavutil/log.h>
}

namespace {

void progressLine(double seconds)
{
    char line[64];
    const int n = std::snprintf(line, sizeof line, "|Time>>>%.2f\n", seconds);
    if (::write(STDOUT_FILENO, line, static_cast<size_t>(n)) < 0) {
        // Nobody reads the progress any more; the video is still wanted.
    }
}

// Whether the music would still play when the pictures end, so that it must fade out instead
// of stopping mid-note.
bool musicOutlastsPictures(const VideoJobFile& job)
{
    const double music = job.musicSeconds();
    const double video = job.seconds();
    if (music <= 0)
        return false;
    if (!job.loop)
        return music > video + 0.05;
    const double rest = std::fmod(video, music);
    return rest > 0.05 && music - rest > 0.05;
}

bool makeVideo(const VideoJobFile& job, bool progress, QString& error)
{
    MusicSource music(job);
    SlidePainter painter(job);
    Mp4Writer writer(job);
    if (!writer.open(job.musicSeconds() > 0, error))
        return false;
    const long long frames = job.frameCount();
    const long long totalSamples = std::llround(job.seconds() * MusicSource::Rate);
    const bool endFade = musicOutlastsPictures(job);
    const long long fadeFrom = totalSamples - std::llround(job.endFadeSeconds * MusicSource::Rate);
    long long samples = 0;
    bool musicEnded = job.musicSeconds() <= 0;
    std::vector<float> left(1024), right(1024);
    double reported = -1;
    for (long long f = 0; f < frames; ++f) {
        if (!painter.paint(f, error) || !writer.addFrame(painter.frame(), error))
            return false;
        // The music keeps pace with the pictures, so the file interleaves them closely.
        const long long due = std::min(totalSamples, (f + 1) * MusicSource::Rate / job.fps);
        while (!musicEnded && samples < due) {
            const int want = static_cast<int>(std::min<long long>(1024, due - samples));
            const int got = music.read(left.data(), right.data(), want, error);
            if (got < 0)
                return false;
            musicEnded = got == 0;
            for (int i = 0; endFade && i < got; ++i) {
                const long long at = samples + i;
                if (at >= fadeFrom) {
                    const float gain = float(totalSamples - at) / float(totalSamples - fadeFrom);
                    left[i] *= gain;
                    right[i] *= gain;
                }
            }
            if (!writer.addAudio(left.data(), right.data(), got, error))
                return false;
            samples += got;
        }
        const double seconds = (f + 1) / double(job.fps);
        if (progress && (seconds - reported >= 0.25 || f + 1 == frames)) {
            progressLine(seconds);
            reported = seconds;
        }
    }
    return writer.finish(error);
}

} // namespace

int main(int argc, char** argv)
{
    std::signal(SIGPIPE, SIG_IGN);
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    const bool progress = arguments.removeAll(QStringLiteral("-@")) > 0;
    if (arguments.size() != 1) {
        std::fprintf(stderr, "kvv: one job file expected\nusage: kvv [-@] JOB.json\n");
        return 2;
    }
    av_log_set_level(AV_LOG_FATAL);
    VideoJobFile job;
    QString error;
    if (!readVideoJob(arguments.first(), job, error)) {
        std::fprintf(stderr, "kvv: %s\n", qUtf8Printable(error));
        return 2;
    }
    if (!makeVideo(job, progress, error)) {
        QFile::remove(job.output); // a half-written video would look like a finished one
        std::fprintf(stderr, "kvv: %s\n", qUtf8Printable(error));
        return 1;
    }
    return 0;
}
