// The media-information tool, run as the program runs it: its XML report on standard error.
// (Each audio kind is read through the tool by the audio reader's tests.)
#include "support/testfiles.h"
#include "support/testmedia.h"

#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

struct Report
{
    int exitCode = -1;
    bool finished = false;
    QStringList lines; // standard error, split at "\n"
    QDomElement root;
    QList<QDomElement> streams;
    QDomDocument document;
};

Report runTool(const QString& file, const QString& workingDirectory = QString())
{
    Report report;
    QProcess tool;
    tool.setWorkingDirectory(workingDirectory);
    tool.start(LUMARO_TEST_APP_DIR "/velminfo", {"-i", file});
    report.finished = tool.waitForFinished(30000);
    report.exitCode = tool.exitCode();
    const QString text = QString::fromUtf8(tool.readAllStandardError());
    report.lines = text.split(QLatin1Char('\n'));
    const qsizetype start = text.indexOf(QLatin1String("<?xml"));
    if (start >= 0 && report.document.setContent(text.mid(start))) {
        report.root = report.document.documentElement();
        for (QDomElement s = report.root.firstChildElement("stream"); !s.isNull();
             s = s.nextSiblingElement("stream"))
            report.streams << s;
    }
    return report;
}

} // namespace

class TestVelminfo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    // First, so that the memory the tool's runs peak at is not hidden by the ffmpeg runs of
    // later cases. Gigabytes of zeros named .mp3 once took 33 s and 1.2 GB.
    void hugeGarbageIsBounded_data()
    {
        QTest::addColumn<bool>("songFirst");
        QTest::newRow("zeros only") << false;
        QTest::newRow("song, then zeros") << true;
    }
    void hugeGarbageIsBounded()
    {
        QFETCH(bool, songFirst);
        const QString file = dir.filePath(songFirst ? "tail.mp3" : "zeros.mp3");
        if (songFirst)
            QVERIFY(TestMedia::makeTone(file, TestMedia::kind("mp3"), 3.0));
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.resize(qint64(3) << 30)); // sparse: no disk space taken
        f.close();
        QElapsedTimer timer;
        timer.start();
        const Report r = runTool(file);
        QVERIFY(r.finished);
        QVERIFY(timer.elapsed() < 20000);
        struct rusage usage = {};
        QCOMPARE(::getrusage(RUSAGE_CHILDREN, &usage), 0);
        QVERIFY2(usage.ru_maxrss < 500 * 1024, qPrintable(QString::number(usage.ru_maxrss)));
        if (songFirst) {
            QCOMPARE(r.exitCode, 0);
            QCOMPARE(r.streams.size(), 1);
            // The sound there is, not what three gigabytes at its bit rate would last.
            QCOMPARE(r.streams[0].attribute("duration").left(7), QString("00:00:0"));
        } else {
            QVERIFY(r.exitCode != 0);
            QVERIFY(r.streams.isEmpty());
        }
        QFile::remove(file);
    }

    // A file cut in half reports the sound it still holds, not its header's promise.
    void cutFilesReportWhatIsLeft_data()
    {
        QTest::addColumn<QString>("extension");
        for (const char* e : {"mp3", "flac", "wav", "ogg"})
            QTest::newRow(e) << QString(e);
    }
    void cutFilesReportWhatIsLeft()
    {
        QFETCH(QString, extension);
        const QString whole = dir.filePath("whole." + extension);
        QVERIFY(TestMedia::makeTone(whole, TestMedia::kind(qPrintable(extension)), 20.0));
        const QByteArray bytes = TestFiles::read(whole);
        const QString half = dir.filePath("half." + extension);
        QVERIFY(TestFiles::write(half, bytes.left(bytes.size() / 2)));

        const auto seconds = [](const QString& text) {
            const QStringList p = text.split(QLatin1Char(':'));
            return p.size() == 3 ? p[0].toInt() * 3600 + p[1].toInt() * 60 + p[2].toDouble() : -1;
        };
        const Report full = runTool(whole);
        QCOMPARE(full.streams.size(), 1);
        QVERIFY(qAbs(seconds(full.streams[0].attribute("duration")) - 20.0) < 0.2);
        const Report cut = runTool(half);
        QCOMPARE(cut.exitCode, 0);
        QCOMPARE(cut.streams.size(), 1);
        const double left = seconds(cut.streams[0].attribute("duration"));
        QVERIFY2(left > 7.0 && left < 11.0, qPrintable(QString::number(left)));
        QVERIFY(seconds(cut.root.attribute("duration")) < 11.0);
    }

    void reportsStreamsInFileOrder()
    {
        const QString file = dir.filePath("clip.mp4");
        QVERIFY(TestMedia::makeVideo(file));
        const Report r = runTool(file);
        QCOMPARE(r.exitCode, 0);
        // The framing readers rely on: declaration first, "</media>" last, one element per line.
        QVERIFY(r.lines.first().startsWith(QLatin1String("<?xml version=")));
        QCOMPARE(r.lines.size(), 6); // declaration, media, two streams, end tag, final newline
        QVERIFY(r.lines[4].startsWith(QLatin1String("</media>")));
        QCOMPARE(r.root.attribute("duration"), QString("00:00:02.00"));
        QCOMPARE(r.streams.size(), 2);
        QCOMPARE(r.streams[0].attribute("type"), QString("video"));
        QCOMPARE(r.streams[1].attribute("type"), QString("audio"));
        QCOMPARE(r.streams[1].attribute("codec_name"), QString("aac"));
    }

    void photoIsAVideoStream()
    {
        const QString file = dir.filePath("photo.jpg");
        QVERIFY(TestMedia::makePhoto(file));
        const Report r = runTool(file);
        QCOMPARE(r.streams.size(), 1);
        QCOMPARE(r.streams[0].attribute("type"), QString("video"));
    }

    void unreadableFilesGiveNoStreams_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("text named .mp3")
            << "notes.mp3" << QByteArray("just some words\nand more\n");
        QTest::newRow("zero bytes") << "empty.wav" << QByteArray();
        // Both once came out as an MP3 stream of 0 Hz and 0 channels, with exit status 0.
        QTest::newRow("zeros named .mp3") << "zeros.mp3" << QByteArray(2000000, '\0');
        QByteArray noise(2000000, Qt::Uninitialized);
        quint32 x = 2463534242u;
        for (char& c : noise) {
            x ^= x << 13, x ^= x >> 17, x ^= x << 5; // xorshift: the same noise every run
            c = static_cast<char>(x);
        }
        QTest::newRow("noise named .mp3") << "noise.mp3" << noise;
        QTest::newRow("missing") << "missing.ogg" << QByteArray("-");
        QTest::newRow("folder") << "folder.mp3" << QByteArray("/");
    }
    void unreadableFilesGiveNoStreams()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        const QString file = dir.filePath(name);
        if (content == "/") {
            QVERIFY(QDir(dir.path()).mkpath(name));
        } else if (content != "-") {
            QVERIFY(TestFiles::write(file, content));
        }
        const Report r = runTool(file);
        QVERIFY(r.finished);
        QVERIFY(r.exitCode != 0);
        QVERIFY(r.streams.isEmpty());
    }

    // A FIFO would block a plain open() for ever; the tool must answer at once.
    void namedPipeDoesNotHang()
    {
        const QString fifo = dir.filePath("pipe.mp3");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QElapsedTimer timer;
        timer.start();
        const Report r = runTool(fifo);
        QVERIFY(r.finished);
        QVERIFY(r.exitCode != 0);
        QVERIFY(timer.elapsed() < 10000);
    }

    // Names that a shell or a URL parser would take apart reach the file unchanged.
    void oddFileNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("quotes and semicolon") << "it's \"a\"; song.wav";
        QTest::newRow("protocol-like") << "concat:a.wav";
        QTest::newRow("non-ASCII") << "mélodie ♪.wav";
        QTest::newRow("leading dash") << "-y.wav";
    }
    void oddFileNames()
    {
        QFETCH(QString, name);
        const QString file = dir.filePath(name);
        QVERIFY(TestMedia::makeWav(file, 1.0));
        // Relative, as a protocol prefix or a leading dash would be seen by the tool.
        const Report r = runTool(name, dir.path());
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.streams.size(), 1);
        QCOMPARE(r.streams[0].attribute("codec_name"), QString("pcm_s16le"));
    }

    void wrongCommandLine()
    {
        QProcess tool;
        tool.start(QString(LUMARO_TEST_APP_DIR "/velminfo"), {QString("-x")});
        QVERIFY(tool.waitForFinished(10000));
        QVERIFY(tool.exitCode() != 0);
        QVERIFY(!tool.readAllStandardError().isEmpty());
    }

private:
    QTemporaryDir dir;
};

QTEST_GUILESS_MAIN(TestVelminfo)
#include "tst_velminfo.moc"
