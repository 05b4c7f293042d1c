// The MP3 converter, run with the command line the program gives it; its output is checked with
// the media-information tool.
#include "support/smallfs.h"
#include "support/testfiles.h"
#include "support/testmedia.h"
#include "tools/kvt/kvtoptions.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>

namespace {

const QString Kvt = QString(LUMARO_TEST_APP_DIR "/kvt");

// The command line the program gives the converter (indexes 14 and 16: volume and output).
QStringList programArguments(const QString& in, const QString& out)
{
    return {"-@",  "-i",    in,          "-ab", "192K", "-ac", "2",  "-acodec", "mp3",
            "-ar", "44100", "-cbrorvbr", "CBR", "-vol", "256", "-y", out};
}

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run runKvt(const QStringList& arguments)
{
    QProcess kvt;
    kvt.start(Kvt, arguments);
    Run run;
    if (!kvt.waitForFinished(60000))
        return run;
    run.exitCode = kvt.exitStatus() == QProcess::NormalExit ? kvt.exitCode() : -2;
    run.out = kvt.readAllStandardOutput();
    run.err = kvt.readAllStandardError();
    return run;
}

// The first stream of velminfo's report, as attribute name -> value.
QMap<QString, QString> probe(const QString& file)
{
    QProcess tool;
    tool.start(LUMARO_TEST_APP_DIR "/velminfo", {"-i", file});
    tool.waitForFinished(30000);
    QDomDocument doc;
    QMap<QString, QString> result;
    if (!doc.setContent(tool.readAllStandardError()))
        return result;
    const QDomNamedNodeMap attrs = doc.documentElement().firstChildElement("stream").attributes();
    for (int i = 0; i < attrs.count(); ++i)
        result.insert(attrs.item(i).nodeName(), attrs.item(i).nodeValue());
    return result;
}

double toSeconds(const QString& duration)
{
    const QStringList p = duration.split(QLatin1Char(':'));
    return p.size() == 3 ? p[0].toInt() * 3600 + p[1].toInt() * 60 + p[2].toDouble() : -1;
}

QList<double> progressMarks(const QByteArray& out)
{
    QList<double> marks;
    const QRegularExpression marker("\\|Time>>>([0-9.]+)");
    for (auto it = marker.globalMatch(QString::fromLatin1(out)); it.hasNext();)
        marks << it.next().captured(1).toDouble();
    return marks;
}

// Loudest sample level in dB, as FFmpeg measures it.
double maxVolume(const QString& file)
{
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", {"-i", file, "-af", "volumedetect", "-f", "null", "-"});
    ffmpeg.waitForFinished(60000);
    const auto m = QRegularExpression("max_volume: (-?[0-9.]+) dB")
                       .match(QString::fromLatin1(ffmpeg.readAllStandardError()));
    return m.hasMatch() ? m.captured(1).toDouble() : 1000;
}

} // namespace

class TestKvt : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void convertsEachKind_data()
    {
        QTest::addColumn<int>("kind");
        for (int i = 0; i < TestMedia::audioKinds().size(); ++i)
            QTest::newRow(TestMedia::audioKinds()[i].extension) << i;
    }
    void convertsEachKind()
    {
        QFETCH(int, kind);
        const TestMedia::Kind& k = TestMedia::audioKinds()[kind];
        const QString in = dir.filePath("in." + QLatin1String(k.extension));
        const QString out = dir.filePath("out-" + QLatin1String(k.extension) + QString(".mp3"));
        QVERIFY(TestMedia::makeTone(in, k, 4.0));

        const Run run = runKvt(programArguments(in, out));
        QVERIFY2(run.exitCode == 0, run.err.constData());
        const auto stream = probe(out);
        QCOMPARE(stream.value("codec_name"), QString("mp3"));
        QCOMPARE(stream.value("sample_rate"), QString("44100"));
        QCOMPARE(stream.value("channels"), QString("2"));
        QCOMPARE(stream.value("bit_rate"), QString("192000"));
        QVERIFY2(qAbs(toSeconds(stream.value("duration")) - 4.0) < 0.12,
                 qPrintable(stream.value("duration")));

        // Progress: rising marks, several per second of input, ending at the input's length.
        const QList<double> marks = progressMarks(run.out);
        QVERIFY2(marks.size() >= 8, run.out.constData());
        QVERIFY(std::is_sorted(marks.begin(), marks.end()));
        QVERIFY(qAbs(marks.last() - 4.0) < 0.1);
        QVERIFY(run.out.endsWith('\n'));
    }

    void volumeScalesLinearly()
    {
        const QString in = dir.filePath("loud.wav");
        QVERIFY(TestMedia::makeWav(in, 2.0));
        QStringList args = programArguments(in, dir.filePath("full.mp3"));
        QCOMPARE(runKvt(args).exitCode, 0);
        args[14] = "128";
        args[16] = dir.filePath("half.mp3");
        QCOMPARE(runKvt(args).exitCode, 0);
        const double drop = maxVolume(dir.filePath("full.mp3")) - maxVolume(args[16]);
        QVERIFY2(qAbs(drop - 6.0) < 0.5, qPrintable(QString::number(drop)));
    }

    // Names a shell or a URL parser would take apart are used as they are.
    void oddNames()
    {
        QDir work(dir.filePath("odd"));
        QVERIFY(work.mkpath("."));
        const QString in = "concat:it's \"a\"; ♪.wav";
        QVERIFY(TestMedia::makeWav(work.filePath(in), 1.0));
        QProcess kvt;
        kvt.setWorkingDirectory(work.path());
        kvt.start(Kvt, programArguments(in, "out; $(x) `b`.mp3"));
        QVERIFY(kvt.waitForFinished(30000));
        QCOMPARE(kvt.exitCode(), 0);
        QCOMPARE(probe(work.filePath("out; $(x) `b`.mp3")).value("codec_name"), QString("mp3"));
    }

    // A failed conversion leaves the target as it was: missing, or with its old content. Its
    // message ends with the line a driving program words for its user: which side failed, and
    // the system's error number behind it.
    void failuresLeaveTargetAlone_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::addColumn<bool>("existing");
        QTest::addColumn<QByteArray>("failure");
        const auto row = [](const char* name, const char* in, const char* out, bool existing,
                            int side, int number) {
            const char* sides[] = {"other", "input", "output"};
            QTest::newRow(name) << QString(in) << QString(out) << existing
                                << QByteArray("\nkvt-failure: ") + sides[side] + ' ' +
                                       QByteArray::number(number) + '\n';
        };
        enum
        {
            Other,
            Input,
            Output
        };
        row("missing input", "nothing.wav", "a.mp3", false, Input, ENOENT);
        row("missing input, old target", "nothing.wav", "b.mp3", true, Input, ENOENT);
        row("text input", "words.mp3", "c.mp3", true, Input, 0);
        row("zero-byte input", "empty.wav", "d.mp3", false, Input, 0);
        row("photo input", "photo.jpg", "e.mp3", true, Input, 0);
        row("output folder missing", "good.wav", "no/such/folder/f.mp3", false, Output, ENOENT);
        row("output is a folder", "good.wav", "folder.mp3", false, Output, EISDIR);
        row("output device full", "good.wav", "full/g.mp3", false, Output, ENOSPC);
    }
    void failuresLeaveTargetAlone()
    {
        QFETCH(QString, input);
        QFETCH(QString, output);
        QFETCH(bool, existing);
        QFETCH(QByteArray, failure);
        QDir work(dir.filePath("fail"));
        QString mounted;
        const auto unmount = qScopeGuard([&] {
            if (!mounted.isEmpty())
                SmallFs::unmount(mounted);
        });
        if (output.startsWith("full/")) {
            if (!SmallFs::unavailable().isEmpty())
                QSKIP(qPrintable(SmallFs::unavailable()));
            QVERIFY(SmallFs::mount(work.filePath("full"), 64));
            mounted = work.filePath("full");
            QVERIFY(SmallFs::fill(mounted));
        }
        QVERIFY(work.mkpath("folder.mp3"));
        writeFile(work.filePath("words.mp3"), "not music at all\n");
        writeFile(work.filePath("empty.wav"), QByteArray());
        if (!QFile::exists(work.filePath("photo.jpg")))
            QVERIFY(TestMedia::makePhoto(work.filePath("photo.jpg")));
        if (!QFile::exists(work.filePath("good.wav")))
            QVERIFY(TestMedia::makeWav(work.filePath("good.wav"), 1.0));
        if (existing)
            writeFile(work.filePath(output), "old content");
        const QStringList before =
            work.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

        const Run run = runKvt(programArguments(work.filePath(input), work.filePath(output)));
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.startsWith("kvt: "));
        QVERIFY2(run.err.endsWith(failure), run.err.constData());
        QCOMPARE(work.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
        if (existing)
            QCOMPARE(readFile(work.filePath(output)), QByteArray("old content"));
        else if (output != QLatin1String("folder.mp3"))
            QVERIFY(!QFile::exists(work.filePath(output)));
        QFile::remove(work.filePath(output));
    }

    void refusesToOverwriteWithoutY()
    {
        const QString in = dir.filePath("y.wav");
        const QString out = dir.filePath("y.mp3");
        QVERIFY(TestMedia::makeWav(in, 1.0));
        writeFile(out, "keep me");
        QStringList args = programArguments(in, out);
        args.removeAll("-y");
        const Run run = runKvt(args);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(readFile(out), QByteArray("keep me"));
    }

    void wrongCommandLines_data()
    {
        QTest::addColumn<QStringList>("arguments");
        const auto with = [this](int index, const char* value) {
            QStringList args = programArguments(dir.filePath("y.wav"), dir.filePath("never.mp3"));
            args[index] = value;
            return args;
        };
        QTest::newRow("unknown option") << with(0, "-q");
        QTest::newRow("bad bit rate") << with(4, "fast");
        QTest::newRow("bit rate too high") << with(4, "999K");
        QTest::newRow("three channels") << with(6, "3");
        QTest::newRow("other codec") << with(8, "ogg");
        QTest::newRow("rate not a number") << with(10, "44k1");
        QTest::newRow("rate mode") << with(12, "ABR");
        QTest::newRow("negative volume") << with(14, "-5");
        QTest::newRow("value missing") << QStringList{"-i"};
        QTest::newRow("no output") << QStringList{"-i", "a.wav"};
    }
    void wrongCommandLines()
    {
        QFETCH(QStringList, arguments);
        const Run run = runKvt(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.contains("kvt: "));
        QVERIFY(!QFile::exists(dir.filePath("never.mp3")));
    }

    // The bit rates MP3 has, 8 to 320 kbit/s, are taken at both edges and nothing beyond.
    void bitRateEdges_data()
    {
        QTest::addColumn<QString>("rate");
        QTest::addColumn<long>("bitsPerSecond"); // 0: refused
        QTest::newRow("just below 8K") << "7999" << 0L;
        QTest::newRow("8K") << "8K" << 8000L;
        QTest::newRow("320K") << "320k" << 320000L;
        QTest::newRow("320000") << "320000" << 320000L;
        QTest::newRow("321K") << "321K" << 0L;
    }
    void bitRateEdges()
    {
        QFETCH(QString, rate);
        QFETCH(long, bitsPerSecond);
        QStringList args = programArguments("in.wav", "out.mp3");
        args[4] = rate;
        args.prepend("kvt");
        std::vector<QByteArray> words;
        std::vector<const char*> argv;
        for (const QString& arg : args)
            words.push_back(arg.toUtf8());
        for (const QByteArray& word : words)
            argv.push_back(word.constData());
        KvtOptions options;
        std::string error;
        const bool taken = parseKvtOptions(int(argv.size()), argv.data(), options, error);
        QVERIFY2(taken == (bitsPerSecond > 0), error.c_str());
        if (taken)
            QCOMPARE(options.bitRate, bitsPerSecond);
        else
            QVERIFY(QString::fromStdString(error).contains(rate));
    }

    // Stopped half-way (the program kills it on cancel): nothing is left under any name.
    void interruptedConversionLeavesNothing_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("kill") << int(SIGKILL);
        QTest::newRow("terminate") << int(SIGTERM);
    }
    void interruptedConversionLeavesNothing()
    {
        QFETCH(int, signalNumber);
        QDir work(dir.filePath("cut"));
        QVERIFY(work.mkpath("."));
        const QString in = work.filePath("long.wav");
        if (!QFile::exists(in))
            QVERIFY(TestMedia::makeWav(in, 300.0));
        QProcess kvt;
        kvt.start(Kvt, programArguments(in, work.filePath("long.mp3")));
        QVERIFY(kvt.waitForStarted());
        QByteArray out;
        while (!out.contains("|Time>>>1") && kvt.waitForReadyRead(10000))
            out += kvt.readAllStandardOutput();
        QVERIFY(kvt.state() == QProcess::Running);
        ::kill(static_cast<pid_t>(kvt.processId()), signalNumber);
        QVERIFY(kvt.waitForFinished(10000));
        QCOMPARE(work.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"long.wav"});
    }

    // Names up to the file system's 255-byte limit are written; a longer one fails at once,
    // before any work, and leaves nothing behind.
    void longOutputNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("fits");
        QTest::newRow("245 bytes") << QString(241, QLatin1Char('a')) + ".mp3" << true;
        QTest::newRow("255 bytes") << QString(251, QLatin1Char('b')) + ".mp3" << true;
        QTest::newRow("255 bytes, two-byte letters") << QString(125, QChar(0xe9)) + "x.mp3" << true;
        QTest::newRow("256 bytes") << QString(252, QLatin1Char('c')) + ".mp3" << false;
    }
    void longOutputNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, fits);
        QDir work(dir.filePath("long"));
        QVERIFY(work.mkpath("."));
        const QString in = dir.filePath("long-in.wav");
        if (!QFile::exists(in))
            QVERIFY(TestMedia::makeWav(in, 1.0));
        const Run run = runKvt(programArguments(in, work.filePath(name)));
        if (fits) {
            QVERIFY2(run.exitCode == 0, run.err.constData());
            QCOMPARE(work.entryList(QDir::Files | QDir::Hidden), QStringList{name});
            QCOMPARE(probe(work.filePath(name)).value("codec_name"), QString("mp3"));
            QVERIFY(QFile::remove(work.filePath(name)));
        } else {
            QCOMPARE(run.exitCode, 1);
            QVERIFY2(run.err.contains("too long"), run.err.constData());
            QVERIFY(run.out.isEmpty()); // refused before converting anything
            QVERIFY(work.entryList(QDir::Files | QDir::Hidden).isEmpty());
        }
    }

    // Whoever reads the progress goes away: kvt ends with its error status, not by the signal,
    // and cleans up after itself.
    void progressReaderGoesAway()
    {
        QDir work(dir.filePath("pipe"));
        QVERIFY(work.mkpath("."));
        const QString in = dir.filePath("pipe-in.wav");
        QVERIFY(TestMedia::makeWav(in, 120.0));
        QProcess shell;
        shell.start("bash", QStringList{"-c", "\"$0\" \"$@\" | head -c 40 >/dev/null; "
                                              "echo \"status ${PIPESTATUS[0]}\""}
                                << Kvt << programArguments(in, work.filePath("out.mp3")));
        QVERIFY(shell.waitForFinished(60000));
        QCOMPARE(shell.readAllStandardOutput().trimmed(), QByteArray("status 1"));
        QVERIFY(shell.readAllStandardError().contains("kvt: "));
        QVERIFY(work.entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

    // Gigabytes of zeros, alone or after a song: a bounded time and bounded memory, and the
    // song before the garbage is still converted.
    void hugeGarbageInput_data()
    {
        QTest::addColumn<bool>("songFirst");
        QTest::newRow("zeros only") << false;
        QTest::newRow("song, then zeros") << true;
    }
    void hugeGarbageInput()
    {
        QFETCH(bool, songFirst);
        const QString in = dir.filePath(songFirst ? "tail.mp3" : "zeros.mp3");
        if (songFirst)
            QVERIFY(TestMedia::makeTone(in, TestMedia::kind("mp3"), 3.0));
        QFile file(in);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.resize(qint64(3) << 30)); // sparse: no disk space taken
        file.close();
        const QString out = dir.filePath("garbage-out.mp3");
        QElapsedTimer timer;
        timer.start();
        const Run run = runKvt(programArguments(in, out));
        QVERIFY(timer.elapsed() < 30000);
        QCOMPARE(run.exitCode, songFirst ? 0 : 1);
        if (songFirst)
            QVERIFY(qAbs(toSeconds(probe(out).value("duration")) - 3.0) < 0.2);
        struct rusage usage = {};
        QCOMPARE(::getrusage(RUSAGE_CHILDREN, &usage), 0);
        QVERIFY2(usage.ru_maxrss < 700 * 1024, qPrintable(QString::number(usage.ru_maxrss)));
        QFile::remove(in);
    }

private:
    static void writeFile(const QString& path, const QByteArray& content)
    {
        QVERIFY(TestFiles::write(path, content));
    }
    static QByteArray readFile(const QString& path) { return TestFiles::read(path); }

    QTemporaryDir dir;
};

QTEST_GUILESS_MAIN(TestKvt)
#include "tst_kvt.moc"
