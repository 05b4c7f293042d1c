#include "platform/velmexif/velmexifinfo.h"
#include "support/testfiles.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <exiv2/exiv2.hpp>

#include <functional>

namespace {
QString makeJpeg(const QTemporaryDir& dir, const QString& name)
{
    const QString path = dir.filePath(name);
    QImage image(32, 24, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    image.save(path, "JPG", 90);
    return path;
}

void writeExif(const QString& path, const std::function<void(Exiv2::ExifData&)>& fill)
{
    auto image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
    image->readMetadata();
    Exiv2::ExifData data = image->exifData();
    fill(data);
    image->setExifData(data);
    image->writeMetadata();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QVERIFY(TestFiles::write(path, bytes));
}
} // namespace

class TestVelmExifInfo : public QObject
{
    Q_OBJECT

private slots:
    void cameraProperties()
    {
        QTemporaryDir dir;
        const QString path = makeJpeg(dir, QString("camera shot #1.jpg"));
        writeExif(path, [](Exiv2::ExifData& data) {
            data["Exif.Image.Orientation"] = uint16_t(6);
            data["Exif.Image.Make"] = std::string("Maker Co");
            data["Exif.Image.Model"] = std::string("Model 7");
            data["Exif.Photo.DateTimeOriginal"] = std::string("2021:07:04 12:30:00");
            data["Exif.Photo.ExposureTime"] = Exiv2::URational(1, 60);
            data["Exif.Photo.FNumber"] = Exiv2::URational(28, 10);
            data["Exif.Photo.ISOSpeedRatings"] = uint16_t(200);
            data["Exif.Photo.FocalLength"] = Exiv2::URational(50, 1);
            data["Exif.Image.Artist"] = std::string("Someone");
        });

        const VelmExifInfo info(path);
        QVERIFY(info.isReadable());
        QCOMPARE(info.Orientation(), 6);
        QCOMPARE(info.property(VelmExifInfo::DateTaken), QString("2021:07:04 12:30:00"));
        QCOMPARE(info.property(VelmExifInfo::Make), QString("Maker Co"));
        QCOMPARE(info.property(VelmExifInfo::Model), QString("Model 7"));
        QCOMPARE(info.property(VelmExifInfo::ExposureTime), QString("1/60 s"));
        QCOMPARE(info.property(VelmExifInfo::FNumber), QString("F2.8"));
        QCOMPARE(info.property(VelmExifInfo::IsoSpeed), QString("200"));
        QCOMPARE(info.property(VelmExifInfo::FocalLength), QString("50.0 mm"));
        QCOMPARE(info.property(VelmExifInfo::Artist), QString("Someone"));
        QCOMPARE(info.property(VelmExifInfo::Software), QString()); // absent tag
        QCOMPARE(info.property(-1), QString());
        QCOMPARE(info.property(16), QString());
    }

    void orientationOutsideTheTableIsUpright_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("8") << 8 << 8;
        QTest::newRow("0") << 0 << 1;
        QTest::newRow("9") << 9 << 1;
        QTest::newRow("large") << 65535 << 1;
    }

    void orientationOutsideTheTableIsUpright()
    {
        QFETCH(int, stored);
        QFETCH(int, expected);
        QTemporaryDir dir;
        const QString path = makeJpeg(dir, QString("o.jpg"));
        writeExif(path, [stored](Exiv2::ExifData& data) {
            data["Exif.Image.Orientation"] = uint16_t(stored);
        });
        QCOMPARE(VelmExifInfo(path).Orientation(), expected);
    }

    void badFilesAreQuiet_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << QString("missing");
        QTest::newRow("empty path") << QString("empty path");
        QTest::newRow("zero bytes") << QString("zero bytes");
        QTest::newRow("truncated jpeg") << QString("truncated jpeg");
        QTest::newRow("text named jpg") << QString("text named jpg");
        QTest::newRow("jpeg header only") << QString("jpeg header only");
        QTest::newRow("png without exif") << QString("png without exif");
        QTest::newRow("folder") << QString("folder");
    }

    void badFilesAreQuiet()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QString path = dir.filePath("bad.jpg");
        if (kind == QLatin1String("empty path")) {
            path.clear();
        } else if (kind == QLatin1String("zero bytes")) {
            writeBytes(path, QByteArray());
        } else if (kind == QLatin1String("truncated jpeg")) {
            const QString whole = makeJpeg(dir, QString("whole.jpg"));
            writeExif(whole, [](Exiv2::ExifData& data) {
                data["Exif.Image.Orientation"] = uint16_t(3);
                data["Exif.Image.Make"] = std::string("Maker Co");
            });
            QFile file(whole);
            QVERIFY(file.open(QIODevice::ReadOnly));
            writeBytes(path, file.read(40)); // cut inside the EXIF block
        } else if (kind == QLatin1String("text named jpg")) {
            writeBytes(path, "just some words, not a picture\n");
        } else if (kind == QLatin1String("jpeg header only")) {
            writeBytes(path, QByteArray::fromHex("ffd8ffe1ffff4578696600"));
        } else if (kind == QLatin1String("png without exif")) {
            path = dir.filePath("plain.png");
            QImage image(8, 8, QImage::Format_RGB32);
            image.fill(Qt::white);
            QVERIFY(image.save(path, "PNG"));
        } else if (kind == QLatin1String("folder")) {
            path = dir.path();
        }

        const VelmExifInfo info(path);
        QCOMPARE(info.Orientation(), 1);
        for (int index = 0; index < 16; ++index)
            QVERIFY(info.property(index).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestVelmExifInfo)
#include "tst_velmexifinfo.moc"
