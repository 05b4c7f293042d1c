// `cmake --install` into a temporary DESTDIR: the commands in bin lead into the application
// folder, the installed program runs from there, and the desktop integration is complete and
// passes the freedesktop validators.
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <unistd.h>

namespace {
const QString appId = QStringLiteral("org.lumaro.Lumaro");

struct Run
{
    int code = -1;
    QString out;
};

Run run(const QString& program, const QStringList& args, const QProcessEnvironment& env = {})
{
    QProcess p;
    if (!env.isEmpty())
        p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    Run r;
    if (!p.waitForStarted(10000))
        return r;
    if (!p.waitForFinished(240000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.out = QString::fromLocal8Bit(p.readAll());
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return r;
}
} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void layout_data();
    void layout();
    void commandsLeadIntoTheApplicationFolder();
    void installedProgramRuns();
    void iconSizes();
    void projectFilesOpenWithLumaro();
    void validators_data();
    void validators();

private:
    QTemporaryDir dest;
    QString prefix;
};

void TestInstall::initTestCase()
{
    QVERIFY(dest.isValid());
    prefix = dest.path() + QStringLiteral("/usr");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DESTDIR"), dest.path());
    const Run r = run(QStringLiteral(LUMARO_CMAKE),
                      {QStringLiteral("--install"), QStringLiteral(LUMARO_BINARY_DIR),
                       QStringLiteral("--prefix"), QStringLiteral("/usr")},
                      env);
    QVERIFY2(r.code == 0, qPrintable(r.out.right(2000)));
}

void TestInstall::layout_data()
{
    QTest::addColumn<QString>("path");
    const QStringList paths = {
        QStringLiteral("lib/lumaro/lumaro"),
        QStringLiteral("lib/lumaro/velminfo"),
        QStringLiteral("lib/lumaro/kvt"),
        QStringLiteral("lib/lumaro/template/version1/Carousel.jpg"),
        QStringLiteral("lib/lumaro/template/version1/SWF/Carousel.swf"),
        QStringLiteral("lib/lumaro/template/offline.html"),
        QStringLiteral("lib/lumaro/skins/plenvo/style.qss"),
        QStringLiteral("lib/lumaro/skins/kzo/style.qss"),
        QStringLiteral("lib/lumaro/translations/lumaro_de.qm"),
        QStringLiteral("lib/lumaro/translations/lumaro_es.qm"),
        QStringLiteral("lib/lumaro/translations/lumaro_fr.qm"),
        QStringLiteral("lib/lumaro/translations/lumaro_it.qm"),
        QStringLiteral("lib/lumaro/translations/lumaro_ja.qm"),
        QStringLiteral("lib/lumaro/translations/lumaro_pl.qm"),
        QStringLiteral("lib/lumaro/translations/lumaro_pt_BR.qm"),
        QStringLiteral("lib/lumaro/translations/lumaro_zh_CN.qm"),
        QStringLiteral("lib/lumaro/ruffle/ruffle.js"),
        QStringLiteral("lib/lumaro/Sample/image_0.jpg"),
        QStringLiteral("share/applications/") + appId + QStringLiteral(".desktop"),
        QStringLiteral("share/metainfo/") + appId + QStringLiteral(".metainfo.xml"),
        QStringLiteral("share/mime/packages/") + appId + QStringLiteral(".xml"),
        QStringLiteral("share/icons/hicolor/scalable/apps/") + appId + QStringLiteral(".svg"),
    };
    for (const QString& path : paths)
        QTest::newRow(qPrintable(path)) << path;
}

void TestInstall::layout()
{
    QFETCH(QString, path);
    const QFileInfo info(prefix + QLatin1Char('/') + path);
    QVERIFY2(info.exists() && info.size() > 0, qPrintable(info.filePath()));
    if (path.startsWith(QStringLiteral("lib/lumaro/")) && !path.contains(QLatin1Char('.')))
        QVERIFY(info.isExecutable());
}

void TestInstall::commandsLeadIntoTheApplicationFolder()
{
    QStringList commands = {QStringLiteral("lumaro")};
    if (LUMARO_HAS_PUBLISH_COMMAND)
        commands << QStringLiteral("lumaro-publish");
    for (const QString& command : commands) {
        const QFileInfo link(prefix + QStringLiteral("/bin/") + command);
        QVERIFY2(link.isSymLink(), qPrintable(link.filePath()));
        // Relative, so the installed tree can be moved or packed.
        QCOMPARE(QFile::symLinkTarget(link.filePath()),
                 QFileInfo(prefix + QStringLiteral("/lib/lumaro/") + command).canonicalFilePath());
        char target[4096] = {};
        QVERIFY(::readlink(QFile::encodeName(link.filePath()).constData(), target,
                           sizeof target - 1) > 0);
        QVERIFY2(target[0] != '/', target);
    }
    // Build-time helpers and test programs stay out of the installation.
    const QStringList apps = QDir(prefix + QStringLiteral("/lib/lumaro")).entryList(QDir::Files);
    for (const QString& name : apps)
        QVERIFY2(!name.startsWith(QStringLiteral("tst_")) &&
                     !name.startsWith(QStringLiteral("lumaro_")),
                 qPrintable(name));
}

// Through the link in bin, as the menu entry starts it: the program must find its own folder
// (translations included) where it was installed, not in the build tree.
void TestInstall::installedProgramRuns()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), dest.path() + QStringLiteral("/home"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dest.path() + QStringLiteral("/home/.config"));
    env.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    const Run version =
        run(prefix + QStringLiteral("/bin/lumaro"), {QStringLiteral("--version")}, env);
    QCOMPARE(version.code, 0);
    QVERIFY2(version.out.contains(QStringLiteral("Lumaro " LUMARO_VERSION)),
             qPrintable(version.out));
    if (LUMARO_HAS_PUBLISH_COMMAND) {
        const Run publish =
            run(prefix + QStringLiteral("/bin/lumaro-publish"), {QStringLiteral("--version")}, env);
        QCOMPARE(publish.code, 0);
        QVERIFY2(publish.out.contains(QStringLiteral(LUMARO_VERSION)), qPrintable(publish.out));
    }
    // The tools answer a call without input with their usage: they start and find their libraries.
    for (const QString& tool : {QStringLiteral("velminfo"), QStringLiteral("kvt")}) {
        const Run r = run(prefix + QStringLiteral("/lib/lumaro/") + tool, {}, env);
        QVERIFY2(r.code == 2 && r.out.contains(QStringLiteral("usage:")), qPrintable(r.out));
    }
}

void TestInstall::iconSizes()
{
    const QString themes = prefix + QStringLiteral("/share/icons/hicolor/");
    const QStringList sizes = QDir(themes).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QVERIFY(sizes.contains(QStringLiteral("48x48")) && sizes.contains(QStringLiteral("256x256")));
    for (const QString& size : sizes) {
        if (size == QStringLiteral("scalable"))
            continue;
        const QString file =
            themes + size + QStringLiteral("/apps/") + appId + QStringLiteral(".png");
        QImageReader reader(file);
        const int n = size.section(QLatin1Char('x'), 0, 0).toInt();
        QCOMPARE(reader.size(), QSize(n, n));
        const QImage image = reader.read();
        // Transparent corners, an opaque middle: a real drawing, not an empty square.
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(n / 2, n / 2)), 255);
    }
}

// A file manager knows "*.lumaro" as Lumaro's project type and opens it with the menu entry,
// which hands the file to the program.
void TestInstall::projectFilesOpenWithLumaro()
{
    const QString type = QStringLiteral("application/x-lumaro-project");
    QFile definition(prefix + QStringLiteral("/share/mime/packages/") + appId +
                     QStringLiteral(".xml"));
    QVERIFY(definition.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&definition);
    QString current;
    QStringList globs;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("mime-type"))
            current = xml.attributes().value(QLatin1String("type")).toString();
        else if (xml.name() == QLatin1String("glob") && current == type)
            globs << xml.attributes().value(QLatin1String("pattern")).toString();
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(globs, QStringList{QStringLiteral("*.lumaro")});

    QSettings entry(prefix + QStringLiteral("/share/applications/") + appId +
                        QStringLiteral(".desktop"),
                    QSettings::IniFormat);
    entry.beginGroup(QStringLiteral("Desktop Entry"));
    QVERIFY(
        entry.value(QStringLiteral("MimeType")).toString().split(QLatin1Char(';')).contains(type));
    QVERIFY(entry.value(QStringLiteral("Exec")).toString().endsWith(QStringLiteral(" %f")));

    // The database tool itself, as the package's trigger runs it, takes the definition.
    if (QString(LUMARO_UPDATE_MIME_DATABASE).endsWith(QStringLiteral("-NOTFOUND")))
        QSKIP("update-mime-database not installed (package shared-mime-info)");
    QTemporaryDir mime;
    QVERIFY(QDir().mkpath(mime.filePath(QStringLiteral("packages"))));
    QVERIFY(QFile::copy(definition.fileName(), mime.filePath(QStringLiteral("packages/") + appId +
                                                             QStringLiteral(".xml"))));
    const Run update = run(QStringLiteral(LUMARO_UPDATE_MIME_DATABASE), {mime.path()});
    QVERIFY2(update.code == 0, qPrintable(update.out));
    QFile table(mime.filePath(QStringLiteral("globs2")));
    QVERIFY(table.open(QIODevice::ReadOnly));
    QVERIFY(table.readAll().contains((type + QStringLiteral(":*.lumaro")).toUtf8()));
}

void TestInstall::validators_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("args");
    QTest::newRow("desktop entry") << QStringLiteral(LUMARO_DESKTOP_FILE_VALIDATE)
                                   << QStringList{prefix + QStringLiteral("/share/applications/") +
                                                  appId + QStringLiteral(".desktop")};
    QTest::newRow("metainfo") << QStringLiteral(LUMARO_APPSTREAMCLI)
                              << QStringList{QStringLiteral("validate"), QStringLiteral("--no-net"),
                                             prefix + QStringLiteral("/share/metainfo/") + appId +
                                                 QStringLiteral(".metainfo.xml")};
}

void TestInstall::validators()
{
    QFETCH(QString, tool);
    QFETCH(QStringList, args);
    if (tool.isEmpty() || tool.endsWith(QStringLiteral("-NOTFOUND")))
        QSKIP("validator not installed (scripts/install-deps.sh installs it)");
    const Run r = run(tool, args);
    QVERIFY2(r.code == 0, qPrintable(r.out));
}

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
