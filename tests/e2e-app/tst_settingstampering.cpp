// Every setting hostile at start-up ("Temporary" = "/" or the home folder, numbers out of range,
// unknown skin and language, a publish-folder history of garbage), then a session of the real
// program and a normal close: it starts and shows its window, ends with status 0, and nothing
// outside its own folders is deleted or created.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
const QString program = QString(LUMARO_TEST_APP_DIR "/lumaro");
const QByteArray splashLine = "command:close splash screen";
const QString workspaceName = QStringLiteral("DF287552-FB87-4731-9A26-72843EC8A1E2");

// Every entry below `root` (folders too, empty ones included), except the program's own places.
QStringList snapshot(const QString& root, const QStringList& skip)
{
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = QDir(root).relativeFilePath(path);
        bool own = false;
        for (const QString& s : skip)
            own = own || relative == s || relative.startsWith(s + QLatin1Char('/'));
        if (!own)
            entries << relative;
    }
    entries.sort();
    return entries;
}
} // namespace

class TestSettingsTampering : public QObject
{
    Q_OBJECT
private slots:
    void hostileSettings_data()
    {
        QTest::addColumn<QVariantMap>("values"); // "~" stands for the home folder, "@" outside
        const auto row = [](const char* name, const QVariantMap& values) {
            QTest::newRow(name) << values;
        };
        row("workspace is the root", {{"Temporary", "/"}, {"TemporaryDir", "/"}});
        row("workspace is home", {{"Temporary", "~"}, {"TemporaryDir", "~"}});
        row("workspace is a user's empty folder",
            {{"Temporary", "~/Empty"}, {"TemporaryDir", "~/Empty"}});
        row("workspace below a user's empty folders",
            {{"Temporary", QString("@/a/b/" + workspaceName)}, {"TemporaryDir", "@/a/b"}});
        row("workspace relative", {{"Temporary", "relative/x"}, {"TemporaryDir", "."}});
        row("numbers", {{"AfterPublishingAction", -1},
                        {"UpdateInterval", -2147483647 - 1},
                        {"PublishProfile", 2147483647},
                        {"IsFadeIn", "maybe"},
                        {"IsLoop", 1e308},
                        {"AutoUpdateEnable", "ja"}});
        row("names",
            {{"last_skin", "../../../etc"},
             {"language", "xx_YY/../../passwd"},
             {"PublishFolder", QStringList{"\n\n", "/", "~", QString(5000, QChar(0x263a))}},
             {"PhotoLastDir", "/proc/self/\x01"},
             {"AudioLastDir", QString()},
             {"window_geometry", QByteArray(4096, '\xff')}});
        row("everything at once", {{"Temporary", "/"},
                                   {"TemporaryDir", "~"},
                                   {"AfterPublishingAction", 99},
                                   {"last_skin", "no such skin"},
                                   {"language", "zz"},
                                   {"PublishProfile", -7},
                                   {"PublishFolder", "<>:|?*"},
                                   {"window_geometry", "garbage"}});
    }
    void hostileSettings()
    {
        QFETCH(QVariantMap, values);
        QTemporaryDir home;
        QTemporaryDir outside;
        QVERIFY(home.isValid() && outside.isValid());
        // The user's things: files, an empty folder, empty folders around the workspace.
        QVERIFY(QDir(home.path()).mkpath("Empty"));
        QVERIFY(QDir(home.path()).mkpath("Pictures/2024"));
        QVERIFY(QDir(outside.path()).mkpath("a/b"));
        for (const QString& file : {home.filePath("notes.txt"), home.filePath("Pictures/p.jpg"),
                                    outside.filePath("keep.txt")}) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("mine");
        }
        // Settings are written the way a hand editor or a damaged disk leaves them.
        const QString ini = home.filePath("config/Lumaro/lumaro.ini");
        QVERIFY(QDir().mkpath(QFileInfo(ini).path()));
        {
            QSettings settings(ini, QSettings::IniFormat);
            for (auto it = values.cbegin(); it != values.cend(); ++it) {
                QVariant value = it.value();
                if (value.typeId() == QMetaType::QString) {
                    QString text = value.toString();
                    if (text.startsWith(QLatin1Char('~')))
                        text.replace(0, 1, home.path());
                    else if (text.startsWith(QLatin1Char('@')))
                        text.replace(0, 1, outside.path());
                    value = text;
                }
                settings.setValue(it.key(), value);
            }
        }
        const QStringList own{"config", "data", "cache", "runtime", "tmp"};
        const QStringList homeBefore = snapshot(home.path(), own);
        const QStringList outsideBefore = snapshot(outside.path(), {});
        const QStringList rootBefore = QDir("/").entryList(QDir::AllEntries | QDir::Hidden);

        for (int session = 0; session < 2;
             ++session) { // the second start finds what the first left
            QProcess run;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("HOME", home.path());
            env.insert("XDG_CONFIG_HOME", home.filePath("config"));
            env.insert("XDG_DATA_HOME", home.filePath("data"));
            env.insert("XDG_CACHE_HOME", home.filePath("cache"));
            QDir().mkpath(home.filePath("runtime"));
            QFile::setPermissions(home.filePath("runtime"),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            env.insert("XDG_RUNTIME_DIR", home.filePath("runtime"));
            QDir().mkpath(home.filePath("tmp"));
            env.insert("TMPDIR", home.filePath("tmp"));
            env.insert("QT_QPA_PLATFORM", "offscreen");
            env.insert("QTWEBENGINE_DISABLE_SANDBOX", "1");
            run.setProcessEnvironment(env);
            run.start(program, {});
            QVERIFY(run.waitForStarted());
            QByteArray out;
            QElapsedTimer timer;
            timer.start();
            while (!out.contains(splashLine) && timer.elapsed() < 60000 &&
                   run.state() == QProcess::Running) {
                run.waitForReadyRead(1000);
                out += run.readAllStandardOutput();
            }
            QVERIFY2(out.contains(splashLine), run.readAllStandardError().constData());
            QTest::qWait(500);
            run.terminate(); // the desktop's close: the window's clean-up runs
            QVERIFY(run.waitForFinished(30000));
            QCOMPARE(run.exitStatus(), QProcess::NormalExit);
            QCOMPARE(run.exitCode(), 0);
        }

        QCOMPARE(snapshot(home.path(), own), homeBefore);
        QCOMPARE(snapshot(outside.path(), {}), outsideBefore);
        QCOMPARE(QDir("/").entryList(QDir::AllEntries | QDir::Hidden), rootBefore);
        QVERIFY(!QFileInfo::exists(home.filePath("data/Lumaro/" + workspaceName)));
    }
};

QTEST_GUILESS_MAIN(TestSettingsTampering)
#include "tst_settingstampering.moc"
