// The MP3 conversion driver: its progress arithmetic and chaining against stand-in converters,
// one clip at a time, then the real converter on real clips, several at once.
#include "audio/core/audioreader.h"
#include "audio/core/convert2mp3progress.h"
#include "common/workspace.h"
#include "platform/velfc/core/velpref.h"
#include "support/testfiles.h"
#include "support/testmedia.h"
#include "support/workercount.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

AudioInfo clip(const QString& path, double seconds)
{
    AudioInfo info;
    info.filePath = path;
    info.duration = seconds;
    info.endPoint = seconds;
    return info;
}

// The programs called `name` this process started that have not ended (a child that ended but
// was not yet waited for counts as ended).
int childrenRunning(const QByteArray& name)
{
    int running = 0;
    const QString self = QString::number(QCoreApplication::applicationPid());
    for (const QString& entry : QDir(QString("/proc")).entryList(QDir::Dirs)) {
        const QByteArray stat = TestFiles::read(QString("/proc/") + entry + QString("/stat"));
        const qsizetype open = stat.indexOf('(');
        const qsizetype close = stat.lastIndexOf(')');
        if (open < 0 || close < open)
            continue;
        // After the name: state, then the parent's id.
        const QList<QByteArray> rest = stat.mid(close + 2).split(' ');
        if (stat.mid(open + 1, close - open - 1) == name && rest.value(0) != "Z" &&
            rest.value(1) == self.toLatin1())
            ++running;
    }
    return running;
}

int convertersRunning()
{
    return childrenRunning("kvt");
}

} // namespace

class TestConvert2Mp3Progress : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(dir.isValid());
        VelPref::instance()->open(dir.filePath("settings.ini"));
        VelPref::instance()->setValue(QLatin1String(PrefKey::Temporary), dir.filePath("workspace"));
        // As the program does at start-up: its own folder first, so the tools built with it are
        // found.
        originalPath = LUMARO_TEST_APP_DIR ":" + qgetenv("PATH");
        qputenv("PATH", originalPath);
    }
    // The chaining tests below pace one stand-in at a time; the tests of several at once ask for
    // their own count.
    void init() { qputenv("LUMARO_THREADS", "1"); }
    void cleanup()
    {
        qunsetenv("LUMARO_THREADS");
        qputenv("PATH", originalPath);
        QDir(musicFolder()).removeRecursively();
    }

    // A stand-in that prints the text of marks.txt, then waits for go.txt (or ends at once).
    void percentFollowsLastMarker()
    {
        installStandIn(QString("printf '%s\\n' \"$@\" >> '%1'\ncat '%2'\n"
                               "while [ ! -f '%3' ]; do sleep 0.02; done\nrm -f '%3'\n")
                           .arg(path("args.txt"), path("marks.txt"), path("go.txt")));
        Convert2Mp3Progress converter(
            nullptr, {clip(QString("/music/song.wma"), 60), clip(QString("/music/a.b.wav"), 120)});
        QSignalSpy finished(&converter, &Convert2Mp3Progress::convertFinished);
        QCOMPARE(converter.conversionPercent(), 0.0);

        writeFile(path("marks.txt"), "|Time>>>10 |Time>>>12");
        converter.convertNext();
        QTRY_COMPARE(converter.conversionPercent(), 12.0 / 180 * 100); // the last marker counts

        writeFile(path("marks.txt"), "|Time>>>30\n");
        writeFile(path("go.txt"), "");
        QTRY_COMPARE(converter.conversionPercent(), (30.0 + 60) / 180 * 100);
        QCOMPARE(converter.conversionPercent(), 50.0); // nothing new: unchanged

        writeFile(path("marks.txt"), "no marker here");
        QVERIFY(finished.isEmpty());
        writeFile(path("go.txt"), "");
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.size(), 1);
        QCOMPARE(converter.conversionPercent(), 0.0); // back to 0 once done

        // Each clip's converter command line, one argument a line, output in the music folder.
        const QString music = musicFolder();
        const auto line = [&](const char* in, const char* out) {
            return QString("-@\n-i\n%1\n-ab\n192K\n-ac\n2\n-acodec\nmp3\n-ar\n44100\n"
                           "-cbrorvbr\nCBR\n-vol\n256\n-y\n%2\n")
                .arg(in, music + out);
        };
        QCOMPARE(
            readFile(path("args.txt")),
            (line("/music/song.wma", "song.mp3") + line("/music/a.b.wav", "a.b.mp3")).toUtf8());
        QVERIFY(QFileInfo(music).isDir()); // made for the converter when missing
    }

    void percentEdgeCases_data()
    {
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<double>("total");
        QTest::addColumn<double>("percent");
        QTest::newRow("not a number after marker")
            << QByteArray("|Time>>>10\n|Time>>>abc") << 40.0 << 0.0;
        QTest::newRow("spaces around number") << QByteArray("|Time>>>  20 \n") << 40.0 << 50.0;
        QTest::newRow("marker is case-sensitive") << QByteArray("|time>>>20") << 40.0 << 0.0;
        QTest::newRow("unknown lengths") << QByteArray("|Time>>>20") << 0.0 << 0.0;
        QTest::newRow("past the estimate") << QByteArray("|Time>>>41.5") << 40.0 << 100.0;
    }
    void percentEdgeCases()
    {
        QFETCH(QByteArray, output);
        QFETCH(double, total);
        QFETCH(double, percent);
        writeFile(path("out.txt"), output);
        installStandIn(QString("cat '%1'\nsleep 0.3\n").arg(path("out.txt")));
        Convert2Mp3Progress converter(nullptr, {clip(QString("/music/x.ogg"), total)});
        QSignalSpy finished(&converter, &Convert2Mp3Progress::convertFinished);
        converter.convertNext();
        double seen = -1;
        QTRY_VERIFY((seen = converter.conversionPercent()) == percent || !finished.isEmpty());
        QCOMPARE(seen, percent);
        QVERIFY(finished.wait(10000));
    }

    // A converter that fails still ends its step, and one that cannot start at all must not
    // leave the owner waiting for ever. The first failure ends the chain, named by the user's
    // file; the converter's last line says which side failed and why.
    void failingConverters_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<int>("threads");
        QTest::addColumn<QString>("said");
        const QString full = "/m/a.wav could not be converted to MP3: No space left on the "
                             "device holding /ws/music.";
        QTest::newRow("exits with an error") << true << 1 << full;
        // The clip converted beside the failed one is ended at once, not waited for.
        QTest::newRow("fails beside a slow one") << true << 2 << full;
        QTest::newRow("missing") << false << 1
                                 << "The music converter kvt could not be started, so /m/a.wav "
                                    "could not be converted to MP3.";
    }
    void failingConverters()
    {
        QFETCH(bool, installed);
        QFETCH(int, threads);
        QFETCH(QString, said);
        const WorkerCount count(threads);
        if (installed)
            installStandIn(QString("echo \"$@\" >> '%1'\n"
                                   "case \"$3\" in */b.wav) exec sleep 30;; esac\n"
                                   "printf 'kvt: cannot write\\nkvt-failure: output 28\\n' >&2\n"
                                   "exit 1\n")
                               .arg(path("calls.txt")));
        else
            qputenv("PATH", QFile::encodeName(path("empty-bin")));
        QFile::remove(path("calls.txt"));
        Convert2Mp3Progress converter(nullptr,
                                      {clip(QString("/m/a.wav"), 5), clip(QString("/m/b.wav"), 5)},
                                      {QString("/ws/music/a.mp3"), QString("/ws/music/b.mp3")});
        QSignalSpy finished(&converter, &Convert2Mp3Progress::convertFinished);
        QSignalSpy killed(&converter, &Convert2Mp3Progress::killProcess);
        QElapsedTimer timer;
        timer.start();
        converter.convertNext();
        QVERIFY(finished.wait(20000));
        QVERIFY(timer.elapsed() < 15000);
        QCOMPARE(childrenRunning("sleep"), 0);
        QTest::qWait(100);
        QCOMPARE(finished.size(), 1);
        QCOMPARE(killed.size(), 0);
        QCOMPARE(converter.failureText(), said);
        // One at a time, the clip after the failed one is never started.
        if (installed && threads == 1)
            QVERIFY(!readFile(path("calls.txt")).contains("/m/b.wav"));
    }

    void emptyListDoesNothing()
    {
        Convert2Mp3Progress converter(nullptr, {});
        QSignalSpy finished(&converter, &Convert2Mp3Progress::convertFinished);
        converter.convertNext();
        QTest::qWait(200);
        QVERIFY(finished.isEmpty());
        QCOMPARE(converter.conversionPercent(), 0.0);
    }

    // The real converter on three clips read by the real reader, two at a time.
    void convertsChainOfThree()
    {
        const WorkerCount two(2);
        const QList<AudioInfo> clips =
            makeClips({QString("one.wav"), QString("two.ogg"), QString("three.flac")});
        QVERIFY(!QTest::currentTestFailed());
        Convert2Mp3Progress converter(nullptr, clips);
        QSignalSpy finished(&converter, &Convert2Mp3Progress::convertFinished);
        converter.convertNext();
        QList<double> seen;
        while (finished.isEmpty() && seen.size() < 20000) {
            seen << converter.conversionPercent();
            QTest::qWait(5);
        }
        QCOMPARE(finished.size(), 1);
        QVERIFY(std::is_sorted(seen.begin(), seen.end()));
        QVERIFY(std::any_of(seen.begin(), seen.end(), [](double p) { return p > 5 && p < 95; }));
        QVERIFY(seen.last() <= 100.0);
        for (const AudioInfo& c : clips) {
            AudioInfo out;
            out.filePath = musicCopyPath(c.filePath);
            QVERIFY2(AudioReader::readAudioInfo(out), qPrintable(out.filePath));
            QCOMPARE(out.codecName, QString("mp3"));
            QCOMPARE(out.sampleRate, 44100);
            QCOMPARE(out.channels, 2);
            QVERIFY(qAbs(out.duration - c.duration) < 0.15);
        }
    }

    void cancelDuringSecondClip()
    {
        const QList<AudioInfo> clips =
            makeClips({QString("c1.wav"), QString("c2.wav"), QString("c3.wav")});
        QVERIFY(!QTest::currentTestFailed());
        Convert2Mp3Progress converter(nullptr, clips);
        QSignalSpy finished(&converter, &Convert2Mp3Progress::convertFinished);
        QSignalSpy killed(&converter, &Convert2Mp3Progress::killProcess);
        converter.convertNext();
        // The second clip is under way once the percentage passes the first clip's share.
        const double firstShare = clips[0].duration / (clips[0].duration * 3) * 100;
        QTRY_VERIFY_WITH_TIMEOUT(converter.conversionPercent() > firstShare + 2, 30000);
        QVERIFY(converter.conversionPercent() < 2 * firstShare);
        converter.cancelConversion();
        QCOMPARE(killed.size(), 1);
        QTest::qWait(1500);
        QVERIFY(finished.isEmpty());
        const QString music = musicFolder();
        QVERIFY(QFile::exists(music + QString("c1.mp3")));
        QVERIFY(!QFile::exists(music + QString("c2.mp3"))); // no half-written file
        QVERIFY(!QFile::exists(music + QString("c3.mp3"))); // never started
    }

    // Cancel while two converters run at once: both end before Cancel returns and neither
    // leaves a file behind; the clip not yet started never starts.
    void cancelEndsEveryConverter()
    {
        const WorkerCount two(2);
        const QList<AudioInfo> clips =
            makeClips({QString("d1.wav"), QString("d2.wav"), QString("d3.wav")});
        QVERIFY(!QTest::currentTestFailed());
        Convert2Mp3Progress converter(nullptr, clips);
        QSignalSpy finished(&converter, &Convert2Mp3Progress::convertFinished);
        QSignalSpy killed(&converter, &Convert2Mp3Progress::killProcess);
        converter.convertNext();
        // Both under way, neither done yet (a finished clip would bring a third share).
        QTRY_VERIFY_WITH_TIMEOUT(convertersRunning() == 2 && converter.conversionPercent() > 0,
                                 10000);
        QVERIFY(converter.conversionPercent() < 100.0 / 3);
        converter.cancelConversion();
        QCOMPARE(convertersRunning(), 0);
        QCOMPARE(killed.size(), 1);
        QTest::qWait(500);
        QVERIFY(finished.isEmpty());
        QCOMPARE(convertersRunning(), 0);
        QCOMPARE(QDir(musicFolder()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

private:
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }

    // Clips of 90 s made with ffmpeg and read by the reader, as an import would.
    QList<AudioInfo> makeClips(const QStringList& names)
    {
        QList<AudioInfo> clips;
        for (const QString& name : names) {
            AudioInfo info;
            info.filePath = dir.filePath(name);
            const TestMedia::Kind& kind = TestMedia::kind(qPrintable(QFileInfo(name).suffix()));
            if (!QFile::exists(info.filePath))
                [&] { QVERIFY(TestMedia::makeTone(info.filePath, kind, 90.0)); }();
            [&] { QVERIFY(AudioReader::readAudioInfo(info)); }();
            clips << info;
        }
        return clips;
    }
    void installStandIn(const QString& body)
    {
        QVERIFY(TestFiles::installStandIn(path("standin"), "kvt", body, originalPath));
    }
    static void writeFile(const QString& file, const QByteArray& content)
    {
        QVERIFY(TestFiles::write(file, content));
    }
    static QByteArray readFile(const QString& file) { return TestFiles::read(file); }

    QTemporaryDir dir;
    QByteArray originalPath;
};

QTEST_GUILESS_MAIN(TestConvert2Mp3Progress)
#include "tst_convert2mp3progress.moc"
