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
