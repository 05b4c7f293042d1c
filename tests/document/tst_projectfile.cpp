// The project file: what is saved is what is read back (by hand and from a slideshow's
// records), a project moved with its photos finds them through its relative paths, hostile
// files open nothing or only their sound entries (each with a reason, none opened, none slow),
// and a save that cannot be made leaves the old file whole.
#include "document/projectfile.h"
#include "support/smallfs.h"
#include "support/testfiles.h"

#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <memory>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
QString touch(const QString& path)
{
    TestFiles::write(path, "x");
    return path;
}

// A Unix socket left on disk (the socket itself is closed; the entry stays).
bool makeSocket(const QString& path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (fd < 0 || size_t(name.size()) >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const bool ok = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    return ok;
}
} // namespace

class TestProjectFile : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void roundTrip();
    void relativePaths_data();
    void relativePaths();
    void hostile_data();
    void hostile();
    void hostileFiles_data();
    void hostileFiles();
    void failedSave_data();
    void failedSave();
    void saveOverAnOriginal_data();
    void saveOverAnOriginal();

private:
    std::unique_ptr<QTemporaryDir> dir;
    QString folder;
};

void TestProjectFile::init()
{
    // Folder names with a place marker and a non-ASCII letter: messages name them as they are.
    dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/project %2 ü-XXXXXX");
    QVERIFY(dir->isValid());
    folder = dir->path();
}

void TestProjectFile::roundTrip()
{
    Project made;
    made.photos = {{touch(folder + "/a.jpg"), {3, 0, 2}, 1},
                   {touch(folder + "/sub/ü b.jpg"), {}, 0},
                   {folder + "/a.jpg", {1}, 1}};
    made.clips = {{touch(folder + "/song.mp3"), 1.25, 70.5}, {folder + "/song.mp3", 0, 0}};
    made.templateName = "3D Grid";
    made.music = {false, true, false};
    made.publishing = {"Summer", folder + "/out", 4, 42, 1, 720, 0};
    const QString path = folder + "/show.lumaro";
    QString reason;
    QVERIFY2(ProjectFile::write(made, path, &reason), qPrintable(reason));
    QStringList dropped;
    std::optional<Project> read = ProjectFile::read(path, &reason, &dropped);
    QVERIFY2(read, qPrintable(reason));
    QVERIFY2(dropped.isEmpty(), qPrintable(dropped.join('\n')));
    QCOMPARE(*read, made);

    // The same through a slideshow's records (paths as the import gives them).
    Slideshow show;
    ImageInfo photo;
    photo.id = QUuid::createUuid();
    photo.path = folder + "/sub/ü b.jpg";
    photo.operations = {2, 1};
    photo.bakedOperations = 1;
    show.addPhotos(-1, {photo});
    AudioInfo clip;
    clip.filePath = folder + "/song.mp3";
    clip.startPoint = 3;
    clip.endPoint = 9.5;
    show.editMusic({clip}, {true, false, true});
    show.setTemplate("Swirl", QString());
    show.setPublishSettings({"Trip", QString(), 0, 90, 2});
    const Project fromShow = ProjectFile::fromSlideshow(show);
    QCOMPARE(fromShow.photos.value(0), (ProjectPhoto{photo.path, {2, 1}, 1}));
    QCOMPARE(fromShow.clips.value(0), (ProjectClip{clip.filePath, 3, 9.5}));
    QVERIFY2(ProjectFile::write(fromShow, path, &reason), qPrintable(reason));
    read = ProjectFile::read(path, &reason);
    QVERIFY2(read, qPrintable(reason));
    QCOMPARE(*read, fromShow);
    QCOMPARE(read->templateName, QString("Swirl"));
}

void TestProjectFile::relativePaths_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("expectedFolder");
    // Moved together: the old paths are gone, the relative ones lead to the photos.
    QTest::newRow("moved") << "move"
                           << "new";
    // Copied: the originals named by their absolute paths are still there and are the ones used.
    QTest::newRow("copied") << "copy"
                            << "old";
    // The project alone copied elsewhere, its photos then deleted: nothing to be found either
    // way, and the stored absolute paths are kept for the import to report.
    QTest::newRow("originals gone") << "project only"
                                    << "old";
}

void TestProjectFile::relativePaths()
{
    QFETCH(QString, change);
    QFETCH(QString, expectedFolder);
    // Photos inside the project's folder and beside it ("../").
    Project made;
    made.photos = {{touch(folder + "/old/project/photos/a.jpg"), {}, 0},
                   {touch(folder + "/old/beside.jpg"), {2}, 0}};
    made.clips = {{touch(folder + "/old/project/m.mp3"), 0, 5}};
    QString reason;
    QVERIFY(ProjectFile::write(made, folder + "/old/project/p.lumaro", &reason));
    QVERIFY(TestFiles::read(folder + "/old/project/p.lumaro").contains("\"../beside.jpg\""));
    if (change == "move") {
        QVERIFY(QDir().rename(folder + "/old", folder + "/new"));
    } else if (change == "copy") {
        QVERIFY(QProcess::execute("cp", {"-a", folder + "/old", folder + "/new"}) == 0);
    } else {
        QVERIFY(QDir().mkpath(folder + "/new/project"));
        QVERIFY(QFile::copy(folder + "/old/project/p.lumaro", folder + "/new/project/p.lumaro"));
        QVERIFY(QDir(folder + "/old").removeRecursively());
    }

    QStringList dropped;
    const std::optional<Project> read =
        ProjectFile::read(folder + "/new/project/p.lumaro", &reason, &dropped);
    QVERIFY2(read, qPrintable(reason));
    QVERIFY(dropped.isEmpty());
    const QString base = folder + "/" + expectedFolder;
    QCOMPARE(read->photos.value(0).path, base + "/project/photos/a.jpg");
    QCOMPARE(read->photos.value(1).path, base + "/beside.jpg");
    QCOMPARE(read->photos.value(1).operations, QVector<qint32>{2});
    QCOMPARE(read->clips.value(0).path, base + "/project/m.mp3");
}

void TestProjectFile::hostile_data()
{
    // %D is the test's folder; it holds good.jpg, a folder "dir", a pipe, a socket. Each row
    // gives the whole file (refused) or the entries of the photo list and the clip list.
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("photos"); // -1: refused
    QTest::addColumn<int>("clips");
    QTest::addColumn<QString>("told"); // in the reason, or in what was dropped

    const auto show = [](const QByteArray& photos, const QByteArray& clips = "[]",
                         const QByteArray& more = "") -> QByteArray {
        return R"({"format": "lumaro-project", "version": 1, "photos": )" + photos +
               R"(, "clips": )" + clips + more + "}";
    };
    const QByteArray good = R"({"path": "%D/good.jpg", "operations": [2], "bakedOperations": 0})";
    const auto photos = [&](const QByteArray& bad) -> QByteArray {
        return show("[" + bad + ", " + good + "]");
    };
    const auto clip = [&](const QByteArray& times) -> QByteArray {
        return show("[" + good + "]", R"([{"path": "%D/good.jpg", )" + times + "}]");
    };

    QTest::newRow("truncated") << show("[" + good + "]").left(60) << -1 << 0 << "damaged";
    QTest::newRow("not an object") << QByteArray("[1, 2]") << -1 << 0 << "damaged";
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << -1 << 0 << "damaged";
    QTest::newRow("empty") << QByteArray() << -1 << 0 << "damaged";
    QTest::newRow("no format") << QByteArray(R"({"version": 1, "photos": []})") << -1 << 0
                               << "damaged";
    QTest::newRow("other format") << show("[]").replace("lumaro-project", "lumaro-skin") << -1 << 0
                                  << "damaged";
    QTest::newRow("newer version")
        << show("[]").replace("\"version\": 1", "\"version\": 7") << -1 << 0 << "version 7";
    QTest::newRow("version as text")
        << show("[]").replace("\"version\": 1", "\"version\": \"1\"") << -1 << 0 << "version";
    QTest::newRow("version 0") << show("[]").replace("\"version\": 1", "\"version\": 0") << -1 << 0
                               << "version";
    QTest::newRow("version 1.5") << show("[]").replace("\"version\": 1", "\"version\": 1.5") << -1
                                 << 0 << "version";
    QTest::newRow("photos a string") << show("\"a.jpg\"") << -1 << 0 << "list of photos";
    QTest::newRow("clips an object") << show("[]", "{}") << -1 << 0 << "list of photos";

    QTest::newRow("entry a number") << photos("5") << 1 << 0 << "Photo 1 (damaged)";
    QTest::newRow("path a list") << photos(R"({"path": ["a"]})") << 1 << 0 << "no file named";
    QTest::newRow("path empty") << photos(R"({"path": ""})") << 1 << 0 << "no file named";
    QTest::newRow("path relative, climbing")
        << photos(R"({"path": "../../etc/passwd"})") << 1 << 0 << "not a usable path";
    QTest::newRow("relative path untidy")
        << photos(R"({"relativePath": "a/../../good.jpg"})") << 1 << 0 << "not a usable path";
    QTest::newRow("relative path absolute")
        << photos(R"({"relativePath": "/etc/passwd"})") << 1 << 0 << "not a usable path";
    QTest::newRow("path with NUL")
        << photos(R"({"path": "%D/good.jpg\u0000.png"})") << 1 << 0 << "not a usable path";
    QTest::newRow("path with half a character")
        << photos(R"({"path": "%D/good.jpg\ud800"})") << 1 << 0 << "Photo 1 (not a usable path)";
    QTest::newRow("folder") << photos(R"({"path": "%D/dir"})") << 1 << 0 << "a folder";
    QTest::newRow("device") << photos(R"({"path": "/dev/zero"})") << 1 << 0 << "a device";
    QTest::newRow("pipe") << photos(R"({"path": "%D/pipe"})") << 1 << 0 << "a pipe";
    QTest::newRow("socket") << photos(R"({"path": "%D/socket"})") << 1 << 0 << "a socket";
    QTest::newRow("itself") << photos(R"({"path": "%D/show.lumaro"})") << 1 << 0
                            << "the project file itself";
    QTest::newRow("itself, relative")
        << photos(R"({"path": "/nowhere/x.lumaro", "relativePath": "show.lumaro"})") << 1 << 0
        << "the project file itself";
    QTest::newRow("operation 4") << photos(R"({"path": "%D/good.jpg", "operations": [4]})") << 1
                                 << 0 << "turns and flips are damaged";
    QTest::newRow("operation -1") << photos(R"({"path": "%D/good.jpg", "operations": [1, -1]})")
                                  << 1 << 0 << "turns and flips are damaged";
    QTest::newRow("operation 1.5") << photos(R"({"path": "%D/good.jpg", "operations": [1.5]})") << 1
                                   << 0 << "turns and flips are damaged";
    QTest::newRow("operations a string") << photos(R"({"path": "%D/good.jpg", "operations": "0"})")
                                         << 1 << 0 << "turns and flips are damaged";
    QTest::newRow("baked past the list")
        << photos(R"({"path": "%D/good.jpg", "operations": [1], "bakedOperations": 2})") << 1 << 0
        << "turns and flips are damaged";
    QTest::newRow("baked negative")
        << photos(R"({"path": "%D/good.jpg", "operations": [], "bakedOperations": -1})") << 1 << 0
        << "turns and flips are damaged";
    QTest::newRow("start after end")
        << clip(R"("start": 9, "end": 3)") << 1 << 0 << "start and end are damaged";
    QTest::newRow("negative start")
        << clip(R"("start": -1, "end": 3)") << 1 << 0 << "start and end are damaged";
    QTest::newRow("NaN as text") << clip(R"("start": "NaN", "end": 3)") << 1 << 0
                                 << "start and end are damaged";
    QTest::newRow("end past a day")
        << clip(R"("start": 0, "end": 1e300)") << 1 << 0 << "start and end are damaged";
    QTest::newRow("no times") << clip(R"("begin": 0)") << 1 << 0 << "start and end are damaged";
    QTest::newRow("clip itself")
        << clip(R"("start": 0, "end": 1)").replace("good.jpg\", \"start", "show.lumaro\", \"start")
        << 1 << 0 << "the project file itself";
    QTest::newRow("good clip") << clip(R"("start": 0.5, "end": 1)") << 1 << 1 << "";

    QTest::newRow("quality 1000") << show("[]", "[]", R"(, "publish": {"quality": 1000})") << 0 << 0
                                  << "The publish settings (damaged";
    QTest::newRow("photo size 3") << show("[]", "[]", R"(, "publish": {"photoSize": 3})") << 0 << 0
                                  << "The publish settings (damaged";
    QTest::newRow("name with a slash") << show("[]", "[]", R"(, "publish": {"name": "../x"})") << 0
                                       << 0 << "The publish settings (damaged";
    QTest::newRow("video size 900") << show("[]", "[]", R"(, "publish": {"videoHeight": 900})") << 0
                                    << 0 << "The publish settings (damaged";
    QTest::newRow("one second per photo")
        << show("[]", "[]", R"(, "publish": {"secondsPerPhoto": 1})") << 0 << 0
        << "The publish settings (damaged";
    QTest::newRow("fade as text") << show("[]", "[]", R"(, "music": {"fadeIn": "yes"})") << 0 << 0
                                  << "The music options (damaged";
    QTest::newRow("template a number")
        << show("[]", "[]", R"(, "template": 3)") << 0 << 0 << "The template (damaged";

    // Far more entries than a project holds: the first ones are read, the rest named in one line.
    QByteArray many = "[" + good;
    for (int i = 1; i < 100000; ++i)
        many += ",\n" + good;
    QTest::newRow("100000 photos")
        << show(many + "]") << ProjectFile::MaxPhotos << 0 << "Photos 10001 to 100000";
}

void TestProjectFile::hostile()
{
    QFETCH(QByteArray, text);
    QFETCH(int, photos);
    QFETCH(int, clips);
    QFETCH(QString, told);
    touch(folder + "/good.jpg");
    QDir().mkpath(folder + "/dir");
    QCOMPARE(::mkfifo(QFile::encodeName(folder + "/pipe").constData(), 0600), 0);
    QVERIFY(makeSocket(folder + "/socket"));
    const QString path = folder + "/show.lumaro";
    QVERIFY(TestFiles::write(path, text.replace("%D", QFile::encodeName(folder))));

    QString reason;
    QStringList dropped;
    const std::optional<Project> read = ProjectFile::read(path, &reason, &dropped);
    if (photos < 0) {
        QVERIFY(!read);
        QVERIFY2(reason.contains(told) && reason.contains(path), qPrintable(reason));
        return;
    }
    QVERIFY2(read, qPrintable(reason));
    QCOMPARE(read->photos.size(), photos);
    QCOMPARE(read->clips.size(), clips);
    for (const ProjectPhoto& photo : read->photos)
        QCOMPARE(photo, (ProjectPhoto{folder + "/good.jpg", {2}, 0}));
    if (told.isEmpty())
        QVERIFY2(dropped.isEmpty(), qPrintable(dropped.join('\n')));
    else
        QVERIFY2(dropped.size() == 1 && dropped.first().contains(told),
                 qPrintable(dropped.join('\n')));
}

void TestProjectFile::hostileFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("told");
    QTest::newRow("folder") << "folder"
                            << "a folder";
    QTest::newRow("pipe") << "pipe"
                          << "a pipe"; // would block a plain open for ever
    QTest::newRow("device") << "device"
                            << "a device";
    QTest::newRow("huge") << "huge"
                          << "too large";
    QTest::newRow("missing") << "missing"
                             << "does not exist";
}

// The project file itself is looked at before anything is read from it.
void TestProjectFile::hostileFiles()
{
    QFETCH(QString, kind);
    QFETCH(QString, told);
    QString path = folder + "/show.lumaro";
    if (kind == "folder") {
        QVERIFY(QDir().mkpath(path));
    } else if (kind == "pipe") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == "device") {
        path = "/dev/zero";
    } else if (kind == "huge") {
        QFile file(path); // sparse: takes no room
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(qint64(ProjectFile::MaxBytes) + 1));
    }
    QString reason;
    QVERIFY(!ProjectFile::read(path, &reason));
    QVERIFY2(reason.contains(told) && reason.contains(path), qPrintable(reason));
}

void TestProjectFile::failedSave_data()
{
    QTest::addColumn<bool>("full");
    QTest::newRow("read-only") << false;
    QTest::newRow("full") << true;
}

void TestProjectFile::failedSave()
{
    QFETCH(bool, full);
    if (!SmallFs::unavailable().isEmpty())
        QSKIP(qPrintable(SmallFs::unavailable()));
    const QString mounted = folder + "/fs";
    QVERIFY(SmallFs::mount(mounted, 256));
    const auto unmount = qScopeGuard([&] { SmallFs::unmount(mounted); });
    const QString path = mounted + "/show.lumaro";
    Project before;
    before.photos = {{touch(folder + "/a.jpg"), {}, 0}};
    QString reason;
    QVERIFY(ProjectFile::write(before, path, &reason));
    const QByteArray old = TestFiles::read(path);
    QVERIFY(full ? SmallFs::fill(mounted) : SmallFs::makeReadOnly(mounted));

    Project after = before;
    for (int i = 0; i < 2000; ++i) // larger than the room left
        after.photos << ProjectPhoto{folder + QString("/photo %1.jpg").arg(i), {1, 2, 3}, 0};
    QVERIFY(!ProjectFile::write(after, path, &reason));
    QVERIFY2(reason.contains(mounted), qPrintable(reason));
    QCOMPARE(TestFiles::read(path), old);
}

void TestProjectFile::saveOverAnOriginal_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("a photo") << "a.jpg";
    QTest::newRow("a clip") << "song.mp3";
    QTest::newRow("a photo through a link") << "link.lumaro";
    QTest::newRow("a photo by another spelling") << "sub/../a.jpg";
}

// Saving the project under the name of one of its own originals would destroy that original.
void TestProjectFile::saveOverAnOriginal()
{
    QFETCH(QString, target);
    QVERIFY(TestFiles::write(folder + "/a.jpg", "photo"));
    QVERIFY(TestFiles::write(folder + "/song.mp3", "music"));
    QVERIFY(QDir().mkpath(folder + "/sub"));
    QVERIFY(QFile::link(folder + "/a.jpg", folder + "/link.lumaro"));
    Project project;
    project.photos = {{folder + "/a.jpg", {}, 0}};
    project.clips = {{folder + "/song.mp3", 0, 1}};
    QString reason;
    QVERIFY(!ProjectFile::write(project, folder + "/" + target, &reason));
    QVERIFY2(reason.contains("original"), qPrintable(reason));
    QCOMPARE(TestFiles::read(folder + "/a.jpg"), QByteArray("photo"));
    QCOMPARE(TestFiles::read(folder + "/song.mp3"), QByteArray("music"));
}

QTEST_GUILESS_MAIN(TestProjectFile)
#include "tst_projectfile.moc"
