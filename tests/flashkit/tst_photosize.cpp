// The published photos' pixel size at each photo size choice: made from the originals, turned
// as the working copies are, never enlarged; Standard re-encodes the working copies exactly as
// before and needs no original; a larger size whose original is gone fails with its name.
#include "common/imageinfo.h"
#include "common/workspace.h"
#include "flashkit/core/flashmokit.h"
#include "flashkit/core/jpegencoder.h"
#include "flashkit/core/kitentries.h"
#include "kittestenv.h"
#include "photos/core/imagereader.h"
#include "photos/core/photooperation.h"
#include "photos/photofixtures.h"
#include "support/testfiles.h"
#include "support/testimages.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QtTest>

class TestPhotoSize : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void publishedSize_data();
    void publishedSize();
    void withoutOriginal_data();
    void withoutOriginal();

private:
    // Imports a `size` JPEG original (EXIF `orientation`, then the user's `turns`), publishes
    // it in the folder profile at `choice`; the published photo's path, or empty.
    QString publish(const QString& name, const QSize& size, int orientation,
                    const QVector<qint32>& turns, int choice, bool dropOriginal);
    KitTestEnv env;
    QString movie;
    ImageInfo last;
    QString error;
    int round = 0;
};

void TestPhotoSize::initTestCase()
{
    QVERIFY(env.isValid());
    movie = env.makeTemplate(QStringLiteral("Magic Cube"));
}

QString TestPhotoSize::publish(const QString& name, const QSize& size, int orientation,
                               const QVector<qint32>& turns, int choice, bool dropOriginal)
{
    const QString originals = env.root() + QStringLiteral("/originals/");
    QDir().mkpath(originals);
    last = ImageInfo();
    last.path = originals + name;
    if (!PhotoFixtures::makeJpeg(last.path, size, orientation) || !ImageReader::readImageInfo(last))
        return QString();
    if (!turns.isEmpty()) {
        last.operations = turns + last.operations; // newest first
        if (!rebuildWorkingFiles(last))
            return QString();
    }
    if (dropOriginal)
        QFile::remove(last.path);
    FlashmoKit kit(env.appFolder());
    kit.addPhotos(photoEntriesFor({last}));
    kit.setTemplate(movie);
    kit.setPhotoQuality(85);
    kit.setPhotoSize(choice);
    const QString out = env.root() + QStringLiteral("/out%1/").arg(++round);
    if (!kit.publish(out, QStringLiteral("show"), 0))
        return QString();
    QElapsedTimer timer;
    timer.start();
    while (kit.isPublishing() && timer.elapsed() < 60000)
        QTest::qWait(5);
    error = kit.publishError();
    const QString published =
        out + QStringLiteral("photos/p_") + QFileInfo(workingCopyPath(last)).fileName();
    return QFileInfo::exists(published) ? published : QString();
}

void TestPhotoSize::publishedSize_data()
{
    QTest::addColumn<QSize>("original");
    QTest::addColumn<int>("orientation"); // EXIF
    QTest::addColumn<QVector<qint32>>("turns");
    QTest::addColumn<int>("choice");
    QTest::addColumn<QSize>("expected");

    const QSize landscape(2880, 2160);
    const QVector<qint32> none;
    QTest::newRow("landscape, standard") << landscape << 0 << none << 0 << QSize(720, 540);
    QTest::newRow("landscape, hd") << landscape << 0 << none << 1 << QSize(1440, 1080);
    QTest::newRow("landscape, full hd") << landscape << 0 << none << 2 << QSize(1920, 1440);
    QTest::newRow("portrait, full hd")
        << landscape.transposed() << 0 << none << 2 << QSize(1080, 1440);
    QTest::newRow("portrait, standard")
        << landscape.transposed() << 0 << none << 0 << QSize(405, 540);
    QTest::newRow("exif turned, hd") << landscape << 6 << none << 1 << QSize(810, 1080);
    QTest::newRow("exif turned and mirrored, full hd")
        << landscape << 5 << none << 2 << QSize(1080, 1440);
    QTest::newRow("user turned, full hd")
        << landscape << 0 << QVector<qint32>{TurnRight} << 2 << QSize(1080, 1440);
    QTest::newRow("exif and user turned, hd")
        << landscape << 6 << QVector<qint32>{TurnLeft, Mirror} << 1 << QSize(1440, 1080);
    QTest::newRow("small original, never enlarged")
        << QSize(1000, 750) << 0 << none << 2 << QSize(1000, 750);
}

void TestPhotoSize::publishedSize()
{
    QFETCH(QSize, original);
    QFETCH(int, orientation);
    QFETCH(QVector<qint32>, turns);
    QFETCH(int, choice);
    QFETCH(QSize, expected);

    const QString published = publish(QStringLiteral("photo%1.jpg").arg(round), original,
                                      orientation, turns, choice, false);
    QVERIFY2(!published.isEmpty(), qPrintable(error));
    const QImage picture(published);
    QCOMPARE(picture.size(), expected);
    // Turned as the working copy shows it: brought to the working copy's size, the two agree
    // (a wrong turn or mirror moves the red quarter and differs by far more).
    const QImage working(workingCopyPath(last));
    QVERIFY(!working.isNull());
    const double difference = TestFiles::meanDifference(
        picture.scaled(working.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation), working);
    QVERIFY2(difference < 12, qPrintable(QString::number(difference)));
    // The thumbnail stays the working thumbnail's size, whatever the photo's.
    const QFileInfo copy(workingCopyPath(last));
    const QImage thumbnail(QFileInfo(published).path() + QStringLiteral("/s_") +
                           QFileInfo(published).fileName());
    QCOMPARE(thumbnail.size(),
             QImage(copy.path() + QStringLiteral("/s_") + copy.fileName()).size());
}

void TestPhotoSize::withoutOriginal_data()
{
    QTest::addColumn<int>("choice");
    QTest::newRow("standard needs only the working copy") << 0;
    QTest::newRow("hd fails naming the original") << 1;
    QTest::newRow("full hd fails naming the original") << 2;
}

void TestPhotoSize::withoutOriginal()
{
    QFETCH(int, choice);
    const QString published =
        publish(QStringLiteral("gone%1.jpg").arg(round), QSize(2880, 2160), 0, {}, choice, true);
    if (choice == 0) {
        QVERIFY2(!published.isEmpty(), qPrintable(error));
        // Byte for byte what the publish always wrote: the working copy at the chosen quality.
        QImageReader working(workingCopyPath(last));
        QCOMPARE(TestFiles::read(published), JpegEncoder::encode(working.read(), 85));
        return;
    }
    QVERIFY(published.isEmpty());
    QVERIFY2(error.contains(QDir::toNativeSeparators(last.path)), qPrintable(error));
    QVERIFY2(error.contains(QStringLiteral("missing")), qPrintable(error));
}

QTEST_GUILESS_MAIN(TestPhotoSize)
#include "tst_photosize.moc"
