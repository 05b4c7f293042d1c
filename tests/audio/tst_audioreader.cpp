// The audio information reader: its parsing rules on their own, then the whole read through the
// real media-information tool, then through stand-in tools put first on PATH.
#include "audio/core/audioreader.h"
#include "platform/velfc/core/velpref.h"
#include "support/testfiles.h"
#include "support/testmedia.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

class TestAudioReader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(dir.isValid());
        VelPref::instance()->open(dir.filePath("settings.ini"));
        // As the program does at start-up: its own folder first, so the tools built with it are
        // found.
        originalPath = LUMARO_TEST_APP_DIR ":" + qgetenv("PATH");
        qputenv("PATH", originalPath);
    }
    void cleanup() { qputenv("PATH", originalPath); }

    void parseTimeText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("ms");
        QTest::newRow("half second") << "00:03:25.5" << 205500.0;
        QTest::newRow("two digits are centiseconds") << "00:03:25.50" << 205500.0;
        QTest::newRow("no fraction") << "00:03:25" << 205000.0;
        QTest::newRow("hour") << "01:00:00.25" << 3600250.0;
        QTest::newRow("finer fraction cut to ms") << "00:00:07.1234" << 7123.0;
        QTest::newRow("two pieces") << "3:25" << 0.0;
        QTest::newRow("four pieces") << "1:2:3:4" << 0.0;
        QTest::newRow("unknown") << "N/A" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("non-numeric piece") << "xx:01:02.00" << 62000.0;
        QTest::newRow("three-digit hours") << "100:00:00.00" << 360000000.0;
        // Past the 32-bit range of milliseconds the length must not turn negative.
        QTest::newRow("very long") << "700:00:00.00" << 2520000000.0;
        // Found by fuzzing: pieces this long overflowed a 64-bit sum.
        QTest::newRow("nineteen-digit minutes")
            << "p:3222222222222222222:5" << 1.9333333333333332e23;
    }
    void parseTimeText()
    {
        QFETCH(QString, text);
        QFETCH(double, ms);
        QCOMPARE(AudioReader::parseTimeText(text), ms);
    }

    void extractXml_data()
    {
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<QString>("xml");
        const QByteArray doc = "<?xml version=\"1.0\"?>\n<media>\n</media>\n";
        const QString expected = QString("<?xml version=\"1.0\"?>\n<media>\n</media>\n");
        QTest::newRow("plain") << doc << expected;
        QTest::newRow("99 lines before") << QByteArray("noise\n").repeated(99) + doc << expected;
        QTest::newRow("100 lines before") << QByteArray("noise\n").repeated(100) + doc << QString();
        QTest::newRow("99 lines after declaration")
            << "<?xml version=\"1.0\"?>\n<media>\n" + QByteArray("<x/>\n").repeated(97) + "</media>"
            << "<?xml version=\"1.0\"?>\n<media>\n" + QString("<x/>\n").repeated(97) + "</media>\n";
        QTest::newRow("100 lines after declaration")
            << "<?xml version=\"1.0\"?>\n<media>\n" + QByteArray("<x/>\n").repeated(98) + "</media>"
            << QString();
        QTest::newRow("text after end tag")
            << QByteArray("<?xml version=\"1.0\"?>\n<media>\n</media> trailing\nmore\n")
            << expected;
        QTest::newRow("no declaration") << QByteArray("<media>\n</media>\n") << QString();
        QTest::newRow("carriage returns kept")
            << QByteArray("<?xml version=\"1.0\"?>\r\n<media>\r\n</media>\r\n")
            << QString("<?xml version=\"1.0\"?>\r\n<media>\r\n</media>\n");
        QTest::newRow("empty") << QByteArray() << QString();
    }
    void extractXml()
    {
        QFETCH(QByteArray, output);
        QFETCH(QString, xml);
        QCOMPARE(AudioReader::extractXml(output), xml);
    }

    void timeStringFromXml_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("codec");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("rate");
        QTest::addColumn<double>("duration");
        const auto s = [](const char* attrs) {
            return QString("<stream %1/>").arg(QLatin1String(attrs));
        };
        const QString audio = s("type=\"audio\" duration=\"00:03:25.50\" codec_name=\"mp3\" "
                                "channels=\"2\" sample_rate=\"44100\"");
        QTest::newRow("audio") << "<media>" + audio + "</media>" << true << "mp3" << 2 << 44100
                               << 205.5;
        QTest::newRow("malformed") << "<media>" + audio << false << "" << 0 << 0 << 0.0;
        QTest::newRow("empty") << QString() << false << "" << 0 << 0 << 0.0;
        QTest::newRow("no stream")
            << "<media duration=\"00:00:05.00\"/>" << false << "" << 0 << 0 << 0.0;
        QTest::newRow("video first")
            << "<media>" + s("type=\"video\" duration=\"00:00:02.00\"") + audio + "</media>"
            << false << "" << 0 << 0 << 0.0;
        QTest::newRow("capital Audio")
            << "<media>" + s("type=\"Audio\" duration=\"00:00:02.00\"") + "</media>" << false << ""
            << 0 << 0 << 0.0;
        QTest::newRow("unknown length takes media duration")
            << "<media duration=\"00:00:09.25\">" +
                   s("type=\"audio\" duration=\"N/A\" codec_name=\"vorbis\" channels=\"1\" "
                     "sample_rate=\"22050\"") +
                   "</media>"
            << true << "vorbis" << 1 << 22050 << 9.25;
        QTest::newRow("zero length takes media duration")
            << "<media duration=\"00:01:00.00\">" +
                   s("type=\"audio\" duration=\"00:00:00.00\" channels=\"2\" "
                     "sample_rate=\"8000\"") +
                   "</media>"
            << true << "" << 2 << 8000 << 60.0;
        QTest::newRow("unknown everywhere")
            << "<media>" +
                   s("type=\"audio\" duration=\"N/A\" codec_name=\"aac\" channels=\"1\" "
                     "sample_rate=\"44100\"") +
                   "</media>"
            << true << "aac" << 1 << 44100 << 0.0;
        // Random bytes named .mp3 used to come back as a stream of 0 Hz and 0 channels.
        QTest::newRow("no rate or channels")
            << "<media>" +
                   s("type=\"audio\" duration=\"N/A\" codec_name=\"mp3\" channels=\"0\" "
                     "sample_rate=\"0\"") +
                   "</media>"
            << false << "" << 0 << 0 << 0.0;
        QTest::newRow("no rate")
            << "<media>" + s("type=\"audio\" duration=\"00:00:01.00\" channels=\"2\"") + "</media>"
            << false << "" << 0 << 0 << 0.0;
        QTest::newRow("negative channels")
            << "<media>" +
                   s("type=\"audio\" duration=\"00:00:01.00\" channels=\"-2\" "
                     "sample_rate=\"44100\"") +
                   "</media>"
            << false << "" << 0 << 0 << 0.0;
        QTest::newRow("no duration: next stream replaces")
            << "<media>" + s("type=\"audio\" codec_name=\"flac\" channels=\"1\"") +
                   s("type=\"audio\" duration=\"00:00:04.00\" codec_name=\"ac3\" channels=\"6\" "
                     "sample_rate=\"48000\"") +
                   "</media>"
            << true << "ac3" << 6 << 48000 << 4.0;
        QTest::newRow("non-numeric counts")
            << "<media>" +
                   s("type=\"audio\" duration=\"00:00:01.00\" channels=\"two\" sample_rate=\"\"") +
                   "</media>"
            << false << "" << 0 << 0 << 0.0;
    }
    void timeStringFromXml()
    {
        QFETCH(QString, xml);
        QFETCH(bool, ok);
        AudioInfo info;
        info.startPoint = 3;
        info.bitsPerSample = 8;
        QCOMPARE(AudioReader::timeStringFromXml(xml, info), ok);
        if (!ok) {
            QCOMPARE(info.startPoint, 3.0); // a rejected record keeps what it had
            return;
        }
        QTEST(info.codecName, "codec");
        QTEST(info.channels, "channels");
        QTEST(info.sampleRate, "rate");
        QTEST(info.duration, "duration");
        QCOMPARE(info.endPoint, info.duration);
        QCOMPARE(info.startPoint, 0.0);
        QCOMPARE(info.bitsPerSample, 16);
    }

    void otherRootIsLogged()
    {
        QFile::remove(TestFiles::logPath());
        AudioInfo info;
        QVERIFY(AudioReader::timeStringFromXml(
            QString("<ffprobe><stream type=\"audio\" duration=\"N/A\" channels=\"1\" "
                    "sample_rate=\"8000\"/></ffprobe>"),
            info));
        QCOMPARE(info.duration, 0.0);
        QVERIFY(
            TestFiles::read(TestFiles::logPath()).contains("): in AudioReader::timeStringFromXml"));
    }

    // The whole read through the real tool, for every kind FFmpeg can write here.
    void readsEachAudioKind_data()
    {
        QTest::addColumn<int>("kind");
        for (int i = 0; i < TestMedia::audioKinds().size(); ++i)
            QTest::newRow(TestMedia::audioKinds()[i].extension) << i;
    }
    void readsEachAudioKind()
    {
        QFETCH(int, kind);
        const TestMedia::Kind& k = TestMedia::audioKinds()[kind];
        AudioInfo info;
        info.filePath = dir.filePath("tone " + QLatin1String(k.extension) + QLatin1Char('.') +
                                     QLatin1String(k.extension));
        QVERIFY(TestMedia::makeTone(info.filePath, k, 4.0));
        QVERIFY(AudioReader::readAudioInfo(info));
        QCOMPARE(info.codecName, QLatin1String(k.codecName));
        QCOMPARE(info.channels, k.channels);
        QCOMPARE(info.sampleRate, k.sampleRate);
        QVERIFY2(qAbs(info.duration - 4.0) < 0.1, qPrintable(QString::number(info.duration)));
        QCOMPARE(info.endPoint, info.duration);
        QCOMPARE(info.startPoint, 0.0);
    }

    // The tool's own tests cover unreadable files; a missing one stands for them all here.
    void rejectsWhatIsNotMusic_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("photo") << "photo.jpg";
        QTest::newRow("video with sound") << "clip.mp4";
        QTest::newRow("missing") << "gone.ogg";
        QTest::newRow("zeros named .mp3") << "zeros.mp3";
        // The tool would wait on a pipe until its time runs out.
        QTest::newRow("pipe named .mp3") << "pipe.mp3";
        QTest::newRow("folder named .mp3") << "folder.mp3";
    }
    void rejectsWhatIsNotMusic()
    {
        QFETCH(QString, name);
        const QString path = dir.filePath(name);
        if (name == QLatin1String("photo.jpg"))
            QVERIFY(TestMedia::makePhoto(path));
        else if (name == QLatin1String("clip.mp4"))
            QVERIFY(TestMedia::makeVideo(path));
        else if (name == QLatin1String("zeros.mp3"))
            writeFile(path, QByteArray(1 << 20, '\0'));
        else if (name == QLatin1String("pipe.mp3"))
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        else if (name == QLatin1String("folder.mp3"))
            QVERIFY(QDir().mkpath(path));
        AudioInfo info;
        info.filePath = path;
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!AudioReader::readAudioInfo(info));
        // Refused at once, not after the tool's time limit.
        QVERIFY(timer.elapsed() < AudioReader::ToolTimeoutMs / 2);
    }

    // The flags come from the settings and are set even when the file is rejected.
    void flagsFromSettings()
    {
        VelPref* pref = VelPref::instance();
        AudioInfo info;
        info.filePath = dir.filePath("gone.ogg");
        QVERIFY(!AudioReader::readAudioInfo(info));
        QCOMPARE(info.fadeIn, 0);
        QCOMPARE(info.fadeOut, 0);
        QCOMPARE(info.loop, 1);
        pref->setValue(QLatin1String(PrefKey::IsFadeIn), true);
        pref->setValue(QLatin1String(PrefKey::IsFadeOut), true);
        pref->setValue(QLatin1String(PrefKey::IsLoop), false);
        QVERIFY(!AudioReader::readAudioInfo(info));
        QCOMPARE(info.fadeIn, 1);
        QCOMPARE(info.fadeOut, 1);
        QCOMPARE(info.loop, 0);
        pref->remove(QLatin1String(PrefKey::IsFadeIn));
        pref->remove(QLatin1String(PrefKey::IsFadeOut));
        pref->remove(QLatin1String(PrefKey::IsLoop));
    }

    // Stand-in tools found first on PATH, the way the program finds the real one.
    void standInTool_data()
    {
        QTest::addColumn<QByteArray>("report");
        QTest::addColumn<bool>("ok");
        const QByteArray good = "<?xml version=\"1.0\"?>\n<media duration=\"00:00:07.00\">\n"
                                "<stream type=\"audio\" duration=\"N/A\" codec_name=\"opus\" "
                                "channels=\"2\" sample_rate=\"48000\"/>\n"
                                "</media>\n";
        QTest::newRow("good") << good << true;
        QTest::newRow("too long")
            << QByteArray(good).replace(
                   "</media>", QByteArray(QByteArray("<!-- -->\n").repeated(100) + "</media>"))
            << false;
        QTest::newRow("malformed") << QByteArray(good).replace("/>", ">") << false;
        QTest::newRow("no report") << QByteArray() << false;
    }
    void standInTool()
    {
        QFETCH(QByteArray, report);
        QFETCH(bool, ok);
        const QString reportFile = dir.filePath("report.txt");
        writeFile(reportFile, report);
        const QString argsFile = dir.filePath("args.txt");
        installStandIn(
            QString("printf '%s\\n' \"$@\" > '%1'\ncat '%2' >&2\n").arg(argsFile, reportFile));

        AudioInfo info;
        info.filePath = QString("/music/it's a \"song\"; $(rm -rf x).ogg");
        QCOMPARE(AudioReader::readAudioInfo(info), ok);
        if (ok) {
            QCOMPARE(info.codecName, QString("opus"));
            QCOMPARE(info.duration, 7.0);
        }
        // The path arrives as one argument, untouched by any shell.
        QFile args(argsFile);
        QVERIFY(args.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(args.readAll()),
                 QString("-i\n") + info.filePath + QLatin1Char('\n'));
    }

    void missingTool()
    {
        qputenv("PATH", QFile::encodeName(dir.filePath("nothing-here")));
        AudioInfo info;
        info.filePath = dir.filePath("gone.ogg");
        QVERIFY(!AudioReader::readAudioInfo(info));
    }

    // A tool that never ends costs the full limit, then the file is rejected and the tool ended.
    void hangingTool()
    {
        const QString pidFile = dir.filePath("pid.txt");
        installStandIn(QString("echo $$ > '%1'\nexec sleep 120\n").arg(pidFile));
        AudioInfo info;
        info.filePath = dir.filePath("slow.wav");
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!AudioReader::readAudioInfo(info));
        QVERIFY(timer.elapsed() >= AudioReader::ToolTimeoutMs - 1000);
        QVERIFY(timer.elapsed() < AudioReader::ToolTimeoutMs + 10000);
        QFile pid(pidFile);
        QVERIFY(pid.open(QIODevice::ReadOnly));
        QVERIFY(!QFile::exists(QString("/proc/") + QString::fromLatin1(pid.readAll().trimmed())));
    }

private:
    static void writeFile(const QString& path, const QByteArray& content)
    {
        QVERIFY(TestFiles::write(path, content));
    }
    void installStandIn(const QString& body)
    {
        QVERIFY(TestFiles::installStandIn(dir.filePath("standin"), "velminfo", body, originalPath));
    }

    QTemporaryDir dir;
    QByteArray originalPath;
};

QTEST_GUILESS_MAIN(TestAudioReader)
#include "tst_audioreader.moc"
