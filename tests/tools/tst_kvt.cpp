// The MP3 converter, run with the command line the program gives it; its output is checked with
// the media-information tool.
#include "audio/testmedia.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

const QString Kvt = QStringLiteral(LUMARO_TEST_APP_DIR "/kvt");

QStringList programArguments(const QString& in, const QString& out)
{
    return {QStringLiteral("-@"),
            QStringLiteral("-i"),
            in,
            QStringLiteral("-ab"),
            QStringLiteral("192K"),
            QStringLiteral("-ac"),
            QStringLiteral("2"),
            QStringLiteral("-acodec"),
            QStringLiteral("mp3"),
            QStringLiteral("-ar"),
            QStringLiteral("44100"),
            QStringLiteral("-cbrorvbr"),
            QStringLiteral("CBR"),
            QStringLiteral("-vol"),
            QStringLiteral("256"),
            QStringLiteral("-y"),
            out};
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
    tool.start(QStringLiteral(LUMARO_TEST_APP_DIR "/velminfo"), {QStringLiteral("-i"), file});
    tool.waitForFinished(30000);
    QDomDocument doc;
    QMap<QString, QString> result;
    if (!doc.setContent(tool.readAllStandardError()))
        return result;
    const QDomNamedNodeMap attrs =
        doc.documentElement().firstChildElement(QStringLiteral("stream")).attributes();
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
    const QRegularExpression marker(QStringLiteral("\\|Time>>>([0-9.]+)"));
    for (auto it = marker.globalMatch(QString::fromLatin1(out)); it.hasNext();)
        marks << it.next().captured(1).toDouble();
    return marks;
}

// Loudest sample level in dB, as FFmpeg measures it.
double maxVolume(const QString& file)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {QStringLiteral("-i"), file, QStringLiteral("-af"), QStringLiteral("volumedetect"),
                  QStringLiteral("-f"), QStringLiteral("null"), QStringLiteral("-")});
    ffmpeg.waitForFinished(60000);
    const auto m = QRegularExpression(QStringLiteral("max_volume: (-?[0-9.]+) dB"))
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
        const QString in = dir.filePath(QStringLiteral("in.") + QLatin1String(k.extension));
        const QString out = dir.filePath(QStringLiteral("out-") + QLatin1String(k.extension) +
                                         QStringLiteral(".mp3"));
        QVERIFY(TestMedia::makeTone(in, k, 4.0));

        const Run run = runKvt(programArguments(in, out));
        QVERIFY2(run.exitCode == 0, run.err.constData());
        const auto stream = probe(out);
        QCOMPARE(stream.value(QStringLiteral("codec_name")), QStringLiteral("mp3"));
        QCOMPARE(stream.value(QStringLiteral("sample_rate")), QStringLiteral("44100"));
        QCOMPARE(stream.value(QStringLiteral("channels")), QStringLiteral("2"));
        QCOMPARE(stream.value(QStringLiteral("bit_rate")), QStringLiteral("192000"));
        QVERIFY2(qAbs(toSeconds(stream.value(QStringLiteral("duration"))) - 4.0) < 0.12,
                 qPrintable(stream.value(QStringLiteral("duration"))));

        // Progress: rising marks, several per second of input, ending at the input's length.
        const QList<double> marks = progressMarks(run.out);
        QVERIFY2(marks.size() >= 8, run.out.constData());
        QVERIFY(std::is_sorted(marks.begin(), marks.end()));
        QVERIFY(qAbs(marks.last() - 4.0) < 0.1);
        QVERIFY(run.out.endsWith('\n'));
    }

    void volumeScalesLinearly()
    {
        const QString in = dir.filePath(QStringLiteral("loud.wav"));
        QVERIFY(TestMedia::makeWav(in, 2.0));
        QStringList args = programArguments(in, dir.filePath(QStringLiteral("full.mp3")));
        QCOMPARE(runKvt(args).exitCode, 0);
        args[14] = QStringLiteral("128");
        args[16] = dir.filePath(QStringLiteral("half.mp3"));
        QCOMPARE(runKvt(args).exitCode, 0);
        const double drop =
            maxVolume(dir.filePath(QStringLiteral("full.mp3"))) - maxVolume(args[16]);
        QVERIFY2(qAbs(drop - 6.0) < 0.5, qPrintable(QString::number(drop)));
    }

    // Names a shell or a URL parser would take apart are used as they are.
    void oddNames()
    {
        QDir work(dir.filePath(QStringLiteral("odd")));
        QVERIFY(work.mkpath(QStringLiteral(".")));
        const QString in = QStringLiteral("concat:it's \"a\"; ♪.wav");
        QVERIFY(TestMedia::makeWav(work.filePath(in), 1.0));
        QProcess kvt;
        kvt.setWorkingDirectory(work.path());
        kvt.start(Kvt, programArguments(in, QStringLiteral("out; $(x) `b`.mp3")));
        QVERIFY(kvt.waitForFinished(30000));
        QCOMPARE(kvt.exitCode(), 0);
        QCOMPARE(probe(work.filePath(QStringLiteral("out; $(x) `b`.mp3")))
                     .value(QStringLiteral("codec_name")),
                 QStringLiteral("mp3"));
    }

    // A failed conversion leaves the target as it was: missing, or with its old content.
    void failuresLeaveTargetAlone_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::addColumn<bool>("existing");
        QTest::newRow("missing input") << "nothing.wav"
                                       << "a.mp3" << false;
        QTest::newRow("missing input, old target") << "nothing.wav"
                                                   << "b.mp3" << true;
        QTest::newRow("text input") << "words.mp3"
                                    << "c.mp3" << true;
        QTest::newRow("zero-byte input") << "empty.wav"
                                         << "d.mp3" << false;
        QTest::newRow("photo input") << "photo.jpg"
                                     << "e.mp3" << true;
        QTest::newRow("output folder missing") << "good.wav"
                                               << "no/such/folder/f.mp3" << false;
        QTest::newRow("output is a folder") << "good.wav"
                                            << "folder.mp3" << false;
    }
    void failuresLeaveTargetAlone()
    {
        QFETCH(QString, input);
        QFETCH(QString, output);
        QFETCH(bool, existing);
        QDir work(dir.filePath(QStringLiteral("fail")));
        QVERIFY(work.mkpath(QStringLiteral("folder.mp3")));
        writeFile(work.filePath(QStringLiteral("words.mp3")), "not music at all\n");
        writeFile(work.filePath(QStringLiteral("empty.wav")), QByteArray());
        if (!QFile::exists(work.filePath(QStringLiteral("photo.jpg"))))
            QVERIFY(TestMedia::makePhoto(work.filePath(QStringLiteral("photo.jpg"))));
        if (!QFile::exists(work.filePath(QStringLiteral("good.wav"))))
            QVERIFY(TestMedia::makeWav(work.filePath(QStringLiteral("good.wav")), 1.0));
        if (existing)
            writeFile(work.filePath(output), "old content");
        const QStringList before =
            work.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

        const Run run = runKvt(programArguments(work.filePath(input), work.filePath(output)));
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.startsWith("kvt: "));
        QCOMPARE(work.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
        if (existing)
            QCOMPARE(readFile(work.filePath(output)), QByteArray("old content"));
        else if (output != QLatin1String("folder.mp3"))
            QVERIFY(!QFile::exists(work.filePath(output)));
        QFile::remove(work.filePath(output));
    }

    void refusesToOverwriteWithoutY()
    {
        const QString in = dir.filePath(QStringLiteral("y.wav"));
        const QString out = dir.filePath(QStringLiteral("y.mp3"));
        QVERIFY(TestMedia::makeWav(in, 1.0));
        writeFile(out, "keep me");
        QStringList args = programArguments(in, out);
        args.removeAll(QStringLiteral("-y"));
        const Run run = runKvt(args);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(readFile(out), QByteArray("keep me"));
    }

    void wrongCommandLines_data()
    {
        QTest::addColumn<QStringList>("replace"); // index, value pairs applied to the usual line
        QTest::newRow("unknown option") << QStringList{QStringLiteral("0"), QStringLiteral("-q")};
        QTest::newRow("bad bit rate") << QStringList{QStringLiteral("4"), QStringLiteral("fast")};
        QTest::newRow("bit rate too high")
            << QStringList{QStringLiteral("4"), QStringLiteral("999K")};
        QTest::newRow("three channels") << QStringList{QStringLiteral("6"), QStringLiteral("3")};
        QTest::newRow("other codec") << QStringList{QStringLiteral("8"), QStringLiteral("ogg")};
        QTest::newRow("rate not a number")
            << QStringList{QStringLiteral("10"), QStringLiteral("44k1")};
        QTest::newRow("rate mode") << QStringList{QStringLiteral("12"), QStringLiteral("ABR")};
        QTest::newRow("negative volume") << QStringList{QStringLiteral("14"), QStringLiteral("-5")};
    }
    void wrongCommandLines()
    {
        QFETCH(QStringList, replace);
        const QString out = dir.filePath(QStringLiteral("never.mp3"));
        QStringList args = programArguments(dir.filePath(QStringLiteral("y.wav")), out);
        args[replace[0].toInt()] = replace[1];
        const Run run = runKvt(args);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.contains("kvt: "));
        QVERIFY(!QFile::exists(out));

        QCOMPARE(runKvt({QStringLiteral("-i")}).exitCode, 2); // value missing
        QCOMPARE(runKvt({QStringLiteral("-i"), QStringLiteral("a.wav")}).exitCode, 2); // no output
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
        QDir work(dir.filePath(QStringLiteral("cut")));
        QVERIFY(work.mkpath(QStringLiteral(".")));
        const QString in = work.filePath(QStringLiteral("long.wav"));
        if (!QFile::exists(in))
            QVERIFY(TestMedia::makeWav(in, 300.0));
        QProcess kvt;
        kvt.start(Kvt, programArguments(in, work.filePath(QStringLiteral("long.mp3"))));
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

private:
    static void writeFile(const QString& path, const QByteArray& content)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
    }
    static QByteArray readFile(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
};

QTEST_GUILESS_MAIN(TestKvt)
#include "tst_kvt.moc"
