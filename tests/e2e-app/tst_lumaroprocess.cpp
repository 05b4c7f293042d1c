// The real program as separate processes: command line, start-up line for the splash screen,
// single instance, clean end on SIGTERM, and a broken installation.
#include "platform/velfc/core/velintegrity.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
const QString program = QString(LUMARO_TEST_APP_DIR "/lumaro");
const QByteArray splashLine = "command:close splash screen";
} // namespace

class TestLumaroProcess : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        const QStringList problems = VelIntegrity::problems(QString(LUMARO_TEST_APP_DIR));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
    }

    void init() { home.reset(new QTemporaryDir); }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("err");
        QTest::newRow("help") << QStringList{"--help"} << QByteArray("Usage: lumaro")
                              << QByteArray();
        QTest::newRow("version") << QStringList{"--version"}
                                 << QByteArray("Lumaro " LUMARO_VERSION "\n") << QByteArray();
        QTest::newRow("unknown") << QStringList{"--bogus"} << QByteArray()
                                 << QByteArray("unknown option '--bogus'");
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
        std::unique_ptr<QProcess> run = start(arguments);
        QVERIFY(run->waitForFinished(30000));
        QCOMPARE(run->exitStatus(), QProcess::NormalExit);
        QCOMPARE(run->exitCode(), 0);
        const QByteArray stdoutText = run->readAllStandardOutput();
        QVERIFY2(stdoutText.startsWith(out), stdoutText.constData());
        QCOMPARE(stdoutText.isEmpty(), out.isEmpty());
        QVERIFY(!stdoutText.contains(splashLine)); // no window, no splash command
        QVERIFY(run->readAllStandardError().contains(err));
    }

    void singleInstanceAndCleanEnd()
    {
        std::unique_ptr<QProcess> first = start({}, "lumaro.instance.debug=true");
        // The splash line comes exactly once, unterminated, and only after the window is shown.
        QByteArray firstOut = readUntil(*first, splashLine);
        QVERIFY2(firstOut == splashLine, first->readAllStandardError().constData());
        QTest::qWait(300);
        QCOMPARE(firstOut + first->readAllStandardOutput(), splashLine);
        const QString workspace =
            home->filePath("data/Lumaro/DF287552-FB87-4731-9A26-72843EC8A1E2/background music");
        QVERIFY(QDir(workspace).exists());

        std::unique_ptr<QProcess> second = start({});
        QVERIFY(second->waitForFinished(30000));
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(second->readAllStandardOutput(), QByteArray());
        QByteArray firstErr;
        QTRY_VERIFY_WITH_TIMEOUT(
            (firstErr += first->readAllStandardError()).contains("activated Lumaro"), 10000);

        first->terminate(); // as the desktop does at logout: the window closes normally
        QVERIFY(first->waitForFinished(30000));
        QCOMPARE(first->exitStatus(), QProcess::NormalExit);
        QCOMPARE(first->exitCode(), 0);
        QCOMPARE(first->readAllStandardOutput(), QByteArray()); // still only the one line
        QVERIFY(!QDir(home->filePath("data/Lumaro")).exists()); // workspace removed at close

        // With the first gone, a new start shows a window again.
        std::unique_ptr<QProcess> third = start({});
        QCOMPARE(readUntil(*third, splashLine), splashLine);
        third->terminate();
        QVERIFY(third->waitForFinished(30000));
        QCOMPARE(third->exitCode(), 0);
    }

    void brokenInstallEndsQuietly()
    {
        // The program alone, without its tools, templates, skins and player.
        const QString copy = home->filePath("app/lumaro");
        QVERIFY(QDir().mkpath(home->filePath("app")));
        QVERIFY(QFile::copy(program, copy));
        QFile::setPermissions(copy, QFile::permissions(program));
        std::unique_ptr<QProcess> run = start({"--version"}, QString(), copy);
        QVERIFY(run->waitForFinished(30000));
        QCOMPARE(run->exitCode(), 0);
        QCOMPARE(run->readAllStandardOutput(), QByteArray()); // not even the version
    }

    // Without arguments a broken installation shows its message box; the desktop's SIGTERM
    // (logout, shutdown) must still end the program, with status 0, instead of being ignored.
    void brokenInstallMessageEndsOnTerminate()
    {
        const QString copy = home->filePath("app/lumaro");
        QVERIFY(QDir().mkpath(home->filePath("app")));
        QVERIFY(QFile::copy(program, copy));
        QFile::setPermissions(copy, QFile::permissions(program));
        std::unique_ptr<QProcess> run = start({}, QString(), copy);
        QVERIFY(!run->waitForFinished(2000)); // the box waits for an answer
        run->terminate();
        const bool ended = run->waitForFinished(15000);
        if (!ended)
            run->kill();
        QVERIFY(ended);
        QCOMPARE(run->exitStatus(), QProcess::NormalExit);
        QCOMPARE(run->exitCode(), 0);
    }

private:
    static QByteArray readUntil(QProcess& process, const QByteArray& expected)
    {
        QByteArray got;
        QElapsedTimer timer;
        timer.start();
        while (got.size() < expected.size() && timer.elapsed() < 60000 &&
               process.state() == QProcess::Running) {
            process.waitForReadyRead(1000);
            got += process.readAllStandardOutput();
        }
        return got;
    }

    std::unique_ptr<QProcess> start(const QStringList& arguments,
                                    const QString& logRules = QString(),
                                    const QString& executable = program)
    {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // Settings, workspace, socket and log all inside this test's own folder.
        env.insert("HOME", home->path());
        env.insert("XDG_CONFIG_HOME", home->filePath("config"));
        env.insert("XDG_DATA_HOME", home->filePath("data"));
        env.insert("XDG_CACHE_HOME", home->filePath("cache"));
        env.insert("XDG_RUNTIME_DIR", home->path());
        env.insert("TMPDIR", home->path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QTWEBENGINE_DISABLE_SANDBOX", "1");
        if (!logRules.isEmpty())
            env.insert("QT_LOGGING_RULES", logRules);
        process->setProcessEnvironment(env);
        process->start(executable, arguments);
        process->waitForStarted();
        return process;
    }

    std::unique_ptr<QTemporaryDir> home;
};

QTEST_GUILESS_MAIN(TestLumaroProcess)
#include "tst_lumaroprocess.moc"
