#include "common/imageinfo.h"
#include "platform/velmexif/velmexifinfo.h"
#include "support/testfiles.h"
#include "support/testimages.h"

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include <exiv2/exiv2.hpp>

namespace {
// An upright test picture: four differently coloured, differently sized quadrants.
const QColor Quadrant[4] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};

QImage uprightPicture()
{
    QImage image(64, 48, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, 40, 30, Quadrant[0]);
    painter.fillRect(40, 0, 24, 30, Quadrant[1]);
    painter.fillRect(0, 30, 40, 18, Quadrant[2]);
    painter.fillRect(40, 30, 24, 18, Quadrant[3]);
    return image;
}

// The pixels a camera stores for `upright` when it writes EXIF orientation `code`.
QImage storedPicture(const QImage& upright, int code)
{
    const int w = upright.width();
    const int h = upright.height();
    const bool swapped = code >= 5;
    QImage stored(swapped ? h : w, swapped ? w : h, QImage::Format_RGB32);
    for (int y = 0; y < stored.height(); ++y) {
        for (int x = 0; x < stored.width(); ++x) {
            QPoint p;
            switch (code) {
            case 2:
                p = {w - 1 - x, y};
                break;
            case 3:
                p = {w - 1 - x, h - 1 - y};
                break;
            case 4:
                p = {x, h - 1 - y};
                break;
            case 5:
                p = {y, x};
                break;
            case 6:
                p = {w - 1 - y, x};
                break;
            case 7:
                p = {w - 1 - y, h - 1 - x};
                break;
            case 8:
                p = {y, h - 1 - x};
                break;
            default:
                p = {x, y};
                break;
            }
            stored.setPixel(x, y, upright.pixel(p));
        }
    }
    return stored;
}

bool closeColour(QRgb a, QRgb b)
{
    return TestFiles::closeColour(QColor(a), QColor(b));
}

void writeOrientation(const QString& path, int code)
{
    auto image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
    image->readMetadata();
    Exiv2::ExifData data = image->exifData();
    data["Exif.Image.Orientation"] = uint16_t(code);
    image->setExifData(data);
    image->writeMetadata();
}

} // namespace

class TestImageInfo : public QObject
{
    Q_OBJECT

private slots:
    // Codes 1..8 are checked on real pictures below; out-of-range codes mean upright, and a
    // new code replaces whatever operations the record held.
    void orientationOutOfRange_data()
    {
        QTest::addColumn<int>("code");
        QTest::newRow("0") << 0;
        QTest::newRow("9") << 9;
        QTest::newRow("negative") << -3;
    }
    void orientationOutOfRange()
    {
        QFETCH(int, code);
        ImageInfo info;
        info.operations = {TurnLeft, TurnLeft, Flip};
        info.setExifOrientation(code);
        QVERIFY(info.operations.isEmpty());
        QVERIFY(info.transform().isIdentity());
        info.setExifOrientation(6);
        info.setExifOrientation(8);
        QCOMPARE(info.operations, QVector<qint32>{TurnLeft});
    }

    void everyOrientationComesOutUpright_data()
    {
        QTest::addColumn<int>("code");
        for (int code = 1; code <= 8; ++code)
            QTest::newRow(qPrintable(QString::number(code))) << code;
    }

    void everyOrientationComesOutUpright()
    {
        QFETCH(int, code);
        QTemporaryDir dir;
        const QString path = dir.filePath("photo.jpg");
        const QImage upright = uprightPicture();
        QVERIFY(storedPicture(upright, code).save(path, "JPG", 100));
        writeOrientation(path, code);

        const VelmExifInfo exif(path);
        QCOMPARE(exif.Orientation(), code);
        ImageInfo info;
        info.setExifOrientation(exif.Orientation());
        QImage loaded;
        QVERIFY(loaded.load(path));
        const QImage shown = loaded.transformed(info.transform());
        QCOMPARE(shown.size(), upright.size());
        const QPoint probes[4] = {{20, 15}, {52, 15}, {20, 39}, {52, 39}};
        for (int i = 0; i < 4; ++i)
            QVERIFY2(closeColour(shown.pixel(probes[i]), Quadrant[i].rgb()),
                     qPrintable(QString("quadrant %1").arg(i)));
    }

    void sampleCameraPictures_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<int>("number");
        for (const char* shape : {"Landscape", "Portrait"}) {
            for (int number = 0; number <= 8; ++number)
                QTest::newRow(qPrintable(QString("%1_%2").arg(QLatin1String(shape)).arg(number)))
                    << QString::fromLatin1(shape) << number;
        }
    }

    void sampleCameraPictures()
    {
        QFETCH(QString, shape);
        QFETCH(int, number);
        const QDir folder(QString(LUMARO_TESTDATA_DIR "/exif-orientation"));
        const QString path = folder.filePath(QString("%1_%2.jpg").arg(shape).arg(number));
        if (!QFileInfo::exists(path))
            QSKIP("sample pictures not installed");
        QImage reference;
        QVERIFY(reference.load(folder.filePath(shape + QString("_1.jpg"))));

        ImageInfo info;
        info.setExifOrientation(VelmExifInfo(path).Orientation());
        QImage loaded;
        QVERIFY(loaded.load(path));
        const QImage shown = loaded.transformed(info.transform());
        QCOMPARE(shown.size(), reference.size());
        const QSize small(60, 60);
        QVERIFY(TestFiles::meanDifference(shown.scaled(small), reference.scaled(small)) < 12.0);
    }

    void previews()
    {
        QImage wide(160, 60, QImage::Format_RGB32);
        wide.fill(Qt::red);
        const QImage thumb = ImageInfo::makeThumbnail(wide);
        QCOMPARE(thumb.size(), QSize(80, 60));
        QCOMPARE(thumb.format(), QImage::Format_RGB888);
        QCOMPARE(thumb.pixel(40, 5), 0xFF808080u);  // above the 80 x 30 picture
        QCOMPARE(thumb.pixel(40, 54), 0xFF808080u); // below it
        QVERIFY(closeColour(thumb.pixel(40, 30), qRgb(255, 0, 0)));
        QVERIFY(closeColour(thumb.pixel(1, 16), qRgb(255, 0, 0)));

        // Turned a quarter, the strip stands upright: about 22 x 60 in the middle.
        const QImage turned = ImageInfo::makeRotatedThumbnail(wide);
        QCOMPARE(turned.size(), QSize(80, 60));
        QCOMPARE(turned.format(), QImage::Format_RGB888);
        QCOMPARE(turned.pixel(10, 30), 0xFF808080u);
        QCOMPARE(turned.pixel(70, 30), 0xFF808080u);
        QVERIFY(closeColour(turned.pixel(40, 2), qRgb(255, 0, 0)));

        // Palette images get a real picture too.
        QImage palette(40, 40, QImage::Format_Indexed8);
        palette.setColorTable({qRgb(0, 0, 255)});
        palette.fill(0);
        QVERIFY(
            closeColour(ImageInfo::makeRotatedThumbnail(palette).pixel(40, 30), qRgb(0, 0, 255)));

        QCOMPARE(ImageInfo::makeThumbnail(QImage()).pixel(40, 30), 0xFF808080u);
    }
};

QTEST_MAIN(TestImageInfo)
#include "tst_imageinfo.moc"
