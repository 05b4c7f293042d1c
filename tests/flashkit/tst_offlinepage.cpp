// The single-file page of the "html (offline)" output: the movie carried inside it byte for byte,
// the texts filled in, nothing left behind when it stops or fails, the worker's output, and the
// packed player tied to the Ruffle build the page was made for.
#include "flashkit/core/flashmokit.h"
#include "flashkit/core/offlinepage.h"
#include "kittestenv.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJSEngine>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <QtEndian>

namespace {

const QByteArray skeleton =
    "<html><title>{{TITLE}}</title>\n<script type=\"text/plain\" id=\"lumaro-wasm\"></script>\n"
    "<p>{{PROBLEM}}</p>{{NOTE}}\n<script type=\"text/plain\" id=\"lumaro-movie\">{{MOVIE}}"
    "</script></html>\n";

// The text between `<... id="id" ...>` and the next "</script>".
QByteArray elementText(const QByteArray& page, const QByteArray& id)
{
    const qsizetype tag = page.indexOf(QByteArray("id=\"" + id + '"'));
    if (tag < 0)
        return QByteArray();
    const qsizetype start = page.indexOf('>', tag) + 1;
    return page.mid(start, page.indexOf("</script>", start) - start);
}

QByteArray attribute(const QByteArray& page, const QByteArray& name)
{
    const QRegularExpression re(QString::fromLatin1(name) + QStringLiteral("=\"([^\"]*)\""));
    return re.match(QString::fromLatin1(page)).captured(1).toLatin1();
}

// The page stores zlib streams; qUncompress wants Qt's 4-byte length in front.
QByteArray inflate(const QByteArray& base64, qsizetype size)
{
    uchar length[4];
    qToBigEndian(quint32(size), length);
    return qUncompress(QByteArray(reinterpret_cast<const char*>(length), 4) +
                       QByteArray::fromBase64(base64));
}

bool finish(FlashmoKit& kit)
{
    QElapsedTimer timer;
    timer.start();
    while (kit.isPublishing() && timer.elapsed() < 60000)
        QTest::qWait(5);
    return !kit.isPublishing();
}

} // namespace

class TestOfflinePage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void carriesMovie_data();
    void carriesMovie();
    void refusesBadInput_data();
    void refusesBadInput();
    void stopLeavesNothing();
    void workerWritesOnePage_data();
    void workerWritesOnePage();
    void workerCancelLeavesNothing();
    void playerMatchesPinnedRuffle();
    void textsFollowTheBrowser_data();
    void textsFollowTheBrowser();

private:
    KitTestEnv env;
    QString skeletonFile;
    QString movieName;
};

void TestOfflinePage::initTestCase()
{
    QVERIFY(env.isValid());
    movieName = env.makeTemplate(QStringLiteral("Carousel"));
    skeletonFile = OfflinePage::skeletonPath(env.templateFolder());
    QCOMPARE(skeletonFile, env.appFolder() + QStringLiteral("/template/offline.html"));
    QVERIFY(TestFiles::write(skeletonFile, skeleton));
}

void TestOfflinePage::carriesMovie_data()
{
    QTest::addColumn<int>("bytes");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("music");
    // Sizes around the writer's piece of 768 KiB, which must split on whole 3-byte groups.
    QTest::newRow("empty movie") << 0 << QStringLiteral("a") << false;
    QTest::newRow("one byte") << 1 << QStringLiteral("Summer 2026") << true;
    QTest::newRow("piece - 1") << 3 * 256 * 1024 - 1 << QStringLiteral("x") << true;
    QTest::newRow("piece + 2") << 3 * 256 * 1024 + 2 << QStringLiteral("y") << false;
    QTest::newRow("markup in name") << 4000 << QStringLiteral("<b>Tom & \"Jerry\" ü") << true;
}

void TestOfflinePage::carriesMovie()
{
    QFETCH(int, bytes);
    QFETCH(QString, title);
    QFETCH(bool, music);
    const QByteArray movie = KitTestEnv::noise(bytes, bytes + 3);
    const QString moviePath = env.root() + QStringLiteral("/movie.swf");
    const QString pagePath = env.root() + QStringLiteral("/pages/") + title + ".html";
    QVERIFY(TestFiles::write(moviePath, movie));
    QDir().mkpath(env.root() + QStringLiteral("/pages"));
    QString error;
    QVERIFY(OfflinePage::write(skeletonFile, moviePath, pagePath, title, music, nullptr, &error));
    QCOMPARE(error, QString());

    const QByteArray page = TestFiles::read(pagePath);
    QVERIFY(QByteArray::fromBase64(elementText(page, "lumaro-movie")) == movie);
    QVERIFY(page.contains(QByteArray("<title>" + title.toHtmlEscaped().toUtf8() + "</title>")));
    QVERIFY(!page.contains("{{"));
    QCOMPARE(page.contains("id=\"note\""), music);
    QVERIFY(page.endsWith("</script></html>\n"));
}

void TestOfflinePage::refusesBadInput_data()
{
    QTest::addColumn<QString>("skeletonPath");
    QTest::addColumn<QString>("moviePath");
    QTest::addColumn<QString>("pageFolder");
    const QString root = env.root();
    QVERIFY(TestFiles::write(root + QStringLiteral("/good.swf"), "FWS..."));
    QVERIFY(TestFiles::write(root + QStringLiteral("/no slot.html"), "<html>{{TITLE}}</html>"));
    QVERIFY(TestFiles::write(root + QStringLiteral("/no player.html"), "<p>{{MOVIE}}</p>"));
    QVERIFY(TestFiles::write(root + QStringLiteral("/a file"), "x"));
    QTest::newRow("no skeleton") << root + QStringLiteral("/gone.html")
                                 << root + QStringLiteral("/good.swf") << root;
    QTest::newRow("skeleton without movie slot")
        << root + QStringLiteral("/no slot.html") << root + QStringLiteral("/good.swf") << root;
    QTest::newRow("skeleton without player")
        << root + QStringLiteral("/no player.html") << root + QStringLiteral("/good.swf") << root;
    QTest::newRow("no movie") << skeletonFile << root + QStringLiteral("/gone.swf") << root;
    QTest::newRow("folder is a file")
        << skeletonFile << root + QStringLiteral("/good.swf") << root + QStringLiteral("/a file");
}

void TestOfflinePage::refusesBadInput()
{
    QFETCH(QString, skeletonPath);
    QFETCH(QString, moviePath);
    QFETCH(QString, pageFolder);
    const QString page = pageFolder + QStringLiteral("/bad.html");
    QString error;
    QVERIFY(!OfflinePage::write(skeletonPath, moviePath, page, QStringLiteral("bad"), true, nullptr,
                                &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(page));
}

void TestOfflinePage::stopLeavesNothing()
{
    const QString folder = env.root() + QStringLiteral("/stopped");
    QDir().mkpath(folder);
    QVERIFY(TestFiles::write(folder + QStringLiteral("/../big.swf"),
                             KitTestEnv::noise(3 * 1024 * 1024, 5)));
    std::atomic<bool> stop{true};
    QString error = QStringLiteral("untouched");
    QVERIFY(!OfflinePage::write(skeletonFile, folder + QStringLiteral("/../big.swf"),
                                folder + QStringLiteral("/show.html"), QStringLiteral("show"),
                                false, &stop, &error));
    QCOMPARE(error, QString());
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList());
}

void TestOfflinePage::workerWritesOnePage_data()
{
    QTest::addColumn<bool>("music");
    QTest::newRow("photos and music") << true;
    QTest::newRow("photos only") << false;
}

// The page carries exactly the self-contained movie of the "swf" profile; the output folder
// holds the page alone and the workspace keeps no movie.
void TestOfflinePage::workerWritesOnePage()
{
    QFETCH(bool, music);
    const QString out = env.root() + QStringLiteral("/published %1/").arg(music);
    FlashmoKit kit(env.appFolder());
    kit.addPhotos({env.makePhoto(QStringLiteral("one.jpg"), 21),
                   env.makePhoto(QStringLiteral("two.jpg"), 22)});
    if (music)
        kit.addMusic({env.makeMusic(QStringLiteral("song.mp3"), 1500)});
    kit.setTemplate(movieName);
    kit.setPhotoQuality(85);
    QVERIFY(kit.publish(out, QStringLiteral("My Show"), 3));
    QVERIFY(finish(kit));
    QCOMPARE(kit.publishError(), QString());
    QCOMPARE(kit.publishProgress(), 100);
    QCOMPARE(QDir(out).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{QStringLiteral("My Show.html")});

    const QByteArray config = TestFiles::read(kit.resources().playDataPath());
    uchar length[4];
    qToBigEndian(quint32(config.size()), length);
    QByteArray expected = TestFiles::read(env.swfFolder() + movieName) + "$$$$$" +
                          QByteArray(reinterpret_cast<const char*>(length), 4) + config;
    if (music)
        expected += TestFiles::read(env.music() + QStringLiteral("song.mp3"));
    expected += TestFiles::read(env.photos() + QStringLiteral("p_one.jpg"));
    expected += TestFiles::read(env.photos() + QStringLiteral("p_two.jpg"));
    const QByteArray page = TestFiles::read(out + QStringLiteral("My Show.html"));
    QVERIFY(QByteArray::fromBase64(elementText(page, "lumaro-movie")) == expected);
    QVERIFY(page.contains("<title>My Show</title>"));
    QCOMPARE(page.contains("id=\"note\""), music);
    QVERIFY(!QFile::exists(env.workspace() + QStringLiteral("/offline-page-movie.swf")));
}

void TestOfflinePage::workerCancelLeavesNothing()
{
    const QString out = env.root() + QStringLiteral("/cancelled/");
    FlashmoKit kit(env.appFolder());
    kit.addPhotos({env.makePhoto(QStringLiteral("one.jpg"), 21)});
    kit.setTemplate(movieName);
    QVERIFY(kit.publish(out, QStringLiteral("Gone"), 3));
    kit.cancelPublish();
    QVERIFY(finish(kit));
    QVERIFY(kit.publishProgress() < 100);
    QVERIFY(!QFile::exists(out + QStringLiteral("Gone.html")));
    QVERIFY(!QFile::exists(env.workspace() + QStringLiteral("/offline-page-movie.swf")));

    // A skeleton that is not there is a failure the caller can show, not a silent 100.
    QVERIFY(QFile::rename(skeletonFile, skeletonFile + QStringLiteral(".away")));
    QVERIFY(kit.publish(out, QStringLiteral("Gone"), 3));
    QVERIFY(finish(kit));
    QVERIFY(QFile::rename(skeletonFile + QStringLiteral(".away"), skeletonFile));
    QVERIFY(kit.publishProgress() < 100);
    QVERIFY(kit.publishError().contains(QStringLiteral("offline.html")));
    QVERIFY(!QFile::exists(out + QStringLiteral("Gone.html")));
}

// The page answers the player's requests by file name, and pre-loads one code chunk: names that
// belong to one Ruffle build. An upgrade of Ruffle must come with a look at the page.
void TestOfflinePage::playerMatchesPinnedRuffle()
{
    const QByteArray page =
        TestFiles::read(QStringLiteral(LUMARO_TEST_APP_DIR "/template/offline.html"));
    QVERIFY2(!page.isEmpty(), "the build did not pack the offline page");
    const QString ruffle = QStringLiteral(LUMARO_SOURCE_DIR "/third_party/ruffle/");
    const QByteArray installed = TestFiles::read(ruffle + QStringLiteral(".version")).trimmed();
    const QRegularExpression pin(QStringLiteral("version=\"([^\"]+)\""));
    const QByteArray pinned = pin.match(QString::fromUtf8(TestFiles::read(QStringLiteral(
                                            LUMARO_SOURCE_DIR "/scripts/fetch-ruffle.sh"))))
                                  .captured(1)
                                  .toUtf8();
    const QByteArray madeFor = attribute(page, "data-made-for");
    QCOMPARE(attribute(page, "data-version"), installed);
    QVERIFY2(madeFor == pinned && installed == pinned,
             qPrintable(QStringLiteral("Ruffle %1 is pinned, the offline page was made for %2: "
                                       "check the page in a browser, then update offlinepack")
                            .arg(QString::fromUtf8(pinned), QString::fromUtf8(madeFor))));

    const QByteArray entry = TestFiles::read(ruffle + QStringLiteral("ruffle.js"));
    const QByteArray wasmName = attribute(page, "data-wasm");
    const QByteArray wasm = TestFiles::read(ruffle + QString::fromLatin1(wasmName));
    QVERIFY(!wasm.isEmpty());
    QVERIFY(entry.contains(QByteArray('"' + wasmName + '"')));
    QVERIFY(inflate(elementText(page, "lumaro-main"), entry.size()) == entry);
    QVERIFY(inflate(elementText(page, "lumaro-wasm"), wasm.size()) == wasm);
    // The chunk registers itself under the entry script's chunk array and is named by it.
    const QByteArray chunk = inflate(elementText(page, "lumaro-chunk"), 1 << 20);
    QVERIFY(chunk.startsWith("\"use strict\";(self.webpackChunkruffle_selfhosted="));
    const QByteArray chunkId = chunk.mid(chunk.indexOf("push([[") + 7, 3);
    QVERIFY(entry.contains(QByteArray(chunkId + ":\"")));
    QVERIFY(!page.contains("{{PLAYER}}"));
    QCOMPARE(page.count("{{MOVIE}}"), 1);
}

// The packed page shows its notes in the reader's language, read from the browser, with the
// program's own translation of them; English where it has none.
void TestOfflinePage::textsFollowTheBrowser_data()
{
    QTest::addColumn<QStringList>("languages"); // navigator.languages
    QTest::addColumn<QString>("language");      // navigator.language
    QTest::addColumn<QString>("shown");         // the program's translation shown, "en" source
    const auto row = [](const char* name, const QStringList& languages, const char* shown) {
        QTest::newRow(name) << languages << QStringLiteral("ko-KR") << QString::fromLatin1(shown);
    };
    row("German", {"de-DE", "de", "en"}, "de");
    row("Canadian French", {"fr-CA"}, "fr");
    row("Mexican Spanish", {"es-MX", "es"}, "es");
    row("Italian", {"it"}, "it");
    row("Brazilian", {"pt-BR"}, "pt_BR");
    row("Portuguese of Portugal", {"pt-PT", "pt"}, "pt_BR");
    row("Polish after an untranslated one", {"tr-TR", "pl-PL"}, "pl");
    row("Japanese", {"ja-JP"}, "ja");
    row("Simplified Chinese", {"zh-CN", "zh"}, "zh_CN");
    row("Traditional Chinese, then Japanese", {"zh-Hant-TW", "ja"}, "ja");
    row("English before German", {"en-US", "de-DE"}, "en");
    row("untranslated only", {"ko-KR"}, "en");
    QTest::newRow("no list: the one language")
        << QStringList() << QStringLiteral("it-IT") << QStringLiteral("it");
}

void TestOfflinePage::textsFollowTheBrowser()
{
    QFETCH(QStringList, languages);
    QFETCH(QString, language);
    QFETCH(QString, shown);
    // The packing and the publishing copy the script as it is.
    const QByteArray page =
        TestFiles::read(QStringLiteral(LUMARO_SOURCE_DIR "/templates/offline/page.html"));
    const QByteArray script = elementText(page, "lumaro-texts");
    QVERIFY2(!script.isEmpty(), "the offline page has no texts script");

    // Just enough of a browser for the script: the languages and the two elements it fills.
    QJSEngine js;
    QJSValue navigator = js.newObject();
    navigator.setProperty(QStringLiteral("languages"), js.toScriptValue(languages));
    navigator.setProperty(QStringLiteral("language"), language);
    QJSValue window = js.newObject();
    window.setProperty(QStringLiteral("navigator"), navigator);
    js.globalObject().setProperty(QStringLiteral("window"), window);
    const QJSValue setup = js.evaluate(QStringLiteral(
        "var note = {}, problem = {}, document = { documentElement: {},"
        "  querySelector: function (s) { return s === '#note span' ? note : null; },"
        "  getElementById: function (id) { return id === 'problem' ? problem : null; } };"));
    QVERIFY(!setup.isError());
    const QJSValue ran = js.evaluate(QString::fromUtf8(script));
    QVERIFY2(!ran.isError(), qPrintable(ran.toString()));

    QTranslator translator;
    if (shown != QLatin1String("en"))
        QVERIFY(
            translator.load(QStringLiteral(LUMARO_TEST_APP_DIR "/translations/lumaro_") + shown));
    const auto expected = [&translator](const char* text) {
        const QString translated = translator.translate("OfflinePage", text);
        return translated.isEmpty() ? QString::fromUtf8(text) : translated;
    };
    const auto property = [&js](const char* path) {
        return js.evaluate(QString::fromLatin1(path)).toString();
    };
    QCOMPARE(property("document.documentElement.lang").replace(QLatin1Char('-'), QLatin1Char('_')),
             shown);
    QCOMPARE(property("note.textContent"), expected("Click or press a key to start the music."));
    QCOMPARE(property("problem.textContent"),
             expected("This slideshow needs a current web browser with JavaScript turned on."));
}

QTEST_GUILESS_MAIN(TestOfflinePage)
#include "tst_offlinepage.moc"
