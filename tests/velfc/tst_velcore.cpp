// The framework's parts that do not draw: installation check, command line, folder names,
// skins' paths, power actions and languages.
#include "platform/velfc/core/vel.h"
#include "platform/velfc/core/velcmdline.h"
#include "platform/velfc/core/velintegrity.h"
#include "platform/velfc/core/vellangitemmodel.h"
#include "platform/velfc/core/velpoweraction.h"
#include "platform/velfc/core/velpref.h"
#include "platform/velfc/core/velskin.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {
void writeFile(const QString& path, const QByteArray& bytes, bool executable = false)
{
    QVERIFY(TestFiles::write(path, bytes));
    if (executable)
        QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
}

// A complete installation, then one piece of it damaged by `damage`.
void makeInstall(const QString& root, const QString& damage)
{
    if (damage != QLatin1String("no velminfo"))
        writeFile(root + "/velminfo", "#!/bin/sh\n",
                  damage != QLatin1String("velminfo not executable"));
    writeFile(root + "/kvt", damage == QLatin1String("empty kvt") ? QByteArray() : "#!/bin/sh\n",
              true);
    writeFile(root + "/template/version1/Waves.jpg", "jpg");
    if (damage != QLatin1String("template without movie"))
        writeFile(root + "/template/version1/Waves.swf", "FWS");
    if (damage == QLatin1String("skin without style"))
        QDir().mkpath(root + "/skins/plenvo");
    else
        writeFile(root + "/skins/plenvo/style.qss", "QWidget {}");
    if (damage != QLatin1String("no ruffle"))
        writeFile(root + "/ruffle/ruffle.js", damage == QLatin1String("empty ruffle") ? "" : "x");
}
} // namespace

class TestVelCore : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void integrality_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<bool>("complete");
        QTest::newRow("complete") << QString() << true;
        QTest::newRow("no velminfo") << "no velminfo" << false;
        QTest::newRow("velminfo not executable") << "velminfo not executable" << false;
        QTest::newRow("empty kvt") << "empty kvt" << false;
        QTest::newRow("template without movie") << "template without movie" << false;
        QTest::newRow("skin without style") << "skin without style" << false;
        QTest::newRow("no ruffle") << "no ruffle" << false;
        QTest::newRow("empty ruffle") << "empty ruffle" << false;
    }
    void integrality()
    {
        QFETCH(QString, damage);
        QFETCH(bool, complete);
        QTemporaryDir dir;
        makeInstall(dir.path(), damage);
        const QStringList problems = VelIntegrity::problems(dir.path());
        QCOMPARE(problems.isEmpty(), complete);
        if (!complete)
            QCOMPARE(problems.size(), 1); // exactly the damaged piece is reported
    }
    void integralityOfMissingFolder()
    {
        QVERIFY(!VelIntegrity::isComplete(QString("/nonexistent/lumaro")));
        QVERIFY(!VelIntegrity::isComplete(QString()));
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("handled");
        QTest::addColumn<QString>("outContains");
        QTest::addColumn<QString>("errContains");
        QTest::addColumn<QString>("file");
        QTest::newRow("none") << QStringList{"lumaro"} << false << QString() << QString()
                              << QString();
        QTest::newRow("help") << QStringList{"/x/lumaro", "--help"} << true << "--version"
                              << QString() << QString();
        QTest::newRow("short help")
            << QStringList{"lumaro", "-h"} << true << "Usage: lumaro" << QString() << QString();
        QTest::newRow("version") << QStringList{"lumaro", "--version"} << true << "Lumaro 1.2.3\n"
                                 << QString() << QString();
        QTest::newRow("unknown") << QStringList{"lumaro", "--frobnicate"} << true << QString()
                                 << "unknown option '--frobnicate'" << QString();
        // A file manager passes the file to open; a relative one is taken from where we started.
        QTest::newRow("file") << QStringList{"lumaro", "/home/ann/Trip.lumaro"} << false
                              << QString() << QString() << "/home/ann/Trip.lumaro";
        QTest::newRow("relative file")
            << QStringList{"lumaro", "Trip.lumaro"} << false << QString() << QString()
            << QDir::current().absoluteFilePath("Trip.lumaro");
        QTest::newRow("two files") << QStringList{"lumaro", "a.lumaro", "b.lumaro"} << true
                                   << QString() << "unexpected argument 'b.lumaro'" << QString();
        QTest::newRow("empty") << QStringList{"lumaro", ""} << true << QString()
                               << "unexpected argument ''" << QString();
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, handled);
        QFETCH(QString, outContains);
        QFETCH(QString, errContains);
        QFETCH(QString, file);
        const VelCmdLineResult result = VelCmdLine::process(arguments, "Lumaro", "1.2.3");
        QCOMPARE(result.handled, handled);
        QVERIFY2(result.out.contains(outContains), qPrintable(result.out));
        QVERIFY2(result.err.contains(errContains), qPrintable(result.err));
        QCOMPARE(result.out.isEmpty(), outContains.isEmpty()); // nothing stray on stdout
        QCOMPARE(result.err.isEmpty(), errContains.isEmpty());
        QCOMPARE(result.file, file);
    }

    void folderNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("allowSpaces");
        QTest::addColumn<bool>("valid");
        QTest::newRow("plain") << "Holiday 2024" << true << true;
        QTest::newRow("spaces refused") << "Holiday 2024" << false << false;
        QTest::newRow("umlaut") << "Grüße" << false << true;
        QTest::newRow("empty") << "" << true << false;
        QTest::newRow("dot") << "." << true << false;
        QTest::newRow("dotdot") << ".." << true << false;
        QTest::newRow("slash") << "a/b" << true << false;
        QTest::newRow("colon") << "a:b" << true << false;
        QTest::newRow("star") << "a*" << true << false;
        QTest::newRow("newline") << "a\nb" << true << false;
        QTest::newRow("trailing dot") << "name." << true << false;
        QTest::newRow("leading space") << " name" << true << false;
        // Whole paths: each folder on the way is judged like a single name.
        QTest::newRow("path") << "/home/ann/My Shows" << true << true;
        QTest::newRow("path, trailing slash") << "/home/ann/Shows/" << true << true;
        QTest::newRow("path, doubled slash") << "/home//ann" << true << true;
        QTest::newRow("path, hidden folder") << "/home/ann/.shows" << true << true;
        QTest::newRow("path, umlaut") << "/home/jörg/Grüße" << true << true;
        QTest::newRow("path, spaces refused") << "/home/ann/My Shows" << false << false;
        QTest::newRow("root alone") << "/" << true << false;
        QTest::newRow("relative path") << "ann/Shows" << true << false;
        QTest::newRow("path, colon") << "/home/ann/a:b" << true << false;
        QTest::newRow("path, question mark") << "/media/x?/y" << true << false;
        QTest::newRow("path, backslash") << "/home/ann\\Shows" << true << false;
        QTest::newRow("path, dotdot") << "/home/ann/../bob" << true << false;
        QTest::newRow("path, dot") << "/home/./ann" << true << false;
        QTest::newRow("path, trailing dot") << "/home/ann/name." << true << false;
        QTest::newRow("path, trailing space") << "/home/ann /x" << true << false;
        QTest::newRow("path, control") << "/home/a\tb" << true << false;
    }
    void folderNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, allowSpaces);
        QFETCH(bool, valid);
        QCOMPARE(Vel::isFolderNameValid(name, allowSpaces), valid);
    }

    void folderWritable()
    {
        QTemporaryDir dir;
        QVERIFY(Vel::isFolderWritable(dir.path()));
        QVERIFY(QDir(dir.path()).isEmpty()); // the probe leaves nothing behind
        QVERIFY(!Vel::isFolderWritable(dir.path() + "/missing"));
        writeFile(dir.path() + "/file", "x");
        QVERIFY(!Vel::isFolderWritable(dir.path() + "/file"));
        QVERIFY(!Vel::isFolderWritable(QString()));
    }

    void applicationFolderComesFirstOnPath()
    {
        const QByteArray saved = qgetenv("PATH");
        Vel::setApplicationFolder("/opt/lumaro-test");
        qputenv("PATH", "/usr/bin:/opt/lumaro-test:/bin");
        Vel::prependApplicationFolderToPath();
        QCOMPARE(qgetenv("PATH"), QByteArray("/opt/lumaro-test:/usr/bin:/bin"));
        Vel::prependApplicationFolderToPath(); // idempotent
        QCOMPARE(qgetenv("PATH"), QByteArray("/opt/lumaro-test:/usr/bin:/bin"));
        qputenv("PATH", saved);
        Vel::setApplicationFolder(QString());
    }

    void skinPaths_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("expected");
        QTest::newRow("bare") << "a { image: url(icons/x.png); }"
                              << "a { image: url(\"/s/k/icons/x.png\"); }";
        QTest::newRow("quoted") << "a { image: url('i x.png') }"
                                << "a { image: url(\"/s/k/i x.png\") }";
        QTest::newRow("absolute") << "a { image: url(/usr/x.png) }"
                                  << "a { image: url(\"/usr/x.png\") }";
        QTest::newRow("resource") << "a { image: url(:/x.png) }"
                                  << "a { image: url(\":/x.png\") }";
        QTest::newRow("two") << "url(a.png) url(b.png)"
                             << "url(\"/s/k/a.png\") url(\"/s/k/b.png\")";
        QTest::newRow("property") << "#p { qproperty-borderImage: \"publish/n\"; }"
                                  << "#p { qproperty-borderImage: \"/s/k/publish/n\"; }";
        QTest::newRow("other property") << "#p { qproperty-text: \"a/b\"; }"
                                        << "#p { qproperty-text: \"a/b\"; }";
    }
    void skinPaths()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, expected);
        QCOMPARE(VelSkin::resolvePaths(sheet, "/s/k"), expected);
    }

    void skinLoading()
    {
        QTemporaryDir dir;
        writeFile(dir.path() + "/blue/style.qss", "QWidget { background: url(bg.png); }");
        QDir().mkpath(dir.path() + "/notaskin");
        QCOMPARE(VelSkin::installedSkins(dir.path()), QStringList{"blue"});
        QVERIFY(VelSkin::loadStyleSheet(dir.path(), "blue").contains(dir.path() + "/blue/bg.png"));
        QVERIFY(VelSkin::loadStyleSheet(dir.path(), "missing").isEmpty());
        QVERIFY(VelSkin::loadStyleSheet(dir.path(), "../blue").isEmpty());
    }

    void powerActions()
    {
        QCOMPARE(VelPowerAction::systemCommand(4), (QStringList{"systemctl", "poweroff"}));
        QCOMPARE(VelPowerAction::systemCommand(1), (QStringList{"systemctl", "suspend"}));
        QCOMPARE(VelPowerAction::systemCommand(2), (QStringList{"systemctl", "hibernate"}));
        QVERIFY(VelPowerAction::systemCommand(0).isEmpty());
        QList<int> ran;
        VelPowerAction::setRunner([&ran](int code) {
            ran << code;
            return true;
        });
        QVERIFY(VelPowerAction::run(4));
        QVERIFY(!VelPowerAction::run(3)); // no action: the runner is not asked
        QVERIFY(!VelPowerAction::run(5));
        QCOMPARE(ran, QList<int>{4});
        VelPowerAction::setRunner({});
    }

    void languages()
    {
        QTemporaryDir dir;
        writeFile(dir.path() + "/translations/lumaro_de.qm", "x");
        writeFile(dir.path() + "/translations/lumaro_en.qm", "x");
        writeFile(dir.path() + "/translations/lumaro_pt_BR.qm", "x");
        writeFile(dir.path() + "/translations/lumaro_zh_CN.qm", "x");
        writeFile(dir.path() + "/translations/lumaro_ja.qm", "x");
        writeFile(dir.path() + "/translations/qtbase_fr.qm", "x");
        Vel::setApplicationFolder(dir.path());
        QCOMPARE(VelLangItemModel::availableLanguages(),
                 (QStringList{"en", "de", "ja", "pt_BR", "zh_CN"}));
        VelLangItemModel model;
        QCOMPARE(model.rowCount(), 5);
        QCOMPARE(model.index(1).data(Qt::UserRole).toString(), QString("de"));
        // Each in its own name, the variant named where a language has several.
        QStringList names;
        for (int row = 0; row < model.rowCount(); ++row)
            names << model.index(row).data().toString();
        QCOMPARE(names,
                 (QStringList{"English", "Deutsch", "日本語", "Português (Brasil)", "简体中文"}));

        VelPref::instance()->setValue(PrefKey::Language, "de");
        QCOMPARE(VelLangItemModel::currentLangName(), QString("de"));
        VelPref::instance()->setValue(PrefKey::Language, "fr"); // not installed
        QCOMPARE(VelLangItemModel::currentLangName(), QString("en"));
        VelPref::instance()->remove(PrefKey::Language);
        Vel::setApplicationFolder(QString());
    }

    // At first start the system's languages choose, most wanted first.
    void systemLanguage_data()
    {
        QTest::addColumn<QStringList>("preferred");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("German") << QStringList{"de-DE", "de"} << "de";
        QTest::newRow("Swiss German") << QStringList{"de-CH"} << "de";
        QTest::newRow("POSIX name") << QStringList{"de_DE"} << "de";
        QTest::newRow("Brazilian") << QStringList{"pt-BR"} << "pt_BR";
        QTest::newRow("Portuguese of Portugal") << QStringList{"pt-PT"} << "pt_BR";
        QTest::newRow("Simplified Chinese") << QStringList{"zh-Hans-CN", "zh-CN"} << "zh_CN";
        QTest::newRow("Traditional Chinese") << QStringList{"zh-Hant-TW", "zh-TW"} << "en";
        QTest::newRow("Japanese") << QStringList{"ja-JP", "ja"} << "ja";
        QTest::newRow("English before German") << QStringList{"en-GB", "de-DE"} << "en";
        QTest::newRow("untranslated, then German") << QStringList{"eu-ES", "de-DE"} << "de";
        QTest::newRow("C locale") << QStringList{"C"} << "en";
        QTest::newRow("none") << QStringList{} << "en";
    }

    void systemLanguage()
    {
        QFETCH(QStringList, preferred);
        QFETCH(QString, chosen);
        const QStringList installed = {"en", "de", "ja", "pt_BR", "zh_CN"};
        QCOMPARE(VelLangItemModel::pickLanguage(preferred, installed), chosen);
    }
};

QTEST_GUILESS_MAIN(TestVelCore)
#include "tst_velcore.moc"
