// Removing the workspace at close: only a folder with the workspace's own name, never through a
// link, and empty parents only.
#include "app/workspacecleanup.h"
#include "common/workspace.h"
#include "platform/velfc/core/velpref.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {
void touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}
} // namespace

class TestWorkspaceCleanup : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { VelPref::instance()->open(dir.filePath("lumaro.ini")); }

    void foreignFoldersAreRefused_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("absolute");
        QTest::newRow("user folder") << "Pictures" << true;
        QTest::newRow("name inside") << QString("%1-copy").arg(WorkspaceFolderName) << true;
        QTest::newRow("relative") << QString(WorkspaceFolderName) << false;
    }
    void foreignFoldersAreRefused()
    {
        QFETCH(QString, stored);
        QFETCH(bool, absolute);
        QTemporaryDir root;
        QDir::setCurrent(root.path()); // a relative setting would point here
        const QString target = absolute ? root.filePath(stored) : stored;
        touch(root.filePath(stored) + "/keep.jpg");
        VelPref::instance()->setValue(PrefKey::Temporary, target);
        VelPref::instance()->setValue(PrefKey::TemporaryDir, QString());
        QVERIFY(!cleanUpWorkspace());
        QVERIFY(QFile::exists(root.filePath(stored) + "/keep.jpg"));
    }

    void workspaceLinkIsNotFollowed()
    {
        QTemporaryDir root;
        touch(root.filePath("album/keep.jpg"));
        const QString link = root.filePath(WorkspaceFolderName);
        QVERIFY(QFile::link(root.filePath("album"), link));
        VelPref::instance()->setValue(PrefKey::Temporary, link);
        QVERIFY(cleanUpWorkspace());
        QVERIFY(!QFileInfo::exists(link));
        QVERIFY(QFile::exists(root.filePath("album/keep.jpg")));
    }

    void emptyParentsGoNonEmptyStay()
    {
        QTemporaryDir root;
        const QString parent = root.filePath("a/b/c");
        QVERIFY(QDir(root.path()).mkpath("a"));
        VelPref::instance()->setValue(PrefKey::Temporary,
                                      QString(parent + "/" + WorkspaceFolderName));
        VelPref::instance()->setValue(PrefKey::TemporaryDir, parent);
        QVERIFY(ensureWorkspaceFolder()); // the program makes a/b and a/b/c
        touch(parent + "/" + WorkspaceFolderName + "/photos/bak/x.jpg");
        touch(root.filePath("a/other.txt"));
        QVERIFY(cleanUpWorkspace());
        QVERIFY(!QDir(root.filePath("a/b")).exists());
        QVERIFY(QFile::exists(root.filePath("a/other.txt")));
    }

    // Empty folders that were there before the program made its workspace are the user's, also
    // when the settings name them ("TemporaryDir"), and a record naming a folder that does not
    // hold the workspace is not believed.
    void foldersNotMadeByUsStay_data()
    {
        QTest::addColumn<QString>("claimed"); // what a tampered record adds, relative to root
        QTest::newRow("no record") << QString();
        QTest::newRow("record claims a sibling") << QString("x/other");
    }
    void foldersNotMadeByUsStay()
    {
        QFETCH(QString, claimed);
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkpath("x/y"));
        QVERIFY(QDir(root.path()).mkpath("x/other"));
        const QString workspace = root.filePath("x/y/") + WorkspaceFolderName;
        VelPref::instance()->setValue(PrefKey::Temporary, workspace);
        VelPref::instance()->setValue(PrefKey::TemporaryDir, root.filePath("x/y"));
        QVERIFY(ensureWorkspaceFolder());
        touch(workspace + "/photos/a.jpg");
        if (!claimed.isEmpty()) {
            QFile record(workspace + "/" + WorkspaceCreatedRecord);
            QVERIFY(record.open(QIODevice::WriteOnly));
            for (const QString& line : claimed.split('\n'))
                record.write(QFile::encodeName(root.filePath(line)) + "\n");
        }
        QVERIFY(cleanUpWorkspace());
        QVERIFY(!QFileInfo::exists(workspace));
        QVERIFY(QDir(root.filePath("x/other")).exists());
        QVERIFY(QDir(root.filePath("x/y")).exists());
    }

private:
    QTemporaryDir dir;
};

QTEST_GUILESS_MAIN(TestWorkspaceCleanup)
#include "tst_workspacecleanup.moc"
