// Preview and publish builds of the workspace.
#include "flashkit/core/flashmokit.h"
#include "flashkit/core/jpegencoder.h"
#include "kittestenv.h"
#include "support/testimages.h"

#include <QBuffer>
#include <QColorSpace>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QTest>

namespace {
QString sizeOf(const QString& path)
{
    return QString::number(QFileInfo(path).size());
}

// "name:size" for each thumbnail of the configuration file, in order.
QStringList thumbnailsIn(FlashmoRes& res)
{
    PublishPlan plan;
    if (!res.readPlayData(plan))
        return {QString("unreadable")};
    QStringList list;
    for (const PlayDataEntry& e : plan.photos)
        list << e.fileName + QLatin1Char(':') + QString::number(e.size);
    return list;
}
} // namespace

class TestFlashmoRes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void previewWithPhotos();
    void previewWithSamples();
    void publishReencodes();
    void publishWithSamplesTwice();
    void unwritableConfigurationIsLogged_data();
    void unwritableConfigurationIsLogged();
    void missingTemplateMovieFailsThePreview();
    void encoderWritesWhatQtWrites_data();
    void encoderWritesWhatQtWrites();

private:
    KitTestEnv env;
    QString movie;
};

void TestFlashmoRes::initTestCase()
{
    QVERIFY(env.isValid());
    movie = env.makeTemplate(QString("Magic Cube"));
}

void TestFlashmoRes::previewWithPhotos()
{
    FlashmoKit kit(env.appFolder());
    const FlashKitPhoto a = env.makePhoto(QString("a.jpg"), 1);
    const FlashKitPhoto b = env.makePhoto(QString("b ü.jpg"), 2);
    FlashKitPhoto gone;
    gone.path = env.photos() + QString("gone.jpg");
    QVERIFY(kit.addPhotos({a, b, gone}));
    QVERIFY(kit.setTemplate(movie));
    const QString copy = env.workspace() + QString("/Magic Cube.swf");
    QFile::remove(copy);
    QVERIFY(kit.createPreviewResource());
    QCOMPARE(thumbnailsIn(kit.resources()),
             QStringList({"a.jpg:" + sizeOf(a.path), "b ü.jpg:" + sizeOf(b.path), "gone.jpg:0"}));
    QCOMPARE(kit.resources().photoList()[1].size, sizeOf(b.path));
    QCOMPARE(TestFiles::read(copy), TestFiles::read(env.templateFolder() + movie));

    // A second preview replaces a stale copy of the movie.
    QFile stale(copy);
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write("stale");
    stale.close();
    QVERIFY(kit.createPreviewResource());
    QCOMPARE(TestFiles::read(copy), TestFiles::read(env.templateFolder() + movie));
}

// With no photos the stand-in pictures are shown; they have to be where the template looks.
void TestFlashmoRes::previewWithSamples()
{
    FlashmoKit kit(env.appFolder());
    QVERIFY(kit.setTemplate(movie));
    QVERIFY(kit.createPreviewResource());
    QStringList expected;
    for (int i = 0; i < 3; ++i) {
        const QString name = QString("image_%1.jpg").arg(i);
        QCOMPARE(TestFiles::read(env.photos() + name),
                 TestFiles::read(env.appFolder() + QString("/Sample/") + name));
        QCOMPARE(QImageReader(env.photos() + QString("s_") + name).size(), QSize(80, 60));
        expected << name + QLatin1Char(':') + sizeOf(env.photos() + name);
    }
    QCOMPARE(thumbnailsIn(kit.resources()), expected);
    QVERIFY(kit.resources().photoList().isEmpty());
}

// Each photo and its thumbnail come out as "p_" copies at the chosen quality, same pixels.
void TestFlashmoRes::publishReencodes()
{
    const FlashKitPhoto a = env.makePhoto(QString("a.jpg"), 3);
    const QString picture = env.photos() + QString("p_a.jpg");
    const QString thumbnail = env.photos() + QString("s_p_a.jpg");
    qint64 sizes[2][2] = {};
    const int qualities[2] = {20, 95};
    for (int i = 0; i < 2; ++i) {
        FlashmoKit kit(env.appFolder());
        kit.addPhotos({a});
        kit.addMusic({env.makeMusic(QString("song.mp3"), 1234)});
        kit.setTemplate(movie);
        kit.setPhotoQuality(qualities[i]);
        QVERIFY(kit.resources().createPublishResourse());

        const FlashKitPhoto& photo = kit.resources().photoList().first();
        QCOMPARE(photo.fileName, QString("p_a.jpg"));
        QCOMPARE(photo.path, picture);
        QCOMPARE(thumbnailsIn(kit.resources()), QStringList({"p_a.jpg:" + sizeOf(picture)}));
        QCOMPARE(kit.resources().musicList()[0].size, QString("1234"));
        QCOMPARE(QImage(picture).size(), QSize(720, 540));
        QCOMPARE(QImage(thumbnail).size(), QSize(80, 60));
        const double difference = TestFiles::meanDifference(QImage(a.path), QImage(picture));
        QVERIFY2(difference < 12, qPrintable(QString::number(difference)));
        QVERIFY(QFileInfo::exists(env.workspace() + QLatin1Char('/') + movie));
        sizes[i][0] = QFileInfo(picture).size();
        sizes[i][1] = QFileInfo(thumbnail).size();
    }
    QVERIFY2(sizes[0][0] * 2 < sizes[1][0], qPrintable(QString::number(sizes[0][0])));
    QVERIFY(sizes[0][1] < sizes[1][1]);
}

// The stand-in list is not rewritten by a publish: the second one names the same files.
void TestFlashmoRes::publishWithSamplesTwice()
{
    FlashmoKit kit(env.appFolder());
    kit.setTemplate(movie);
    for (int round = 0; round < 2; ++round) {
        QVERIFY(kit.resources().createPublishResourse());
        QStringList expected;
        for (int i = 0; i < 3; ++i) {
            const QString name = QString("p_image_%1.jpg").arg(i);
            QVERIFY(QFileInfo::exists(env.photos() + QString("s_") + name));
            expected << name + QLatin1Char(':') + sizeOf(env.photos() + name);
        }
        QCOMPARE(thumbnailsIn(kit.resources()), expected);
    }
    QCOMPARE(kit.resources().sampleList().first().path,
             env.appFolder() + QString("/Sample/image_0.jpg"));
}

void TestFlashmoRes::unwritableConfigurationIsLogged_data()
{
    QTest::addColumn<bool>("publish");
    QTest::addColumn<bool>("withPhotos");
    QTest::addColumn<QByteArray>("function");

    QTest::newRow("preview photos") << false << true << QByteArray("createPreviewResource");
    QTest::newRow("preview samples") << false << false << QByteArray("createPreviewResource");
    QTest::newRow("publish photos") << true << true << QByteArray("createPublishResourse");
    QTest::newRow("publish samples") << true << false << QByteArray("createPublishResourse");
}

void TestFlashmoRes::unwritableConfigurationIsLogged()
{
    QFETCH(bool, publish);
    QFETCH(bool, withPhotos);
    QFETCH(QByteArray, function);

    const QString logDir = env.root() + QString("/log");
    QDir().mkpath(logDir);
    qputenv("TMPDIR", logDir.toLocal8Bit());
    const QString log = TestFiles::logPath();
    QFile::remove(log);

    FlashmoKit kit(env.appFolder());
    if (withPhotos)
        kit.addPhotos({env.makePhoto(QString("x.jpg"), 5)});
    kit.setTemplate(QString("Readonly.swf"));
    // A configuration file named like an existing folder cannot be opened for writing.
    QDir().mkpath(env.workspace() + QString("/Readonly.xml"));
    const bool result =
        publish ? kit.resources().createPublishResourse() : kit.createPreviewResource();
    qunsetenv("TMPDIR");
    QVERIFY(!result);
    const QList<QByteArray> lines = TestFiles::read(log).split('\n');
    QCOMPARE(lines.size(), 3);
    QVERIFY2(lines[0].startsWith("flashkit/core/flashmoresbuild.cpp(") &&
                 lines[0].contains(QByteArray("): in FlashmoRes::" + function + " : ")),
             lines[0].constData());
    QCOMPARE(lines[1], QByteArray("FALSE"));
}

// Without its movie the preview shows nothing: the build says so and leaves a trace.
void TestFlashmoRes::missingTemplateMovieFailsThePreview()
{
    const QString logDir = env.root() + QString("/log-movie");
    QDir().mkpath(logDir);
    qputenv("TMPDIR", logDir.toLocal8Bit());
    const QString log = TestFiles::logPath();
    QFile::remove(log);

    FlashmoKit kit(env.appFolder());
    kit.addPhotos({env.makePhoto(QString("m.jpg"), 6)});
    kit.setTemplate(QString("Not Installed.swf"));
    const bool result = kit.createPreviewResource();
    qunsetenv("TMPDIR");
    QVERIFY(!result);
    QVERIFY(!QFileInfo::exists(env.workspace() + QString("/Not Installed.swf")));
    const QList<QByteArray> lines = TestFiles::read(log).split('\n');
    QCOMPARE(lines.size(), 3);
    QVERIFY2(lines[0].contains("): in FlashmoRes::createPreviewResource : "), lines[0].constData());
    QCOMPARE(lines[1], QByteArray("FALSE"));
}

// The publish encodes its photos itself: the files must be the very ones Qt's JPEG writer made
// before, whatever the picture carries.
void TestFlashmoRes::encoderWritesWhatQtWrites_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("quality");
    QTest::addColumn<int>("dotsPerMeter");
    QTest::addColumn<QString>("extra"); // "icc", "text" or nothing
    const int rgb = QImage::Format_RGB32;
    QTest::newRow("photo") << QSize(720, 540) << rgb << 85 << 3780 << QString();
    QTest::newRow("lowest quality") << QSize(720, 540) << rgb << 0 << 3780 << QString();
    QTest::newRow("highest quality") << QSize(80, 60) << rgb << 100 << 3780 << QString();
    QTest::newRow("odd size, 300 dpi") << QSize(13, 7) << rgb << 70 << 11811 << QString();
    QTest::newRow("with transparency")
        << QSize(64, 48) << int(QImage::Format_ARGB32) << 85 << 3780 << QString();
    QTest::newRow("grey") << QSize(64, 48) << int(QImage::Format_Grayscale8) << 85 << 3780
                          << QString();
    QTest::newRow("colour profile") << QSize(64, 48) << rgb << 85 << 3780 << QString("icc");
    QTest::newRow("description") << QSize(64, 48) << rgb << 85 << 3780 << QString("text");
}

void TestFlashmoRes::encoderWritesWhatQtWrites()
{
    QFETCH(QSize, size);
    QFETCH(int, format);
    QFETCH(int, quality);
    QFETCH(int, dotsPerMeter);
    QFETCH(QString, extra);
    QImage picture = KitTestEnv::testPicture(size.width(), size.height(), quality + 1)
                         .convertToFormat(QImage::Format(format));
    picture.setDotsPerMeterX(dotsPerMeter);
    picture.setDotsPerMeterY(dotsPerMeter);
    if (extra == QLatin1String("icc"))
        picture.setColorSpace(QColorSpace(QColorSpace::AdobeRgb));
    if (extra == QLatin1String("text"))
        picture.setText(QString("Description"), QString("a day at the sea"));
    QByteArray expected;
    QBuffer buffer(&expected);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    QVERIFY(writer.write(picture));
    const QByteArray encoded = JpegEncoder::encode(picture, quality);
    QCOMPARE(encoded.size(), expected.size());
    QVERIFY(encoded == expected);
}

QTEST_MAIN(TestFlashmoRes)
#include "tst_flashmores.moc"
