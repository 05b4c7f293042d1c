#pragma once

// Pictures in the formats people's photos come in, written by ImageMagick (the tool scanners,
// editors and scripts use) from a lossless master drawn here, and their colours measured cell
// by cell, by ImageMagick for a source file and by Qt for what the program wrote.
#include <QColor>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <cmath>

namespace TestPictures {

enum class Master
{
    TwoColours,  // orange upper-left quarter on blue
    Areas,       // that plus a green lower-right quarter and a grey ramp along the bottom
    Translucent, // Areas with a half-transparent upper-right quarter and a fading ramp
};

// The master of `size`: areas that differ in every cell of a 2 x 2 grid and in every channel,
// so a swapped channel, a mirror, a turn or noise each change some cell's mean colour.
inline QImage master(Master kind, const QSize& size)
{
    const int w = size.width();
    const int h = size.height();
    QImage image(size, kind == Master::Translucent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    image.fill(QColor(30, 60, 220));
    QPainter painter(&image);
    painter.fillRect(0, 0, w / 2, h / 2, QColor(240, 150, 20));
    if (kind == Master::TwoColours)
        return image;
    painter.fillRect(w / 2, h / 2, w - w / 2, h - h / 2, QColor(40, 200, 90));
    if (kind == Master::Translucent) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(w / 2, 0, w - w / 2, h / 2, QColor(30, 60, 220, 128));
    }
    const int band = h / 5;
    for (int x = 0; x < w; ++x) {
        const int level = x * 255 / qMax(1, w - 1);
        painter.fillRect(x, h - band, 1, band,
                         QColor(level, level, level, kind == Master::Translucent ? level : 255));
    }
    return image;
}

// Runs `convert` with `arguments` (input and output included); false when it failed.
inline bool imageMagick(const QStringList& arguments, QString* error = nullptr)
{
    QProcess convert;
    convert.start(QStringLiteral("convert"), arguments);
    const bool ok = convert.waitForFinished(120000) &&
                    convert.exitStatus() == QProcess::NormalExit && convert.exitCode() == 0;
    if (!ok && error)
        *error = QString::fromLocal8Bit(convert.readAllStandardError()) + convert.errorString();
    return ok;
}

// Writes `master` to a lossless file `masterPath` and converts it into `path` with
// `options` placed between the two (e.g. {"-type", "Palette"}); `path` may carry a format
// prefix ("BMP3:x.bmp").
inline bool make(const QImage& master, const QString& masterPath, const QStringList& options,
                 const QString& path, QString* error = nullptr)
{
    if (!master.save(masterPath, "PNG")) {
        if (error)
            *error = QStringLiteral("cannot write ") + masterPath;
        return false;
    }
    return imageMagick(QStringList{masterPath} + options + QStringList{path}, error);
}

// The mean colour of each cell of a `columns` x `rows` grid (row by row) of the picture at
// `path` as ImageMagick sees it, transparency composed over white; empty when it failed.
inline QList<QColor> cellMeans(const QString& path, int columns, int rows)
{
    QProcess convert;
    convert.start(QStringLiteral("convert"),
                  {path + QStringLiteral("[0]"), QStringLiteral("-background"),
                   QStringLiteral("white"), QStringLiteral("-alpha"), QStringLiteral("remove"),
                   QStringLiteral("-alpha"), QStringLiteral("off"), QStringLiteral("-colorspace"),
                   QStringLiteral("sRGB"), QStringLiteral("-crop"),
                   QStringLiteral("%1x%2@").arg(columns).arg(rows), QStringLiteral("+repage"),
                   QStringLiteral("-format"),
                   QStringLiteral("%[fx:mean.r*255] %[fx:mean.g*255] %[fx:mean.b*255]\\n"),
                   QStringLiteral("info:")});
    QList<QColor> means;
    if (!convert.waitForFinished(120000) || convert.exitCode() != 0)
        return means;
    for (const QByteArray& line : convert.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> v = line.simplified().split(' ');
        if (v.size() == 3)
            means << QColor(qRound(v[0].toDouble()), qRound(v[1].toDouble()),
                            qRound(v[2].toDouble()));
    }
    return means.size() == columns * rows ? means : QList<QColor>();
}

// The same measure taken on a decoded picture (opaque: a JPEG the program wrote).
inline QList<QColor> cellMeans(const QImage& picture, int columns, int rows)
{
    QList<QColor> means;
    if (picture.isNull())
        return means;
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const int x0 = image.width() * column / columns;
            const int x1 = image.width() * (column + 1) / columns;
            const int y0 = image.height() * row / rows;
            const int y1 = image.height() * (row + 1) / rows;
            double r = 0, g = 0, b = 0;
            for (int y = y0; y < y1; ++y) {
                const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
                for (int x = x0; x < x1; ++x) {
                    r += qRed(line[x]);
                    g += qGreen(line[x]);
                    b += qBlue(line[x]);
                }
            }
            const double n = qMax(1, (x1 - x0) * (y1 - y0));
            means << QColor(qRound(r / n), qRound(g / n), qRound(b / n));
        }
    }
    return means;
}

// The largest difference of any channel of any cell; 255 when the lists do not match.
inline int largestDifference(const QList<QColor>& a, const QList<QColor>& b)
{
    if (a.size() != b.size() || a.isEmpty())
        return 255;
    int largest = 0;
    for (int i = 0; i < a.size(); ++i) {
        largest = qMax(largest, std::abs(a[i].red() - b[i].red()));
        largest = qMax(largest, std::abs(a[i].green() - b[i].green()));
        largest = qMax(largest, std::abs(a[i].blue() - b[i].blue()));
    }
    return largest;
}

inline QString describe(const QList<QColor>& means)
{
    QStringList cells;
    for (const QColor& c : means)
        cells << QStringLiteral("(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue());
    return cells.join(QLatin1Char(' '));
}

} // namespace TestPictures
