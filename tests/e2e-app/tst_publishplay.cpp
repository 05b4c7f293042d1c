// Whole-program check of publishing from the window: real photos and two real clips (a WAV at
// 22050 Hz and a 44100 Hz MP3) in the strips, published through the real settings dialog in
// each profile, then played in headless Chromium with Ruffle (the gallery checks' driver): the
// photos load and both clips play.
#include "../app/publishtestenv.h"
#include "platform/velfc/core/vel.h"
#include "platform/velfc/core/velpref.h"
#include "platform/velfc/velmessagebox.h"
#include "support/testfiles.h"
#include "support/testmedia.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace PublishTestEnv;

class TestPublishPlay : public QObject
{
    Q_OBJECT
private slots:
    void publishEachProfileAndPlay()
    {
        QStandardPaths::setTestModeEnabled(true);
        Vel::setApplicationFolder(QString(LUMARO_TEST_APP_DIR));
        const QString node = QStandardPaths::findExecutable("node");
        const QString chromium = QStandardPaths::findExecutable("chromium");
        if (node.isEmpty() || chromium.isEmpty())
            QSKIP("node and chromium are needed to play published slideshows");
        QTemporaryDir dir;
        VelPref::instance()->open(dir.filePath("lumaro.ini"));
        VelPref::instance()->setValue(PrefKey::Temporary, dir.filePath("ws"));
        QStringList messages;
        VelMessageBox::setHandler([&](VelMessageBox::Kind, const QString& text, const QString&) {
            messages << text;
            return 0;
        });
        const QString wav = dir.filePath("music/tone.wav");
        const QString mp3 = dir.filePath("music/tune.mp3");
        QDir().mkpath(dir.filePath("music"));
        QVERIFY(TestMedia::makeTone(wav, {"wav", "pcm_s16le", nullptr, "", 1, 22050}, 20));
        QVERIFY(TestMedia::makeTone(mp3, TestMedia::kind("mp3"), 20));

        Lumaro window;
        addPhoto(window, "/photos/red.jpg", Qt::red);
        addPhoto(window, "/photos/green.jpg", Qt::green);
        addPhoto(window, "/photos/blue.jpg", Qt::blue);
        QVERIFY(addClip(window, wav));
        QVERIFY(addClip(window, mp3));

        const QString out = dir.filePath("out");
        QDir().mkpath(out);
        struct Case
        {
            int profileIndex;
            QString name;
        };
        // "#" would start a URL fragment and "&" an entity in the page.
        const QList<Case> profiles = {{1, "Folder Show"}, {0, "Movie"}, {2, "Trip #2 & 'Tom'"}};
        QJsonArray cases;
        for (const Case& c : profiles) {
            answerSettings(window, {c.name, c.profileIndex, out});
            bool succeeded = false;
            QVERIFY(publishAndWait(window, &succeeded, 120000));
            QVERIFY2(succeeded, qPrintable(messages.join('\n')));
            const QString folder = window.publishFlow()->targetFolder;
            const QString swf = c.name + ".swf";
            // Both clips travel with the slideshow: as files, or appended to the movie.
            const QStringList clips = musicCopyPaths(window.document()->clips());
            QCOMPARE(clips.size(), 2);
            if (c.profileIndex == 1) {
                QCOMPARE(QDir(folder + "/background music").entryList(QDir::Files).size(), 2);
            } else {
                const QByteArray movie = TestFiles::read(folder + "/" + swf);
                for (const QString& clip : clips) {
                    const QByteArray bytes = TestFiles::read(clip);
                    QVERIFY(bytes.size() > 10000);
                    QVERIFY2(movie.contains(bytes), qPrintable(clip));
                }
            }
            QJsonObject j;
            j["key"] = c.name;
            j["root"] = folder;
            j["page"] = c.profileIndex == 2 ? c.name + ".html" : QString("host.html");
            if (c.profileIndex != 2)
                j["swf"] = swf;
            j["until"] = "s.state=='ready' && s.loaded>=3 && s.music && s.music.clips==2 && "
                         "s.music.playing";
            cases.append(j);
        }

        QFile list(dir.filePath("cases.json"));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write(QJsonDocument(cases).toJson());
        list.close();
        QProcess driver;
        driver.start(node, {LUMARO_SOURCE_DIR "/tests/e2e-templates/drive.js", "--ruffle",
                            LUMARO_TEST_APP_DIR "/ruffle", "--chromium", chromium, "--timeout",
                            "30000", "--cases", list.fileName()});
        QVERIFY(driver.waitForFinished(240000));
        const QJsonArray results = QJsonDocument::fromJson(driver.readAllStandardOutput()).array();
        QCOMPARE(results.size(), cases.size());
        for (int i = 0; i < results.size(); ++i) {
            const QJsonObject r = results[i].toObject();
            const QJsonObject last = r["last"].toObject();
            const QString what = cases[i].toObject()["key"].toString() + ": " +
                                 QJsonDocument(r).toJson(QJsonDocument::Compact);
            QVERIFY2(r["ok"].toBool(), qPrintable(what));
            QCOMPARE(last["photos"].toInt(), 3);
            QCOMPARE(last["failed"].toInt(), 0);
            QCOMPARE(last["music"].toObject()["failed"].toInt(), 0);
        }
    }
};

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestPublishPlay test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_publishplay.moc"
