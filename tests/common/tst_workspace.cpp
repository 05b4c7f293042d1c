#include "common/imageinfo.h"
#include "common/workspace.h"
#include "platform/velfc/core/velpref.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

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
        const QString expected = data + QStringLiteral("/DF287552-FB87-4731-9A26-72843EC8A1E2");
        QCOMPARE(workspaceFolder(), expected);
        QCOMPARE(pref->value(QLatin1String(PrefKey::TemporaryDir)).toString(), data);
        QCOMPARE(pref->value(QLatin1String(PrefKey::Temporary)).toString(), expected);
        QVERIFY(!QFileInfo::exists(expected)); // only the path is recorded

        // Later calls use the stored value as it is and leave the parent key alone.
        pref->setValue(QLatin1String(PrefKey::TemporaryDir), QStringLiteral("/elsewhere"));
        pref->setValue(QLatin1String(PrefKey::Temporary), QStringLiteral("/no/such/place"));
        QCOMPARE(workspaceFolder(), QStringLiteral("/no/such/place"));
        QCOMPARE(pref->value(QLatin1String(PrefKey::TemporaryDir)).toString(),
                 QStringLiteral("/elsewhere"));
    }

    void namesInsideTheWorkspace()
    {
        QTemporaryDir dir;
        VelPref::instance()->setValue(QLatin1String(PrefKey::Temporary), dir.path());
        QCOMPARE(photosFolder(), dir.path() + QStringLiteral("/photos/"));
        QCOMPARE(photoBackupFolder(), dir.path() + QStringLiteral("/photos/bak/"));
        QCOMPARE(musicFolder(), dir.path() + QStringLiteral("/background music/"));

        ImageInfo info;
        info.path = QStringLiteral("/pictures/Summer.2023.jpeg");
        info.id = QUuid(QStringLiteral("{6f1c2a3b-0d4e-4f50-8a61-b7c8d9e0f123}"));
        const QString stem =
            QStringLiteral("Summer.2023{6f1c2a3b-0d4e-4f50-8a61-b7c8d9e0f123}.jpg");
        QCOMPARE(workingCopyPath(info), photosFolder() + stem);
        QCOMPARE(backupCopyPath(info), photoBackupFolder() + stem);
        QCOMPARE(thumbnailPath(info), photosFolder() + QStringLiteral("s_") + stem);
        QCOMPARE(backupThumbnailPath(info), photoBackupFolder() + QStringLiteral("s_") + stem);
        QCOMPARE(musicCopyPath(QStringLiteral("/music/live.set.flac")),
                 musicFolder() + QStringLiteral("live.set.mp3"));

        QVERIFY(ensurePhotoFolders());
        QVERIFY(QFileInfo(photoBackupFolder()).isDir());
        QVERIFY(ensurePhotoFolders()); // already there

        // A workspace below a plain file cannot be made.
        touch(dir.filePath(QStringLiteral("file")));
        VelPref::instance()->setValue(QLatin1String(PrefKey::Temporary),
                                      dir.filePath(QStringLiteral("file/ws")));
        QVERIFY(!ensurePhotoFolders());
    }

    void folderPathCheck_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("valid");
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("plain") << QStringLiteral("/tmp/Photos") << true;
        QTest::newRow("trailing separator") << QStringLiteral("/tmp/Photos/") << true;
        QTest::newRow("need not exist") << QStringLiteral("/no/such/folder") << true;
        QTest::newRow("spaces and unicode")
            << QStringLiteral("/tmp/My Fotos \u00e9t\u00e9") << true;
        QTest::newRow("relative") << QStringLiteral("Photos") << false;
        QTest::newRow("dot dot") << QStringLiteral("/tmp/Photos/../x") << false;
        QTest::newRow("dot") << QStringLiteral("/tmp/./x") << false;
        QTest::newRow("doubled separator") << QStringLiteral("/tmp//x") << false;
        QTest::newRow("root") << QStringLiteral("/") << false;
        for (const char c : QByteArray("\"*:<>`!#?|")) {
            const QString path = QStringLiteral("/tmp/a") + QLatin1Char(c) + QStringLiteral("b");
            QTest::newRow(qPrintable(QStringLiteral("forbidden ") + QLatin1Char(c)))
                << path << false;
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
        QTest::newRow("free") << QStringList{QStringLiteral("Other.swf")}
                              << QStringList{QStringLiteral("Album")};
        QTest::newRow("taken") << QStringList{QStringLiteral("Album.swf")}
                               << QStringList{QStringLiteral("Album(1)")};
        QTest::newRow("case differs")
            << QStringList{QStringLiteral("ALBUM.SWF")} << QStringList{QStringLiteral("Album")};
        QTest::newRow("taken twice")
            << QStringList{QStringLiteral("Album.swf"), QStringLiteral("Album(1).swf")}
            << QStringList{QStringLiteral("Album(2)")};
        QTest::newRow("only numbered") << QStringList{QStringLiteral("Album(3).swf")}
                                       << QStringList{QStringLiteral("Album(4)")};
        QTest::newRow("other suffix")
            << QStringList{QStringLiteral("Album(3).html")} << QStringList{QStringLiteral("Album")};
        QTest::newRow("listing order")
            << QStringList{QStringLiteral("Album(10).swf"), QStringLiteral("Album(2).swf")}
            << QStringList{QStringLiteral("Album(11)"), QStringLiteral("Album(12)")};
    }

    void uniqueNames()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        for (const QString& file : files)
            touch(dir.filePath(file));
        QString name = QStringLiteral("Album");
        uniqueFileName(name, dir.path(), QStringLiteral("swf"));
        QVERIFY2(expected.contains(name), qPrintable(name));
        QVERIFY(!files.contains(name + QStringLiteral(".swf")));
    }

    void uniqueFolderNames()
    {
        QTemporaryDir dir;
        QDir root(dir.path());
        touch(root.filePath(QStringLiteral("Album"))); // a file does not count
        QString name = QStringLiteral("Album");
        uniqueFolderName(name, dir.path());
        QCOMPARE(name, QStringLiteral("Album"));

        QVERIFY(root.mkdir(QStringLiteral("ALBUM2")));
        QVERIFY(root.mkdir(QStringLiteral("album")));
        QVERIFY(root.mkdir(QStringLiteral("Album(1)")));
        name = QStringLiteral("Album");
        uniqueFolderName(name, dir.path());
        QCOMPARE(name, QStringLiteral("Album(2)"));
    }

    void uniqueNameOfMissingFolderIsUnchanged()
    {
        QString name = QStringLiteral("Album");
        uniqueFileName(name, QStringLiteral("/no/such/folder"), QStringLiteral("swf"));
        QCOMPARE(name, QStringLiteral("Album"));
        uniqueFolderName(name, QStringLiteral("/no/such/folder"));
        QCOMPARE(name, QStringLiteral("Album"));
    }

    void deleteTreeRemovesEverything()
    {
        QTemporaryDir base;
        QDir root(base.path());
        QVERIFY(root.mkpath(QStringLiteral("parent/tree/a/b")));
        QVERIFY(root.mkpath(QStringLiteral("parent/tree/empty")));
        touch(root.filePath(QStringLiteral("parent/tree/one.jpg")));
        touch(root.filePath(QStringLiteral("parent/tree/.hidden")));
        touch(root.filePath(QStringLiteral("parent/tree/a/b/two.jpg")));

        deleteTree(root.filePath(QStringLiteral("parent/tree")));
        QVERIFY(!root.exists(QStringLiteral("parent/tree")));
        QVERIFY(!root.exists(QStringLiteral("parent"))); // emptied, so it goes too
        QVERIFY(root.exists());

        deleteTree(root.filePath(QStringLiteral("missing"))); // nothing to do, nothing breaks
        touch(root.filePath(QStringLiteral("lone.txt")));
        deleteTree(root.filePath(QStringLiteral("lone.txt")));
        QVERIFY(!root.exists(QStringLiteral("lone.txt")));
        QVERIFY(root.exists()); // a file's folder stays
    }

    void deleteTreeNeverFollowsLinks()
    {
        QTemporaryDir outside;
        touch(outside.filePath(QStringLiteral("precious.jpg")));
        QTemporaryDir base;
        QDir root(base.path());
        QVERIFY(root.mkpath(QStringLiteral("tree/sub")));
        QVERIFY(QFile::link(outside.path(), root.filePath(QStringLiteral("tree/sub/folderlink"))));
        QVERIFY(QFile::link(outside.filePath(QStringLiteral("precious.jpg")),
                            root.filePath(QStringLiteral("tree/filelink"))));
        QVERIFY(QFile::link(QStringLiteral("/no/such/target"),
                            root.filePath(QStringLiteral("tree/dangling"))));
        QVERIFY(QFile::link(outside.path(), root.filePath(QStringLiteral("toplink"))));

        deleteTree(root.filePath(QStringLiteral("tree")));
        QVERIFY(!QFileInfo(root.filePath(QStringLiteral("tree"))).exists());
        deleteTree(root.filePath(QStringLiteral("toplink")));
        QVERIFY(!QFileInfo(root.filePath(QStringLiteral("toplink"))).isSymLink());
        QVERIFY(QFileInfo::exists(outside.filePath(QStringLiteral("precious.jpg"))));
    }

    void scanCollectsOwnFilesFirst()
    {
        QTemporaryDir base;
        QDir root(base.path());
        QVERIFY(root.mkpath(QStringLiteral("album/sub/deeper")));
        touch(root.filePath(QStringLiteral("album/a.jpg")));
        touch(root.filePath(QStringLiteral("album/b.PNG")));
        touch(root.filePath(QStringLiteral("album/notes.txt")));
        touch(root.filePath(QStringLiteral("album/sub/c.jpeg")));
        touch(root.filePath(QStringLiteral("album/sub/deeper/d.gif")));
        touch(root.filePath(QStringLiteral("loose.JPG")));
        touch(root.filePath(QStringLiteral("loose.txt")));
        // A link back up the tree must not send the walk round for ever.
        QVERIFY(QFile::link(root.filePath(QStringLiteral("album")),
                            root.filePath(QStringLiteral("album/sub/deeper/up"))));

        const QStringList filters{QStringLiteral("*.jpg"), QStringLiteral("*.jpeg"),
                                  QStringLiteral("*.png"), QStringLiteral("*.gif")};
        const QList<QUrl> urls{QUrl::fromLocalFile(root.filePath(QStringLiteral("album"))),
                               QUrl::fromLocalFile(root.filePath(QStringLiteral("loose.JPG"))),
                               QUrl::fromLocalFile(root.filePath(QStringLiteral("loose.txt"))),
                               QUrl::fromLocalFile(QStringLiteral("/not/there/ghost.png")),
                               QUrl(QStringLiteral("https://example.org/x.jpg"))};
        const QStringList found = scanMediaFiles(urls, filters);

        QCOMPARE(found.size(), 6);
        const QStringList own{found.at(0), found.at(1)};
        QVERIFY(own.contains(root.filePath(QStringLiteral("album/a.jpg"))));
        QVERIFY(own.contains(root.filePath(QStringLiteral("album/b.PNG"))));
        QCOMPARE(found.at(2), root.filePath(QStringLiteral("album/sub/c.jpeg")));
        QCOMPARE(found.at(3), root.filePath(QStringLiteral("album/sub/deeper/d.gif")));
        QCOMPARE(found.at(4), root.filePath(QStringLiteral("loose.JPG")));
        QCOMPARE(found.at(5), QStringLiteral("/not/there/ghost.png"));

        // No duplicate check: naming a folder twice lists its files twice.
        QCOMPARE(scanMediaFiles({urls.first(), urls.first()}, filters).size(), 8);
    }
};

QTEST_GUILESS_MAIN(TestWorkspace)
#include "tst_workspace.moc"
