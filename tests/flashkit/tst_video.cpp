// The slideshow published as an MP4 video: what the file holds (streams, length, pictures,
// sound) read back with FFmpeg's own programs, and that a cancelled or failed video leaves
// nothing behind.
#include "flashkit/core/flashmokit.h"
#include "flashkit/core/publishjob.h"
#include "flashkit/core/videojob.h"
#include "kittestenv.h"
#include "platform/velmexif/velmexifinfo.h"
#include "support/testmedia.h"
#include "support/videoprobe.h"

#include <QDir>
#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Red over blue, stored sideways with EXIF orientation 6: shown upright, blue is on the left.
bool makeSidewaysPhoto(const QString& path)
{
    QImage image(1600, 1200, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter(&image).fillRect(0, 0, 1600, 600, Qt::red);
    if (!image.save(path, "JPG", 95))
        return false;
    QProcess exiv2;
    exiv2.start("exiv2", {"-q", "-Mset Exif.Image.Orientation Short 6", path});
    return exiv2.waitForFinished(30000) && exiv2.exitCode() == 0;
}

ImageInfo photo(const QString& path)
{
    ImageInfo info;
    info.path = path;
    info.setExifOrientation(VelmExifInfo(path).Orientation());
    return info;
}

AudioInfo clip(const QString& path, double start, double end)
{
    AudioInfo info;
    info.filePath = path;
    info.startPoint = start;
    info.endPoint = end;
    info.fadeIn = info.fadeOut = 0;
    info.loop = 1;
    return info;
}

bool makeTone(const QString& path, int frequency, double seconds)
{
    return TestMedia::runFfmpeg(
        {"-f", "lavfi", "-i", QString("sine=frequency=%1:duration=%2").arg(frequency).arg(seconds),
         "-ac", "2", path});
}

} // namespace

class TestVideo : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void videoShowsPhotosAndPlaysMusic();
    void fitToMusic_data();
    void fitToMusic();
    void unfinishedVideoLeavesNothing_data();
    void unfinishedVideoLeavesNothing();

private:
    PublishJob::Outcome publish(PublishJob::Request request, bool cancelEarly, QString* path,
                                QString* reason);

    KitTestEnv env;
    QTemporaryDir media;
    QList<ImageInfo> photos;
    QList<AudioInfo> clips;
};

void TestVideo::initTestCase()
{
    QVERIFY(env.isValid());
    // The program finds its tools on PATH, the application folder first.
    qputenv("PATH", QByteArray(LUMARO_TEST_APP_DIR) + ':' + qgetenv("PATH"));
    const QString red = media.filePath("red.jpg"), green = media.filePath("green.jpg");
    QImage image(1600, 1200, QImage::Format_RGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(red, "JPG", 95));
    // Smaller than the frame: shown at its own size, not enlarged.
    QImage small(400, 300, QImage::Format_RGB32);
    small.fill(Qt::green);
    QVERIFY(small.save(green, "JPG", 95));
    QVERIFY(makeSidewaysPhoto(media.filePath("turned.jpg")));
    photos = {photo(red), photo(green), photo(media.filePath("turned.jpg"))};
    QCOMPARE(photos.last().exifRotation, 90);
    QVERIFY(makeTone(media.filePath("low.wav"), 440, 4));
    QVERIFY(makeTone(media.filePath("high.mp3"), 880, 5));
    clips = {clip(media.filePath("low.wav"), 0.5, 3.5), clip(media.filePath("high.mp3"), 1, 4)};
}

PublishJob::Outcome TestVideo::publish(PublishJob::Request request, bool cancelEarly, QString* path,
                                       QString* reason)
{
    FlashmoKit kit(env.appFolder());
    PublishJob job(&kit);
    QSignalSpy ended(&job, &PublishJob::ended);
    request.profile = PublishJob::VideoProfile;
    request.name = "Trip";
    if (cancelEarly) {
        // Once the encoder runs, where a half-written file could be left.
        connect(&job, &PublishJob::progress, &job, [&job](PublishJob::Stage, int percent) {
            if (percent > 12)
                job.cancel();
        });
    }
    job.start(request);
    if (ended.isEmpty() && !ended.wait(180000))
        return PublishJob::Outcome::NotStarted;
    *path = job.publishedPath();
    *reason = ended.first().at(1).toString();
    return ended.first().first().value<PublishJob::Outcome>();
}

// 3 photos of 3 s at 720p; 6 s of music looped, so it is cut at 9 s and fades out over 2 s.
void TestVideo::videoShowsPhotosAndPlaysMusic()
{
    QTemporaryDir out;
    PublishJob::Request request;
    request.originals = photos;
    request.clips = clips;
    request.videoHeight = 720;
    request.secondsPerPhoto = 3;
    request.folder = out.path();
    QString path, reason;
    QVERIFY2(publish(request, false, &path, &reason) == PublishJob::Outcome::Succeeded,
             qPrintable(reason));
    QCOMPARE(path, out.filePath("Trip.mp4"));

    const QMap<QString, QString> facts = VideoProbe::streams(path);
    QCOMPARE(facts.value("video.codec_name"), QString("h264"));
    QCOMPARE(facts.value("video.pix_fmt"), QString("yuv420p"));
    QCOMPARE(facts.value("video.width"), QString("1280"));
    QCOMPARE(facts.value("video.height"), QString("720"));
    QCOMPARE(facts.value("video.r_frame_rate"), QString("30/1"));
    QCOMPARE(facts.value("audio.codec_name"), QString("aac"));
    QCOMPARE(facts.value("audio.channels"), QString("2"));
    QVERIFY2(qAbs(facts.value("format.duration").toDouble() - 9.0) <= 1.0 / 30,
             qPrintable(facts.value("format.duration")));
    // The index before the data, so a page plays while the file still arrives.
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray head = file.read(4096);
    QVERIFY(head.contains("moov"));

    struct Spot
    {
        double seconds;
        int x;
        QColor colour;
        int y = 360;
    };
    const QList<Spot> spots = {
        {1.5, 640, Qt::red},
        {1.5, 60, QColor(16, 16, 16)}, // the background beside it
        {4.5, 640, Qt::green},
        {4.5, 640 - 260, QColor(16, 16, 16)}, // not enlarged
        {7.5, 640 - 120, Qt::blue},
        {7.5, 640 + 120, Qt::red},            // turned upright
        {7.5, 640 - 330, QColor(16, 16, 16)}, // portrait: narrower than the frame
    };
    for (const Spot& spot : spots) {
        const QImage frame = VideoProbe::frameAt(path, spot.seconds, 1280, 720);
        QVERIFY(!frame.isNull());
        const QColor seen = frame.pixelColor(spot.x, spot.y);
        QVERIFY2(
            VideoProbe::near(seen, spot.colour),
            qPrintable(QString("%1 s, x %2: %3").arg(spot.seconds).arg(spot.x).arg(seen.name())));
    }

    const QVector<int16_t> sound = VideoProbe::sound(path);
    const QList<QPair<double, double>> tones = {{0.5, 440}, {3.5, 880}, {6.2, 440}};
    for (const auto& [at, hz] : tones) {
        const double measured = VideoProbe::pitch(sound, at, at + 0.5);
        QVERIFY2(qAbs(measured - hz) < hz * 0.05, qPrintable(QString::number(measured)));
    }
    const double full = VideoProbe::loudness(sound, 6.2, 6.8);
    const double half = VideoProbe::loudness(sound, 7.9, 8.1);
    const double last = VideoProbe::loudness(sound, 8.85, 8.95);
    QVERIFY2(half > full * 0.35 && half < full * 0.65, qPrintable(QString::number(half / full)));
    QVERIFY2(last < full * 0.1, qPrintable(QString::number(last / full)));
}

void TestVideo::fitToMusic_data()
{
    QTest::addColumn<int>("setting");
    QTest::addColumn<int>("photos");
    QTest::addColumn<double>("music");
    QTest::addColumn<double>("seconds");
    QTest::newRow("chosen time") << 6 << 10 << 100.0 << 6.0;
    QTest::newRow("chosen time ignores the music") << 2 << 3 << 0.0 << 2.0;
    QTest::newRow("shared out") << 0 << 10 << 45.0 << 4.5;
    QTest::newRow("one photo takes it all") << 0 << 1 << 187.5 << 187.5;
    QTest::newRow("many photos, short music: a floor") << 0 << 100 << 30.0 << 1.0;
    QTest::newRow("no music: the default") << 0 << 5 << 0.0 << 4.0;
    QTest::newRow("no photos") << 0 << 0 << 30.0 << 4.0;
}

void TestVideo::fitToMusic()
{
    QFETCH(int, setting);
    QFETCH(int, photos);
    QFETCH(double, music);
    QFETCH(double, seconds);
    QCOMPARE(VideoJob::photoSeconds(setting, photos, music), seconds);
    // The music's length is the clips' ranges added up.
    QCOMPARE(VideoJob::musicSeconds(clips), 6.0);
}

void TestVideo::unfinishedVideoLeavesNothing_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<bool>("missingPhoto");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("named");
    QTest::newRow("cancelled while encoding")
        << true << false << int(PublishJob::Outcome::Cancelled) << QString();
    QTest::newRow("an original is gone")
        << false << true << int(PublishJob::Outcome::RunFailed) << QString("gone.jpg");
}

void TestVideo::unfinishedVideoLeavesNothing()
{
    QFETCH(bool, cancel);
    QFETCH(bool, missingPhoto);
    QFETCH(int, outcome);
    QFETCH(QString, named);
    QTemporaryDir out;
    PublishJob::Request request;
    request.originals = photos;
    if (missingPhoto)
        request.originals.insert(1, photo(media.filePath("gone.jpg")));
    request.clips = clips;
    request.videoHeight = 1080;
    request.secondsPerPhoto = 10;
    request.folder = out.path();
    QString path, reason;
    QCOMPARE(int(publish(request, cancel, &path, &reason)), outcome);
    QVERIFY2(reason.contains(named), qPrintable(reason));
    QCOMPARE(QDir(out.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
}

QTEST_GUILESS_MAIN(TestVideo)
#include "tst_video.moc"
