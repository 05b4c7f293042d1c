// Every user-visible text that lupdate finds in the sources has a translation in every language
// Lumaro ships: lupdate updates a copy of lumaro_de.ts, and each of its messages must be
// finished in every translations/lumaro_<lang>.ts, with the source's placeholders, one
// accelerator where the source has one, and the language's number of plural forms. And no text
// meant for a person bypasses lupdate: a sentence or failure reason written as a bare literal
// would reach the user in English whatever the language.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {
// The folders that hold the program's code, the command-line publisher's included. Tests,
// benchmarks and build tools show nothing; the converter and media tools (tools/) are not Qt
// programs, and the program turns what they report into its own translated sentences.
const QStringList sourceFolders = {QStringLiteral("app"),      QStringLiteral("audio"),
                                   QStringLiteral("cli"),      QStringLiteral("common"),
                                   QStringLiteral("document"), QStringLiteral("flashkit"),
                                   QStringLiteral("photos"),   QStringLiteral("platform"),
                                   QStringLiteral("prefs"),    QStringLiteral("widgets")};

struct Message
{
    QString context;
    QString source;
    QString state; // the translation's type attribute
    QString text;
    QStringList forms; // the plural forms of a numerus message
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
            current = Message{context, xml.readElementText(), QString(), QString(), {}};
        } else if (name == QLatin1String("translation")) {
            current.state = xml.attributes().value(QLatin1String("type")).toString();
            QString text;
            while (!xml.atEnd() && !(xml.readNext() == QXmlStreamReader::EndElement &&
                                     xml.name() == QLatin1String("translation"))) {
                if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                    current.forms << xml.readElementText();
                else if (xml.isCharacters())
                    text += xml.text();
            }
            current.text = current.forms.isEmpty() ? text : current.forms.join(QLatin1Char('\n'));
            messages << current;
        } else {
            xml.skipCurrentElement();
        }
    }
    return messages;
}

// Calls whose string arguments go through the translator.
const QStringList translating = {QStringLiteral("tr"),
                                 QStringLiteral("translate"),
                                 QStringLiteral("QT_TR_NOOP"),
                                 QStringLiteral("QT_TR_N_NOOP"),
                                 QStringLiteral("QT_TRANSLATE_NOOP"),
                                 QStringLiteral("qtTrId")};
// Calls whose text is for the developer: the diagnostic log and Qt's message handlers.
const QStringList diagnostic = {QStringLiteral("qWarning"),   QStringLiteral("qDebug"),
                                QStringLiteral("qInfo"),      QStringLiteral("qCritical"),
                                QStringLiteral("qFatal"),     QStringLiteral("writeLogEntry"),
                                QStringLiteral("LUMARO_LOG"), QStringLiteral("writeLogLine"),
                                QStringLiteral("Q_ASSERT_X"), QStringLiteral("static_assert")};
// Calls that take the reason of a failure the user is told about: whatever their text looks
// like, it must be translatable.
const QStringList reasonSinks = {QStringLiteral("fail"), QStringLiteral("failed"),
                                 QStringLiteral("setError"), QStringLiteral("alert")};

// Sentence-like literals that are data, not messages: the photos' title in the published
// configuration file, which the templates read and every published slideshow carries.
const QStringList dataNotMessages = {QStringLiteral("flashkit/core/playdatafile.cpp: Photo No. 1")};

// Three words or more, the first capitalised: a sentence for a person, not a key or a name.
bool looksLikeSentence(const QString& text)
{
    static const QRegularExpression sentence(
        QStringLiteral("^[A-Z][a-z']+( +[A-Za-z%0-9'(),.!?:-]+){2,}[.!?:]?$"));
    return sentence.match(text.simplified()).hasMatch();
}

// Placeholders (%1 ... %99, %n) in order of number: a translation must fill in what the source
// does.
QStringList placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(\\d+|n)"));
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

// Accelerator marks: single '&' (a doubled one shows an ampersand).
int accelerators(const QString& text)
{
    return int(text.count(QLatin1Char('&')) - 2 * text.count(QStringLiteral("&&")));
}

// Plural forms lrelease expects: one where the language does not inflect for number, three in
// Polish (1, 2-4, 5 and more), two elsewhere.
int pluralForms(const QString& language)
{
    if (language == QLatin1String("ja") || language == QLatin1String("zh_CN"))
        return 1;
    return language == QLatin1String("pl") ? 3 : 2;
}

// The texts lupdate finds in the sources, as unfinished or finished messages of a lumaro_de.ts
// copy it updated; texts gone from the sources are left out. Empty with `error` set on failure.
QList<Message> sourceMessages(QString* error)
{
    static QList<Message> cached;
    static QString cachedError;
    if (!cached.isEmpty() || !cachedError.isEmpty()) {
        *error = cachedError;
        return cached;
    }
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("lumaro_de.ts"));
    QFile::copy(QStringLiteral(LUMARO_SOURCE_DIR "/translations/lumaro_de.ts"), copy);
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
    if (!lupdate.waitForFinished(240000) || lupdate.exitCode() != 0) {
        cachedError = QStringLiteral("lupdate failed: ") + QString::fromUtf8(lupdate.readAll());
    } else {
        for (const Message& m : readMessages(copy))
            if (m.state != QLatin1String("vanished") && m.state != QLatin1String("obsolete"))
                cached << m;
        if (cached.isEmpty())
            cachedError = QStringLiteral("lupdate found no texts");
    }
    *error = cachedError;
    return cached;
}

struct Literal
{
    int line;
    QString text;
};

// The string literals of C++ `code` meant for a person but not translatable. Comments and
// preprocessor lines are skipped; each literal is judged by the calls it is an argument of.
QList<Literal> untranslatedTexts(const QString& code)
{
    QList<Literal> found;
    QStringList calls;    // the callee of every open parenthesis, innermost last
    bool logging = false; // the statement called a diagnostic (qDebug() << ... streams)
    QString word;         // the identifier just read
    QString lastWord;     // the identifier before the current position, across white space
    int line = 1;
    const qsizetype n = code.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = code.at(i);
        if (c == QLatin1Char('\n')) {
            ++line;
            continue;
        }
        if (c == QLatin1Char('/') && i + 1 < n && code.at(i + 1) == QLatin1Char('/')) {
            while (i < n && code.at(i) != QLatin1Char('\n'))
                ++i;
            --i;
            continue;
        }
        if (c == QLatin1Char('/') && i + 1 < n && code.at(i + 1) == QLatin1Char('*')) {
            const qsizetype end = code.indexOf(QStringLiteral("*/"), i + 2);
            const qsizetype stop = end < 0 ? n : end + 2;
            line += int(code.mid(i, stop - i).count(QLatin1Char('\n')));
            i = stop - 1;
            continue;
        }
        if (c == QLatin1Char('#')) {
            qsizetype start = i;
            while (start > 0 && (code.at(start - 1) == QLatin1Char(' ')))
                --start;
            if (start == 0 || code.at(start - 1) == QLatin1Char('\n')) {
                while (i < n && code.at(i) != QLatin1Char('\n'))
                    ++i;
                --i;
                continue;
            }
        }
        if (c.isLetterOrNumber() || c == QLatin1Char('_')) {
            word += c;
            continue;
        }
        if (!word.isEmpty()) {
            lastWord = word;
            word.clear();
        }
        if (c == QLatin1Char(';') || c == QLatin1Char('{') || c == QLatin1Char('}'))
            logging = false;
        if (c == QLatin1Char('(')) {
            logging = logging || diagnostic.contains(lastWord);
            calls << lastWord;
            lastWord.clear();
        } else if (c == QLatin1Char(')')) {
            if (!calls.isEmpty())
                calls.removeLast();
            lastWord.clear();
        } else if (c == QLatin1Char('\'')) {
            for (++i; i < n && code.at(i) != QLatin1Char('\''); ++i)
                if (code.at(i) == QLatin1Char('\\'))
                    ++i;
        } else if (c == QLatin1Char('"')) {
            QString text;
            const int at = line;
            const bool raw =
                lastWord.endsWith(QLatin1Char('R')) && i > 0 && code.at(i - 1) == QLatin1Char('R');
            if (raw) {
                const qsizetype open = code.indexOf(QLatin1Char('('), i);
                const QString close =
                    QLatin1Char(')') + code.mid(i + 1, open - i - 1) + QLatin1Char('"');
                const qsizetype end = code.indexOf(close, open);
                text = code.mid(open + 1, end - open - 1);
                line += int(text.count(QLatin1Char('\n')));
                i = end + close.size() - 1;
            } else {
                for (++i; i < n && code.at(i) != QLatin1Char('"'); ++i) {
                    if (code.at(i) == QLatin1Char('\\'))
                        text += code.at(i++);
                    text += code.at(i);
                }
            }
            const bool externC = lastWord == QLatin1String("extern");
            lastWord.clear();
            const auto any = [&calls](const QStringList& names) {
                return std::any_of(calls.cbegin(), calls.cend(),
                                   [&names](const QString& call) { return names.contains(call); });
            };
            if (externC || logging || any(translating))
                continue;
            // The reason itself, not what is filled into a translated one.
            const QStringList wrappers = {QStringLiteral("QStringLiteral"),
                                          QStringLiteral("QLatin1String"),
                                          QStringLiteral("QString")};
            qsizetype callee = calls.size() - 1;
            while (callee >= 0 && wrappers.contains(calls.at(callee)))
                --callee;
            const bool reason = callee >= 0 && reasonSinks.contains(calls.at(callee)) &&
                                text.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2}")));
            if (reason || looksLikeSentence(text))
                found << Literal{at, text};
        } else if (!c.isSpace()) {
            lastWord.clear();
        }
    }
    return found;
}
} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void readerSeesUnfinished();
    void everyLanguageIsComplete_data();
    void everyLanguageIsComplete();
    void scannerSeesBareTexts_data();
    void scannerSeesBareTexts();
    void noBareTextsInTheProgram();
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

void TestTranslations::everyLanguageIsComplete_data()
{
    QTest::addColumn<QString>("language");
    const QStringList files = QDir(QStringLiteral(LUMARO_SOURCE_DIR "/translations"))
                                  .entryList({QStringLiteral("lumaro_*.ts")}, QDir::Files);
    for (const QString& file : files) {
        const QString language = file.mid(7, file.size() - 10); // "lumaro_" ... ".ts"
        // English is the source language; its file only overrides a few shown texts.
        if (language != QLatin1String("en"))
            QTest::newRow(qPrintable(language)) << language;
    }
}

void TestTranslations::everyLanguageIsComplete()
{
    QFETCH(QString, language);
    QString error;
    const QList<Message> sources = sourceMessages(&error);
    QVERIFY2(error.isEmpty(), qPrintable(error));

    QHash<QString, Message> translated;
    const QString file =
        QStringLiteral(LUMARO_SOURCE_DIR "/translations/lumaro_%1.ts").arg(language);
    for (const Message& m : readMessages(file))
        translated.insert(m.context + QLatin1Char('|') + m.source, m);

    QStringList faults;
    for (const Message& source : sources) {
        const QString where = source.context + QStringLiteral(" | ") + source.source;
        const auto it = translated.constFind(source.context + QLatin1Char('|') + source.source);
        if (it == translated.cend() || it->state == QLatin1String("unfinished") ||
            it->text.trimmed().isEmpty()) {
            faults << QStringLiteral("missing: ") + where;
            continue;
        }
        const bool numerus = source.source.contains(QLatin1String("%n"));
        if (numerus && it->forms.size() != pluralForms(language))
            faults << QStringLiteral("%1 plural forms: ").arg(it->forms.size()) + where;
        const QStringList texts = it->forms.isEmpty() ? QStringList{it->text} : it->forms;
        for (const QString& text : texts) {
            if (placeholders(text) != placeholders(source.source))
                faults << QStringLiteral("placeholders differ: ") + where;
            if (accelerators(source.source) == 1 && accelerators(text) != 1)
                faults << QStringLiteral("no single accelerator: ") + where;
        }
    }
    for (const QString& text : std::as_const(faults))
        qWarning("%s", qUtf8Printable(text));
    QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 faults in lumaro_%2.ts (listed above)")
                                              .arg(faults.size())
                                              .arg(language)));
}

// The scan itself must tell a bare text from a translated one, or it would pass on anything.
void TestTranslations::scannerSeesBareTexts_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("bare");
    const auto row = [](const char* name, const char* code, const QStringList& bare) {
        QTest::newRow(name) << QString::fromUtf8(code) << bare;
    };
    row("reason as a literal", "fail(QStringLiteral(\"Cannot copy %1 to %2\").arg(a, b));",
        {QStringLiteral("Cannot copy %1 to %2")});
    row("short reason as a literal", "failed(QLatin1String(\"not found\"));",
        {QStringLiteral("not found")});
    row("sentence in a message box",
        "QMessageBox box(QMessageBox::Warning, QStringLiteral(\"Error\"),\n"
        "    QStringLiteral(\"Start the program failed. Please re-install it.\"));",
        {QStringLiteral("Start the program failed. Please re-install it.")});
    row("translated", "fail(tr(\"Cannot start %1\").arg(QStringLiteral(\"kvt\")));", {});
    row("translated elsewhere",
        "QCoreApplication::translate(\"Ctx\", \"Interrupts cannot be watched.\");\n"
        "static const char* const t = QT_TR_NOOP(\"Some files have not been added\");",
        {});
    row("log and comments",
        "qWarning(\"Publishing failed: %s\", x); // Cannot copy the file here\n"
        "/* Cannot write \"the file\" */ writeLogEntry(\"a\", 1, \"Lumaro::go\", \"\");\n"
        "if (!ok) { qDebug() << \"Cannot open the file for reading\"; }\n"
        "else\n    qDebug() << \"Cannot open file for Writing\";",
        {});
    row("keys, names and code",
        "value(QStringLiteral(\"Photo Quality\"), QStringLiteral(\"*.jpg\"));\n"
        "#include \"common/a b c.h\"\nconst char c = '\"'; QStringLiteral(R\"(a(\"b\")c)\");",
        {});
}

void TestTranslations::scannerSeesBareTexts()
{
    QFETCH(QString, code);
    QFETCH(QStringList, bare);
    QStringList seen;
    for (const Literal& literal : untranslatedTexts(code))
        seen << literal.text;
    QCOMPARE(seen, bare);
}

void TestTranslations::noBareTextsInTheProgram()
{
    QStringList bare;
    for (const QString& folder : sourceFolders) {
        QDirIterator it(QStringLiteral(LUMARO_SOURCE_DIR "/") + folder,
                        {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString name = QDir(QStringLiteral(LUMARO_SOURCE_DIR)).relativeFilePath(path);
            for (const Literal& literal : untranslatedTexts(QString::fromUtf8(file.readAll()))) {
                if (!dataNotMessages.contains(name + QStringLiteral(": ") + literal.text))
                    bare << QStringLiteral("%1:%2: %3")
                                .arg(name)
                                .arg(literal.line)
                                .arg(literal.text);
            }
        }
    }
    for (const QString& text : std::as_const(bare))
        qWarning("%s", qUtf8Printable(text));
    QVERIFY2(bare.isEmpty(),
             qPrintable(QStringLiteral("%1 texts for the user are not translatable (listed above)")
                            .arg(bare.size())));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
