// Whole-program check of the video: three photos and a clip in the strips of the real window,
// published through the real settings dialog as a 720p video of 2 s per photo, then played in
// headless Chromium in a <video> element: it must load, play to its end, and a frame from the
// middle of the second photo's time must show that photo's colour.
#include "../app/publishtestenv.h"
#include "platform/velfc/core/vel.h"
#include "platform/velfc/core/velpref.h"
#include "platform/velfc/velmessagebox.h"
#include "support/testfiles.h"
#include "support/testmedia.h"

#include <QApplication>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace PublishTestEnv;

namespace {
// Plays the video muted (as autoplay allows); the frame shown around 3 s is drawn on a canvas
// and the colour at its centre reported with the end.
const char* const Page = R"(<!DOCTYPE html><html><body style="margin:0;background:#000">
<video id="v" src="Trip.mp4" muted playsinline></video><canvas id="c" width="64" height="36"></canvas>
<script>
const v = document.getElementById('v');
const report = (o) => lumaroStatus(JSON.stringify(o));
const state = {h264: document.createElement('video').canPlayType('video/mp4; codecs="avc1.640028"')};
v.addEventListener('error', () => report(Object.assign(state, {error: v.error ? v.error.code : -1})));
v.addEventListener('loadedmetadata', () => {
  Object.assign(state, {meta: true, duration: v.duration, width: v.videoWidth, height: v.videoHeight});
  report(state);
  v.play().catch((e) => report(Object.assign(state, {playError: String(e)})));
});
const look = (now, frame) => {
  if (!state.colour && frame.mediaTime > 2.5 && frame.mediaTime < 3.5) {
    const g = document.getElementById('c').getContext('2d');
    g.drawImage(v, 0, 0, 64, 36);
    state.colour = Array.from(g.getImageData(32, 18, 1, 1).data).slice(0, 3);
  }
  v.requestVideoFrameCallback(look);
};
v.requestVideoFrameCallback(look);
v.addEventListener('ended', () => report(Object.assign(state, {ended: true, at: v.currentTime})));
</script></body></html>)";
} // namespace

class TestVideoPlay : public QObject
{
    Q_OBJECT
private slots:
    void publishVideoAndPlay()
    {
        QStandardPaths::setTestModeEnabled(true);
        Vel::setApplicationFolder(QString(LUMARO_TEST_APP_DIR));
        qputenv("PATH", QByteArray(LUMARO_TEST_APP_DIR) + ':' + qgetenv("PATH"));
        const QString node = QStandardPaths::findExecutable("node");
        const QString chromium = QStandardPaths::findExecutable("chromium");
        if (node.isEmpty() || chromium.isEmpty())
            QSKIP("node and chromium are needed to play the published video");
        QTemporaryDir dir;
        VelPref::instance()->open(dir.filePath("lumaro.ini"));
        VelPref::instance()->setValue(PrefKey::Temporary, dir.filePath("ws"));
        QStringList messages;
        VelMessageBox::setHandler([&](VelMessageBox::Kind, const QString& text, const QString&) {
            messages << text;
            return 0;
        });
        const QString wav = dir.filePath("tone.wav");
        QVERIFY(TestMedia::makeWav(wav, 8));

        Lumaro window;
        const QList<QPair<QString, QColor>> photos = {
            {"red.jpg", Qt::red}, {"green.jpg", Qt::green}, {"blue.jpg", Qt::blue}};
        for (const auto& [name, colour] : photos) {
            // The video is made from the originals.
            QImage original(1440, 1080, QImage::Format_RGB32);
            original.fill(colour);
            QVERIFY(original.save(dir.filePath(name), "JPG", 95));
            addPhoto(window, dir.filePath(name), colour);
        }
        QVERIFY(addClip(window, wav));

        const QString out = dir.filePath("out");
        QDir().mkpath(out);
        window.publishFlow()->setSettingsRunner([out](PublishSetting& dialog) {
            dialog.findChild<QLineEdit*>("publishName")->setText("Trip");
            dialog.findChild<QComboBox*>("profileComboBox")->setCurrentIndex(4);
            dialog.findChild<QComboBox*>("videoSizeComboBox")->setCurrentIndex(1); // 720p
            dialog.findChild<QComboBox*>("secondsComboBox")->setCurrentIndex(0);   // 2 s
            dialog.findChild<QComboBox*>("dstComboBox")->setEditText(out);
            dialog.findChild<QToolButton*>("okButton")->click();
            return dialog.result() == QDialog::Accepted;
        });
        bool succeeded = false;
        QVERIFY(publishAndWait(window, &succeeded, 180000));
        QVERIFY2(succeeded, qPrintable(messages.join('\n')));
        QVERIFY(QFile::exists(out + "/Trip.mp4"));
        QVERIFY(TestFiles::write(out + "/play.html", Page));

        QProcess driver;
        driver.start(node, {LUMARO_SOURCE_DIR "/tests/e2e-templates/drive.js", "--chromium",
                            chromium, "--timeout", "40000", "--root", out, "--page", "play.html",
                            "--until", "s.ended || s.error || s.playError || s.h264 === ''"});
        QVERIFY(driver.waitForFinished(120000));
        const QJsonObject result = QJsonDocument::fromJson(driver.readAllStandardOutput()).object();
        const QJsonObject last = result["last"].toObject();
        const QString what = QJsonDocument(result).toJson(QJsonDocument::Compact);
        QVERIFY2(last["meta"].toBool(), qPrintable(what));
        QCOMPARE(last["width"].toInt(), 1280);
        QCOMPARE(last["height"].toInt(), 720);
        QVERIFY2(qAbs(last["duration"].toDouble() - 6.0) < 0.1, qPrintable(what));
        QVERIFY2(last["ended"].toBool(), qPrintable(what));
        QVERIFY2(last["at"].toDouble() > 5.9, qPrintable(what));
        const QJsonArray colour = last["colour"].toArray();
        QVERIFY2(colour.size() == 3 && colour[0].toInt() < 60 && colour[1].toInt() > 200 &&
                     colour[2].toInt() < 60,
                 qPrintable(what));
    }
};

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestVideoPlay test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_videoplay.moc"
