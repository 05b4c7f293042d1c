// The whole program: photos and a clip in the strips, the workspace moved through the
// Preferences dialog from the window's menu, and then the window's entries still publish a
// complete slideshow and the photo tools still find their files.
#include "../flashkit/kittestenv.h"
#include "app/lumaro.h"
#include "audio/audiolistwidget.h"
#include "common/workspace.h"
#include "flashkit/core/iflashkitinterface.h"
#include "photos/photolistwidget.h"
#include "platform/velfc/core/vel.h"
#include "platform/velfc/core/velpref.h"
#include "platform/velfc/velmessagebox.h"
#include "prefs/preferences.h"
#include "support/discardunsaved.h"
#include "workspacefixture.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

namespace {
// Answers the Preferences dialog once it is up: a new folder, then OK.
void answerPreferences(const QString& folder, bool* answered)
{
    auto* dialog = qobject_cast<Preferences*>(QApplication::activeModalWidget());
    if (!dialog) {
        QTimer::singleShot(10, [folder, answered] { answerPreferences(folder, answered); });
        return;
    }
    dialog->findChild<QLineEdit*>("lineEdit")->setText(folder);
    dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    *answered = true;
}
} // namespace

class TestPreferencesMovePublish : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(env.isValid());
        Vel::setApplicationFolder(env.appFolder());
        VelMessageBox::setHandler([this](VelMessageBox::Kind, const QString& text, const QString&) {
            alerts << text;
            return 0;
        });
    }

    void movedWorkspaceStillPublishes()
    {
        const QString oldParent = env.root() + "/old";
        const QString oldWorkspace = oldParent + "/" + WorkspaceFolderName;
        VelPref* pref = VelPref::instance();
        pref->setValue(PrefKey::TemporaryDir, oldParent);
        pref->setValue(PrefKey::Temporary, oldWorkspace);
        pref->setValue(PrefKey::LastSkin, "plenvo");
        const QString movie = env.makeTemplate("Magic Cube");

        Lumaro window;
        discardUnsavedOnClose(window);
        QVERIFY(ensurePhotoFolders());
        QList<ImageInfo> records;
        for (int i = 0; i < 3; ++i) {
            ImageInfo info;
            info.id = QUuid::createUuid();
            info.path = QString("/holiday/day %1.jpg").arg(i);
            const QImage picture = KitTestEnv::testPicture(720, 540, 20 + i);
            const QImage thumb = picture.scaled(80, 60);
            QVERIFY(picture.save(workingCopyPath(info), "JPG", 100));
            QVERIFY(picture.save(backupCopyPath(info), "JPG", 100));
            QVERIFY(thumb.save(thumbnailPath(info), "JPG", 100));
            QVERIFY(thumb.save(backupThumbnailPath(info), "JPG", 100));
            info.thumbnail = thumb;
            records << info;
        }
        window.document()->addPhotos(-1, records);
        AudioInfo clip;
        clip.filePath = "/music/song.flac";
        clip.duration = 30;
        clip.endPoint = 30;
        const QByteArray song = KitTestEnv::noise(5000, 3);
        QVERIFY(TestFiles::write(musicCopyPath(clip.filePath), song)); // as the converter does
        window.document()->addClips(-1, {clip});
        QCOMPARE(window.photoKitEntries().size(), 3);
        QCOMPARE(window.musicKitEntries().size(), 1);

        const QString newParent = env.root() + "/moved here";
        const QString moved = newParent + "/" + WorkspaceFolderName;
        bool answered = false;
        QTimer::singleShot(0, [&] { answerPreferences(newParent, &answered); });
        window.findChild<QAction*>("actionPrefences")->trigger();
        QVERIFY(answered);
        QVERIFY2(alerts.isEmpty(), qPrintable(alerts.join('\n')));

        QCOMPARE(pref->value(PrefKey::Temporary).toString(), moved);
        QVERIFY(!QFileInfo::exists(oldWorkspace));
        for (const FlashKitPhoto& entry : window.photoKitEntries()) {
            QVERIFY2(entry.path.startsWith(moved + "/photos/"), qPrintable(entry.path));
            QVERIFY(QFileInfo::exists(entry.path));
        }
        QCOMPARE(window.musicKitEntries().first().path, moved + "/background music/song.mp3");
        QCOMPARE(TestFiles::read(window.musicKitEntries().first().path), song);

        // Publish the way the publish flow does, with the window's entries.
        IFlashKitInterface* kit = window.flashKit();
        QVERIFY(kit->clear());
        QVERIFY(kit->addPhotos(window.photoKitEntries()));
        QVERIFY(kit->addMusic(window.musicKitEntries()));
        QVERIFY(kit->setTemplate(movie));
        kit->setPhotoQuality(85);
        const QString out = env.root() + "/published/";
        QVERIFY(kit->publish(out, "album", 0));
        QElapsedTimer clock;
        clock.start();
        while (kit->publishProgress() < 100 && kit->publishError().isEmpty() &&
               clock.elapsed() < 60000)
            QTest::qWait(20);
        QCOMPARE(kit->publishError(), QString());
        QCOMPARE(kit->publishProgress(), 100);
        const QStringList files = WorkspaceFixture::filesUnder(out);
        QVERIFY2(files.contains("album.swf") && files.contains("Magic Cube.xml"),
                 qPrintable(files.join(", ")));
        QCOMPARE(TestFiles::read(out + "background music/song.mp3"), song);
        int pictures = 0;
        for (const QString& file : files) {
            if (!file.startsWith("photos/"))
                continue;
            ++pictures;
            QVERIFY2(!QImage(out + file).isNull(), qPrintable(file));
        }
        QCOMPARE(pictures, 6); // each photo and its thumbnail
        const QByteArray playdata = TestFiles::read(out + "Magic Cube.xml");
        QVERIFY(playdata.contains("song.mp3"));

        // The photo tools work on the files at the new place.
        window.findChild<PhotoListWidget*>("photoListWidget")->item(0)->setSelected(true);
        window.findChild<QToolButton*>("turnRight")->click();
        QVERIFY(workingCopyPath(records.first()).startsWith(moved));
        QCOMPARE(QImage(workingCopyPath(records.first())).size(), QSize(540, 720));
        window.close();
    }

private:
    KitTestEnv env;
    QStringList alerts;
};

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestPreferencesMovePublish test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_preferencesmovepublish.moc"
