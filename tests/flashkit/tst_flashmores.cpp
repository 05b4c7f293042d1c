// Preview and publish builds of the workspace.
#include "flashkit/core/flashmokit.h"
#include "kittestenv.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
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
        return {QStringLiteral("unreadable")};
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

private:
    KitTestEnv env;
    QString movie;
};

void TestFlashmoRes::initTestCase()
{
    QVERIFY(env.isValid());
    movie = env.makeTemplate(QStringLiteral("Magic Cube"));
}

void TestFlashmoRes::previewWithPhotos()
{
    FlashmoKit kit(env.appFolder());
    const FlashKitPhoto a = env.makePhoto(QStringLiteral("a.jpg"), 1);
    const FlashKitPhoto b = env.makePhoto(QStringLiteral("b ü.jpg"), 2);
    FlashKitPhoto gone;
    gone.path = env.photos() + QStringLiteral("gone.jpg");
    QVERIFY(kit.addPhotos({a, b, gone}));
    QVERIFY(kit.setTemplate(movie));
    const QString copy = env.workspace() + QStringLiteral("/Magic Cube.swf");
    QFile::remove(copy);
    QVERIFY(kit.createPreviewResource());
    QCOMPARE(thumbnailsIn(kit.resources()),
             QStringList({"a.jpg:" + sizeOf(a.path), "b ü.jpg:" + sizeOf(b.path), "gone.jpg:0"}));
    QCOMPARE(kit.resources().photoList()[1].size, sizeOf(b.path));
    QCOMPARE(KitTestEnv::readAll(copy), KitTestEnv::readAll(env.templateFolder() + movie));

    // A second preview replaces a stale copy of the movie.
    QFile stale(copy);
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write("stale");
    stale.close();
    QVERIFY(kit.createPreviewResource());
    QCOMPARE(KitTestEnv::readAll(copy), KitTestEnv::readAll(env.templateFolder() + movie));
}

// With no photos the stand-in pictures are shown; they have to be where the template looks.
void TestFlashmoRes::previewWithSamples()
{
    FlashmoKit kit(env.appFolder());
    QVERIFY(kit.setTemplate(movie));
    QVERIFY(kit.createPreviewResource());
    QStringList expected;
    for (int i = 0; i < 3; ++i) {
        const QString name = QStringLiteral("image_%1.jpg").arg(i);
        QCOMPARE(KitTestEnv::readAll(env.photos() + name),
                 KitTestEnv::readAll(env.appFolder() + QStringLiteral("/Sample/") + name));
        QCOMPARE(QImageReader(env.photos() + QStringLiteral("s_") + name).size(), QSize(80, 60));
        expected << name + QLatin1Char(':') + sizeOf(env.photos() + name);
    }
    QCOMPARE(thumbnailsIn(kit.resources()), expected);
    QVERIFY(kit.resources().photoList().isEmpty());
}

// Each photo and its thumbnail come out as "p_" copies at the chosen quality, same pixels.
void TestFlashmoRes::publishReencodes()
{
    const FlashKitPhoto a = env.makePhoto(QStringLiteral("a.jpg"), 3);
    const QString picture = env.photos() + QStringLiteral("p_a.jpg");
    const QString thumbnail = env.photos() + QStringLiteral("s_p_a.jpg");
    qint64 sizes[2][2] = {};
    const int qualities[2] = {20, 95};
    for (int i = 0; i < 2; ++i) {
        FlashmoKit kit(env.appFolder());
        kit.addPhotos({a});
        kit.addMusic({env.makeMusic(QStringLiteral("song.mp3"), 1234)});
        kit.setTemplate(movie);
        kit.setPhotoQuality(qualities[i]);
        QVERIFY(kit.resources().createPublishResourse());

        const FlashKitPhoto& photo = kit.resources().photoList().first();
        QCOMPARE(photo.fileName, QStringLiteral("p_a.jpg"));
        QCOMPARE(photo.path, picture);
        QCOMPARE(thumbnailsIn(kit.resources()), QStringList({"p_a.jpg:" + sizeOf(picture)}));
        QCOMPARE(kit.resources().musicList()[0].size, QStringLiteral("1234"));
        QCOMPARE(QImage(picture).size(), QSize(720, 540));
        QCOMPARE(QImage(thumbnail).size(), QSize(80, 60));
        const double difference = KitTestEnv::meanDifference(QImage(a.path), QImage(picture));
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
            const QString name = QStringLiteral("p_image_%1.jpg").arg(i);
            QVERIFY(QFileInfo::exists(env.photos() + QStringLiteral("s_") + name));
            expected << name + QLatin1Char(':') + sizeOf(env.photos() + name);
        }
        QCOMPARE(thumbnailsIn(kit.resources()), expected);
    }
    QCOMPARE(kit.resources().sampleList().first().path,
             env.appFolder() + QStringLiteral("/Sample/image_0.jpg"));
}

void TestFlashmoRes::unwritableConfigurationIsLogged_data()
{
    QTest::addColumn<bool>("publish");
    QTest::addColumn<bool>("withPhotos");
    QTest::addColumn<QByteArray>("entry");

    QTest::newRow("preview photos")
        << false << true << QByteArray("(242): in FlashmoRes::createPreviewResource : ");
    QTest::newRow("preview samples")
        << false << false << QByteArray("(266): in FlashmoRes::createPreviewResource : ");
    QTest::newRow("publish photos")
        << true << true << QByteArray("(330): in FlashmoRes::createPublishResourse : ");
    QTest::newRow("publish samples")
        << true << false << QByteArray("(361): in FlashmoRes::createPublishResourse : ");
}

void TestFlashmoRes::unwritableConfigurationIsLogged()
{
    QFETCH(bool, publish);
    QFETCH(bool, withPhotos);
    QFETCH(QByteArray, entry);

    const QString logDir = env.root() + QStringLiteral("/log");
    QDir().mkpath(logDir);
    qputenv("TMPDIR", logDir.toLocal8Bit());
    const QString log = logDir + QLatin1Char('/') +
                        QFileInfo(QCoreApplication::applicationFilePath()).fileName() +
                        QStringLiteral(".1.log");
    QFile::remove(log);

    FlashmoKit kit(env.appFolder());
    if (withPhotos)
        kit.addPhotos({env.makePhoto(QStringLiteral("x.jpg"), 5)});
    kit.setTemplate(QStringLiteral("Readonly.swf"));
    // A configuration file named like an existing folder cannot be opened for writing.
    QDir().mkpath(env.workspace() + QStringLiteral("/Readonly.xml"));
    const bool result =
        publish ? kit.resources().createPublishResourse() : kit.createPreviewResource();
    qunsetenv("TMPDIR");
    QVERIFY(!result);
    const QList<QByteArray> lines = KitTestEnv::readAll(log).split('\n');
    QCOMPARE(lines.size(), 3);
    QVERIFY2(lines[0].startsWith(QByteArray(QByteArray("flashkit/FlashmoRes") + entry)),
             lines[0].constData());
    QCOMPARE(lines[1], QByteArray("FALSE"));
}

QTEST_MAIN(TestFlashmoRes)
#include "tst_flashmores.moc"
