#include "common/imageinfo.h"
#include "platform/velmexif/velmexifinfo.h"

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
    return qAbs(qRed(a) - qRed(b)) < 40 && qAbs(qGreen(a) - qGreen(b)) < 40 &&
           qAbs(qBlue(a) - qBlue(b)) < 40;
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

// Mean absolute difference per channel of two equally sized images.
double difference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            sum +=
                qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * x.width() * x.height());
}
} // namespace

class TestImageInfo : public QObject
{
    Q_OBJECT

private slots:
    void orientationTable_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("rotation");
        QTest::addColumn<bool>("mirrored");
        QTest::addColumn<bool>("flipped");
        QTest::addColumn<QVector<qint32>>("operations");
        QTest::newRow("1") << 1 << 0 << false << false << QVector<qint32>{};
        QTest::newRow("2") << 2 << 0 << true << false << QVector<qint32>{Mirror};
        QTest::newRow("3") << 3 << 0 << true << true << QVector<qint32>{Mirror, Flip};
        QTest::newRow("4") << 4 << 0 << false << true << QVector<qint32>{Flip};
        QTest::newRow("5") << 5 << 90 << true << false << QVector<qint32>{Mirror, TurnRight};
        QTest::newRow("6") << 6 << 90 << false << false << QVector<qint32>{TurnRight};
        QTest::newRow("7") << 7 << -90 << true << false << QVector<qint32>{Mirror, TurnLeft};
        QTest::newRow("8") << 8 << -90 << false << false << QVector<qint32>{TurnLeft};
        QTest::newRow("0") << 0 << 0 << false << false << QVector<qint32>{};
        QTest::newRow("9") << 9 << 0 << false << false << QVector<qint32>{};
        QTest::newRow("negative") << -3 << 0 << false << false << QVector<qint32>{};
    }

    void orientationTable()
    {
        QFETCH(int, code);
        QFETCH(int, rotation);
        QFETCH(bool, mirrored);
        QFETCH(bool, flipped);
        QFETCH(QVector<qint32>, operations);
        ImageInfo info;
        info.operations = {TurnLeft, TurnLeft, Flip}; // whatever was there is replaced
        info.setExifOrientation(code);
        QCOMPARE(info.exifRotation, rotation);
        QCOMPARE(info.exifMirrored, mirrored);
        QCOMPARE(info.exifFlipped, flipped);
        QCOMPARE(info.operations, operations);
    }

    void newestOperationActsLast()
    {
        // A quarter turn right followed by a mirror: the mirror is the newer one, first in list.
        const QTransform t = ImageInfo::transformOf({Mirror, TurnRight});
        const QPointF p = t.map(QPointF(1, 0)); // turn: (1,0) -> (0,1); mirror keeps it
        QVERIFY(qAbs(p.x()) < 1e-6 && qAbs(p.y() - 1.0) < 1e-6);
        const QPointF q = ImageInfo::transformOf({TurnRight, Mirror}).map(QPointF(1, 0));
        QVERIFY(qAbs(q.x()) < 1e-6 && qAbs(q.y() + 1.0) < 1e-6);

        // Mirror and flip in either order make a half turn.
        for (const QVector<qint32>& ops :
             {QVector<qint32>{Flip, Mirror}, QVector<qint32>{Mirror, Flip}}) {
            const QTransform h = ImageInfo::transformOf(ops);
            QVERIFY(qFuzzyCompare(h.m11(), -1.0) && qFuzzyCompare(h.m22(), -1.0));
            QVERIFY(qAbs(h.m12()) < 1e-4 && qAbs(h.m21()) < 1e-4);
        }
        QVERIFY(ImageInfo::transformOf({}).isIdentity());
        QVERIFY(ImageInfo::transformOf({TurnLeft, TurnRight}).isIdentity());
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
        const QString path = dir.filePath(QStringLiteral("photo.jpg"));
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
                     qPrintable(QStringLiteral("quadrant %1").arg(i)));
    }

    void sampleCameraPictures_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<int>("number");
        for (const char* shape : {"Landscape", "Portrait"}) {
            for (int number = 0; number <= 8; ++number)
                QTest::newRow(
                    qPrintable(QStringLiteral("%1_%2").arg(QLatin1String(shape)).arg(number)))
                    << QString::fromLatin1(shape) << number;
        }
    }

    void sampleCameraPictures()
    {
        QFETCH(QString, shape);
        QFETCH(int, number);
        const QDir folder(QStringLiteral(LUMARO_TESTDATA_DIR "/exif-orientation"));
        const QString path = folder.filePath(QStringLiteral("%1_%2.jpg").arg(shape).arg(number));
        if (!QFileInfo::exists(path))
            QSKIP("sample pictures not installed");
        QImage reference;
        QVERIFY(reference.load(folder.filePath(shape + QStringLiteral("_1.jpg"))));

        ImageInfo info;
        info.setExifOrientation(VelmExifInfo(path).Orientation());
        QImage loaded;
        QVERIFY(loaded.load(path));
        const QImage shown = loaded.transformed(info.transform());
        QCOMPARE(shown.size(), reference.size());
        const QSize small(60, 60);
        QVERIFY(difference(shown.scaled(small), reference.scaled(small)) < 12.0);
    }

    void previews()
    {
        QImage wide(160, 60, QImage::Format_RGB32);
        wide.fill(Qt::red);
        const QImage thumb = ImageInfo::makeThumbnail(wide);
        QCOMPARE(thumb.size(), QSize(80, 60));
        QCOMPARE(thumb.format(), QImage::Format_ARGB32);
        QCOMPARE(thumb.pixel(40, 5), 0xFF808080u);  // above the 80 x 30 picture
        QCOMPARE(thumb.pixel(40, 54), 0xFF808080u); // below it
        QVERIFY(closeColour(thumb.pixel(40, 30), qRgb(255, 0, 0)));
        QVERIFY(closeColour(thumb.pixel(1, 16), qRgb(255, 0, 0)));

        // Turned a quarter, the strip stands upright: about 22 x 60 in the middle.
        const QImage turned = ImageInfo::makeRotatedThumbnail(wide);
        QCOMPARE(turned.size(), QSize(80, 60));
        QCOMPARE(turned.format(), QImage::Format_ARGB32);
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
