// Every user-visible text that lupdate finds in the sources has a German translation: lupdate
// updates a copy of lumaro_de.ts, and any message it leaves unfinished is missing.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {
// The folders that hold the program's code; tests, benchmarks and build tools show nothing.
const QStringList sourceFolders = {QStringLiteral("app"),    QStringLiteral("audio"),
                                   QStringLiteral("common"), QStringLiteral("flashkit"),
                                   QStringLiteral("photos"), QStringLiteral("platform"),
                                   QStringLiteral("prefs"),  QStringLiteral("widgets")};

struct Message
{
    QString context;
    QString source;
    QString state; // the translation's type attribute
    QString text;
};

QList<Message> readMessages(const QString& path)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message current;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isEndElement() || !xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("TS") || name == QLatin1String("message"))
            continue;
        if (name == QLatin1String("context")) {
            context.clear();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("source")) {
            current = Message{context, xml.readElementText(), QString(), QString()};
        } else if (name == QLatin1String("translation")) {
            current.state = xml.attributes().value(QLatin1String("type")).toString();
            current.text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            messages << current;
        } else {
            xml.skipCurrentElement();
        }
    }
    return messages;
}
} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void readerSeesUnfinished();
    void germanIsComplete();
};

// The check itself must see a missing translation, or it would pass on anything.
void TestTranslations::readerSeesUnfinished()
{
    QTemporaryDir dir;
    QFile ts(dir.filePath(QStringLiteral("t.ts")));
    QVERIFY(ts.open(QIODevice::WriteOnly));
    ts.write("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\" "
             "language=\"de_DE\">\n<context>\n    <name>A</name>\n    <message>\n"
             "        <location filename=\"a.cpp\" line=\"3\"/>\n"
             "        <source>Open</source>\n        <translation>Öffnen</translation>\n"
             "    </message>\n    <message>\n        <source>Close</source>\n"
             "        <translation type=\"unfinished\"></translation>\n    </message>\n"
             "</context>\n</TS>\n");
    ts.close();
    const QList<Message> messages = readMessages(ts.fileName());
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messages.at(0).text, QStringLiteral("Öffnen"));
    QCOMPARE(messages.at(1).context, QStringLiteral("A"));
    QCOMPARE(messages.at(1).source, QStringLiteral("Close"));
    QCOMPARE(messages.at(1).state, QStringLiteral("unfinished"));
}

void TestTranslations::germanIsComplete()
{
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("lumaro_de.ts"));
    QVERIFY(QFile::copy(QStringLiteral(LUMARO_SOURCE_DIR "/translations/lumaro_de.ts"), copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    QStringList args = {QStringLiteral("-silent"), QStringLiteral("-locations"),
                        QStringLiteral("none"), QStringLiteral("-extensions"),
                        QStringLiteral("cpp,h,ui")};
    for (const QString& folder : sourceFolders)
        args << QStringLiteral(LUMARO_SOURCE_DIR "/") + folder;
    args << QStringLiteral("-ts") << copy;
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(LUMARO_LUPDATE), args);
    QVERIFY(lupdate.waitForFinished(240000));
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());

    QStringList missing;
    for (const Message& m : readMessages(copy)) {
        // Texts gone from the sources do not count; texts in them need a translation.
        if (m.state == QLatin1String("vanished") || m.state == QLatin1String("obsolete"))
            continue;
        if (m.state == QLatin1String("unfinished") || m.text.trimmed().isEmpty())
            missing << m.context + QStringLiteral(" | ") + m.source;
    }
    QVERIFY2(
        missing.isEmpty(),
        qPrintable(QStringLiteral("%1 texts lack a German translation:\n").arg(missing.size()) +
                   missing.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
