// The workspace copy on its worker thread and the rules that decide where a workspace lies and
// what of an old one may be removed.
#include "prefs/core/workspacemove.h"
#include "prefs/core/workspaceplace.h"
#include "workspacefixture.h"

#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace WorkspaceFixture;

namespace {
bool runToEnd(WorkspaceMove& move)
{
    QSignalSpy finished(&move, &WorkspaceMove::finished);
    move.start();
    return finished.wait(30000);
}

// A device that reports every byte written but keeps one byte less of each write.
class LossyFile : public QFile
{
public:
    using QFile::QFile;

protected:
    qint64 writeData(const char* data, qint64 size) override
    {
        const qint64 kept = QFile::writeData(data, qMax<qint64>(size - 1, 0));
        return kept < 0 ? kept : size;
    }
};
} // namespace

class TestWorkspaceMove : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        dir.reset(new QTemporaryDir);
        from = dir->filePath("old/") + WorkspaceFolderName;
        to = dir->filePath("new/") + WorkspaceFolderName;
        for (const QString& name : names)
            QVERIFY(writePhoto(from, name));
        QVERIFY(writeMusic(from, "song.mp3"));
        before = filesUnder(from);
    }

    void cleanup()
    {
        // Give back write access taken by a test, so the folder can go.
        QFile::setPermissions(to + "/photos/bak",
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // Leftovers at the new place under the same names are replaced, not taken for the copy; a
    // clip not converted yet has nothing to carry and is no failure.
    void staleFilesAtTheDestinationAreReplaced()
    {
        QVERIFY(TestFiles::write(to + "/photos/bak/s_b.jpg", "stale"));
        QVERIFY(TestFiles::write(to + "/background music/song.mp3", "stale"));
        WorkspaceMove move(from, to);
        move.setPhotos(names);
        move.setMusic({"song.mp3", "not converted yet.mp3"});
        QVERIFY(runToEnd(move));
        QVERIFY(move.succeeded());
        QCOMPARE(filesUnder(to), before);
        for (const QString& file : before)
            QCOMPARE(TestFiles::read(to + "/" + file), TestFiles::read(from + "/" + file));
        QCOMPARE(filesUnder(from), before); // the copy never touches the old place
    }

    void failureHalfWayRollsBack_data()
    {
        QTest::addColumn<QString>("blocker");
        QTest::addColumn<QString>("failed");
        QTest::addColumn<bool>("needsPermissions");
        // The last file: every photo is copied before it fails.
        QTest::newRow("folder in the way of the clip") << "background music/song.mp3"
                                                       << "background music/song.mp3" << false;
        QTest::newRow("read-only backup folder") << "photos/bak"
                                                 << "photos/bak/a.jpg" << true;
        QTest::newRow("file where the workspace goes") << ""
                                                       << "photos" << false;
    }
    void failureHalfWayRollsBack()
    {
        QFETCH(QString, blocker);
        QFETCH(QString, failed);
        QFETCH(bool, needsPermissions);
        if (needsPermissions && !permissionsBind())
            QSKIP("running as root: permissions do not stop the copy");
        QStringList leftBefore;
        if (blocker.isEmpty()) {
            QVERIFY(TestFiles::write(to, "a file"));
        } else {
            QVERIFY(QDir().mkpath(to + "/" + blocker));
            QVERIFY(TestFiles::write(to + "/keep.txt", "not the move's"));
            if (needsPermissions)
                QVERIFY(
                    QFile::setPermissions(to + "/" + blocker, QFile::ReadOwner | QFile::ExeOwner));
            leftBefore = filesUnder(to);
        }

        WorkspaceMove move(from, to);
        move.setPhotos(names);
        move.setMusic({"song.mp3"});
        QSignalSpy progress(&move, &WorkspaceMove::progressChanged);
        QVERIFY(runToEnd(move));
        QVERIFY(!move.succeeded());
        QVERIFY(!move.wasCancelled());
        QVERIFY2(move.failedFile().endsWith(failed), qPrintable(move.failedFile()));
        QVERIFY(!move.failureReason().isEmpty());
        QCOMPARE(filesUnder(from), before);
        if (blocker.isEmpty()) {
            QCOMPARE(TestFiles::read(to), QByteArray("a file"));
        } else {
            QCOMPARE(filesUnder(to), leftBefore); // only what was there before
            QVERIFY(!QFileInfo::exists(to + "/photos/a.jpg"));
        }
        if (blocker.startsWith("background"))
            QCOMPARE(progress.size(), 3); // it did fail half-way
    }

    // A copy reported whole but short on disk stops the move: everything it wrote and every
    // folder it made is taken back, and the old workspace keeps each file as it was.
    void shortCopyRollsBack()
    {
        QMap<QString, QByteArray> contents;
        for (const QString& file : before)
            contents.insert(file, TestFiles::read(from + "/" + file));
        WorkspaceMove move(from, to);
        move.setPhotos(names);
        move.setMusic({"song.mp3"});
        int made = 0; // the fifth file written, photos/b.jpg, comes out short
        move.setTargetMaker([&made](const QString& path) -> std::unique_ptr<QFileDevice> {
            if (++made == 5)
                return std::make_unique<LossyFile>(path);
            return std::make_unique<QFile>(path);
        });
        QVERIFY(runToEnd(move));
        QVERIFY(!move.succeeded());
        QVERIFY(!move.wasCancelled());
        QCOMPARE(move.failedFile(), from + "/photos/b.jpg");
        QCOMPARE(move.failureReason(), QString("The copy is incomplete."));
        QCOMPARE(filesUnder(from), before);
        for (const QString& file : before)
            QCOMPARE(TestFiles::read(from + "/" + file), contents.value(file));
        QVERIFY(!QFileInfo::exists(dir->filePath("new")));
    }

    void placeOfOneFolderInAnother_data()
    {
        QTest::addColumn<QString>("inner");
        QTest::addColumn<QString>("outer");
        QTest::addColumn<bool>("inside");
        QTest::addColumn<bool>("same");
        QTest::newRow("child") << "old/ws/sub/x"
                               << "old/ws" << true << false;
        QTest::newRow("itself") << "old/ws"
                                << "old/ws" << false << true;
        QTest::newRow("sibling with a longer name") << "old/ws2"
                                                    << "old/ws" << false << false;
        QTest::newRow("through a link") << "alias/ws/sub"
                                        << "old/ws" << true << false;
        QTest::newRow("link to itself") << "alias/ws"
                                        << "old/ws" << false << true;
        QTest::newRow("unclean") << "old/ws/../ws/sub"
                                 << "old/ws" << true << false;
        QTest::newRow("parent") << "old"
                                << "old/ws" << false << false;
    }
    void placeOfOneFolderInAnother()
    {
        QFETCH(QString, inner);
        QFETCH(QString, outer);
        QFETCH(bool, inside);
        QFETCH(bool, same);
        QVERIFY(QDir().mkpath(dir->filePath("old/ws")));
        QVERIFY(QFile::link(dir->filePath("old"), dir->filePath("alias")));
        QCOMPARE(WorkspacePlace::isInside(dir->filePath(inner), dir->filePath(outer)), inside);
        QCOMPARE(WorkspacePlace::isSameFolder(dir->filePath(inner), dir->filePath(outer)), same);
    }

    // What goes when the old workspace is removed, and what never does.
    void removingTheOldWorkspace()
    {
        const QString home = dir->filePath("home");
        const QString parent = home + "/keep/temp";
        const QString workspace = parent + "/a/b/" + WorkspaceFolderName;
        QVERIFY(writePhoto(workspace, "x.jpg"));
        QVERIFY(TestFiles::write(home + "/mine.txt", "mine"));
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home));

        QVERIFY(WorkspacePlace::removeWorkspace(workspace, parent));
        QVERIFY(!QFileInfo::exists(parent));    // emptied up to the stored parent, itself too
        QVERIFY(QDir(home + "/keep").exists()); // never above it

        // A parent that still holds something stays, and so does what it holds.
        QVERIFY(writePhoto(workspace, "x.jpg"));
        QVERIFY(TestFiles::write(parent + "/a/other.txt", "other"));
        QVERIFY(WorkspacePlace::removeWorkspace(workspace, parent));
        QVERIFY(!QFileInfo::exists(parent + "/a/b"));
        QCOMPARE(TestFiles::read(parent + "/a/other.txt"), QByteArray("other"));

        // The home folder is never removed, even as the stored parent.
        const QString inHome = home + "/" + WorkspaceFolderName;
        QVERIFY(QDir().mkpath(inHome));
        QVERIFY(QFile::remove(home + "/mine.txt"));
        QVERIFY(QDir(home + "/keep").removeRecursively());
        QVERIFY(WorkspacePlace::removeWorkspace(inHome, home));
        QVERIFY(QDir(home).exists());

        // A setting that names some other folder, and a link to a workspace elsewhere.
        const QString mine = dir->filePath("My Photos");
        QVERIFY(TestFiles::write(mine + "/holiday.jpg", "photo"));
        QVERIFY(!WorkspacePlace::removeWorkspace(mine, dir->path()));
        QVERIFY(QFileInfo::exists(mine + "/holiday.jpg"));
        const QString link = dir->filePath("linked/") + WorkspaceFolderName;
        QVERIFY(QDir().mkpath(dir->filePath("linked")));
        QVERIFY(QFile::link(mine, link));
        QVERIFY(WorkspacePlace::removeWorkspace(link, dir->filePath("linked")));
        QVERIFY(!QFileInfo(link).isSymLink());
        QVERIFY(QFileInfo::exists(mine + "/holiday.jpg"));

        // Stored outside its stored parent: nothing above the workspace goes.
        const QString stray = dir->filePath("stray/empty/") + WorkspaceFolderName;
        QVERIFY(QDir().mkpath(stray));
        QVERIFY(WorkspacePlace::removeWorkspace(stray, dir->filePath("elsewhere")));
        QVERIFY(!QFileInfo::exists(stray));
        QVERIFY(QDir(dir->filePath("stray/empty")).exists());
        qputenv("HOME", oldHome);
    }

private:
    std::unique_ptr<QTemporaryDir> dir;
    QString from;
    QString to;
    QStringList before;
    const QStringList names{"a.jpg", "b.jpg", "c.jpg"};
};

QTEST_GUILESS_MAIN(TestWorkspaceMove)
#include "tst_workspacemove.moc"
