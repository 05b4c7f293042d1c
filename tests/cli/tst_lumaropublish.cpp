// lumaro-publish as a user runs it: exit statuses, inputs that cannot be read (listed, the rest
// published, nothing with --strict), a folder of real photos in each profile checked inside
// (configuration entries, the self-contained layout, upright photos), the music's range and
// flags, names beside earlier slideshows and beside runs started at the same time, failures and
// interruptions leaving nothing behind (a run killed outright cleaned up by the next), a full
// working folder told as such, and the user's settings and the desktop program's workspace never
// touched.
#include "common/imageinfo.h"
#include "common/mediaformats.h"
#include "common/workspace.h"
#include "document/projectfile.h"
#include "support/smallfs.h"
#include "support/testfiles.h"
#include "support/testheif.h"
#include "support/testimages.h"
#include "support/testmedia.h"
#include "support/testpictures.h"

#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QUrl>
#include <QXmlStreamReader>
#include <QtEndian>
#include <QtTest>

#include <csignal>
#include <memory>
#include <vector>

namespace {
const QString Template = "3D Grid";

struct Result
{
    int code = -1;
    QByteArray out;
    QByteArray err;
};

struct Config
{
    QList<QXmlStreamAttributes> music;
    QList<QXmlStreamAttributes> photos;
};

Config readConfig(const QByteArray& xml)
{
    Config config;
    QXmlStreamReader reader(xml);
    while (reader.readNextStartElement() || !reader.atEnd()) {
        if (reader.isStartElement() && reader.name() == QLatin1String("backgroundmusic"))
            config.music << reader.attributes();
        else if (reader.isStartElement() && reader.name() == QLatin1String("thumbnail"))
            config.photos << reader.attributes();
        if (!reader.isStartElement())
            reader.readNext();
    }
    return config;
}

// The processes whose parent is `parent`, from /proc.
QList<qint64> childrenOf(qint64 parent)
{
    QList<qint64> found;
    for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
        bool number = false;
        const qint64 pid = entry.toLongLong(&number);
        if (!number)
            continue;
        // "pid (name) state ppid ..."; the name may hold spaces and brackets.
        const QByteArray stat = TestFiles::read("/proc/" + entry + "/stat");
        const qsizetype close = stat.lastIndexOf(')');
        if (close > 0 && stat.mid(close + 2).split(' ').value(1).toLongLong() == parent)
            found << pid;
    }
    return found;
}

// Running, not a zombie waiting for a parent to collect it.
bool alive(qint64 pid)
{
    const QByteArray stat = TestFiles::read(QString("/proc/%1/stat").arg(pid));
    const qsizetype close = stat.lastIndexOf(')');
    return close > 0 && stat.size() > close + 2 && stat.at(close + 2) != 'Z' &&
           stat.at(close + 2) != 'X';
}

// Sorted, so that lists can be compared whatever the names are.
QStringList runFolders(const QString& folder, const QString& pattern)
{
    QStringList found =
        QDir(folder).entryList({pattern}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    found.sort();
    return found;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

// Which test picture a published file came from: "p_Portrait_6{...}.jpg" gives "Portrait_6".
QString sourceOf(const QString& fileName)
{
    static const QRegularExpression re("(Landscape|Portrait)_\\d");
    return re.match(fileName).captured(0);
}
} // namespace

class TestLumaroPublish : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(root.isValid());
        cli = QString(LUMARO_TEST_APP_DIR) + "/lumaro-publish";
        QVERIFY(QFileInfo(cli).isExecutable());
        // The photos, each stored with another EXIF orientation, plus one more in a sub-folder.
        const QDir testdata(QString(LUMARO_TESTDATA_DIR) + "/exif-orientation");
        QVERIFY(testdata.exists());
        photos = root.filePath("photos");
        QVERIFY(QDir().mkpath(photos + "/sub"));
        for (const QString& name : testdata.entryList({"*.jpg"})) {
            QVERIFY(QFile::copy(testdata.filePath(name), photos + "/" + name));
            ++photoCount;
        }
        QVERIFY(QFile::copy(testdata.filePath("Portrait_1.jpg"), photos + "/sub/Portrait_1b.jpg"));
        ++photoCount;
        landscape.load(testdata.filePath("Landscape_1.jpg"));
        portrait.load(testdata.filePath("Portrait_1.jpg"));
        QVERIFY(!landscape.isNull() && !portrait.isNull());
        tone = root.filePath("tone.wav");
        QVERIFY(TestMedia::makeWav(tone, 4));
        longTone = root.filePath("long.wav");
        QVERIFY(TestMedia::makeWav(longTone, 240));
    }

    void init()
    {
        home.reset(new QTemporaryDir);
        QVERIFY(QDir().mkpath(home->filePath("tmp")));
        out = home->filePath("out");
    }

    // The user's settings, the desktop program's workspace and the private workspace: none
    // is left or made by any run.
    void cleanup()
    {
        QVERIFY(!QFileInfo::exists(home->filePath(".config/Lumaro/lumaro.ini")));
        QVERIFY(!QFileInfo::exists(home->filePath(".local/share/Lumaro")));
        const QStringList left =
            QDir(home->filePath("tmp")).entryList({"lumaro-publish-*"}, QDir::AllEntries);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(' ')));
    }

    void statuses_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("stdoutHas");
        QTest::addColumn<QString>("stderrHas");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: lumaro-publish"
                              << "";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "lumaro-publish 1."
                                 << "";
        QTest::newRow("templates") << QStringList{"--list-templates"} << 0 << "\n3D Grid\n"
                                   << "";
        QTest::newRow("unknown option") << QStringList{"--colour", "x"} << 2 << ""
                                        << "--help";
        QTest::newRow("no photos") << QStringList{"--name", "x"} << 2 << ""
                                   << "No photos given";
        QTest::newRow("bad quality") << QStringList{"--quality", "0", "x"} << 2 << ""
                                     << "1 to 100";
        QTest::newRow("unknown template") << QStringList{"--template", "Nope", "x"} << 2 << ""
                                          << "3D Grid";
        QTest::newRow("only unreadable inputs") << QStringList{"nothing.jpg"} << 1 << ""
                                                << "Could not read nothing.jpg: not found";
        QTest::newRow("no project") << QStringList{"--project", "nothing.lumaro"} << 1 << ""
                                    << "nothing.lumaro does not exist";
    }
    void statuses()
    {
        QFETCH(QStringList, args);
        const Result r = run(args);
        QTEST(r.code, "code");
        QFETCH(QString, stdoutHas);
        QFETCH(QString, stderrHas);
        QVERIFY2(r.out.contains(stdoutHas.toUtf8()), r.out.constData());
        QVERIFY2(r.err.contains(stderrHas.toUtf8()), r.err.constData());
    }

    void profiles_data()
    {
        QTest::addColumn<QString>("profile");
        QTest::newRow("xml") << "xml";
        QTest::newRow("swf") << "swf";
        QTest::newRow("swf+html") << "swf+html";
    }
    void profiles()
    {
        QFETCH(QString, profile);
        const Result r = run({"--template", Template, "--profile", profile, "--quality", "90",
                              "--music", tone + "@1-3", "--fade-in", "--no-loop", "--name",
                              "Summer 2026", "--output", out, photos});
        QVERIFY2(r.code == 0, r.err.constData());
        QVERIFY2(r.err.contains("Publishing: 100%"), r.err.constData());

        Config config;
        QList<QPair<QString, QByteArray>> published; // file name, JPEG bytes
        QByteArray mp3;
        if (profile == "xml") {
            const QString folder = out + "/Summer 2026";
            QCOMPARE(QString::fromUtf8(r.out.trimmed()), folder);
            QVERIFY(QFileInfo(folder + "/Summer 2026.swf").isFile());
            config = readConfig(TestFiles::read(folder + "/" + Template + ".xml"));
            for (const QXmlStreamAttributes& photo : config.photos) {
                const QString name = photo.value("filename").toString();
                QVERIFY2(QFileInfo(folder + "/photos/s_" + name).isFile(), qPrintable(name));
                published << qMakePair(name, TestFiles::read(folder + "/photos/" + name));
            }
            QCOMPARE(config.music.size(), 1);
            mp3 = TestFiles::read(folder + "/background music/" +
                                  config.music.first().value("filename").toString());
        } else {
            const QString swf = out + "/Summer 2026.swf";
            const QString page = out + "/Summer 2026.html";
            QCOMPARE(QString::fromUtf8(r.out.trimmed()), profile == "swf" ? swf : page);
            QCOMPARE(QFileInfo::exists(page), profile == "swf+html");
            if (profile == "swf+html")
                QVERIFY(TestFiles::read(page).contains("Summer 2026.swf"));
            // Template, "$$$$$", the configuration's size (big-endian), the configuration, the
            // music, the photos, each as long as its size attribute says.
            const QByteArray movie = TestFiles::read(swf);
            const qint64 templateSize = QFileInfo(QString(LUMARO_TEST_APP_DIR) +
                                                  "/template/version1/SWF/" + Template + ".swf")
                                            .size();
            QVERIFY(templateSize > 0);
            QCOMPARE(movie.mid(templateSize, 5), QByteArray("$$$$$"));
            const quint32 configSize =
                qFromBigEndian<quint32>(movie.constData() + templateSize + 5);
            qint64 at = templateSize + 9;
            config = readConfig(movie.mid(at, configSize));
            at += configSize;
            QCOMPARE(config.music.size(), 1);
            const int musicSize = config.music.first().value("size").toInt();
            mp3 = movie.mid(at, musicSize);
            at += musicSize;
            for (const QXmlStreamAttributes& photo : config.photos) {
                const int size = photo.value("size").toInt();
                published << qMakePair(photo.value("filename").toString(), movie.mid(at, size));
                at += size;
            }
            QCOMPARE(at, movie.size());
        }

        // The clip: converted to MP3, played from 1 s to 3 s, fading in, not looping.
        const QXmlStreamAttributes clip = config.music.first();
        QCOMPARE(clip.value("starttime").toString(), QString("1000"));
        QCOMPARE(clip.value("endtime").toString(), QString("3000"));
        QCOMPARE(clip.value("fadein").toString(), QString("1"));
        QCOMPARE(clip.value("fadeout").toString(), QString("0"));
        QCOMPARE(clip.value("loop").toString(), QString("0"));
        QVERIFY(mp3.startsWith("ID3") || (mp3.size() > 2 && quint8(mp3[0]) == 0xFF));

        // Every photo, the one in the sub-folder too, published upright.
        QCOMPARE(published.size(), photoCount);
        QStringList sources;
        for (const auto& [name, bytes] : published) {
            sources << sourceOf(name);
            QImage image;
            QVERIFY2(image.loadFromData(bytes, "JPG"), qPrintable(name));
            const QImage& upright = name.contains("Portrait") ? portrait : landscape;
            checkLooksLike(name, image, upright);
        }
        QVERIFY(sources.contains("Portrait_8") && sources.contains("Landscape_0"));
    }

    void unreadableInputs_data()
    {
        QTest::addColumn<bool>("strict");
        QTest::newRow("the rest is published") << false;
        QTest::newRow("strict: nothing is") << true;
    }
    void unreadableInputs()
    {
        QFETCH(bool, strict);
        const QString mixed = home->filePath("mixed");
        QVERIFY(QDir().mkpath(mixed));
        QVERIFY(QFile::copy(photos + "/Landscape_3.jpg", mixed + "/a.jpg"));
        QVERIFY(TestFiles::write(mixed + "/broken.jpg", "no picture at all"));
        QVERIFY(TestFiles::write(home->filePath("song.mp3"), "no music either"));
        QVERIFY(QDir().mkpath(out));
        QStringList args{"--music", home->filePath("song.mp3"), "--output", out,
                         mixed,     home->filePath("gone.jpg")};
        if (strict)
            args.prepend("--strict");
        const Result r = run(args);
        QCOMPARE(r.code, 1);
        for (const QString& listed : QStringList{mixed + "/broken.jpg", home->filePath("gone.jpg"),
                                                 home->filePath("song.mp3")})
            QVERIFY2(r.err.contains(QByteArray(QByteArray("Could not read ") + listed.toUtf8())),
                     r.err.constData());
        QVERIFY(!r.err.contains("a.jpg"));
        const QStringList written =
            QDir(out).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        if (strict) {
            QVERIFY(r.out.isEmpty());
            QVERIFY2(written.isEmpty(), qPrintable(written.join(' ')));
        } else {
            QCOMPARE(QString::fromUtf8(r.out.trimmed()), out + "/My Flash.swf");
            QCOMPARE(written, QStringList{"My Flash.swf"});
        }
    }

    // A project saved in the window publishes as saved: a photo turned, one with an EXIF turn
    // mirrored on top of it, the clip trimmed, the template, fades and name; the command line's
    // profile wins over the project's; a missing original is listed as any unreadable input.
    void project()
    {
        const QString trip = home->filePath("trip");
        QVERIFY(QDir().mkpath(trip));
        QVERIFY(QFile::copy(photos + "/Landscape_1.jpg", trip + "/plain.jpg"));
        QVERIFY(QFile::copy(photos + "/Portrait_6.jpg", trip + "/exif.jpg"));
        ImageInfo exif;
        exif.setExifOrientation(6); // what the import turns it by, already in its backups
        QVERIFY(!exif.operations.isEmpty());
        Project project;
        project.photos = {{trip + "/plain.jpg", {TurnRight}, 0},
                          {trip + "/gone.jpg", {}, 0},
                          {trip + "/exif.jpg", QVector<qint32>{Mirror} + exif.operations,
                           qint32(exif.operations.size())}};
        project.clips = {{tone, 1, 3}};
        project.templateName = Template;
        project.music = {false, true, false};
        project.publishing = {"Trip", out, 1, 90};
        QString reason;
        QVERIFY2(ProjectFile::write(project, trip + "/trip.lumaro", &reason), qPrintable(reason));

        const Result r = run({"--project", "trip/trip.lumaro", "--profile", "xml"});
        QVERIFY2(r.code == 1, r.err.constData());
        QVERIFY2(
            r.err.contains(QByteArray("Could not read " + trip.toUtf8() + "/gone.jpg: not found")),
            r.err.constData());
        const QString folder = out + "/Trip";
        QCOMPARE(QString::fromUtf8(r.out.trimmed()), folder);
        const Config config = readConfig(TestFiles::read(folder + "/" + Template + ".xml"));
        QCOMPARE(config.photos.size(), 2);
        const QList<QImage> expected{landscape.transformed(QTransform().rotate(90)),
                                     portrait.mirrored(true, false)};
        for (int i = 0; i < 2; ++i) {
            const QString name = config.photos.at(i).value("filename").toString();
            QVERIFY2(name.contains(i == 0 ? "plain" : "exif"), qPrintable(name));
            checkLooksLike(name, QImage(folder + "/photos/" + name), expected.at(i));
        }
        QCOMPARE(config.music.size(), 1);
        const QXmlStreamAttributes clip = config.music.first();
        QCOMPARE(clip.value("starttime").toString(), QString("1000"));
        QCOMPARE(clip.value("endtime").toString(), QString("3000"));
        QCOMPARE(clip.value("fadein").toString(), QString("0"));
        QCOMPARE(clip.value("fadeout").toString(), QString("1"));
        QCOMPARE(clip.value("loop").toString(), QString("0"));
    }

    // A folder's photos are published in natural name order in every locale, the sub-folders'
    // after the folder's own: the order the window's folder import gives them.
    void folderInNaturalOrder()
    {
        const QString folder = home->filePath("ordered");
        QVERIFY(QDir().mkpath(folder + "/sub"));
        const QStringList names{"IMG_1", "IMG_2", "img_10", "zeta", "sub/a"};
        for (const QString& name :
             {names.at(3), names.at(2), names.at(4), names.at(0), names.at(1)})
            QVERIFY(QFile::copy(photos + "/Landscape_1.jpg", folder + "/" + name + ".jpg"));
        fillMediaExtensions();
        QStringList inWindow;
        for (const QString& path : scanMediaFiles({QUrl::fromLocalFile(folder)}, imageExtensions))
            inWindow << QDir(folder).relativeFilePath(path).chopped(4);
        QCOMPARE(inWindow, names);

        const Result r = run({"--template", Template, "--profile", "xml", "--name", "Ordered",
                              "--output", out, folder});
        QVERIFY2(r.code == 0, r.err.constData());
        const Config config = readConfig(TestFiles::read(out + "/Ordered/" + Template + ".xml"));
        QStringList published;
        static const QRegularExpression stem("^p_(.*)\\{");
        for (const QXmlStreamAttributes& photo : config.photos)
            published << stem.match(photo.value("filename").toString()).captured(1);
        QCOMPARE(published, QStringList({"IMG_1", "IMG_2", "img_10", "zeta", "a"}));
    }

    // The kinds phones, the web and scanners write, found in a folder by their names (either
    // case), read, published upright in their colours, and their music converted.
    void kindsPeopleHave_data()
    {
        QTest::addColumn<QString>("photo");   // file name in the folder
        QTest::addColumn<QString>("maker");   // heif-enc, heif-enc -A, convert, or libheif
        QTest::addColumn<int>("orientation"); // the file's own turn, as an EXIF code
        QTest::addColumn<QString>("music");   // extension of the music, or empty
        QTest::newRow("HEIC, Opus") << "IMG_0001.heic"
                                    << "heif-enc" << 1 << "opus";
        QTest::newRow("upper-case HEIC, Ogg audio") << "IMG_0002.HEIC"
                                                    << "heif-enc" << 1 << "oga";
        QTest::newRow("AVIF, audio book") << "photo.avif"
                                          << "heif-enc -A" << 1 << "m4b";
        QTest::newRow("WebP") << "web.WEBP"
                              << "convert" << 1 << "";
        QTest::newRow("scanner TIF") << "scan.tif"
                                     << "convert" << 1 << "";
        QTest::newRow("HEIC turned by the file") << "turned.heic"
                                                 << "libheif" << 6 << "";
    }
    void kindsPeopleHave()
    {
        QFETCH(QString, photo);
        QFETCH(QString, maker);
        QFETCH(int, orientation);
        QFETCH(QString, music);
        // Upright: orange left half, blue right half; stored turned back for the file's turn.
        const QColor left(240, 150, 20);
        const QColor right(30, 60, 220);
        QImage upright(400, 300, QImage::Format_RGB32);
        upright.fill(right);
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 200; ++x)
                upright.setPixelColor(x, y, left);
        const QString folder = home->filePath("camera");
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + "/" + photo;
        const QString master = home->filePath("master.png");
        QVERIFY(upright.save(master));
        if (maker == "libheif") {
            QVERIFY(TestHeif::write(path, upright.transformed(QTransform().rotate(-90)), false,
                                    orientation));
        } else if (maker == "convert") {
            QVERIFY(TestPictures::imageMagick({master, "-quality", "95", path}));
        } else {
            QProcess encode;
            encode.start("heif-enc",
                         QStringList{"-q", "95"} +
                             (maker.endsWith("-A") ? QStringList{"-A"} : QStringList()) +
                             QStringList{"-o", path, master});
            QVERIFY(encode.waitForFinished(60000) && encode.exitCode() == 0);
        }
        QStringList args{"--template", Template,   "--profile", "xml", "--name",
                         "Kinds",      "--output", out,         folder};
        if (!music.isEmpty()) {
            const QString song = home->filePath("song." + music);
            QVERIFY(TestMedia::makeTone(song, TestMedia::kind(qPrintable(music)), 3));
            args << "--music" << song;
        }
        const Result r = run(args);
        QVERIFY2(r.code == 0, r.err.constData());
        const QString show = out + "/Kinds";
        const Config config = readConfig(TestFiles::read(show + "/" + Template + ".xml"));
        QCOMPARE(config.photos.size(), 1);
        const QImage published(show + "/photos/" + config.photos[0].value("filename").toString());
        QCOMPARE(published.size(), QSize(720, 540));
        QVERIFY(TestFiles::closeColour(published.pixelColor(180, 270), left));
        QVERIFY(TestFiles::closeColour(published.pixelColor(540, 270), right));
        QCOMPARE(config.music.size(), music.isEmpty() ? 0 : 1);
        if (!music.isEmpty()) {
            const QByteArray mp3 = TestFiles::read(show + "/background music/" +
                                                   config.music[0].value("filename").toString());
            QVERIFY(mp3.startsWith("ID3") || (mp3.size() > 2 && quint8(mp3[0]) == 0xFF));
        }
    }

    // A second slideshow of the same name gets the name the settings dialog would give it.
    void namesBesideEarlierOnes()
    {
        const QString one = home->filePath("one");
        QVERIFY(QDir().mkpath(one));
        QVERIFY(QFile::copy(photos + "/Landscape_1.jpg", one + "/a.jpg"));
        for (const QString expected : {"/Show.swf", "/Show(1).swf"}) {
            const Result r = run({"--name", "Show", "--output", out, one});
            QCOMPARE(r.code, 0);
            QCOMPARE(QString::fromUtf8(r.out.trimmed()), out + expected);
        }
        for (const QString expected : {"/Show", "/Show(1)"}) {
            const Result r = run({"--profile", "xml", "--name", "Show", "--output", out, one});
            QCOMPARE(r.code, 0);
            QCOMPARE(QString::fromUtf8(r.out.trimmed()), out + expected);
        }
        // "swf+html" writes a page as well: a page of that name is the user's even without its
        // movie, and stays as it is.
        QVERIFY(TestFiles::write(out + "/Page.html", "my own page"));
        const Result r = run({"--profile", "swf+html", "--name", "Page", "--output", out, one});
        QCOMPARE(r.code, 0);
        QCOMPARE(QString::fromUtf8(r.out.trimmed()), out + "/Page(1).html");
        QCOMPARE(TestFiles::read(out + "/Page.html"), QByteArray("my own page"));
        QVERIFY(TestFiles::read(out + "/Page(1).html").contains("Page(1).swf"));
    }

    // Runs started together with one name and one output folder: each gets a name of its own
    // and every slideshow arrives whole, movie and page under the same name.
    void concurrentRuns_data()
    {
        QTest::addColumn<QString>("profile");
        QTest::newRow("xml") << "xml";
        QTest::newRow("swf") << "swf";
        QTest::newRow("swf+html") << "swf+html";
        QTest::newRow("html") << "html";
    }
    void concurrentRuns()
    {
        QFETCH(QString, profile);
        const QString two = home->filePath("two");
        QVERIFY(QDir().mkpath(two));
        QVERIFY(QFile::copy(photos + "/Landscape_1.jpg", two + "/a.jpg"));
        QVERIFY(QFile::copy(photos + "/Portrait_6.jpg", two + "/b.jpg"));
        constexpr int Runs = 4;
        std::vector<std::unique_ptr<QProcess>> runs;
        for (int i = 0; i < Runs; ++i) {
            runs.push_back(std::make_unique<QProcess>());
            start(*runs.back(), {"--template", Template, "--profile", profile, "--name", "Same",
                                 "--output", out, two});
        }
        QSet<QString> printed;
        for (const auto& process : runs) {
            QVERIFY(process->waitForFinished(180000));
            const QByteArray err = process->readAllStandardError();
            QCOMPARE(process->exitStatus(), QProcess::NormalExit);
            QVERIFY2(process->exitCode() == 0, err.constData());
            printed << QString::fromUtf8(process->readAllStandardOutput().trimmed());
        }
        QCOMPARE(printed.size(), Runs);
        for (const QString& path : std::as_const(printed)) {
            QVERIFY2(path.startsWith(out + "/Same"), qPrintable(path));
            if (profile == "xml") {
                QVERIFY2(QFileInfo(path + "/Same.swf").isFile(), qPrintable(path));
                const Config config = readConfig(TestFiles::read(path + "/" + Template + ".xml"));
                QCOMPARE(config.photos.size(), 2);
                for (const QXmlStreamAttributes& photo : config.photos)
                    QVERIFY(
                        QFileInfo(path + "/photos/" + photo.value("filename").toString()).size() >
                        0);
            } else if (profile == "html") {
                QVERIFY2(path.endsWith(".html"), qPrintable(path));
                QVERIFY(TestFiles::read(path).trimmed().endsWith("</html>"));
            } else {
                QString movie = path;
                if (profile == "swf+html") {
                    movie.replace(".html", ".swf");
                    QVERIFY2(TestFiles::read(path).contains(QFileInfo(movie).fileName().toUtf8()),
                             qPrintable(path));
                }
                QCOMPARE(photosInMovie(movie), 2);
            }
        }
        const QStringList left = runFolders(out, ".lumaro-publish-*");
        QVERIFY2(left.isEmpty(), qPrintable(left.join(' ')));
    }

    // The offline page is one file holding player and movie, named like the slideshow.
    void offlineProfileWritesOnePage()
    {
        const Result r = run({"--profile", "html", "--name", "Show", "--output", out, photos});
        QCOMPARE(r.code, 0);
        const QString page = out + "/Show.html";
        QCOMPARE(QString::fromUtf8(r.out.trimmed()), page);
        QFile file(page);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.size() > 1000000); // the player travels inside the page
        QCOMPARE(QDir(out).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"Show.html"});
    }

    void publishingFails()
    {
        QVERIFY(TestFiles::write(home->filePath("file"), "x"));
        const Result r = run({"--output", home->filePath("file/out"), photos});
        QCOMPARE(r.code, 3);
        QVERIFY2(r.err.contains("The slideshow could not be published."), r.err.constData());
        QVERIFY(r.out.isEmpty());
    }

    // A full working folder is no fault of the photos: the run fails and says why, in the
    // language the user reads.
    void fullWorkingFolder_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("reason"); // %1: the full folder
        QTest::newRow("English") << "C.UTF-8"
                                 << "The slideshow could not be published. No space left on the "
                                    "device holding %1";
        QTest::newRow("German") << "de_DE.UTF-8"
                                << "Die Diashow konnte nicht veröffentlicht werden. Kein freier "
                                   "Speicherplatz mehr auf dem Gerät mit %1";
    }
    void fullWorkingFolder()
    {
        QFETCH(QString, locale);
        QFETCH(QString, reason);
        if (!SmallFs::unavailable().isEmpty())
            QSKIP(qPrintable(SmallFs::unavailable()));
        const QString tmp = home->filePath("tmp");
        QVERIFY(SmallFs::mount(tmp, 256));
        const auto unmount = qScopeGuard([&] { SmallFs::unmount(tmp); });
        QVERIFY(SmallFs::fill(tmp));
        language = locale;
        const Result r = run({"--output", out, photos + "/Landscape_1.jpg"});
        language = "C.UTF-8";
        QCOMPARE(r.code, 3);
        QVERIFY2(QString::fromUtf8(r.err).contains(reason.arg(tmp)), r.err.constData());
        QVERIFY2(!r.err.contains("Could not read"), r.err.constData());
        QVERIFY(r.out.isEmpty());
    }

    void interrupted_data()
    {
        QTest::addColumn<QString>("stage");
        QTest::addColumn<int>("signalNumber");
        QTest::addColumn<QString>("profile");
        QTest::newRow("Ctrl-C while reading photos") << "Reading photos" << SIGINT << "swf";
        QTest::newRow("SIGTERM while converting") << "Converting music" << SIGTERM << "xml";
        QTest::newRow("Ctrl-C while publishing") << "Publishing" << SIGINT << "xml";
    }
    void interrupted()
    {
        QFETCH(QString, stage);
        QFETCH(int, signalNumber);
        QFETCH(QString, profile);
        QStringList args{"--profile", profile, "--output", out, photos, photos, photos, photos};
        if (stage == "Converting music")
            args << "--music" << longTone;
        QProcess process;
        start(process, args);
        process.setReadChannel(QProcess::StandardError);
        QVERIFY(process.waitForStarted());
        QByteArray seen;
        const QByteArray marker = QByteArray(stage.toUtf8() + ": ");
        while (!seen.contains(marker) && process.state() == QProcess::Running &&
               process.waitForReadyRead(30000))
            seen += process.readAllStandardError();
        QVERIFY2(seen.contains(stage.toUtf8()), seen.constData());
        ::kill(process.processId(), signalNumber);
        QVERIFY(process.waitForFinished(60000));
        seen += process.readAllStandardError();
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 128 + signalNumber);
        QVERIFY2(seen.contains("Interrupted"), seen.constData());
        QVERIFY(process.readAllStandardOutput().isEmpty());
        QVERIFY2(!QFileInfo::exists(out), qPrintable(out)); // made for the run, gone again
    }

    // A run killed outright (kill -9) cannot clean up after itself: its converter ends with it,
    // and a later run removes the folders it left. A live run's folders, and folders that only
    // look like ours, stay.
    void killedRunCleanedUpLater()
    {
        // The program beside a converter that takes its time and ignores a closed pipe, so that
        // only its parent's end can end it early.
        const QString app = home->filePath("app");
        QVERIFY(QDir().mkpath(app));
        const QString program = app + "/lumaro-publish";
        QVERIFY(QFile::copy(cli, program));
        QFile::setPermissions(program, QFile::permissions(cli));
        for (const char* part : {"template", "Sample", "translations", "velminfo"})
            QVERIFY(QFile::link(QString(LUMARO_TEST_APP_DIR) + "/" + part, app + "/" + part));
        QVERIFY(TestFiles::write(app + "/kvt", "#!/bin/sh\ntrap '' PIPE HUP\nexec sleep 30\n"));
        QFile::setPermissions(app + "/kvt", QFile::permissions(program));

        const QString tmp = home->filePath("tmp");
        QProcess killed;
        start(killed, {"--music", tone, "--output", out, photos}, program);
        QVERIFY(waitForStage(killed, "Converting music"));
        QList<qint64> converters;
        QTRY_VERIFY_WITH_TIMEOUT(!(converters = childrenOf(killed.processId())).isEmpty(), 10000);
        ::kill(killed.processId(), SIGKILL);
        QVERIFY(killed.waitForFinished(30000));
        QTRY_VERIFY_WITH_TIMEOUT(!alive(converters.first()), 5000);
        const QStringList staleStaging = runFolders(out, ".lumaro-publish-*");
        const QStringList stalePrivate = runFolders(tmp, "lumaro-publish-*");
        QCOMPARE(staleStaging.size(), 1);
        QCOMPARE(stalePrivate.size(), 1);

        // Look-alikes that hold no lock of a run, and a run that lives on (held still).
        QVERIFY(QDir().mkpath(out + "/.lumaro-publish-mine01"));
        QVERIFY(QDir().mkpath(tmp + "/lumaro-publish-mine01"));
        QProcess live;
        start(live, {"--music", tone, "--output", out, photos}, program);
        QVERIFY(waitForStage(live, "Converting music"));
        ::kill(live.processId(), SIGSTOP);
        QStringList liveStaging = runFolders(out, ".lumaro-publish-*");
        QStringList livePrivate = runFolders(tmp, "lumaro-publish-*");
        for (const QString& other : staleStaging + QStringList{".lumaro-publish-mine01"})
            liveStaging.removeAll(other);
        for (const QString& other : stalePrivate + QStringList{"lumaro-publish-mine01"})
            livePrivate.removeAll(other);
        QCOMPARE(liveStaging.size(), 1);
        QCOMPARE(livePrivate.size(), 1);

        const QString one = home->filePath("one");
        QVERIFY(QDir().mkpath(one));
        QVERIFY(QFile::copy(photos + "/Landscape_1.jpg", one + "/a.jpg"));
        const Result r = run({"--name", "Next", "--output", out, one});
        ::kill(live.processId(), SIGCONT);
        QCOMPARE(r.code, 0);
        QCOMPARE(runFolders(out, ".lumaro-publish-*"),
                 sorted({".lumaro-publish-mine01", liveStaging.first()}));
        QCOMPARE(runFolders(tmp, "lumaro-publish-*"),
                 sorted({livePrivate.first(), "lumaro-publish-mine01"}));

        ::kill(live.processId(), SIGTERM);
        QVERIFY(live.waitForFinished(60000));
        QCOMPARE(live.exitCode(), 128 + SIGTERM);
        QCOMPARE(runFolders(out, ".lumaro-publish-*"), QStringList{".lumaro-publish-mine01"});
        QCOMPARE(runFolders(tmp, "lumaro-publish-*"), QStringList{"lumaro-publish-mine01"});
        QVERIFY(QDir(tmp + "/lumaro-publish-mine01").removeRecursively());
    }

private:
    // Reads the run's progress until `stage` shows; false when it ended first.
    static bool waitForStage(QProcess& process, const QString& stage)
    {
        process.setReadChannel(QProcess::StandardError);
        process.waitForStarted();
        QByteArray seen;
        const QByteArray marker = stage.toUtf8() + ": ";
        while (!seen.contains(marker) && process.state() == QProcess::Running &&
               process.waitForReadyRead(30000))
            seen += process.readAllStandardError();
        return seen.contains(marker);
    }

    // The photos appended to a self-contained movie after the template, its "$$$$$" and its
    // configuration; -1 when the bytes do not add up to the file.
    static int photosInMovie(const QString& path)
    {
        const QByteArray movie = TestFiles::read(path);
        const qint64 templateSize =
            QFileInfo(QString(LUMARO_TEST_APP_DIR) + "/template/version1/SWF/" + Template + ".swf")
                .size();
        if (templateSize <= 0 || movie.mid(templateSize, 5) != "$$$$$")
            return -1;
        const quint32 configSize = qFromBigEndian<quint32>(movie.constData() + templateSize + 5);
        qint64 at = templateSize + 9;
        const Config config = readConfig(movie.mid(at, configSize));
        at += configSize;
        for (const QXmlStreamAttributes& entry : config.music + config.photos)
            at += entry.value("size").toInt();
        return at == movie.size() ? int(config.photos.size()) : -1;
    }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home->path());
        env.insert("XDG_CONFIG_HOME", home->filePath(".config"));
        env.insert("XDG_DATA_HOME", home->filePath(".local/share"));
        env.insert("TMPDIR", home->filePath("tmp"));
        env.insert("LANG", language);
        env.insert("LC_ALL", language);
        return env;
    }

    QString language = "C.UTF-8";

    void start(QProcess& process, const QStringList& args, const QString& program = {}) const
    {
        process.setProcessEnvironment(environment());
        process.setWorkingDirectory(home->path());
        process.start(program.isEmpty() ? cli : program, args);
    }

    Result run(const QStringList& args) const
    {
        QProcess process;
        start(process, args);
        Result r;
        if (!process.waitForFinished(180000))
            return r;
        r.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        r.out = process.readAllStandardOutput();
        r.err = process.readAllStandardError();
        return r;
    }

    // The photo looks like `original` (upright, or as the user turned it) at its size, and clearly
    // less like that mirrored (which a missed or doubled turn would resemble).
    static void checkLooksLike(const QString& name, const QImage& image, const QImage& original)
    {
        QCOMPARE(image.width() > image.height(), original.width() > original.height());
        const QImage expected =
            original.scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double same = TestFiles::meanDifference(image, expected);
        const double mirrored = TestFiles::meanDifference(image, expected.mirrored(true, false));
        QVERIFY2(
            same < 20 && same * 2 < mirrored,
            qPrintable(QString("%1: %2 against %3 mirrored").arg(name).arg(same).arg(mirrored)));
    }

    QTemporaryDir root;
    std::unique_ptr<QTemporaryDir> home;
    QString cli;
    QString photos;
    int photoCount = 0;
    QImage landscape;
    QImage portrait;
    QString tone;
    QString longTone;
    QString out;
};

QTEST_GUILESS_MAIN(TestLumaroPublish)
#include "tst_lumaropublish.moc"
