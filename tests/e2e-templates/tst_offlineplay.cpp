// The "html (offline)" page as a person gets it: published by the real kit with three photos of
// known colours and an MP3, opened by its file:// address in headless Chromium with default
// security settings and the network cut off. The photos must show on the screenshots, and the
// music must start once a key is pressed.
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
#include <QUrl>
#include <QtTest>

namespace {

struct PlayCase
{
    const char* name;
    QString templateName;
    // Runs before the page: browsers older than Chromium 140 and Firefox 133 have no
    // Uint8Array.fromBase64, and the page must decode its data without it.
    const char* prelude;
};
const QList<PlayCase> playCases = {
    {"Carousel", QStringLiteral("Carousel"), ""},
    {"Wonderful Moment", QStringLiteral("Wonderful Moment"), ""},
    {"Carousel, older browser", QStringLiteral("Carousel"), "delete Uint8Array.fromBase64;"}};
const QList<QColor> colours = {Qt::red, Qt::green, Qt::blue};

// Pure photo colours survive JPEG and the galleries' shading within these bounds.
int hueOf(QRgb c)
{
    const int r = qRed(c), g = qGreen(c), b = qBlue(c);
    if (r > 90 && g < 70 && b < 70)
        return 0;
    if (g > 90 && r < 70 && b < 70)
        return 1;
    if (b > 90 && r < 70 && g < 70)
        return 2;
    return 3;
}

} // namespace

class TstOfflinePlay : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void playsFromDisk_data();
    void playsFromDisk();

private:
    QTemporaryDir dir;
    QHash<QString, QJsonObject> results;
};

void TstOfflinePlay::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    const QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    if (node.isEmpty() || chromium.isEmpty() || ffmpeg.isEmpty())
        QSKIP("node, chromium and ffmpeg are needed to play published pages");
    QVERIFY(QFile::exists(QStringLiteral(LUMARO_TEST_APP_DIR "/template/offline.html")));
    QVERIFY(dir.isValid());

    const QString ws = dir.path() + QStringLiteral("/ws/");
    VelPref::instance()->open(dir.path() + QStringLiteral("/lumaro.ini"));
    VelPref::instance()->setValue(QLatin1String(PrefKey::Temporary),
                                  QString(dir.path() + QStringLiteral("/ws")));
    QVERIFY(QDir().mkpath(ws + QStringLiteral("photos")));
    QVERIFY(QDir().mkpath(ws + QStringLiteral("background music")));
    QList<FlashKitPhoto> photos;
    for (int i = 0; i < colours.size(); ++i) {
        const QString name = ws + QStringLiteral("photos/photo %1.jpg").arg(i);
        QImage img(720, 540, QImage::Format_RGB32);
        img.fill(colours.at(i));
        QVERIFY(img.save(name, "JPG", 95));
        QVERIFY(img.scaled(80, 60).save(ws + QStringLiteral("photos/s_photo %1.jpg").arg(i)));
        FlashKitPhoto p;
        p.path = name;
        photos << p;
    }
    FlashKitAudio clip;
    clip.path = ws + QStringLiteral("background music/tone.mp3");
    QProcess ff;
    ff.start(ffmpeg, {QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-y"),
                      QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                      QStringLiteral("sine=frequency=440:duration=20"), QStringLiteral("-ar"),
                      QStringLiteral("44100"), QStringLiteral("-codec:a"),
                      QStringLiteral("libmp3lame"), clip.path});
    QVERIFY(ff.waitForFinished(30000));
    clip.fadeIn = clip.fadeOut = QStringLiteral("0");
    clip.loop = QStringLiteral("1");
    clip.time = QStringLiteral("20000");
    clip.startTime = QStringLiteral("0");
    clip.endTime = QStringLiteral("20000");

    QJsonArray cases;
    for (const PlayCase& play : playCases) {
        // A folder and a name that need escaping in a file:// address.
        const QString out = dir.path() + QStringLiteral("/Galerie #%1 ü/").arg(cases.size());
        FlashmoKit kit(QStringLiteral(LUMARO_TEST_APP_DIR));
        kit.addPhotos(photos);
        kit.addMusic({clip});
        kit.setTemplate(play.templateName + QStringLiteral(".swf"));
        QVERIFY(kit.publish(out, QStringLiteral("Sommer 2026"), 3));
        QElapsedTimer t;
        t.start();
        while (kit.isPublishing() && t.elapsed() < 60000)
            QTest::qWait(20);
        QCOMPARE(kit.publishProgress(), 100);
        QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("Sommer 2026.html")});
        QJsonObject c;
        c[QLatin1String("key")] = QLatin1String(play.name);
        c[QLatin1String("prelude")] = QLatin1String(play.prelude);
        c[QLatin1String("url")] = QUrl::fromLocalFile(out + QStringLiteral("Sommer 2026.html"))
                                      .toString(QUrl::FullyEncoded);
        c[QLatin1String("until")] = QStringLiteral("s.state=='ready' && s.loaded>=3");
        c[QLatin1String("shot")] =
            QString(dir.path() + QStringLiteral("/shot%1").arg(cases.size()));
        c[QLatin1String("shots")] = 3;
        c[QLatin1String("press")] =
            QStringLiteral("s.music && s.music.playing && s.music.position>1000");
        cases.append(c);
    }
    QFile list(dir.path() + QStringLiteral("/cases.json"));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write(QJsonDocument(cases).toJson());
    list.close();

    QProcess p;
    p.start(node, {QStringLiteral(LUMARO_SOURCE_DIR "/tests/e2e-templates/drive.js"),
                   QStringLiteral("--offline"), QStringLiteral("--chromium"), chromium,
                   QStringLiteral("--timeout"), QStringLiteral("40000"), QStringLiteral("--cases"),
                   list.fileName()});
    QVERIFY(p.waitForStarted());
    if (!p.waitForFinished(240000)) {
        p.kill();
        p.waitForFinished();
    }
    const QJsonArray out = QJsonDocument::fromJson(p.readAllStandardOutput()).array();
    for (int i = 0; i < out.size() && i < cases.size(); ++i)
        results.insert(cases[i].toObject().value(QLatin1String("key")).toString(),
                       out[i].toObject());
}

void TstOfflinePlay::playsFromDisk_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    for (int i = 0; i < playCases.size(); ++i)
        QTest::newRow(playCases.at(i).name) << QString::fromLatin1(playCases.at(i).name) << i;
}

void TstOfflinePlay::playsFromDisk()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    const QJsonObject r = results.value(name);
    const QJsonObject last = r.value(QLatin1String("last")).toObject();
    QVERIFY2(r.value(QLatin1String("ok")).toBool(),
             qPrintable(r.value(QLatin1String("error")).toString() + QLatin1Char(' ') +
                        QString::fromUtf8(QJsonDocument(r).toJson(QJsonDocument::Compact))));
    QCOMPARE(last.value(QLatin1String("mode")).toString(), QStringLiteral("bundle"));
    QCOMPARE(last.value(QLatin1String("failed")).toInt(), 0);

    QVector<int> seen(4, 0);
    for (int k = 0; k < 3; ++k) {
        const QImage shot(dir.path() + QStringLiteral("/shot%1-%2.png").arg(index).arg(k));
        QVERIFY(!shot.isNull());
        QVector<int> n(4, 0);
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                ++n[hueOf(shot.pixel(x, y))];
        for (int h = 0; h < 3; ++h)
            seen[h] = qMax(seen[h], n[h]);
    }
    QVERIFY2(seen[0] > 300 && seen[1] > 300 && seen[2] > 300,
             qPrintable(
                 QStringLiteral("red %1 green %2 blue %3").arg(seen[0]).arg(seen[1]).arg(seen[2])));

    // Without the browser's autoplay exemption the music waits for the person, then plays.
    const QJsonObject before =
        r.value(QLatin1String("before")).toObject().value(QLatin1String("music")).toObject();
    QVERIFY2(!before.isEmpty() && before.value(QLatin1String("position")).toDouble() < 500,
             qPrintable(QString::fromUtf8(QJsonDocument(before).toJson(QJsonDocument::Compact))));
    QVERIFY2(r.value(QLatin1String("pressOk")).toBool(),
             qPrintable(QString::fromUtf8(QJsonDocument(last).toJson(QJsonDocument::Compact))));
}

QTEST_GUILESS_MAIN(TstOfflinePlay)
#include "tst_offlineplay.moc"
