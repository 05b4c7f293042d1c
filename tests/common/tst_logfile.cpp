#include "common/logfile.h"
#include "support/testfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtTest>

#include <cerrno>

namespace {
QString logPath()
{
    return TestFiles::logPath();
}

QString backupPath()
{
    return logPath().replace(".1.log", ".2.log");
}

QList<QByteArray> logLines()
{
    QFile file(logPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> lines = file.readAll().split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}
} // namespace

class TestLogFile : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QFile::remove(logPath());
        QFile::remove(backupPath());
        QDir(logPath()).removeRecursively();
    }

    void cleanupTestCase() { init(); }

    void entriesComeInPairs()
    {
        errno = ENOENT;
        writeLogEntry("./lumaro", 189, "Lumaro::initSkin", "no skin exist");
        QCOMPARE(errno, ENOENT); // the log leaves the caller's error state alone
        writeLogEntry("./lumaro", 753, "Lumaro::on_previewBtn_clicked", "");
        writeLogEntry("src.cpp", 7, "F", "100% done %s %n"); // a detail is text, not a format

        const QList<QByteArray> lines = logLines();
        QCOMPARE(lines.size(), 6);
        const QRegularExpression head(
            QStringLiteral("^\\./lumaro\\(189\\): in Lumaro::initSkin : \\d{4}/\\d\\d/\\d\\d "
                           "\\d\\d:\\d\\d:\\d\\d 00000002$"));
        QVERIFY2(head.match(QString::fromUtf8(lines.at(0))).hasMatch(), lines.at(0).constData());
        QCOMPARE(lines.at(1), QByteArray("no skin exist"));
        QVERIFY(lines.at(2).startsWith("./lumaro(753): in Lumaro::on_previewBtn_clicked : "));
        QCOMPARE(lines.at(3), QByteArray());
        QCOMPARE(lines.at(5), QByteArray("100% done %s %n"));
    }

    // The idiom names the file, line and function it is written in, nothing by hand.
    void logNamesItsPlace()
    {
        const QByteArray line = QByteArray::number(__LINE__ + 1);
        LUMARO_LOG("detail");
        const QList<QByteArray> lines = logLines();
        QCOMPARE(lines.size(), 2);
        const QByteArray head =
            "tests/common/tst_logfile.cpp(" + line + "): in TestLogFile::logNamesItsPlace : ";
        QVERIFY2(lines.at(0).startsWith(head), lines.at(0).constData());
        QCOMPARE(lines.at(1), QByteArray("detail"));
    }

    void functionNames_data()
    {
        QTest::addColumn<QByteArray>("signature");
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("member") << QByteArray("bool FlashmoRes::createPreviewResource()")
                                << QByteArray("FlashmoRes::createPreviewResource");
        QTest::newRow("static") << QByteArray("static bool AudioReader::timeStringFromXml("
                                              "const QString&, AudioInfo&)")
                                << QByteArray("AudioReader::timeStringFromXml");
        QTest::newRow("template return")
            << QByteArray("QList<std::pair<int, int> >* Kit::pairs(int) const")
            << QByteArray("Kit::pairs");
        QTest::newRow("template class") << QByteArray("void Ns::Box<T>::put(T) [with T = int]")
                                        << QByteArray("Ns::Box<T>::put");
        QTest::newRow("lambda") << QByteArray("PreviewFlow::preview()::<lambda()>")
                                << QByteArray("PreviewFlow::preview");
        QTest::newRow("anonymous, gcc")
            << QByteArray("void {anonymous}::helper(int)") << QByteArray("{anonymous}::helper");
        QTest::newRow("anonymous, clang") << QByteArray("void (anonymous namespace)::helper(int)")
                                          << QByteArray("(anonymous namespace)::helper");
        QTest::newRow("call operator") << QByteArray("bool Sorter::operator()(int, int) const")
                                       << QByteArray("Sorter::operator()");
        QTest::newRow("constructor")
            << QByteArray("Lumaro::Lumaro(QWidget*)") << QByteArray("Lumaro::Lumaro");
        QTest::newRow("plain name")
            << QByteArray("Lumaro::initSkin") << QByteArray("Lumaro::initSkin");
    }

    void functionNames()
    {
        QFETCH(QByteArray, signature);
        QFETCH(QByteArray, name);
        QCOMPARE(logFunctionName(signature.constData()), name);
    }

    void longEntriesAreCut()
    {
        const QByteArray text(3000, 'x');
        writeLogLine("%s", text.constData());
        writeLogLine("short %d", 42);
        const QList<QByteArray> lines = logLines();
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.at(0).size(), 1023);
        QCOMPARE(lines.at(1), QByteArray("short 42"));
    }

    void backupFollowsTheLogPastTheLimit()
    {
        const QByteArray line(99, 'y'); // 100 bytes a line with its line end
        for (int i = 0; i < 81; ++i)
            writeLogLine("%s", line.constData());
        QCOMPARE(QFileInfo(logPath()).size(), 8100);
        QVERIFY(!QFileInfo::exists(backupPath()));

        writeLogLine("%s", line.constData());
        QCOMPARE(QFileInfo(logPath()).size(), 8200);
        QCOMPARE(QFileInfo(backupPath()).size(), 8200);

        // The log is not cut; each later entry refreshes the whole backup.
        writeLogLine("last");
        QCOMPARE(QFileInfo(logPath()).size(), 8205);
        QFile backup(backupPath());
        QVERIFY(backup.open(QIODevice::ReadOnly));
        QVERIFY(backup.readAll().endsWith("last\n"));
    }

    void unwritableLogIsSilent()
    {
        QVERIFY(QDir().mkpath(logPath())); // a folder where the file should be
        writeLogEntry("x", 1, "y", "z");
        QVERIFY(QFileInfo(logPath()).isDir());
    }
};

QTEST_GUILESS_MAIN(TestLogFile)
#include "tst_logfile.moc"
