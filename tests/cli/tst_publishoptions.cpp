// The command line of lumaro-publish: what each argument list asks for, every usage error with
// its message, clip ranges, and the names a publish gets beside earlier ones (shared with the
// settings dialog).
#include "cli/core/progressreport.h"
#include "cli/core/publishoptions.h"
#include "flashkit/core/publishtarget.h"
#include "flashkit/core/stagedoutput.h"
#include "support/testfiles.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
const QStringList Templates = {"Magic Cube", "3D Grid", "Carousel"};
const QString Cwd = "/work/here";
const QString DefaultOut = "/home/me/Documents";

PublishOptions parse(const QStringList& args)
{
    return PublishCommandLine::parse(QStringList{"lumaro-publish"} + args, Templates, DefaultOut,
                                     Cwd);
}
} // namespace

class TestPublishOptions : public QObject
{
    Q_OBJECT
private slots:
    void accepted_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("templateName");
        QTest::addColumn<int>("profile");
        QTest::addColumn<int>("quality");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("flags"); // fadeIn fadeOut loop strict as 0/1
        QTest::addColumn<QStringList>("photos");
        QTest::addColumn<int>("photoSize");

        QTest::newRow("defaults") << QStringList{"a.jpg"} << "Magic Cube" << 1 << 85 << "My Flash"
                                  << DefaultOut << "0010" << QStringList{"a.jpg"} << 0;
        QTest::newRow("everything")
            << QStringList{"--template", "3D Grid",     "--profile",   "swf+html",  "--quality",
                           "100",        "--fade-in",   "--fade-out",  "--no-loop", "--strict",
                           "--name",     "Summer 2026", "--output",    "/tmp/g/",   "--photo-size",
                           "fullhd",     "p/",          "IMG_0042.JPG"}
            << "3D Grid" << 2 << 100 << "Summer 2026"
            << "/tmp/g"
            << "1101" << QStringList{"p/", "IMG_0042.JPG"} << 2;
        QTest::newRow("equals forms and relative output")
            << QStringList{"--profile=xml", "--quality=1", "--output=out/../g", "--loop", "x"}
            << "Magic Cube" << 0 << 1 << "My Flash"
            << "/work/here/g"
            << "0010" << QStringList{"x"} << 0;
        QTest::newRow("template ignoring case")
            << QStringList{"--template", "carousel", "--profile", "html", "x"} << "Carousel" << 3
            << 85 << "My Flash" << DefaultOut << "0010" << QStringList{"x"} << 0;
        QTest::newRow("photo size ignoring case")
            << QStringList{"--photo-size=HD", "x"} << "Magic Cube" << 1 << 85 << "My Flash"
            << DefaultOut << "0010" << QStringList{"x"} << 1;
        QTest::newRow("photo named like an option after --")
            << QStringList{"--", "--strict"} << "Magic Cube" << 1 << 85 << "My Flash" << DefaultOut
            << "0010" << QStringList{"--strict"} << 0;
    }
    void accepted()
    {
        QFETCH(QStringList, args);
        const PublishOptions o = parse(args);
        QVERIFY2(o.action == PublishOptions::Action::Publish, qPrintable(o.error));
        QTEST(o.templateName, "templateName");
        QTEST(o.profile, "profile");
        QTEST(o.quality, "quality");
        QTEST(o.photoSize, "photoSize");
        QTEST(o.name, "name");
        QTEST(o.output, "output");
        const QString flags = QString("%1%2%3%4")
                                  .arg(int(o.fadeIn))
                                  .arg(int(o.fadeOut))
                                  .arg(int(o.loop))
                                  .arg(int(o.strict));
        QTEST(flags, "flags");
        QTEST(o.photos, "photos");
    }

    void videoOptions_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("seconds");
        QTest::newRow("defaults") << QStringList{"--profile", "video", "x"} << 1080 << 4;
        QTest::newRow("720p, 10 s")
            << QStringList{"--profile", "video", "--video-size", "720", "--seconds-per-photo",
                           "10",        "x"}
            << 720 << 10;
        QTest::newRow("fit to music")
            << QStringList{"--profile=video", "--seconds-per-photo=fit", "x"} << 1080 << 0;
    }
    void videoOptions()
    {
        QFETCH(QStringList, args);
        const PublishOptions o = parse(args);
        QVERIFY2(o.action == PublishOptions::Action::Publish, qPrintable(o.error));
        QCOMPARE(o.profile, 4);
        QTEST(o.videoHeight, "height");
        QTEST(o.secondsPerPhoto, "seconds");
    }

    void actions_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("action");
        QTest::newRow("help") << QStringList{"--help"} << int(PublishOptions::Action::Help);
        QTest::newRow("-h wins over errors")
            << QStringList{"-h", "--quality", "0"} << int(PublishOptions::Action::Help);
        QTest::newRow("version") << QStringList{"--version"}
                                 << int(PublishOptions::Action::Version);
        QTest::newRow("list needs no photos")
            << QStringList{"--list-templates"} << int(PublishOptions::Action::ListTemplates);
    }
    void actions()
    {
        QFETCH(QStringList, args);
        QFETCH(int, action);
        QCOMPARE(int(parse(args).action), action);
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("no photos") << QStringList{"--name", "x"} << "No photos given";
        QTest::newRow("unknown option") << QStringList{"--colour", "x"} << "colour";
        QTest::newRow("missing value") << QStringList{"x", "--quality"} << "quality";
        QTest::newRow("quality 0") << QStringList{"--quality", "0", "x"} << "from 1 to 100";
        QTest::newRow("quality 101") << QStringList{"--quality", "101", "x"} << "from 1 to 100";
        QTest::newRow("quality words") << QStringList{"--quality", "high", "x"} << "\"high\"";
        QTest::newRow("photo size")
            << QStringList{"--photo-size", "4k", "x"} << "Unknown photo size \"4k\"";
        QTest::newRow("photo size twice")
            << QStringList{"--photo-size", "hd", "--photo-size", "fullhd", "x"} << "only once";
        QTest::newRow("profile") << QStringList{"--profile", "pdf", "x"} << "Unknown profile";
        QTest::newRow("profile case") << QStringList{"--profile", "SWF", "x"} << "Unknown profile";
        QTest::newRow("template") << QStringList{"--template", "Cube", "x"} << "no template";
        QTest::newRow("video size") << QStringList{"--video-size", "480", "x"} << "1080 or 720";
        QTest::newRow("seconds 1") << QStringList{"--seconds-per-photo", "1", "x"} << "2 to 10";
        QTest::newRow("seconds 11") << QStringList{"--seconds-per-photo", "11", "x"} << "2 to 10";
        QTest::newRow("seconds words")
            << QStringList{"--seconds-per-photo", "slow", "x"} << "\"slow\"";
        QTest::newRow("blank name") << QStringList{"--name", " ", "x"} << "blank";
        QTest::newRow("name with slash") << QStringList{"--name", "a/b", "x"} << "characters";
        QTest::newRow("name with colon") << QStringList{"--name", "a:b", "x"} << "characters";
        // Names that are not one plain entry of the output folder.
        QTest::newRow("name of one dot") << QStringList{"--name", ".", "x"} << "dots only";
        QTest::newRow("name of two dots") << QStringList{"--name", "..", "x"} << "dots only";
        QTest::newRow("name of dots") << QStringList{"--name", "....", "x"} << "dots only";
        QTest::newRow("name with a control character")
            << QStringList{"--name", "a\x01b", "x"} << "control characters";
        QTest::newRow("name too long")
            << QStringList{"--name", QString(300, 'n'), "x"} << "too long";
        QTest::newRow("output blank") << QStringList{"--output", "", "x"} << "blank";
        QTest::newRow("output forbidden")
            << QStringList{"--output", "/tmp/a|b", "x"} << "not a usable path";
        QTest::newRow("name twice") << QStringList{"--name", "a", "--name", "b", "x"} << "once";
        QTest::newRow("loop both") << QStringList{"--loop", "--no-loop", "x"} << "together";
        QTest::newRow("range reversed") << QStringList{"--music", "s.mp3@70-10", "x"} << "after";
        QTest::newRow("range of no length")
            << QStringList{"--music", "s.mp3@10-10", "x"} << "after";
        QTest::newRow("range empty") << QStringList{"--music", "s.mp3@-", "x"} << "no clip range";
        QTest::newRow("range garbled")
            << QStringList{"--music", "s.mp3@1-2-3", "x"} << "no clip range";
        QTest::newRow("project and photos")
            << QStringList{"--project", "p.lumaro", "x"} << "name no photos";
        QTest::newRow("project blank") << QStringList{"--project", ""} << "blank";
        QTest::newRow("project twice")
            << QStringList{"--project", "a.lumaro", "--project", "b.lumaro"} << "once";
    }
    void usageErrors()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const PublishOptions o = parse(args);
        QCOMPARE(int(o.action), int(PublishOptions::Action::UsageError));
        QVERIFY2(o.error.contains(message, Qt::CaseInsensitive), qPrintable(o.error));
    }

    // A saved project fills in what the command line leaves out, and only that.
    void project_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("savedTemplate");
        QTest::addColumn<bool>("savedName");   // name and folder saved, or left to the dialog
        QTest::addColumn<QString>("expected"); // or the usage error
        const QString saved = "Carousel 0 60 Trip /srv/shows 1000 /m/a.mp3@1-5 /m/b.mp3@0--1";
        QTest::newRow("the project's") << QStringList{} << "carousel" << true << saved;
        QTest::newRow("the command line's")
            << QStringList{"--template", "3D Grid", "--profile", "html",     "--quality",
                           "99",         "--name",  "N",         "--output", "/o",
                           "--fade-out", "--loop",  "--strict",  "--music",  "c.mp3@2-"}
            << "Gone" << true << "3D Grid 3 99 N /o 1111 c.mp3@2--1";
        QTest::newRow("name and folder left to the dialog")
            << QStringList{"--no-loop"} << "Carousel" << false
            << "Carousel 0 60 My Flash " + DefaultOut + " 1000 /m/a.mp3@1-5 /m/b.mp3@0--1";
        QTest::newRow("template not installed")
            << QStringList{} << "Gone" << true << "template \"Gone\" is not installed";
    }
    void project()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, savedTemplate);
        QFETCH(bool, savedName);
        QFETCH(QString, expected);
        Project project;
        project.photos = {{"/p/a.jpg", {3}, 0}};
        project.clips = {{"/m/a.mp3", 1, 5}, {"/m/b.mp3", 0, 0}};
        project.templateName = savedTemplate;
        project.music = {true, false, false};
        project.publishing = {savedName ? "Trip" : "", savedName ? "/srv/shows" : "", 0, 60};
        const PublishOptions parsed = parse(args + QStringList{"--project", "p.lumaro"});
        QCOMPARE(parsed.project, Cwd + "/p.lumaro");
        const PublishOptions o =
            PublishCommandLine::withProject(parsed, project, {"x (damaged)"}, Templates);
        if (o.action == PublishOptions::Action::UsageError) {
            QVERIFY2(o.error.contains(expected), qPrintable(o.error));
            return;
        }
        QStringList seen{o.templateName,
                         QString::number(o.profile),
                         QString::number(o.quality),
                         o.name,
                         o.output,
                         QString("%1%2%3%4")
                             .arg(int(o.fadeIn))
                             .arg(int(o.fadeOut))
                             .arg(int(o.loop))
                             .arg(int(o.strict))};
        for (const MusicOption& music : o.music)
            seen << QString("%1@%2-%3").arg(music.path).arg(music.start).arg(music.end);
        QCOMPARE(seen.join(' '), expected);
        QCOMPARE(o.projectPhotos, project.photos);
        QCOMPARE(o.leftOut, QStringList{"x (damaged)"});
    }

    void outputThatIsAFile()
    {
        QTemporaryDir dir;
        QVERIFY(TestFiles::write(dir.filePath("f"), "x"));
        const PublishOptions o = parse({"--output", dir.filePath("f"), "x"});
        QCOMPARE(int(o.action), int(PublishOptions::Action::UsageError));
        QVERIFY(o.error.contains("is a file"));
    }

    void noTemplatesInstalled()
    {
        const PublishOptions o =
            PublishCommandLine::parse({"lumaro-publish", "x"}, {}, DefaultOut, Cwd);
        QCOMPARE(int(o.action), int(PublishOptions::Action::UsageError));
    }

    void music_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("path");
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("end");
        QTest::newRow("plain") << "a.mp3"
                               << "a.mp3" << -1.0 << -1.0;
        QTest::newRow("range") << "a.mp3@10-70"
                               << "a.mp3" << 10.0 << 70.0;
        QTest::newRow("fractions") << "a b.wav@1.5-2.25"
                                   << "a b.wav" << 1.5 << 2.25;
        QTest::newRow("open end") << "a.mp3@30-"
                                  << "a.mp3" << 30.0 << -1.0;
        QTest::newRow("open start") << "a.mp3@-30"
                                    << "a.mp3" << -1.0 << 30.0;
        QTest::newRow("at in the name") << "me@home.mp3"
                                        << "me@home.mp3" << -1.0 << -1.0;
        QTest::newRow("at in the name and a range") << "me@home.mp3@0-5"
                                                    << "me@home.mp3" << 0.0 << 5.0;
    }
    void music()
    {
        QFETCH(QString, text);
        const PublishOptions o = parse({"--music", text, "x"});
        QVERIFY2(o.action == PublishOptions::Action::Publish, qPrintable(o.error));
        QCOMPARE(o.music.size(), 1);
        QTEST(o.music.first().path, "path");
        QTEST(o.music.first().start, "start");
        QTEST(o.music.first().end, "end");
    }

    // A file whose whole name looks like FILE@START-END is that file, not a range of another.
    void existingFileWithRangeLikeName()
    {
        QTemporaryDir dir;
        const QString odd = dir.filePath("take@1-2");
        QVERIFY(TestFiles::write(odd, "x"));
        MusicOption music;
        QString error;
        QVERIFY(PublishCommandLine::parseMusic(odd, music, error));
        QCOMPARE(music.path, odd);
        QCOMPARE(music.start, -1.0);
    }

    void placement_data()
    {
        QTest::addColumn<int>("profile");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("folder"); // relative to the destination; "" is itself
        QTest::addColumn<QString>("name");
        QTest::newRow("xml, free") << 0 << QStringList{} << "/Show"
                                   << "Show";
        QTest::newRow("xml, taken twice") << 0 << QStringList{"Show/", "Show(1)/"} << "/Show(2)"
                                          << "Show";
        QTest::newRow("xml ignores a file of that name") << 0 << QStringList{"Show.swf"} << "/Show"
                                                         << "Show";
        QTest::newRow("swf, free") << 1 << QStringList{"Show/"} << ""
                                   << "Show";
        QTest::newRow("swf, taken") << 1 << QStringList{"Show.swf"} << ""
                                    << "Show(1)";
        QTest::newRow("swf+html, movie taken") << 2 << QStringList{"Show.swf", "Show(1).swf"} << ""
                                               << "Show(2)";
        // Every file the profile writes must be free, the page as much as the movie.
        QTest::newRow("swf+html, page taken") << 2 << QStringList{"Show.html"} << ""
                                              << "Show(1)";
        QTest::newRow("swf+html, numbered apart")
            << 2 << QStringList{"Show.swf", "Show(1).html"} << ""
            << "Show(2)";
        QTest::newRow("offline page taken") << 3 << QStringList{"Show.html"} << ""
                                            << "Show(1)";
    }
    void placement()
    {
        QFETCH(int, profile);
        QFETCH(QStringList, existing);
        QTemporaryDir dir;
        for (const QString& entry : existing) {
            if (entry.endsWith('/'))
                QVERIFY(QDir().mkpath(dir.filePath(entry)));
            else
                QVERIFY(TestFiles::write(dir.filePath(entry), "x"));
        }
        const PublishTarget::Placement p = PublishTarget::place("Show", dir.path(), profile);
        QFETCH(QString, folder);
        QCOMPARE(p.folder, dir.path() + folder);
        QTEST(p.name, "name");
    }

    // Only a finished slideshow reaches its name; folders made for it go when it fails.
    void stagedOutput()
    {
        QTemporaryDir dir;
        const QString destination = dir.filePath("a/b");
        {
            StagedOutput staged;
            QVERIFY(staged.prepare(destination, "Show", 2));
            QVERIFY(staged.kitFolder().startsWith(destination + "/.lumaro-publish-"));
            QVERIFY(TestFiles::write(staged.kitFolder() + "/Show.swf", "movie"));
        }
        QVERIFY(!QFileInfo::exists(dir.filePath("a"))); // both folders made for it are gone

        // The last line of defence: no name that is not one plain entry reaches a path.
        for (const char* bad : {"..", ".", "", "a/b"}) {
            for (int profile : {0, 1}) {
                StagedOutput refused;
                QVERIFY2(!refused.prepare(destination, bad, profile), bad);
            }
        }
        QVERIFY(!QFileInfo::exists(dir.filePath("a")));

        // A page of that name that appeared while the slideshow was made is someone's own: it
        // stays, and movie and page land together under the next free name.
        QVERIFY(QDir().mkpath(destination));
        StagedOutput staged;
        QVERIFY(staged.prepare(destination, "Show", 2));
        QVERIFY(TestFiles::write(staged.kitFolder() + "/Show.swf", "movie"));
        QVERIFY(TestFiles::write(staged.kitFolder() + "/Show.html", "page"));
        QVERIFY(TestFiles::write(destination + "/Show.html", "old page"));
        QString published;
        QVERIFY(staged.commit(published));
        QCOMPARE(published, destination + "/Show(1).html");
        QCOMPARE(
            QDir(destination).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            (QStringList{"Show(1).html", "Show(1).swf", "Show.html"}));
        QCOMPARE(TestFiles::read(destination + "/Show.html"), QByteArray("old page"));
        QCOMPARE(TestFiles::read(destination + "/Show(1).swf"), QByteArray("movie"));

        // Two runs that chose the same name while both were free: each lands under its own.
        for (int profile : {0, 1}) {
            StagedOutput first, second;
            QVERIFY(first.prepare(destination, "Twin", profile));
            QVERIFY(second.prepare(destination, "Twin", profile));
            const QString file = profile == 0 ? "/photos/p_a.jpg" : "/Twin.swf";
            QVERIFY(TestFiles::write(first.kitFolder() + file, "first"));
            QVERIFY(TestFiles::write(second.kitFolder() + file, "second"));
            QString one, two;
            QVERIFY(first.commit(one));
            QVERIFY(second.commit(two));
            QVERIFY2(one != two, qPrintable(one));
            const QString inOne = profile == 0 ? one + "/photos/p_a.jpg" : one;
            const QString inTwo = profile == 0 ? two + "/photos/p_a.jpg" : two;
            QCOMPARE(TestFiles::read(inOne), QByteArray("first"));
            QCOMPARE(TestFiles::read(inTwo), QByteArray("second"));
        }

        StagedOutput folder;
        QVERIFY(folder.prepare(destination, "Show", 0));
        QVERIFY(TestFiles::write(folder.kitFolder() + "/photos/p_a.jpg", "x"));
        QVERIFY(folder.commit(published));
        QCOMPARE(published, destination + "/Show");
        QVERIFY(QFileInfo::exists(destination + "/Show/photos/p_a.jpg"));
    }

    void progressLines()
    {
        QTemporaryDir dir;
        const QByteArray path = QFile::encodeName(dir.filePath("log"));
        std::FILE* file = std::fopen(path.constData(), "w");
        QVERIFY(file);
        {
            ProgressReport report(file, false);
            report.show("Reading photos", 0);
            report.show("Reading photos", 0); // unchanged: no line
            report.show("Reading photos", 50);
            report.show("Publishing", 150);
            report.message("done");
        }
        std::fclose(file);
        QCOMPARE(TestFiles::read(dir.filePath("log")),
                 QByteArray("Reading photos: 0%\nReading photos: 50%\nPublishing: 100%\ndone\n"));
        QCOMPARE(ProgressReport::barLine("Publishing", 50),
                 QString("Publishing [###############---------------]  50%"));
    }
};

QTEST_GUILESS_MAIN(TestPublishOptions)
#include "tst_publishoptions.moc"
