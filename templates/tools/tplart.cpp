// Draws the pictures that ship with the gallery templates: the panel picture of each template
// (a small sketch of its layout), the demonstration photos with their thumbnails and the
// demonstration configuration of each template, and the three sample photos.
//
//   tplart <template folder> <sample folder> <name>...
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>
#include <QtMath>
#include <cstdio>
#include <functional>

namespace {

constexpr int photoCount = 12;
const QColor palette[] = {QColor(0xE5, 0x4B, 0x4B), QColor(0xF2, 0xA5, 0x3A),
                          QColor(0xF4, 0xD3, 0x5E), QColor(0x5C, 0xB8, 0x5C),
                          QColor(0x3A, 0xA7, 0xC9), QColor(0x5B, 0x6E, 0xE1),
                          QColor(0xA5, 0x5B, 0xD6), QColor(0xE0, 0x6A, 0xA8)};

QColor tone(int i)
{
    return palette[i % 8];
}

// A made-up landscape: sky, sun or moon, two mountain ridges, a lake, and a label.
QImage landscape(int seed, const QString& label)
{
    QImage img(720, 540, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const int hue = (seed * 47 + 10) % 360;
    const bool night = seed % 4 == 3;
    QLinearGradient sky(0, 0, 0, 540);
    sky.setColorAt(0, QColor::fromHsv(hue, night ? 200 : 120, night ? 70 : 235));
    sky.setColorAt(0.6, QColor::fromHsv((hue + 30) % 360, night ? 160 : 90, night ? 120 : 250));
    p.fillRect(img.rect(), sky);
    QRadialGradient sun(QPointF(150 + seed * 41 % 420, 130 + seed * 17 % 90), 70);
    sun.setColorAt(0, night ? QColor(245, 245, 230) : QColor(255, 250, 210));
    sun.setColorAt(0.7, night ? QColor(220, 220, 210) : QColor(255, 215, 120));
    sun.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(sun.center(), 70, 70);
    for (int ridge = 0; ridge < 2; ++ridge) {
        QPainterPath path;
        const int base = 330 + ridge * 60;
        path.moveTo(0, 540);
        for (int x = 0; x <= 720; x += 40) {
            const double y =
                base - 90 * (1 - ridge * 0.4) * qAbs(qSin((x + seed * 53 + ridge * 97) / 130.0)) -
                20 * qSin(x / 37.0 + seed);
            path.lineTo(x, y);
        }
        path.lineTo(720, 540);
        p.setBrush(QColor::fromHsv((hue + 180 + ridge * 20) % 360, 90 + ridge * 40,
                                   110 - ridge * 45 + (night ? -30 : 0)));
        p.drawPath(path);
    }
    QLinearGradient lake(0, 450, 0, 540);
    lake.setColorAt(0, QColor::fromHsv((hue + 200) % 360, 120, night ? 80 : 170));
    lake.setColorAt(1, QColor::fromHsv((hue + 210) % 360, 160, night ? 40 : 110));
    p.setBrush(lake);
    p.drawRect(0, 455, 720, 85);
    p.setPen(QColor(255, 255, 255, 230));
    QFont font(QStringLiteral("DejaVu Sans"), 30);
    p.setFont(font);
    p.drawText(QRect(0, 470, 700, 60), Qt::AlignRight | Qt::AlignVCenter, label);
    return img;
}

void frame(QPainter& p, const QRectF& r, int i, bool border = true)
{
    p.setPen(border ? QPen(Qt::white, 1) : Qt::NoPen);
    p.setBrush(tone(i));
    p.drawRect(r);
}

void sketch(QPainter& p, const QString& name)
{
    const QRectF box(0, 0, 120, 90);
    QLinearGradient bg(0, 0, 0, 90);
    bg.setColorAt(0, QColor(0x2A, 0x2E, 0x3A));
    bg.setColorAt(1, QColor(0x0C, 0x0D, 0x12));
    p.fillRect(box, bg);
    p.setRenderHint(QPainter::Antialiasing);
    if (name == QLatin1String("Time Corridor")) {
        p.setPen(QPen(QColor(0x9A, 0x88, 0xC0), 1));
        for (double z = 1; z < 6; z += 1.0) {
            const double w = 110 / z, h = 80 / z;
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(60 - w / 2, 45 - h / 2, w, h));
        }
        for (int i = 0; i < 6; ++i) {
            const double z = 1.3 + i * 0.7, s = 30 / z;
            const double x = 60 + (i % 2 ? 1 : -1) * 38 / z;
            frame(p, QRectF(x - s / 2, 45 - s * 0.375, s, s * 0.75), i);
        }
    } else if (name == QLatin1String("3D Grid")) {
        for (int c = 0; c < 5; ++c)
            for (int r = 0; r < 4; ++r) {
                const double s = 1.0 - c * 0.12, w = 20 * s, h = 15 * s;
                const double x = 8 + c * 22 - c * c * 0.8, y = 45 + (r - 1.5) * 18 * s;
                frame(p, QRectF(x, y - h / 2, w, h), c + r * 3);
            }
    } else if (name == QLatin1String("Magic Cube")) {
        QPolygonF front({{30, 35}, {68, 42}, {68, 80}, {30, 73}});
        QPolygonF side({{68, 42}, {92, 30}, {92, 68}, {68, 80}});
        QPolygonF top({{30, 35}, {54, 23}, {92, 30}, {68, 42}});
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(tone(0));
        p.drawPolygon(front);
        p.setBrush(tone(4).darker(130));
        p.drawPolygon(side);
        p.setBrush(QColor(0x6A, 0x5A, 0x88));
        p.drawPolygon(top);
    } else if (name == QLatin1String("Pinwheel")) {
        p.translate(60, 45);
        for (int i = 0; i < 6; ++i) {
            p.save();
            p.rotate(i * 60 + 40);
            frame(p, QRectF(8, -10, 28, 21), i);
            p.restore();
        }
        p.setBrush(QColor(0xE0, 0xC0, 0x40));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(0, 0), 5, 5);
    } else if (name == QLatin1String("Photo Wall")) {
        for (int r = 0; r < 4; ++r)
            for (int c = -1; c < 5; ++c)
                frame(p, QRectF(c * 26 + (r % 2 ? 13 : 0) + 4, 6 + r * 20, 24, 18), c + r * 2 + 3);
    } else if (name == QLatin1String("Carousel")) {
        for (int i = 0; i < 7; ++i) {
            const double a = 2 * M_PI * i / 7 + 0.5, d = (qCos(a) + 1) / 2, s = 0.45 + 0.55 * d;
            frame(p, QRectF(60 + 42 * qSin(a) - 14 * s, 40 + 14 * qCos(a) - 10 * s, 28 * s, 20 * s),
                  i);
        }
    } else if (name == QLatin1String("Spread")) {
        p.fillRect(box, QColor(0x6A, 0x44, 0x28));
        const double spots[][3] = {
            {30, 28, -12}, {82, 26, 10}, {40, 64, 8}, {88, 62, -16}, {60, 45, 3}};
        for (int i = 0; i < 5; ++i) {
            p.save();
            p.translate(spots[i][0], spots[i][1]);
            p.rotate(spots[i][2]);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(250, 250, 244));
            p.drawRect(QRectF(-20, -15, 40, 30));
            frame(p, QRectF(-17, -12, 34, 24), i, false);
            p.restore();
        }
    } else if (name == QLatin1String("Wonderful Moment")) {
        frame(p, QRectF(0, 0, 120, 68), 4, false);
        p.fillRect(QRectF(0, 68, 120, 22), QColor(0x16, 0x16, 0x16));
        for (int i = 0; i < 5; ++i)
            frame(p, QRectF(10 + i * 21, 72, 17, 13), i + 2);
    } else if (name == QLatin1String("FishEye")) {
        const auto lens = [](double x, double f) {
            const double d = 3;
            if (x >= f) {
                const double t = (x - f) / (1 - f);
                return f + (1 - f) * ((d + 1) * t / (d * t + 1));
            }
            const double t = (f - x) / f;
            return f - f * ((d + 1) * t / (d * t + 1));
        };
        for (int c = 0; c < 5; ++c)
            for (int r = 0; r < 4; ++r) {
                const double x0 = lens(c / 5.0, 0.45) * 116, x1 = lens((c + 1) / 5.0, 0.45) * 116;
                const double y0 = lens(r / 4.0, 0.5) * 86, y1 = lens((r + 1) / 4.0, 0.5) * 86;
                frame(p, QRectF(2 + x0, 2 + y0, x1 - x0 - 1.5, y1 - y0 - 1.5), c + r * 2, false);
            }
    }
}

bool save(const QImage& img, const QString& path, int quality = 88)
{
    if (!img.save(path, "JPG", quality)) {
        std::fprintf(stderr, "tplart: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// The demonstration configuration, laid out the way the program writes it.
bool writeConfig(const QString& path, const QStringList& photos, const QString& folder)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QTextStream out(&f);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<playdata>\n    <thumbnails>\n";
    for (const QString& name : photos)
        out << "        <thumbnail filename=\"" << name
            << "\" target=\"_parent\" title=\"Photo No. 1\" size=\""
            << QFileInfo(folder + name).size() << "\"/>\n";
    out << "    </thumbnails>\n</playdata>\n";
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: tplart <template folder> <sample folder> <name>...\n");
        return 2;
    }
    const QString tpl = args[1] + QLatin1Char('/');
    const QString sample = args[2] + QLatin1Char('/');
    const QString photos = tpl + QStringLiteral("photos/");
    if (!QDir().mkpath(photos) || !QDir().mkpath(sample))
        return 1;
    bool ok = true;
    QStringList names;
    for (int i = 0; i < photoCount; ++i) {
        const QString name = QStringLiteral("demo_%1.jpg").arg(i + 1, 2, 10, QLatin1Char('0'));
        const QImage img = landscape(i, QStringLiteral("Lumaro %1").arg(i + 1));
        ok &= save(img, photos + name);
        ok &= save(img.scaled(80, 60, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                   photos + QStringLiteral("s_") + name);
        names << name;
    }
    for (int i = 0; i < 3; ++i)
        ok &= save(landscape(20 + i, QStringLiteral("Sample %1").arg(i + 1)),
                   sample + QStringLiteral("image_%1.jpg").arg(i));
    for (int i = 3; i < args.size(); ++i) {
        const QString& name = args[i];
        QImage icon(120, 90, QImage::Format_RGB32);
        QPainter p(&icon);
        sketch(p, name);
        p.end();
        ok &= save(icon, tpl + name + QStringLiteral(".jpg"), 92);
        ok &= writeConfig(tpl + name + QStringLiteral(".xml"), names, photos);
    }
    return ok ? 0 : 1;
}
