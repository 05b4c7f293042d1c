// The configuration file: exact text, reading back, and failures.
#include "flashkit/core/playdatafile.h"
#include "support/testfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
FlashKitAudio clip(const QString& name, const QString& size)
{
    return {size,         QString(),         name,         QString("1"),          QString("0"),
            QString("1"), QString("245000"), QString("0"), QString("1.23457e+06")};
}

FlashKitPhoto photo(const QString& name, const QString& size)
{
    return {size, QString(), name};
}

bool writeFile(PlayDataFile& file, const QList<FlashKitAudio>& music,
               const QList<FlashKitPhoto>& photos)
{
    if (!file.openForWrite() || !file.writeHeader())
        return false;
    file.writeMusic(music);
    file.writeThumbnails(photos);
    return file.closeFile();
}

} // namespace

class TestPlayDataFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void exactText_data();
    void exactText();
    void refusesDamagedOrUnsafeFiles_data();
    void refusesDamagedOrUnsafeFiles();
    void roundTrip();
    void readsForeignFiles_data();
    void readsForeignFiles();
    void failures();

private:
    std::unique_ptr<QTemporaryDir> dir;
    QString folder;
};

void TestPlayDataFile::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    folder = dir->path() + QLatin1Char('/');
}

void TestPlayDataFile::exactText_data()
{
    QTest::addColumn<QList<FlashKitAudio>>("music");
    QTest::addColumn<QList<FlashKitPhoto>>("photos");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<playdata>\n";
    const QByteArray clipLine = "    <backgroundmusic filename=\"%1\" size=\"%2\" fadein=\"1\" "
                                "fadeout=\"0\" time=\"245000\" loop=\"1\" starttime=\"0\" "
                                "endtime=\"1.23457e+06\"/>\n";
    auto clipText = [&](const char* name, const char* size) -> QByteArray {
        return QString::fromUtf8(clipLine)
            .arg(QString::fromUtf8(name), QString::fromUtf8(size))
            .toUtf8();
    };
    auto thumb = [](const char* name, const char* size) -> QByteArray {
        return QByteArray("        <thumbnail filename=\"") + name +
               "\" target=\"_parent\" title=\"Photo No. 1\" size=\"" + size + "\"/>\n";
    };

    QTest::newRow("one clip, two photos")
        << QList<FlashKitAudio>{clip(QString("song.mp3"), QString("1000"))}
        << QList<FlashKitPhoto>{photo(QString("p_a.jpg"), QString("2000")),
                                photo(QString("p_b.jpg"), QString("3000"))}
        << head + clipText("song.mp3", "1000") + "    <thumbnails>\n" + thumb("p_a.jpg", "2000") +
               thumb("p_b.jpg", "3000") + "    </thumbnails>\n</playdata>\n";
    QTest::newRow("two clips, no photos")
        << QList<FlashKitAudio>{clip(QString("a.mp3"), QString("1")),
                                clip(QString("b.mp3"), QString("2"))}
        << QList<FlashKitPhoto>{}
        << head + clipText("a.mp3", "1") + clipText("b.mp3", "2") +
               "    <thumbnails/>\n</playdata>\n";
    QTest::newRow("escaped and non-ASCII names")
        << QList<FlashKitAudio>{}
        << QList<FlashKitPhoto>{photo(QString("Tom & \"Jörg\" <1>.jpg"), QString("5"))}
        << head + "    <thumbnails>\n" +
               thumb("Tom &amp; &quot;J\xc3\xb6rg&quot; &lt;1&gt;.jpg", "5") +
               "    </thumbnails>\n</playdata>\n";
}

void TestPlayDataFile::exactText()
{
    QFETCH(QList<FlashKitAudio>, music);
    QFETCH(QList<FlashKitPhoto>, photos);
    QFETCH(QByteArray, expected);

    PlayDataFile file;
    file.setFolder(folder);
    file.setFileName(QString("3D Grid.xml"));
    QCOMPARE(file.fullPath(), folder + QString("3D Grid.xml"));
    QVERIFY(writeFile(file, music, photos));
    QCOMPARE(TestFiles::read(file.fullPath()), expected);
}

void TestPlayDataFile::roundTrip()
{
    QList<FlashKitPhoto> photos;
    for (int i = 1; i <= 12; ++i)
        photos.append(photo(QString("p_photo %1.jpg").arg(i), QString::number(i * 1000)));
    const QList<FlashKitAudio> music{clip(QString("Ünïcode song.mp3"), QString("77")),
                                     clip(QString("b.mp3"), QString("2147483647"))};
    PlayDataFile file;
    file.setFolder(folder);
    QVERIFY(writeFile(file, music, photos));
    QCOMPARE(TestFiles::read(file.fullPath()).count("title=\"Photo No. 1\""), 12);

    PublishPlan plan;
    plan.total = 5; // reading adds to what is there
    QVERIFY(file.openForRead());
    QCOMPARE(file.fileSize(), int(QFileInfo(file.fullPath()).size()));
    file.readEntries(plan);
    QVERIFY(file.closeFile());
    QCOMPARE(plan.music.size(), 2);
    QCOMPARE(plan.music[0].fileName, music[0].fileName);
    QCOMPARE(plan.music[1].size, 2147483647);
    QCOMPARE(plan.photos.size(), 12);
    qint64 sum = 5 + 77 + 2147483647LL;
    for (int i = 0; i < 12; ++i) {
        QCOMPARE(plan.photos[i].fileName, photos[i].fileName);
        QCOMPARE(plan.photos[i].size, (i + 1) * 1000);
        sum += (i + 1) * 1000;
    }
    QCOMPARE(plan.total, sum);
}

// Files written elsewhere: Windows line ends, stray attributes, unreadable sizes, wrong roots.
void TestPlayDataFile::readsForeignFiles_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("music");
    QTest::addColumn<QStringList>("photos");
    QTest::addColumn<qint64>("total");

    QTest::newRow("CR LF") << QByteArray("<?xml version=\"1.0\"?>\r\n<playdata>\r\n"
                                         "    <backgroundmusic size=\"10\" filename=\"m.mp3\"/>\r\n"
                                         "    <thumbnails>\r\n"
                                         "        <thumbnail filename=\"a.jpg\" size=\"20\"/>\r\n"
                                         "    </thumbnails>\r\n</playdata>\r\n")
                           << QStringList{"m.mp3:10"} << QStringList{"a.jpg:20"} << qint64(30);
    QTest::newRow("text size") << QByteArray("<playdata><thumbnails>"
                                             "<thumbnail filename=\"a.jpg\" size=\"big\"/>"
                                             "<thumbnail filename=\"b.jpg\" size=\"3\"/>"
                                             "</thumbnails></playdata>")
                               << QStringList{} << QStringList{"a.jpg:0", "b.jpg:3"} << qint64(3);
    QTest::newRow("other root") << QByteArray("<config><thumbnails><thumbnail filename=\"a.jpg\" "
                                              "size=\"3\"/></thumbnails></config>")
                                << QStringList{} << QStringList{} << qint64(0);
}

void TestPlayDataFile::readsForeignFiles()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, music);
    QFETCH(QStringList, photos);
    QFETCH(qint64, total);

    QFile out(folder + QString("config.xml"));
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(text);
    out.close();

    PlayDataFile file;
    file.setFolder(folder);
    PublishPlan plan;
    plan.music.append({QString("stale"), 9});
    QVERIFY(file.openForRead());
    file.readEntries(plan);
    file.closeFile();
    QStringList gotMusic, gotPhotos;
    for (const PlayDataEntry& e : plan.music)
        gotMusic << e.fileName + QLatin1Char(':') + QString::number(e.size);
    for (const PlayDataEntry& e : plan.photos)
        gotPhotos << e.fileName + QLatin1Char(':') + QString::number(e.size);
    QCOMPARE(gotMusic, music);
    QCOMPARE(gotPhotos, photos);
    QCOMPARE(plan.total, total);
}

void TestPlayDataFile::failures()
{
    // A full disk: opening works, the data never lands, and closing says so.
    PlayDataFile full;
    full.setFolder(QString("/dev/"));
    full.setFileName(QString("full"));
    QVERIFY(full.openForWrite());
    QVERIFY(full.writeHeader());
    full.writeMusic({clip(QString("a.mp3"), QString("1"))});
    full.writeThumbnails({photo(QString("a.jpg"), QString("1"))});
    QVERIFY(!full.closeFile());

    // The kept file object follows the folder when it changes, and the next write succeeds.
    full.setFolder(folder);
    full.setFileName(QString("again.xml"));
    QVERIFY(writeFile(full, {}, {}));
    QVERIFY(TestFiles::read(folder + QString("again.xml")).contains("<thumbnails/>"));
}

// The names end up in copy paths and the sizes in the appended data: a tampered or cut file must
// stop the publish rather than copy from elsewhere or publish a shorter show as a success.
void TestPlayDataFile::refusesDamagedOrUnsafeFiles_data()
{
    QTest::addColumn<QByteArray>("text");
    const auto doc = [](const char* music, const char* photo) -> QByteArray {
        return QByteArray("<?xml version=\"1.0\"?>\n<playdata>\n    <backgroundmusic filename=\"") +
               music + "\" size=\"10\"/>\n    <thumbnails>\n        <thumbnail filename=\"" +
               photo + "\" size=\"20\"/>\n    </thumbnails>\n</playdata>\n";
    };
    QTest::newRow("parent folder music") << doc("../../x.mp3", "a.jpg");
    QTest::newRow("absolute photo") << doc("m.mp3", "/etc/passwd");
    QTest::newRow("sub-folder photo") << doc("m.mp3", "sub/a.jpg");
    QTest::newRow("backslash") << doc("..\\m.mp3", "a.jpg");
    QTest::newRow("dot-dot alone") << doc("m.mp3", "..");
    QTest::newRow("empty name") << doc("", "a.jpg");
    const QByteArray whole = doc("m.mp3", "a.jpg");
    QTest::newRow("cut after the music") << whole.left(whole.indexOf("<thumbnails>"));
    QTest::newRow("cut inside the photos") << whole.left(whole.indexOf("</thumbnails>"));
    QTest::newRow("cut before the end tag") << whole.left(whole.indexOf("</playdata>"));
    QTest::newRow("garbage after") << whole + "<playdata/>";
}

void TestPlayDataFile::refusesDamagedOrUnsafeFiles()
{
    QFETCH(QByteArray, text);
    QVERIFY(TestFiles::write(folder + QString("config.xml"), text));
    PlayDataFile file;
    file.setFolder(folder);
    QVERIFY(!file.openForRead());
    file.closeFile();

    // Nothing to read from: an error, not an empty success.
    PlayDataFile direct;
    PublishPlan plan;
    plan.total = 7;
    QVERIFY(!direct.readEntries(plan)); // nothing opened
    QVERIFY(plan.music.isEmpty() && plan.photos.isEmpty());

    // The complete, plain version of the same file is accepted.
    const QByteArray plain = QByteArray("<playdata><backgroundmusic filename=\"m.mp3\" size=\"1\"/>"
                                        "<thumbnails><thumbnail filename=\"a b.jpg\" size=\"2\"/>"
                                        "</thumbnails></playdata>\n");
    QVERIFY(TestFiles::write(folder + QString("config.xml"), plain));
    QVERIFY(file.openForRead());
    QVERIFY(file.readEntries(plan));
    QCOMPARE(plan.total, qint64(10));
    QVERIFY(file.closeFile());
}

QTEST_GUILESS_MAIN(TestPlayDataFile)
#include "tst_playdatafile.moc"
