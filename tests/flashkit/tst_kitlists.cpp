// List operations of the kit, the factory, template naming and refused publishes.
#include "flashkit/core/flashkitfactory.h"
#include "flashkit/core/flashmokit.h"
#include "kittestenv.h"

#include <QTest>

namespace {
// Lists are written as letters: "ABC" is three items whose paths are A, B and C.
QList<FlashKitPhoto> photosOf(const QString& letters)
{
    QList<FlashKitPhoto> list;
    for (QChar c : letters)
        list.append({QString("1"), QString(c), QString(c)});
    return list;
}

QList<FlashKitAudio> musicOf(const QString& letters)
{
    QList<FlashKitAudio> list;
    for (QChar c : letters) {
        FlashKitAudio clip;
        clip.path = QString(c);
        list.append(clip);
    }
    return list;
}

template <typename T> QString lettersOf(const QList<T>& list)
{
    QString text;
    for (const T& item : list)
        text += item.path;
    return text;
}
} // namespace

class TestKitLists : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(env.isValid()); }
    void listOperations_data();
    void listOperations();
    void factoryHandsOutOneKit();
    void templateNames_data();
    void templateNames();
    void refusedPublishStartsNothing_data();
    void refusedPublishStartsNothing();

private:
    KitTestEnv env;
};

void TestKitLists::listOperations_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<QString>("items");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("after");

    const auto row = [](const char* name, const char* start, const char* operation, int a, int b,
                        const char* items, bool result, const char* after) {
        QTest::newRow(name) << QString(start) << QString(operation) << a << b << QString(items)
                            << result << QString(after);
    };
    row("remove first", "ABC", "remove", 0, 0, "", true, "BC");
    row("remove last", "ABC", "remove", 2, 0, "", true, "AB");
    row("remove count", "ABC", "remove", 3, 0, "", false, "ABC");
    row("remove -1", "ABC", "remove", -1, 0, "", false, "ABC");
    row("remove empty", "", "remove", 0, 0, "", false, "");
    row("insert two at 0", "", "insert", 0, 0, "AB", true, "BA");
    row("insert at count", "AB", "insert", 2, 0, "XY", true, "ABYX");
    row("insert middle", "AB", "insert", 1, 0, "X", true, "AXB");
    row("insert past count", "AB", "insert", 3, 0, "X", false, "AB");
    row("insert -1", "AB", "insert", -1, 0, "X", false, "AB");
    row("insert nothing", "AB", "insert", 0, 0, "", false, "AB");
    row("replace 1", "ABC", "replace", 1, 0, "X", true, "AXC");
    row("replace count", "ABC", "replace", 3, 0, "X", false, "ABC");
    row("replace -1", "ABC", "replace", -1, 0, "X", false, "ABC");
    row("swap ends", "ABC", "swap", 0, 2, "", true, "CBA");
    row("swap same", "ABC", "swap", 1, 1, "", true, "ABC");
    row("swap a out", "ABC", "swap", 3, 0, "", false, "ABC");
    row("swap b out", "ABC", "swap", 0, 3, "", false, "ABC");
    row("swap negative", "ABC", "swap", -1, 0, "", false, "ABC");
    row("add appends", "AB", "add", 0, 0, "CD", true, "ABCD");
}

// Both lists follow the same index rules; each row runs on photos and on music.
void TestKitLists::listOperations()
{
    QFETCH(QString, start);
    QFETCH(QString, operation);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(QString, items);
    QFETCH(bool, result);
    QFETCH(QString, after);

    FlashmoKit kit(env.appFolder());
    kit.addPhotos(photosOf(start));
    kit.addMusic(musicOf(start));
    bool photoResult = false;
    bool musicResult = false;
    if (operation == QLatin1String("remove")) {
        photoResult = kit.removePhoto(a);
        musicResult = kit.removeMusic(a);
    } else if (operation == QLatin1String("insert")) {
        photoResult = kit.insertPhotos(photosOf(items), a);
        musicResult = kit.insertMusic(musicOf(items), a);
    } else if (operation == QLatin1String("replace")) {
        photoResult = kit.replacePhoto(photosOf(items).first(), a);
        musicResult = kit.replaceMusic(musicOf(items).first(), a);
    } else if (operation == QLatin1String("swap")) {
        photoResult = kit.swapPhotos(a, b);
        musicResult = kit.swapMusic(a, b);
    } else {
        photoResult = kit.addPhotos(photosOf(items));
        musicResult = kit.addMusic(musicOf(items));
    }
    QCOMPARE(photoResult, result);
    QCOMPARE(musicResult, result);
    QCOMPARE(lettersOf(kit.resources().photoList()), after);
    QCOMPARE(lettersOf(kit.resources().musicList()), after);
}

void TestKitLists::factoryHandsOutOneKit()
{
    FlashKitFactory* factory = FlashKitFactory::instance();
    QCOMPARE(FlashKitFactory::instance(), factory);
    IFlashKitInterface* kit = factory->createKit(0);
    QVERIFY(kit);
    QCOMPARE(factory->createKit(0), kit);
    QCOMPARE(factory->createKit(1), nullptr);
    QCOMPARE(factory->createKit(2), nullptr);
    QCOMPARE(factory->createKit(-1), nullptr);
    QCOMPARE(kit->publishProgress(), 0);
    // The owner releases and deletes it; the factory then makes a fresh one and will delete only
    // that one at exit.
    factory->releaseKit(kit);
    delete kit;
    QVERIFY(factory->createKit(0));
}

void TestKitLists::templateNames_data()
{
    QTest::addColumn<QString>("swf");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("config");

    QTest::newRow("spaces") << "3D Grid.swf" << true << "3D Grid.xml";
    QTest::newRow("upper case kept") << "GRID.SWF" << true << "GRID.SWF";
    QTest::newRow("every .swf") << "a.swf.swf" << true << "a.xml.xml";
    QTest::newRow("empty refused") << "" << false << "config.xml";
}

void TestKitLists::templateNames()
{
    QFETCH(QString, swf);
    QFETCH(bool, result);
    QFETCH(QString, config);

    FlashmoKit kit(env.appFolder());
    QCOMPARE(kit.resources().playDataFileName(), QString("config.xml"));
    QCOMPARE(kit.setTemplate(swf), result);
    QCOMPARE(kit.resources().playDataFileName(), config);
    QCOMPARE(kit.resources().playDataPath(), env.workspace() + QLatin1Char('/') + config);
    const QString movie = result ? swf : QString("flashmo_121_3d_grid_gallery.swf");
    QCOMPARE(kit.resources().templateSourcePath(), env.templateFolder() + movie);
    QCOMPARE(kit.resources().templateSwfSourcePath(), env.swfFolder() + movie);
}

void TestKitLists::refusedPublishStartsNothing_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");

    QTest::newRow("no folder") << ""
                               << "album";
    QTest::newRow("no name") << "/tmp/out/"
                             << "";
}

void TestKitLists::refusedPublishStartsNothing()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);

    FlashmoKit kit(env.appFolder());
    QVERIFY(!kit.publish(folder, name, 2));
    QVERIFY(!kit.isPublishing());
    QCOMPARE(kit.publisher().publishProfile(), 2);
    QCOMPARE(kit.publisher().outputSwfName(), QString("temp.swf"));
    QCOMPARE(kit.publishProgress(), 0);
}

QTEST_GUILESS_MAIN(TestKitLists)
#include "tst_kitlists.moc"
