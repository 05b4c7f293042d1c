#pragma once

// Reads a published video back with the ffmpeg and ffprobe programs: its streams, one frame as
// RGB pixels and its sound as 48 kHz mono samples, and measures a tone's pitch and loudness.
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <cmath>
#include <cstdint>

namespace VideoProbe {

inline QByteArray run(const QString& program, const QStringList& arguments)
{
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForFinished(120000) || tool.exitCode() != 0)
        return QByteArray();
    return tool.readAllStandardOutput();
}

// "codec_type.key" -> value for every stream, and "format.duration".
inline QMap<QString, QString> streams(const QString& file)
{
    const QByteArray text =
        run("ffprobe", {"-v", "error", "-show_entries",
                        "stream=codec_type,codec_name,width,height,pix_fmt,r_frame_rate,"
                        "sample_rate,channels:format=duration",
                        "-of", "flat", file});
    QMap<QString, QString> raw; // "streams.stream.0.codec_name" -> "h264"
    for (const QByteArray& line : text.split('\n')) {
        const QString l = QString::fromUtf8(line);
        const qsizetype eq = l.indexOf('=');
        if (eq > 0)
            raw.insert(l.left(eq), l.mid(eq + 1).remove('"'));
    }
    QMap<QString, QString> facts;
    for (auto it = raw.cbegin(); it != raw.cend(); ++it) {
        const QString name = it.key().section('.', -1);
        const QString prefix = it.key().startsWith("format.")
                                   ? QString("format")
                                   : raw.value(it.key().section('.', 0, -2) + ".codec_type");
        facts.insert(prefix + '.' + name, it.value());
    }
    return facts;
}

inline QImage frameAt(const QString& file, double seconds, int width, int height)
{
    const QByteArray rgb =
        run("ffmpeg", {"-v", "error", "-ss", QString::number(seconds), "-i", file, "-frames:v", "1",
                       "-f", "rawvideo", "-pix_fmt", "rgb24", "-"});
    if (rgb.size() != width * height * 3)
        return QImage();
    return QImage(reinterpret_cast<const uchar*>(rgb.constData()), width, height, width * 3,
                  QImage::Format_RGB888)
        .copy();
}

inline QVector<int16_t> sound(const QString& file)
{
    const QByteArray pcm = run("ffmpeg", {"-v", "error", "-i", file, "-vn", "-ac", "1", "-ar",
                                          "48000", "-f", "s16le", "-"});
    QVector<int16_t> samples(pcm.size() / 2);
    std::memcpy(samples.data(), pcm.constData(), samples.size() * 2);
    return samples;
}

// The tone's frequency between two times, from its upward zero crossings.
inline double pitch(const QVector<int16_t>& samples, double from, double to)
{
    const int a = int(from * 48000), b = std::min<int>(int(to * 48000), samples.size());
    int crossings = 0;
    for (int i = a + 1; i < b; ++i)
        crossings += samples[i - 1] < 0 && samples[i] >= 0;
    return b > a ? crossings / ((b - a) / 48000.0) : 0;
}

inline double loudness(const QVector<int16_t>& samples, double from, double to)
{
    const int a = int(from * 48000), b = std::min<int>(int(to * 48000), samples.size());
    double sum = 0;
    for (int i = a; i < b; ++i)
        sum += double(samples[i]) * samples[i];
    return b > a ? std::sqrt(sum / (b - a)) : 0;
}

// Whether `c` is near `expected`, allowing for the video's compression.
inline bool near(const QColor& c, const QColor& expected, int tolerance = 40)
{
    return std::abs(c.red() - expected.red()) <= tolerance &&
           std::abs(c.green() - expected.green()) <= tolerance &&
           std::abs(c.blue() - expected.blue()) <= tolerance;
}

} // namespace VideoProbe
