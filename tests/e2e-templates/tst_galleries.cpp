// Whole-program check of the gallery templates: for every template and every publish profile a
// slideshow of three photos of known colours and one MP3 is published by the real kit, then
// played in headless Chromium with Ruffle. The movie's reports to the page must show the photos
// loaded and the music playing with its fade-in; screenshots must show the three colours, and a
// click on a photo must open it large. One slideshow carries its photos at the largest size,
// made from large originals: the movie must fit them where the small ones go.
#include "flashkit/core/flashmokit.h"
#include "platform/velfc/core/velpref.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The largest photo size choice, and the pixels its photos get from the 4:3 originals here.
constexpr int LargestSize = 2;
const QSize LargestPixels(1920, 1440);

const QStringList templateNames = {
    QStringLiteral("Time Corridor"), QStringLiteral("3D Grid"),
    QStringLiteral("Magic Cube"),    QStringLiteral("Pinwheel"),
    QStringLiteral("Photo Wall"),    QStringLiteral("Carousel"),
    QStringLiteral("Spread"),        QStringLiteral("Wonderful Moment"),
    QStringLiteral("FishEye")};

enum Hue
{
    Red,
    Green,
    Blue,
    Other
};

// Pure photo colours survive JPEG, and the galleries' dimming of far photos, in these bounds.
Hue hueOf(QRgb c)
{
    const int r = qRed(c), g = qGreen(c), b = qBlue(c);
    if (r > 90 && g < 70 && b < 70)
        return Red;
    if (g > 90 && r < 70 && b < 70)
        return Green;
    if (b > 90 && r < 70 && g < 70)
        return Blue;
    return Other;
}

QVector<int> hueCounts(const QImage& img, const QRect& area)
{
    QVector<int> n(4, 0);
    const QRect r = area.intersected(img.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ++n[hueOf(img.pixel(x, y))];
    return n;
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

struct BrokenCase
{
    const char* name;
    QString config;
    const char* state;
    int loaded;
    int failed;
    const char* until = nullptr; // by default: until the photos and clips are settled
};

// Configurations a person may end up with by hand: the movie must keep going.
QList<BrokenCase> brokenCases()
{
    const QString head = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<playdata>\n");
    const QString music = QStringLiteral(
        "    <backgroundmusic filename=\"gone.mp3\" size=\"10\" fadein=\"0\" fadeout=\"0\" "
        "time=\"1000\" loop=\"1\" starttime=\"0\" endtime=\"1000\"/>\n");
    const QString red =
        QStringLiteral("        <thumbnail filename=\"red photo.jpg\" target=\"_parent\" "
                       "title=\"Photo No. 1\" size=\"1\"/>\n");
    const QString gone =
        QStringLiteral("        <thumbnail filename=\"gone.jpg\" target=\"_parent\" "
                       "title=\"Photo No. 1\" size=\"1\"/>\n");
    const QString open = QStringLiteral("    <thumbnails>\n"),
                  close = QStringLiteral("    </thumbnails>\n</playdata>\n");
    QString crlf = head + open + red + close;
    crlf.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return {
        {"missing photo and music", head + music + open + red + gone + close, "ready", 1, 1},
        {"CR LF lines", crlf, "ready", 1, 0},
        {"no photos", head + music + QStringLiteral("    <thumbnails/>\n</playdata>\n"), "empty", 0,
         0},
        {"not a configuration", QStringLiteral("<html>oops</html>"), "error: not a playdata file",
         0, 0},
        // A 1.5 s clip marked to loop starts over once it reaches its end time.
        {"looping clip",
         head +
             QStringLiteral("    <backgroundmusic filename=\"tone 440.mp3\" size=\"1\" "
                            "fadein=\"0\" fadeout=\"1\" "
                            "time=\"20000\" loop=\"1\" starttime=\"500\" endtime=\"2000\"/>\n") +
             open + red + close,
         "ready", 1, 0, "s.loaded>=1 && s.music && s.music.round>=2 && s.music.playing"}};
}

} // namespace

class TstGalleries : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void publishAndPlay_data();
    void publishAndPlay();
    void copesWithBrokenInput_data();
    void copesWithBrokenInput();

private:
    void prepareMedia();
    QJsonObject publishCase(const QString& name, int profile, int photoSize = 0);
    QJsonObject brokenCase(int index);
    void playAll();

    QTemporaryDir dir;
    QString node;
    QString chromium;
    QString workspace;
    QList<FlashKitPhoto> photos;
    FlashKitAudio clip;
    QJsonArray cases;
    QHash<QString, QJsonObject> results;
    QHash<QString, QStringList> published;
};

void TstGalleries::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    node = QStandardPaths::findExecutable(QStringLiteral("node"));
    chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    if (node.isEmpty() || chromium.isEmpty() || ffmpeg.isEmpty())
        QSKIP("node, chromium and ffmpeg are needed to play published slideshows");
    QVERIFY(QFile::exists(QStringLiteral(LUMARO_TEST_APP_DIR "/ruffle/ruffle.js")));
    QVERIFY(QFile::exists(QStringLiteral(LUMARO_TEST_APP_DIR "/template/version1/Carousel.swf")));
    QVERIFY(dir.isValid());
    prepareMedia();
    if (QTest::currentTestFailed())
        return;
    // Publish everything first, then play it all in one Chromium: starting Chromium and Ruffle
    // once instead of per slideshow keeps the whole check short.
    for (const QString& name : templateNames)
        for (int profile = 0; profile < 3; ++profile)
            cases.append(publishCase(name, profile));
    cases.append(publishCase(QStringLiteral("Magic Cube"), 0, LargestSize));
    for (int i = 0; i < brokenCases().size(); ++i)
        cases.append(brokenCase(i));
    playAll();
}

void TstGalleries::prepareMedia()
{
    const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    workspace = dir.path() + QStringLiteral("/ws/");
    VelPref::instance()->open(dir.path() + QStringLiteral("/lumaro.ini"));
    VelPref::instance()->setValue(QLatin1String(PrefKey::Temporary),
                                  QString(dir.path() + QStringLiteral("/ws")));
    QVERIFY(QDir().mkpath(workspace + QStringLiteral("photos")));
    QVERIFY(QDir().mkpath(workspace + QStringLiteral("background music")));

    // Working copies and thumbnails as the import leaves them; odd names on purpose.
    const QList<QPair<QString, QColor>> made = {{QStringLiteral("red photo.jpg"), Qt::red},
                                                {QStringLiteral("grün.jpg"), Qt::green},
                                                {QStringLiteral("blue.jpg"), Qt::blue}};
    for (const auto& [name, colour] : made) {
        QImage img(720, 540, QImage::Format_RGB32);
        img.fill(colour);
        QVERIFY(img.save(workspace + QStringLiteral("photos/") + name, "JPG", 95));
        QVERIFY(img.scaled(80, 60).save(workspace + QStringLiteral("photos/s_") + name, "JPG", 95));
        FlashKitPhoto p;
        p.path = workspace + QStringLiteral("photos/") + name;
        p.original = dir.path() + QStringLiteral("/original ") + name;
        QVERIFY(img.scaled(2880, 2160).save(p.original, "JPG", 90));
        photos << p;
    }
    clip.path = workspace + QStringLiteral("background music/tone 440.mp3");
    QProcess ff;
    ff.start(ffmpeg, {QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-y"),
                      QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                      QStringLiteral("sine=frequency=440:duration=20"), QStringLiteral("-ar"),
                      QStringLiteral("44100"), QStringLiteral("-codec:a"),
                      QStringLiteral("libmp3lame"), clip.path});
    QVERIFY(ff.waitForFinished(30000));
    QVERIFY(QFile::exists(clip.path));
    clip.fadeIn = QStringLiteral("1");
    clip.fadeOut = QStringLiteral("1");
    clip.loop = QStringLiteral("1");
    clip.time = QStringLiteral("20000");
    clip.startTime = QStringLiteral("1000");
    clip.endTime = QStringLiteral("15000");
}

QJsonObject TstGalleries::publishCase(const QString& name, int profile, int photoSize)
{
    const QString key = name + QString::number(profile) + (photoSize ? QStringLiteral("L") : "");
    const QString out = dir.path() + QStringLiteral("/out/") + key + QLatin1Char('/');
    FlashmoKit kit(QStringLiteral(LUMARO_TEST_APP_DIR));
    kit.addPhotos(photos);
    kit.addMusic({clip});
    kit.setTemplate(name + QStringLiteral(".swf"));
    kit.setPhotoSize(photoSize);
    if (kit.publish(out, QStringLiteral("My Show"), profile)) {
        QElapsedTimer t;
        t.start();
        while ((kit.publishProgress() < 100 || kit.isPublishing()) && t.elapsed() < 30000)
            QTest::qWait(20);
    }
    published.insert(key, entries(out));
    QJsonObject c;
    c[QLatin1String("key")] = key;
    c[QLatin1String("root")] = out;
    c[QLatin1String("page")] =
        profile == 2 ? QStringLiteral("My Show.html") : QStringLiteral("host.html");
    if (profile != 2)
        c[QLatin1String("swf")] = QStringLiteral("My Show.swf");
    c[QLatin1String("until")] =
        QStringLiteral("s.state=='ready' && s.loaded>=3 && s.music && s.music.playing && "
                       "s.music.position>1500");
    c[QLatin1String("shot")] = QString(dir.path() + QStringLiteral("/shots/") + key);
    c[QLatin1String("shots")] = 3;
    c[QLatin1String("click")] = true;
    return c;
}

QJsonObject TstGalleries::brokenCase(int index)
{
    const BrokenCase b = brokenCases().at(index);
    const QString out = dir.path() + QStringLiteral("/broken%1/").arg(index);
    QDir().mkpath(out + QStringLiteral("photos"));
    QFile::copy(QStringLiteral(LUMARO_TEST_APP_DIR "/template/version1/Spread.swf"),
                out + QStringLiteral("Spread.swf"));
    QFile::copy(workspace + QStringLiteral("photos/red photo.jpg"),
                out + QStringLiteral("photos/red photo.jpg"));
    QDir().mkpath(out + QStringLiteral("background music"));
    QFile::copy(clip.path, out + QStringLiteral("background music/tone 440.mp3"));
    QFile xml(out + QStringLiteral("Spread.xml"));
    if (xml.open(QIODevice::WriteOnly))
        xml.write(b.config.toUtf8());
    QJsonObject c;
    c[QLatin1String("key")] = QLatin1String(b.name);
    c[QLatin1String("root")] = out;
    c[QLatin1String("page")] = QStringLiteral("host.html");
    c[QLatin1String("swf")] = QStringLiteral("Spread.swf");
    c[QLatin1String("until")] =
        b.until ? QString::fromLatin1(b.until)
                : QStringLiteral("s.state && s.state!='loading' && s.loaded+s.failed>=s.photos && "
                                 "s.music && s.music.failed>=s.music.clips");
    return c;
}

void TstGalleries::playAll()
{
    QDir().mkpath(dir.path() + QStringLiteral("/shots"));
    QFile list(dir.path() + QStringLiteral("/cases.json"));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write(QJsonDocument(cases).toJson());
    list.close();
    QProcess p;
    p.start(node, {QStringLiteral(LUMARO_SOURCE_DIR "/tests/e2e-templates/drive.js"),
                   QStringLiteral("--ruffle"), QStringLiteral(LUMARO_TEST_APP_DIR "/ruffle"),
                   QStringLiteral("--chromium"), chromium, QStringLiteral("--timeout"),
                   QStringLiteral("20000"), QStringLiteral("--cases"), list.fileName()});
    QVERIFY(p.waitForStarted());
    if (!p.waitForFinished(480000)) {
        p.kill();
        p.waitForFinished();
    }
    const QJsonArray out = QJsonDocument::fromJson(p.readAllStandardOutput()).array();
    for (int i = 0; i < out.size() && i < cases.size(); ++i)
        results.insert(cases[i].toObject().value(QLatin1String("key")).toString(),
                       out[i].toObject());
}

void TstGalleries::publishAndPlay_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("profile");
    QTest::addColumn<int>("photoSize");
    for (const QString& name : templateNames)
        for (int profile = 0; profile < 3; ++profile)
            QTest::addRow("%s/%d", qPrintable(name), profile) << name << profile << 0;
    QTest::addRow("Magic Cube/0/largest photos")
        << QStringLiteral("Magic Cube") << 0 << LargestSize;
}

void TstGalleries::publishAndPlay()
{
    QFETCH(QString, name);
    QFETCH(int, profile);
    QFETCH(int, photoSize);
    const QString key = name + QString::number(profile) + (photoSize ? QStringLiteral("L") : "");

    // The self-contained movie has nothing beside it (the page at most).
    QStringList expected = {QStringLiteral("My Show.swf")};
    if (profile == 0)
        expected = {name + QStringLiteral(".xml"), QStringLiteral("My Show.swf"),
                    QStringLiteral("background music"), QStringLiteral("photos")};
    else if (profile == 2)
        expected = {QStringLiteral("My Show.html"), QStringLiteral("My Show.swf")};
    expected.sort();
    QCOMPARE(published.value(key), expected);

    const QString shots = dir.path() + QStringLiteral("/shots/") + key;
    const QJsonObject r = results.value(key);
    const QJsonObject last = r.value(QLatin1String("last")).toObject();
    QVERIFY2(r.value(QLatin1String("ok")).toBool(),
             qPrintable(r.value(QLatin1String("error")).toString() + QLatin1Char(' ') +
                        QString::fromUtf8(QJsonDocument(last).toJson(QJsonDocument::Compact))));
    QCOMPARE(last.value(QLatin1String("template")).toString(), name);
    QCOMPARE(last.value(QLatin1String("mode")).toString(),
             profile == 0 ? QStringLiteral("folder") : QStringLiteral("bundle"));
    QCOMPARE(last.value(QLatin1String("photos")).toInt(), 3);
    QCOMPARE(last.value(QLatin1String("failed")).toInt(), 0);
    const QJsonObject music = last.value(QLatin1String("music")).toObject();
    QCOMPARE(music.value(QLatin1String("clips")).toInt(), 1);
    QCOMPARE(music.value(QLatin1String("failed")).toInt(), 0);
    // The clip runs from 1 s to 15 s, fading in over 5 s and out over 8 s.
    const double position = music.value(QLatin1String("position")).toDouble();
    const double volume = music.value(QLatin1String("volume")).toDouble();
    const double want = qBound(0.0, qMin((position - 1000) / 5000, (15000 - position) / 8000), 1.0);
    QVERIFY2(qAbs(volume - want) < 0.15,
             qPrintable(QStringLiteral("volume %1 at %2 ms").arg(volume).arg(position)));

    // Every photo shows up on the stage in at least one of the screenshots.
    QVector<int> seen(4, 0);
    for (int k = 0; k < 3; ++k) {
        const QImage shot(shots + QStringLiteral("-%1.png").arg(k));
        QVERIFY(!shot.isNull());
        const QVector<int> n = hueCounts(shot, shot.rect());
        for (int h = Red; h <= Blue; ++h)
            seen[h] = qMax(seen[h], n[h]);
    }
    QVERIFY2(seen[Red] > 300 && seen[Green] > 300 && seen[Blue] > 300,
             qPrintable(QStringLiteral("red %1 green %2 blue %3")
                            .arg(seen[Red])
                            .arg(seen[Green])
                            .arg(seen[Blue])));

    // A click on a photo shows it large: one photo colour fills the middle of the stage.
    QVERIFY(r.value(QLatin1String("clickOk")).toBool());
    const QImage large(shots + QStringLiteral("-large.png"));
    QVERIFY(!large.isNull());
    const QVector<int> middle =
        hueCounts(large, QRect(large.width() / 2 - 40, large.height() / 2 - 30, 80, 60));
    QVERIFY2(*std::max_element(middle.begin(), middle.begin() + 3) > 80 * 60 * 9 / 10,
             "no photo shown large");
    if (photoSize == 0)
        return;
    const QString folder = dir.path() + QStringLiteral("/out/") + key + QStringLiteral("/photos/");
    for (const QString& file : QDir(folder).entryList({QStringLiteral("p_*")}, QDir::Files))
        QCOMPARE(QImage(folder + file).size(), LargestPixels);
    // The viewer fits the photo in 92 % of the 800 x 600 stage, whatever its pixels: a large
    // photo shown at its own size would overflow, one fitted by an assumed 720 x 540 would not
    // reach the edges. Just inside the edges is photo, just outside is not.
    const Hue shown = hueOf(large.pixel(400, 300));
    const QRect fit(32, 24, 736, 552);
    for (const QPoint& inside : {QPoint(fit.left() + 6, 300), QPoint(fit.right() - 6, 300),
                                 QPoint(400, fit.top() + 6), QPoint(400, fit.bottom() - 6)})
        QCOMPARE(hueOf(large.pixel(inside)), shown);
    for (const QPoint& outside : {QPoint(fit.left() - 14, 300), QPoint(fit.right() + 14, 300),
                                  QPoint(400, fit.top() - 14), QPoint(400, fit.bottom() + 14)})
        QVERIFY(hueOf(large.pixel(outside)) != shown);
}

void TstGalleries::copesWithBrokenInput_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < brokenCases().size(); ++i)
        QTest::newRow(brokenCases().at(i).name) << i;
}

void TstGalleries::copesWithBrokenInput()
{
    QFETCH(int, index);
    const BrokenCase b = brokenCases().at(index);
    const QJsonObject r = results.value(QLatin1String(b.name));
    const QJsonObject last = r.value(QLatin1String("last")).toObject();
    QVERIFY2(r.value(QLatin1String("ok")).toBool(),
             qPrintable(QJsonDocument(last).toJson(QJsonDocument::Compact)));
    QCOMPARE(last.value(QLatin1String("state")).toString(), QLatin1String(b.state));
    QCOMPARE(last.value(QLatin1String("loaded")).toInt(), b.loaded);
    QCOMPARE(last.value(QLatin1String("failed")).toInt(), b.failed);
}

QTEST_GUILESS_MAIN(TstGalleries)
#include "tst_galleries.moc"
