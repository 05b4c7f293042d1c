// The publish worker: output of each profile, the self-contained layout, cancelling, progress,
// the page and failures to write.
#include "flashkit/core/flashmokit.h"
#include "flashkit/core/publishjob.h"
#include "kittestenv.h"
#include "support/smallfs.h"
#include "support/workercount.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>
#include <QtEndian>

#include <atomic>
#include <memory>

namespace {
// The worker names every music file on the debug channel just before appending it: a seam to
// look at the progress, or to cancel, at an exact point of the run.
std::atomic<FlashmoKit*> watchedKit{nullptr};
std::atomic<bool> cancelOnMusic{false};
QList<int> progressAtMusic;
QtMessageHandler previousHandler = nullptr;

void watchMusic(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    FlashmoKit* kit = watchedKit.load();
    if (kit && type == QtDebugMsg && message.contains(QLatin1String("background music/"))) {
        progressAtMusic.append(kit->publishProgress());
        if (cancelOnMusic)
            kit->cancelPublish();
        return;
    }
    previousHandler(type, context, message);
}

QStringList filesUnder(const QString& folder)
{
    QStringList list;
    const QDir dir(folder);
    for (const QFileInfo& info :
         dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (info.isDir()) {
            for (const QString& inner : filesUnder(info.filePath()))
                list << info.fileName() + QLatin1Char('/') + inner;
        } else {
            list << info.fileName();
        }
    }
    return list;
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

class TestFlashmoPublish : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void profileOutputs_data();
    void profileOutputs();
    void folderProfileKeepsExistingPhotos();
    void selfContainedLayout();
    void cancelBeforePhotos();
    void progressReaches100OnlyAtTheEnd();
    void pageRewrite_data();
    void pageRewrite();
    void writeFailure_data();
    void writeFailure();
    void missingInput_data();
    void missingInput();
    void reasonsInTheUsersLanguage_data();
    void reasonsInTheUsersLanguage();
    void destroyWhileRunning();
    void runKeepsItsOwnLists();
    void sameOutputAtAnyWorkerCount_data();
    void sameOutputAtAnyWorkerCount();
    void jobRefusesNamesThatAreNoEntry_data();
    void jobRefusesNamesThatAreNoEntry();

private:
    void fillKit(FlashmoKit& kit, const QString& musicName = QString("song.mp3"),
                 int musicBytes = 1000, const QString& photoPrefix = QString());
    KitTestEnv env;
    QString movie;
    QString out;
};

void TestFlashmoPublish::initTestCase()
{
    QVERIFY(env.isValid());
    movie = env.makeTemplate(QString("Magic Cube"));
    previousHandler = qInstallMessageHandler(watchMusic);
}

void TestFlashmoPublish::init()
{
    static int round = 0;
    out = env.root() + QString("/out %1/").arg(++round);
    progressAtMusic.clear();
    cancelOnMusic = false;
}

void TestFlashmoPublish::cleanup()
{
    watchedKit = nullptr;
}

void TestFlashmoPublish::fillKit(FlashmoKit& kit, const QString& musicName, int musicBytes,
                                 const QString& photoPrefix)
{
    kit.clear();
    kit.addPhotos({env.makePhoto(photoPrefix + QString("first photo.jpg"), 11),
                   env.makePhoto(photoPrefix + QString("second.jpg"), 12)});
    kit.addMusic({env.makeMusic(musicName, musicBytes)});
    kit.setTemplate(movie);
    kit.setPhotoQuality(85);
}

void TestFlashmoPublish::profileOutputs_data()
{
    QTest::addColumn<int>("profile");
    QTest::addColumn<QStringList>("files");

    QTest::newRow("xml") << 0
                         << QStringList{"Magic Cube.xml",
                                        "a.swf",
                                        "background music/song.mp3",
                                        "photos/p_first photo.jpg",
                                        "photos/p_second.jpg",
                                        "photos/s_p_first photo.jpg",
                                        "photos/s_p_second.jpg"};
    QTest::newRow("swf") << 1 << QStringList{"a.swf"};
    QTest::newRow("swf+html") << 2 << QStringList{"a.html", "a.swf"};
}

void TestFlashmoPublish::profileOutputs()
{
    QFETCH(int, profile);
    QFETCH(QStringList, files);

    FlashmoKit kit(env.appFolder());
    fillKit(kit);
    QVERIFY(kit.publish(out, QString("a"), profile));
    QVERIFY(finish(kit));
    QCOMPARE(kit.publishError(), QString());
    QCOMPARE(kit.publishProgress(), 100);
    QCOMPARE(filesUnder(out), files);
    if (profile == 0) {
        QCOMPARE(TestFiles::read(out + QString("a.swf")),
                 TestFiles::read(env.templateFolder() + movie));
        QCOMPARE(TestFiles::read(out + QString("Magic Cube.xml")),
                 TestFiles::read(kit.resources().playDataPath()));
        QCOMPARE(TestFiles::read(out + QString("photos/s_p_second.jpg")),
                 TestFiles::read(env.photos() + QString("s_p_second.jpg")));
    }
}

void TestFlashmoPublish::folderProfileKeepsExistingPhotos()
{
    QDir().mkpath(out + QString("photos"));
    auto write = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write("old") == 3;
    };
    QVERIFY(write(out + QString("a.swf")));
    QVERIFY(write(out + QString("photos/p_second.jpg")));

    FlashmoKit kit(env.appFolder());
    fillKit(kit);
    QVERIFY(kit.publish(out, QString("a"), 0));
    QVERIFY(finish(kit));
    QCOMPARE(kit.publishProgress(), 100);
    QCOMPARE(TestFiles::read(out + QString("a.swf")),
             TestFiles::read(env.templateFolder() + movie));
    QCOMPARE(TestFiles::read(out + QString("photos/p_second.jpg")), QByteArray("old"));
}

// Template, "$$$$$", the configuration's size big-endian, the configuration, the music, the
// photos: compared byte by byte with the files that went in.
void TestFlashmoPublish::selfContainedLayout()
{
    QString musicName = QString("m.mp3");
    const QString prefix(60, QLatin1Char('p'));
    for (int attempt = 0; attempt < 2; ++attempt) {
        FlashmoKit kit(env.appFolder());
        fillKit(kit, musicName, 1000, prefix);
        QVERIFY(kit.publish(out, QString("album"), 1));
        QVERIFY(finish(kit));
        QCOMPARE(kit.publishProgress(), 100);

        const QByteArray config = TestFiles::read(kit.resources().playDataPath());
        const QByteArray swf = TestFiles::read(out + QString("album.swf"));
        QByteArray expected = TestFiles::read(env.swfFolder() + movie);
        QCOMPARE(expected.size(), 50000);
        uchar length[4];
        qToBigEndian(quint32(config.size()), length);
        expected += "$$$$$" + QByteArray(reinterpret_cast<const char*>(length), 4) + config;
        expected += TestFiles::read(env.music() + musicName);
        expected += TestFiles::read(env.photos() + "p_" + prefix + "first photo.jpg");
        expected += TestFiles::read(env.photos() + "p_" + prefix + "second.jpg");
        QCOMPARE(swf.size(), expected.size());
        QVERIFY(swf == expected);
        QCOMPARE(swf.mid(50000, 5), QByteArray("$$$$$"));

        if (config.size() == 700) {
            QCOMPARE(swf.mid(50005, 4), QByteArray::fromHex("000002BC"));
            return;
        }
        // Lengthen the music name so the configuration is 700 bytes, and look at that case.
        const int missing = 700 - int(config.size());
        QVERIFY2(missing > 0 && missing < 200, qPrintable(QString::number(config.size())));
        musicName = QString(missing, QLatin1Char('m')) + musicName;
    }
    QFAIL("the configuration never came to 700 bytes");
}

// Cancelled while the last music file goes in: the photo loop stops at its first step and the
// movie ends after the music.
void TestFlashmoPublish::cancelBeforePhotos()
{
    FlashmoKit kit(env.appFolder());
    fillKit(kit);
    watchedKit = &kit;
    cancelOnMusic = true;
    QVERIFY(kit.publish(out, QString("a"), 1));
    QVERIFY(finish(kit));
    QCOMPARE(progressAtMusic.size(), 1);
    QVERIFY(kit.publishProgress() < 100);
    QCOMPARE(kit.publishError(), QString());
    const qint64 expected = 50000 + 5 + 4 + QFileInfo(kit.resources().playDataPath()).size() + 1000;
    QCOMPARE(QFileInfo(out + QString("a.swf")).size(), expected);
}

// The last byte still to come is a small part of a large total: a float total would round the
// progress to 100 there. The sizes are chosen so the total is a multiple of 8 above 2^25.
void TestFlashmoPublish::progressReaches100OnlyAtTheEnd()
{
    FlashmoKit kit(env.appFolder());
    const QString big = env.music() + QString("big.mp3");
    // A tiny photo: the last appended bytes stay a very small part of the total.
    QVERIFY(KitTestEnv::testPicture(8, 8, 3).save(env.photos() + QString("dot.jpg"), "JPG", 50));
    QVERIFY(KitTestEnv::testPicture(8, 8, 3).save(env.photos() + QString("s_dot.jpg"), "JPG", 50));
    FlashKitPhoto dot;
    dot.path = env.photos() + QString("dot.jpg");
    auto fill = [&] {
        kit.clear();
        kit.addMusic(
            {env.makeMusic(QString("big.mp3"), 40000000), env.makeMusic(QString("tiny.mp3"), 1)});
        kit.addPhotos({dot});
        kit.setTemplate(movie);
    };
    fill();
    QVERIFY(kit.resources().createPublishResourse());
    const qint64 total = 50000 + 9 + QFileInfo(kit.resources().playDataPath()).size() + 40000000 +
                         1 + QFileInfo(env.photos() + QString("p_dot.jpg")).size();
    fill();
    QVERIFY(QFile::resize(big, 40000000 + (8 - total % 8) % 8));

    watchedKit = &kit;
    QVERIFY(kit.publish(out, QString("big"), 1));
    QVERIFY(finish(kit));
    QCOMPARE(progressAtMusic.size(), 2);
    QCOMPARE(progressAtMusic[0], 0);
    QCOMPARE(progressAtMusic[1], 99);
    QVERIFY(QFileInfo(env.photos() + QString("p_dot.jpg")).size() < 2000);
    QCOMPARE(kit.publishProgress(), 100);
    QCOMPARE(QFileInfo(out + QString("big.swf")).size() % 8, 0);
    QFile::remove(out + QString("big.swf"));
    QFile::remove(big);
}

void TestFlashmoPublish::pageRewrite_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("non-ASCII name and text")
        << QString("Würfel Cube")
        << QByteArray("<title>Galería · Würfel Cube ✓</title><embed src=\"Würfel Cube.swf\">")
        << QString("Mein Album – Größe ñ")
        << QByteArray("<title>Galería · Mein Album – Größe ñ ✓</title>"
                      "<embed src=\"Mein Album – Größe ñ.swf\">");
    QTest::newRow("case kept apart")
        << QString("Case Test") << QByteArray("case test Case Test.swf CASE TEST") << QString("x y")
        << QByteArray("case test x y.swf CASE TEST");
    // "#" would start a fragment and "&" an entity: the movie URL gets them percent-encoded,
    // the text gets them as HTML.
    QTest::newRow("name with URL and HTML specials")
        << QString("Tpl Page")
        << QByteArray("<title>Tpl Page</title><object data=\"Tpl Page.swf\">"
                      "<param name=\"movie\" value=\"Tpl Page.swf\"></object>")
        << QString("Trip #2 & 'Tom' <50%>")
        << QByteArray("<title>Trip #2 &amp; &#39;Tom&#39; &lt;50%&gt;</title>"
                      "<object data=\"Trip %232 %26 %27Tom%27 %3C50%25%3E.swf\">"
                      "<param name=\"movie\" value=\"Trip %232 %26 %27Tom%27 %3C50%25%3E.swf\">"
                      "</object>");
}

void TestFlashmoPublish::pageRewrite()
{
    QFETCH(QString, base);
    QFETCH(QByteArray, page);
    QFETCH(QString, name);
    QFETCH(QByteArray, expected);

    const QString swf = env.makeTemplate(base, 1000, page);
    FlashmoKit kit(env.appFolder());
    fillKit(kit);
    kit.setTemplate(swf);
    QVERIFY(kit.publish(out, name, 2));
    QVERIFY(finish(kit));
    QCOMPARE(kit.publishProgress(), 100);
    QCOMPARE(filesUnder(out), QStringList({name + ".html", name + ".swf"}));
    QCOMPARE(TestFiles::read(out + name + QString(".html")), expected);
}

void TestFlashmoPublish::writeFailure_data()
{
    QTest::addColumn<int>("profile");
    QTest::addColumn<bool>("blockFolder");

    for (int profile = 0; profile < 3; ++profile) {
        QTest::addRow("folder under a file, profile %d", profile) << profile << true;
        QTest::addRow("movie name taken by a folder, profile %d", profile) << profile << false;
    }
}

// Running as root, permissions stop nothing; a path through a regular file fails for anyone.
void TestFlashmoPublish::writeFailure()
{
    QFETCH(int, profile);
    QFETCH(bool, blockFolder);

    QString target = out;
    if (blockFolder) {
        QFile blocker(env.root() + QString("/blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        target = blocker.fileName() + QString("/out/");
    } else {
        QVERIFY(QDir().mkpath(out + QString("a.swf/inner")));
    }
    FlashmoKit kit(env.appFolder());
    fillKit(kit);
    QVERIFY(kit.publish(target, QString("a"), profile));
    QVERIFY(finish(kit));
    QVERIFY(kit.publishProgress() < 100);
    QVERIFY(!kit.publishError().isEmpty());
    QVERIFY(kit.publisher().failed());

    // The next run into a good folder clears the failure.
    QVERIFY(kit.publish(env.root() + QString("/good/"), QString("a"), profile));
    QVERIFY(finish(kit));
    QCOMPARE(kit.publishError(), QString());
    QCOMPARE(kit.publishProgress(), 100);
}

void TestFlashmoPublish::missingInput_data()
{
    QTest::addColumn<int>("profile");
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("reason");

    for (int profile = 0; profile < 3; ++profile) {
        QTest::addRow("working copy deleted, profile %d", profile)
            << profile << "delete photo"
            << "photos/second.jpg is missing";
        QTest::addRow("working copy not a picture, profile %d", profile)
            << profile << "garble photo"
            << "photos/second.jpg cannot be read";
        QTest::addRow("working copy broken after its header, profile %d", profile)
            << profile << "break photo"
            << "photos/second.jpg cannot be read";
        QTest::addRow("music deleted, profile %d", profile)
            << profile << "delete music"
            << "background music/song.mp3 is missing";
    }
    QTest::newRow("thumbnail deleted, folder profile") << 0 << "delete thumbnail"
                                                       << "photos/s_second.jpg is missing";
    QTest::newRow("template page missing") << 2 << "delete page"
                                           << "Magic Cube.html is missing";
    QTest::newRow("template movie missing") << 1 << "delete movie"
                                            << "Magic Cube.swf is missing";
}

// Something the run needs went away behind the program's back: the run fails with the reason
// and never reaches 100 with an empty entry.
void TestFlashmoPublish::missingInput()
{
    QFETCH(int, profile);
    QFETCH(QString, what);
    QFETCH(QString, reason);

    FlashmoKit kit(env.appFolder());
    fillKit(kit);
    const QString photo = env.photos() + QString("second.jpg");
    if (what == "delete photo")
        QVERIFY(QFile::remove(photo));
    else if (what == "garble photo")
        QVERIFY(TestFiles::write(photo, KitTestEnv::noise(5000, 3)));
    else if (what == "break photo")
        QVERIFY(TestFiles::write(photo, TestFiles::read(photo).left(200)));
    else if (what == "delete thumbnail")
        QVERIFY(QFile::remove(env.photos() + QString("s_second.jpg")));
    else if (what == "delete music")
        QVERIFY(QFile::remove(env.music() + QString("song.mp3")));
    else if (what == "delete page")
        QVERIFY(QFile::rename(env.swfFolder() + "Magic Cube.html", env.root() + "/page.bak"));
    else if (what == "delete movie")
        QVERIFY(QFile::rename(env.swfFolder() + movie, env.root() + "/movie.bak"));

    QVERIFY(kit.publish(out, QString("a"), profile));
    QVERIFY(finish(kit));
    QFile::rename(env.root() + "/page.bak", env.swfFolder() + "Magic Cube.html");
    QFile::rename(env.root() + "/movie.bak", env.swfFolder() + movie);
    QVERIFY(kit.publishProgress() < 100);
    QVERIFY2(kit.publishError().contains(reason), qPrintable(kit.publishError()));
    // Refused before anything is written: no movie that would lack the entry.
    QVERIFY(!QFileInfo::exists(out + QString("a.swf")));
}

void TestFlashmoPublish::reasonsInTheUsersLanguage_data()
{
    QTest::addColumn<int>("profile");
    QTest::addColumn<QString>("device");
    QTest::addColumn<QStringList>("said"); // %1: the folder the output goes into
    QTest::newRow("read-only device")
        << 0 << "read-only" << QStringList{"Das Gerät mit %1", "ist schreibgeschützt."};
    QTest::newRow("full device") << 1 << "full"
                                 << QStringList{
                                        "Kein freier Speicherplatz mehr auf dem Gerät mit %1"};
    QTest::newRow("folder under a file")
        << 2 << "file" << QStringList{"Ein Teil des Pfads %1", "ist eine Datei"};
}

// What stops a run reaches the user in the language the program speaks, naming the folder.
void TestFlashmoPublish::reasonsInTheUsersLanguage()
{
    QFETCH(int, profile);
    QFETCH(QString, device);
    QFETCH(QStringList, said);
    QTranslator german;
    QVERIFY(german.load(QString(LUMARO_TEST_APP_DIR "/translations/lumaro_de.qm")));
    QCoreApplication::installTranslator(&german);
    const auto english = qScopeGuard([&] { QCoreApplication::removeTranslator(&german); });

    QString folder = env.root() + QString("/device %1").arg(device);
    if (device == "file") {
        QVERIFY(TestFiles::write(folder, "x"));
    } else {
        if (!SmallFs::unavailable().isEmpty())
            QSKIP(qPrintable(SmallFs::unavailable()));
        QVERIFY(SmallFs::mount(folder, 128));
        if (device == "full")
            QVERIFY(SmallFs::fill(folder));
        else
            QVERIFY(SmallFs::makeReadOnly(folder));
    }
    const auto unmount = qScopeGuard([&] {
        if (device != "file")
            SmallFs::unmount(folder);
    });
    const QString target = folder + (device == "full" ? "/" : "/out/");
    FlashmoKit kit(env.appFolder());
    fillKit(kit);
    QVERIFY(kit.publish(target, QString("a"), profile));
    QVERIFY(finish(kit));
    QVERIFY(kit.publishProgress() < 100);
    for (const QString& part : said)
        QVERIFY2(kit.publishError().contains(part.arg(folder)), qPrintable(kit.publishError()));
}

// Closing the window mid-publish deletes the kit: the worker must be stopped and gone by then.
void TestFlashmoPublish::destroyWhileRunning()
{
    auto kit = std::make_unique<FlashmoKit>(env.appFolder());
    QList<FlashKitPhoto> photos;
    for (int i = 0; i < 40; ++i)
        photos.append(env.makePhoto(QString("many %1.jpg").arg(i), i));
    kit->addPhotos(photos);
    kit->setTemplate(movie);
    QVERIFY(kit->publish(out, QString("a"), 1));
    QVERIFY(kit->isPublishing());
    QVERIFY(!kit->publish(out, QString("b"), 1)); // one run at a time
    kit->cancelPublish();
    QVERIFY(kit->publish(out, QString("c"), 1)); // a cancelled run is waited for
    QVERIFY(kit->isPublishing());
    QElapsedTimer timer;
    timer.start();
    kit.reset();
    QVERIFY(timer.elapsed() < 5000);
    QVERIFY(FlashmoPublish::publishProgress() < 100);
    QVERIFY(!QFileInfo::exists(out + QString("b.swf")));
}

// The run works on the lists as they were when it started: what the window does with the kit
// meanwhile (a preview empties and refills it) changes nothing of what is published.
void TestFlashmoPublish::runKeepsItsOwnLists()
{
    FlashmoKit kit(env.appFolder());
    QList<FlashKitPhoto> photos;
    for (int i = 0; i < 12; ++i)
        photos.append(env.makePhoto(QString("own %1.jpg").arg(i), i));
    kit.addPhotos(photos);
    kit.setTemplate(movie);
    QVERIFY(kit.publish(out, QString("a"), 0));
    kit.clear();
    kit.addPhotos({env.makePhoto(QString("intruder.jpg"), 99)});
    QVERIFY(finish(kit));
    QCOMPARE(kit.publishError(), QString());
    QCOMPARE(kit.publishProgress(), 100);
    const QStringList published = filesUnder(out + QString("photos"));
    QCOMPARE(published.size(), 24); // each photo and its thumbnail
    QVERIFY(!published.join(' ').contains("intruder"));
    QCOMPARE(kit.resources().photoList().size(), 1); // the kit's own list is the new one
}

// The photos are re-encoded several at a time: the output is the one a single worker makes, byte
// for byte, also where the list names one photo twice.
void TestFlashmoPublish::sameOutputAtAnyWorkerCount_data()
{
    QTest::addColumn<int>("profile");
    QTest::newRow("xml") << 0;
    QTest::newRow("swf") << 1;
}

void TestFlashmoPublish::sameOutputAtAnyWorkerCount()
{
    QFETCH(int, profile);
    QList<FlashKitPhoto> photos;
    for (int i = 0; i < 9; ++i)
        photos.append(env.makePhoto(QString("any %1.jpg").arg(i), 20 + i));
    photos.insert(5, photos.at(2));
    QMap<QString, QByteArray> outputs[2];
    const int counts[2] = {1, 4};
    for (int round = 0; round < 2; ++round) {
        const WorkerCount workers(counts[round]);
        for (const QString& name : QDir(env.photos()).entryList({QString("*p_any*")}))
            QFile::remove(env.photos() + name);
        FlashmoKit kit(env.appFolder());
        kit.addPhotos(photos);
        kit.setTemplate(movie);
        kit.setPhotoQuality(70);
        const QString folder = out + QString::number(counts[round]) + QLatin1Char('/');
        QVERIFY(kit.publish(folder, QString("a"), profile));
        QVERIFY(finish(kit));
        QCOMPARE(kit.publishError(), QString());
        QCOMPARE(kit.publishProgress(), 100);
        for (const QString& file : filesUnder(folder))
            outputs[round].insert(file, TestFiles::read(folder + file));
        outputs[round].insert(QString("configuration"),
                              TestFiles::read(kit.resources().playDataPath()));
    }
    QCOMPARE(outputs[1].keys(), outputs[0].keys());
    for (auto it = outputs[0].cbegin(); it != outputs[0].cend(); ++it)
        QVERIFY2(outputs[1].value(it.key()) == it.value(), qPrintable(it.key()));
}

void TestFlashmoPublish::jobRefusesNamesThatAreNoEntry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("profile");
    for (int profile : {0, 1, 2}) {
        for (const char* name : {"..", ".", "...", "a/b", ""})
            QTest::addRow("\"%s\", profile %d", name, profile) << QString(name) << profile;
    }
}

// Whoever fills the request, a name that is not one plain entry of the destination never
// becomes a path: nothing is written, neither in the destination nor above it.
void TestFlashmoPublish::jobRefusesNamesThatAreNoEntry()
{
    QFETCH(QString, name);
    QFETCH(int, profile);
    const QString parent = out + QString("parent");
    const QString destination = parent + QString("/destination");
    QVERIFY(QDir().mkpath(destination));
    QVERIFY(TestFiles::write(parent + QString("/Magic Cube.xml"), "the user's own"));
    const QStringList before = TestFiles::listing(parent);

    FlashmoKit kit(env.appFolder());
    PublishJob job(&kit);
    QSignalSpy ended(&job, &PublishJob::ended);
    PublishJob::Request request;
    request.photos = {env.makePhoto(QString("one.jpg"), 1)};
    request.templateName = QString("Magic Cube");
    request.folder = destination;
    request.name = name;
    request.profile = profile;
    job.start(request);
    QVERIFY(!ended.isEmpty() || ended.wait(30000));
    QCOMPARE(ended.first().first().value<PublishJob::Outcome>(), PublishJob::Outcome::NotStarted);
    QVERIFY(finish(kit));
    QCOMPARE(TestFiles::listing(parent), before);
}

QTEST_MAIN(TestFlashmoPublish)
#include "tst_flashmopublish.moc"
