#include "common/audioinfo.h"
#include "common/imageinfo.h"
#include "common/workspace.h"
#include "platform/velfc/core/velpref.h"

#include <QDir>
#include <QFile>
#include <QSemaphore>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

class TestWorkspace : public QObject
{
    Q_OBJECT

private:
    static void touch(const QString& path)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("x");
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void workspaceIsRememberedOnFirstUse()
    {
        VelPref* pref = VelPref::instance();
        pref->remove(QLatin1String(PrefKey::Temporary));
        pref->remove(QLatin1String(PrefKey::TemporaryDir));

        const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        const QString expected = data + QString("/DF287552-FB87-4731-9A26-72843EC8A1E2");
        QCOMPARE(workspaceFolder(), expected);
        QCOMPARE(pref->value(QLatin1String(PrefKey::TemporaryDir)).toString(), data);
        QCOMPARE(pref->value(QLatin1String(PrefKey::Temporary)).toString(), expected);
        QVERIFY(!QFileInfo::exists(expected)); // only the path is recorded

        // Later calls use the stored value as it is and leave the parent key alone.
        pref->setValue(QLatin1String(PrefKey::TemporaryDir), QString("/elsewhere"));
        pref->setValue(QLatin1String(PrefKey::Temporary), QString("/no/such/place"));
        QCOMPARE(workspaceFolder(), QString("/no/such/place"));
        QCOMPARE(pref->value(QLatin1String(PrefKey::TemporaryDir)).toString(),
                 QString("/elsewhere"));
    }

    // The folders made on the way to the workspace are written down, the ones that were there
    // are not; a record naming anything else is not believed.
    void creationRecordsOwnFoldersOnly()
    {
        QTemporaryDir base;
        QVERIFY(QDir(base.path()).mkpath("existing"));
        const QString workspace = base.filePath("existing/new/deeper/") + WorkspaceFolderName;
        VelPref::instance()->setValue(QLatin1String(PrefKey::Temporary), workspace);
        QVERIFY(ensureWorkspaceFolder());
        QVERIFY(QFileInfo(workspace).isDir());
        QCOMPARE(
            createdWorkspaceParents(workspace),
            (QStringList{base.filePath("existing/new/deeper"), base.filePath("existing/new")}));
        QVERIFY(ensureWorkspaceFolder()); // already there: the record stays as it was
        QCOMPARE(createdWorkspaceParents(workspace).size(), 2);

        touch(workspace + "/" + WorkspaceCreatedRecord);
        QFile record(workspace + "/" + WorkspaceCreatedRecord);
        QVERIFY(record.open(QIODevice::WriteOnly | QIODevice::Truncate));
        // The workspace itself and a sibling whose name starts like a parent's are not above it.
        record.write("/\n/home\n" + QFile::encodeName(base.filePath("elsewhere")) + "\nrelative\n" +
                     QFile::encodeName(base.filePath("existing/new/../new")) + "\n" +
                     QFile::encodeName(workspace) + "\n" +
                     QFile::encodeName(base.filePath("existing/ne")) + "\n");
        record.close();
        QCOMPARE(createdWorkspaceParents(workspace), QStringList{base.filePath("existing/new")});

        VelPref::instance()->setValue(QLatin1String(PrefKey::Temporary), QString("relative/ws"));
        QVERIFY(!ensureWorkspaceFolder());
    }

    // Photos are read on several threads, each making the workspace when it is missing: the
    // record still names every folder made on the way, whichever thread made which.
    void creationRecordSurvivesThreadsAtOnce()
    {
        QTemporaryDir base;
        for (int round = 0; round < 150; ++round) {
            const QString top = base.filePath(QString("r%1").arg(round));
            const QString workspace = top + "/a/b/c/d/e/f/g/h/" + WorkspaceFolderName;
            VelPref::instance()->setValue(QLatin1String(PrefKey::Temporary), workspace);
            QSemaphore go;
            std::vector<std::unique_ptr<QThread>> threads;
            for (int i = 0; i < 8; ++i) {
                threads.emplace_back(QThread::create([&go] {
                    go.acquire();
                    ensureWorkspaceFolder();
                }));
                threads.back()->start();
            }
            go.release(8);
            for (const auto& thread : threads)
                thread->wait();
            QCOMPARE(createdWorkspaceParents(workspace).size(), 9);
        }
    }

    void namesInsideTheWorkspace()
    {
        QTemporaryDir dir;
        VelPref::instance()->setValue(QLatin1String(PrefKey::Temporary), dir.path());
        QCOMPARE(photosFolder(), dir.path() + QString("/photos/"));
        QCOMPARE(photoBackupFolder(), dir.path() + QString("/photos/bak/"));
        QCOMPARE(musicFolder(), dir.path() + QString("/background music/"));

        ImageInfo info;
        info.path = QString("/pictures/Summer.2023.jpeg");
        info.id = QUuid(QString("{6f1c2a3b-0d4e-4f50-8a61-b7c8d9e0f123}"));
        const QString stem = QString("Summer.2023{6f1c2a3b-0d4e-4f50-8a61-b7c8d9e0f123}.jpg");
        QCOMPARE(workingCopyPath(info), photosFolder() + stem);
        QCOMPARE(backupCopyPath(info), photoBackupFolder() + stem);
        QCOMPARE(thumbnailPath(info), photosFolder() + QString("s_") + stem);
        QCOMPARE(backupThumbnailPath(info), photoBackupFolder() + QString("s_") + stem);
        QCOMPARE(musicCopyPath(QString("/music/live.set.flac")),
                 musicFolder() + QString("live.set.mp3"));

        QVERIFY(ensurePhotoFolders());
        QVERIFY(QFileInfo(photoBackupFolder()).isDir());
        QVERIFY(ensurePhotoFolders()); // already there

        // A workspace below a plain file cannot be made.
        touch(dir.filePath("file"));
        VelPref::instance()->setValue(QLatin1String(PrefKey::Temporary), dir.filePath("file/ws"));
        QVERIFY(!ensurePhotoFolders());
    }

    // Sources whose names take the whole 255 bytes still get copies that can be written: the
    // copies' names keep as much of the source's name as fits, cut between characters.
    void longSourceNamesFit_data()
    {
        QTest::addColumn<QString>("base");
        QTest::newRow("ASCII, 251 bytes") << QString(251, QLatin1Char('a'));
        QTest::newRow("two-byte letters") << QString(125, QChar(0x00e9));
        QTest::newRow("four-byte letters") << QString::fromUcs4(U"\U0001F3B5").repeated(62);
        QTest::newRow("short, unchanged") << QString("Summer");
    }
    void longSourceNamesFit()
    {
        QFETCH(QString, base);
        QTemporaryDir dir;
        VelPref::instance()->setValue(QLatin1String(PrefKey::Temporary), dir.path());
        QVERIFY(ensurePhotoFolders());
        QVERIFY(QDir().mkpath(musicFolder()));
        ImageInfo info;
        info.path = QString("/pictures/") + base + QString(".jpg");
        info.id = QUuid::createUuid();
        AudioInfo first, second, third;
        first.filePath = QString("/a/") + base + QString(".au");
        second.filePath = QString("/b/") + base + QString(".au");
        third.filePath = QString("/c/") + base + QString(".ogg");
        const QStringList music = musicCopyPaths({first, second, third});
        for (const QString& path :
             QStringList{workingCopyPath(info), backupCopyPath(info), thumbnailPath(info),
                         backupThumbnailPath(info), musicCopyPath(first.filePath)} +
                 music) {
            const QString name = QFileInfo(path).fileName();
            // Publishing names its re-encoded photos "p_" + name, their thumbnails "s_p_" + name.
            const int added =
                name.endsWith(QLatin1String(".jpg")) && !name.startsWith("s_") ? 4 : 0;
            QVERIFY2(name.toUtf8().size() + added <= 255, qPrintable(name));
            QVERIFY2(QString::fromUtf8(name.toUtf8()) == name, "a character was split");
            touch(path);
        }
        QCOMPARE(music.size(), 3);
        QCOMPARE(QSet<QString>(music.begin(), music.end()).size(), 3);
        QCOMPARE(music.first(), musicCopyPath(first.filePath));
        const QString stem = QFileInfo(workingCopyPath(info)).fileName();
        QVERIFY(stem.startsWith(base.left(40)));
        if (base.size() < 100)
            QCOMPARE(QFileInfo(music.first()).fileName(), base + QString(".mp3"));
    }

    void folderPathCheck_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("valid");
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("plain") << QString("/tmp/Photos") << true;
        QTest::newRow("trailing separator") << QString("/tmp/Photos/") << true;
        QTest::newRow("need not exist") << QString("/no/such/folder") << true;
        QTest::newRow("spaces and unicode") << QString("/tmp/My Fotos \u00e9t\u00e9") << true;
        QTest::newRow("relative") << QString("Photos") << false;
        QTest::newRow("dot dot") << QString("/tmp/Photos/../x") << false;
        QTest::newRow("dot") << QString("/tmp/./x") << false;
        QTest::newRow("doubled separator") << QString("/tmp//x") << false;
        QTest::newRow("root") << QString("/") << false;
        for (const char c : QByteArray("\"*:<>`!#?|")) {
            const QString path = QString("/tmp/a") + QLatin1Char(c) + QString("b");
            QTest::newRow(qPrintable(QString("forbidden ") + QLatin1Char(c))) << path << false;
        }
    }

    void folderPathCheck()
    {
        QFETCH(QString, path);
        QFETCH(bool, valid);
        QCOMPARE(isValidFolderPath(path), valid);
    }

    void uniqueNames_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("expected"); // any of these, the walk follows listing order
        QTest::newRow("free") << QStringList{QString("Other.swf")} << QStringList{QString("Album")};
        QTest::newRow("taken") << QStringList{QString("Album.swf")}
                               << QStringList{QString("Album(1)")};
        QTest::newRow("case differs")
            << QStringList{QString("ALBUM.SWF")} << QStringList{QString("Album")};
        QTest::newRow("taken twice") << QStringList{QString("Album.swf"), QString("Album(1).swf")}
                                     << QStringList{QString("Album(2)")};
        QTest::newRow("only numbered")
            << QStringList{QString("Album(3).swf")} << QStringList{QString("Album(4)")};
        QTest::newRow("other suffix")
            << QStringList{QString("Album(3).html")} << QStringList{QString("Album")};
        QTest::newRow("listing order")
            << QStringList{QString("Album(10).swf"), QString("Album(2).swf")}
            << QStringList{QString("Album(11)"), QString("Album(12)")};
    }

    void uniqueNames()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        for (const QString& file : files)
            touch(dir.filePath(file));
        QString name = QString("Album");
        uniqueFileName(name, dir.path(), QString("swf"));
        QVERIFY2(expected.contains(name), qPrintable(name));
        QVERIFY(!files.contains(name + QString(".swf")));
    }

    void uniqueFolderNames()
    {
        QTemporaryDir dir;
        QDir root(dir.path());
        touch(root.filePath("Album")); // a file does not count
        QString name = QString("Album");
        uniqueFolderName(name, dir.path());
        QCOMPARE(name, QString("Album"));

        QVERIFY(root.mkdir("ALBUM2"));
        QVERIFY(root.mkdir("album"));
        QVERIFY(root.mkdir("Album(1)"));
        name = QString("Album");
        uniqueFolderName(name, dir.path());
        QCOMPARE(name, QString("Album(2)"));
    }

    void uniqueNameOfMissingFolderIsUnchanged()
    {
        QString name = QString("Album");
        uniqueFileName(name, QString("/no/such/folder"), QString("swf"));
        QCOMPARE(name, QString("Album"));
        uniqueFolderName(name, QString("/no/such/folder"));
        QCOMPARE(name, QString("Album"));
    }

    void deleteTreeRemovesEverything()
    {
        QTemporaryDir base;
        QDir root(base.path());
        QVERIFY(root.mkpath("parent/tree/a/b"));
        QVERIFY(root.mkpath("parent/tree/empty"));
        touch(root.filePath("parent/tree/one.jpg"));
        touch(root.filePath("parent/tree/.hidden"));
        touch(root.filePath("parent/tree/a/b/two.jpg"));

        deleteTree(root.filePath("parent/tree"));
        QVERIFY(!root.exists("parent/tree"));
        QVERIFY(root.exists("parent")); // the folder around it is not the tree's
        QVERIFY(root.exists());

        deleteTree(root.filePath("missing")); // nothing to do, nothing breaks
        touch(root.filePath("lone.txt"));
        deleteTree(root.filePath("lone.txt"));
        QVERIFY(!root.exists("lone.txt"));
        QVERIFY(root.exists()); // a file's folder stays
    }

    void deleteTreeNeverFollowsLinks()
    {
        QTemporaryDir outside;
        touch(outside.filePath("precious.jpg"));
        QTemporaryDir base;
        QDir root(base.path());
        QVERIFY(root.mkpath("tree/sub"));
        QVERIFY(QFile::link(outside.path(), root.filePath("tree/sub/folderlink")));
        QVERIFY(QFile::link(outside.filePath("precious.jpg"), root.filePath("tree/filelink")));
        QVERIFY(QFile::link(QString("/no/such/target"), root.filePath("tree/dangling")));
        QVERIFY(QFile::link(outside.path(), root.filePath("toplink")));

        deleteTree(root.filePath("tree"));
        QVERIFY(!QFileInfo(root.filePath("tree")).exists());
        deleteTree(root.filePath("toplink"));
        QVERIFY(!QFileInfo(root.filePath("toplink")).isSymLink());
        QVERIFY(QFileInfo::exists(outside.filePath("precious.jpg")));
    }

    // A folder's photos come in natural name order, whatever order the disk keeps them in, then
    // its sub-folders', each in natural order too; named files keep the order they were given.
    void scanCollectsOwnFilesFirst()
    {
        QTemporaryDir base;
        QDir root(base.path());
        QVERIFY(root.mkpath("album/sub9/deeper"));
        QVERIFY(root.mkpath("album/sub10"));
        QStringList expected;
        for (const int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12})
            expected << root.filePath(QString(n == 11 ? "album/img_%1.JPG" : "album/IMG_%1.jpg")
                                          .arg(n, n % 4 == 0 ? 4 : 1, 10, QChar('0')));
        expected << root.filePath("album/sub9/e.png") << root.filePath("album/sub9/deeper/d.gif")
                 << root.filePath("album/sub10/c.jpeg") << root.filePath("loose.JPG")
                 << QString("/not/there/ghost.png") << root.filePath("album/IMG_2.jpg");
        // Made in an order of their own, so that no listing order can pass for the sorted one.
        for (const int at : {7, 0, 11, 3, 9, 5, 1, 10, 2, 8, 4, 6, 12, 13, 14, 15})
            touch(expected.at(at));
        touch(root.filePath("album/notes.txt"));
        touch(root.filePath("loose.txt"));
        // A link back up the tree must not send the walk round for ever.
        QVERIFY(QFile::link(root.filePath("album"), root.filePath("album/sub9/deeper/up")));

        const QStringList filters{QString("*.jpg"), QString("*.jpeg"), QString("*.png"),
                                  QString("*.gif")};
        const QList<QUrl> urls{QUrl::fromLocalFile(root.filePath("album")),
                               QUrl::fromLocalFile(root.filePath("loose.JPG")),
                               QUrl::fromLocalFile(root.filePath("loose.txt")),
                               QUrl::fromLocalFile(QString("/not/there/ghost.png")),
                               QUrl(QString("https://example.org/x.jpg")),
                               QUrl::fromLocalFile(root.filePath("album/IMG_2.jpg"))};
        QCOMPARE(scanMediaFiles(urls, filters), expected);

        // No duplicate check: naming a folder twice lists its files twice.
        QCOMPARE(scanMediaFiles({urls.first(), urls.first()}, filters).size(), 30);
    }
};

QTEST_GUILESS_MAIN(TestWorkspace)
#include "tst_workspace.moc"
