// The main window as a user meets it: its form and menu, the post-task setting across restarts,
// selection and delete routing between the strips, the shared scroll range, the kit entries,
// orientation commands on the workspace files, skin choice and template changes.
#include "app/lumaro.h"
#include "audio/audiolistwidget.h"
#include "common/workspace.h"
#include "flashkit/menutemplateselectionframe.h"
#include "photos/core/imagereader.h"
#include "photos/photolistwidget.h"
#include "platform/velfc/core/vel.h"
#include "platform/velfc/core/velpref.h"
#include "platform/velfc/velmessagebox.h"
#include "support/stripevents.h"
#include "support/testfiles.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {
AudioInfo clip(const QString& path, double seconds)
{
    AudioInfo info;
    info.filePath = path;
    info.duration = seconds;
    info.endPoint = seconds;
    info.sampleRate = 44100;
    info.codecName = "mp3";
    return info;
}

ImageInfo photo(const QString& path)
{
    ImageInfo info;
    info.id = QUuid::createUuid();
    info.path = path;
    info.thumbnail = QImage(80, 60, QImage::Format_ARGB32);
    info.thumbnail.fill(Qt::gray);
    return info;
}
} // namespace

class TestLumaro : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Vel::setApplicationFolder(QString(LUMARO_TEST_APP_DIR));
    }

    void init()
    {
        home.reset(new QTemporaryDir);
        VelPref::instance()->open(home->filePath("lumaro.ini"));
        VelPref::instance()->setValue(PrefKey::LastSkin, "plenvo");
        VelPref::instance()->setValue(PrefKey::TemporaryDir, home->filePath("data"));
        VelPref::instance()->setValue(PrefKey::Temporary,
                                      QString(home->filePath("data/") + WorkspaceFolderName));
    }

    // The window opens with nothing selected: no delete, no cancel; Delete is the key for it.
    void startState()
    {
        Lumaro window;
        const QStringList tools = {"importPicture", "importPictureDir", "importAudio", "deleteClip",
                                   "turnLeft",      "turnRight",        "mirror",      "flip",
                                   "restore",       "editMusic",        "previewBtn"};
        for (const QString& name : tools)
            QVERIFY2(window.findChild<QToolButton*>(name), qPrintable(name));
        QVERIFY(window.findChild<QWidget*>("menubar")->isHidden());
        QVERIFY(window.findChild<QWidget*>("cancelBtn")->isHidden());
        QCOMPARE(window.activeListIndex(), -1);
        QVERIFY(!window.findChild<QToolButton*>("deleteClip")->isEnabled());
        QCOMPARE(window.findChild<QToolButton*>("deleteClip")->shortcut(),
                 QKeySequence(QKeySequence::Delete));
        QStringList postTask;
        for (QAction* action : window.postTaskActionMenu()->actions())
            postTask << (action->isSeparator() ? QString("-") : action->text());
        QCOMPARE(postTask, (QStringList{"Do Nothing", "-", "Quit Application", "Shut Down",
                                        "Hibernate", "Stand By"}));
    }

    void postTaskSettingSurvivesRestart_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("stored");
        QTest::newRow("quit") << "actionQuit_Application" << 0;
        QTest::newRow("stand by") << "actionStandby" << 1;
        QTest::newRow("hibernate") << "actionHiberate" << 2;
        QTest::newRow("shut down") << "actionShutdown_Computer" << 4;
        QTest::newRow("nothing") << "actionDo_nothing" << 5;
    }
    void postTaskSettingSurvivesRestart()
    {
        QFETCH(QString, action);
        QFETCH(int, stored);
        {
            Lumaro window;
            QVERIFY(window.findChild<QAction*>("actionDo_nothing")->isChecked());
            window.findChild<QAction*>(action)->trigger();
            QCOMPARE(VelPref::instance()->value(PrefKey::AfterPublishingAction).toInt(), stored);
        }
        VelPref::instance()->open(home->filePath("lumaro.ini")); // read back from the file
        Lumaro window;
        for (QAction* each : window.postTaskActionMenu()->actions()) {
            if (!each->isSeparator())
                QCOMPARE(each->isChecked(), each->objectName() == action);
        }
    }

    void unknownPostTaskValueChecksNothing()
    {
        VelPref::instance()->setValue(PrefKey::AfterPublishingAction, 3);
        Lumaro window;
        for (QAction* each : window.postTaskActionMenu()->actions())
            QVERIFY(!each->isChecked());
    }

    void selectionAndDeleteFollowTheActiveList()
    {
        Lumaro window;
        auto* photos = window.findChild<PhotoListWidget*>("photoListWidget");
        auto* audio = window.findChild<AudioListWidget*>("audioListWidget");
        auto* deleteClip = window.findChild<QToolButton*>("deleteClip");
        auto* turnLeft = window.findChild<QToolButton*>("turnLeft");
        Slideshow* show = window.document();
        show->addPhotos(-1, {photo("/p/a.jpg"), photo("/p/b.jpg")});
        show->addClips(-1, {clip("/m/one.mp3", 10), clip("/m/two.mp3", 20)});

        photos->item(1)->setSelected(true);
        QCOMPARE(window.activeListIndex(), 0);
        QVERIFY(deleteClip->isEnabled() && turnLeft->isEnabled());

        audio->item(0)->setSelected(true);
        QCOMPARE(window.activeListIndex(), 1);
        QVERIFY(photos->selectedItems().isEmpty());
        QCOMPARE(photos->currentRow(), -1);
        QVERIFY(deleteClip->isEnabled());
        QVERIFY(!turnLeft->isEnabled());

        deleteClip->click(); // deletes the clip, not a photo
        QCOMPARE(audio->count(), 1);
        QCOMPARE(photos->count(), 2);
        QCOMPARE(window.musicKitEntries().size(), 1);

        photos->item(0)->setSelected(true);
        QCOMPARE(window.activeListIndex(), 0);
        QVERIFY(audio->selectedItems().isEmpty());
        QCOMPARE(audio->currentRow(), -1);
        deleteClip->click();
        QCOMPARE(photos->count(), 1);
        QCOMPARE(audio->count(), 1);
        QCOMPARE(window.photoKitEntries().size(), 1);
    }

    void scrollRange()
    {
        Lumaro window;
        window.resize(900, 733);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* shared = window.findChild<QScrollBar*>("horizontalScrollBar");
        auto* photos = window.findChild<PhotoListWidget*>("photoListWidget");
        auto* audio = window.findChild<AudioListWidget*>("audioListWidget");
        QCOMPARE(shared->minimum(), 0);
        QCOMPARE(shared->maximum(), 0); // both empty

        window.document()->addPhotos(-1, {photo("/p/a.jpg")});
        QVERIFY(photos->contentWidth() > 0);
        QVERIFY(photos->contentWidth() < shared->width() / 2);
        QCOMPARE(shared->maximum(), 0); // narrower than half the bar

        QList<AudioInfo> clips;
        for (int i = 0; i < 12; ++i)
            clips << clip(QString("/m/%1.mp3").arg(i), 60);
        window.document()->addClips(-1, clips);
        QTRY_VERIFY(audio->contentWidth() > shared->width());
        const int expected = audio->contentWidth() - shared->width() / 2;
        QCOMPARE(shared->maximum(), expected);
        QCOMPARE(shared->pageStep(), shared->width());
        QCOMPARE(photos->horizontalScrollBar()->maximum(), expected);
        QCOMPARE(audio->horizontalScrollBar()->maximum(), expected);
        shared->setValue(100); // one bar moves both strips
        QCOMPARE(photos->horizontalScrollBar()->value(), 100);
        QCOMPARE(audio->horizontalScrollBar()->value(), 100);
    }

    void kitEntries()
    {
        Lumaro window;
        AudioInfo longClip = clip("/music/Long Song.flac", 1200);
        longClip.startPoint = 1.5;
        longClip.endPoint = 1199.25;
        longClip.fadeIn = 1;
        longClip.loop = 0;
        window.document()->addClips(-1, {longClip});
        QCOMPARE(window.musicKitEntries().size(), 1);
        const FlashKitAudio entry = window.musicKitEntries().first();
        QCOMPARE(entry.time, QString("1.2e+06"));
        QCOMPARE(entry.startTime, QString("1500"));
        QCOMPARE(entry.endTime, QString("1.19925e+06"));
        QCOMPARE(entry.fadeIn, QString("1"));
        QCOMPARE(entry.fadeOut, QString("0"));
        QCOMPARE(entry.loop, QString("0"));
        QCOMPARE(entry.path, musicFolder() + "Long Song.mp3");
        QVERIFY(entry.size.isEmpty() && entry.fileName.isEmpty());
        QVERIFY(window.findChild<QToolButton*>("editMusic")->isEnabled());

        const ImageInfo first = photo("/p/x.y/beach.jpg");
        window.document()->addPhotos(-1, {first});
        QCOMPARE(window.photoKitEntries().first().path, workingCopyPath(first));
        QVERIFY(window.findChild<QToolButton*>("previewBtn")->isEnabled());
    }

    void orientationCommandsRewriteWorkspaceFiles()
    {
        Lumaro window;
        auto* photos = window.findChild<PhotoListWidget*>("photoListWidget");
        const ImageInfo info = photo("/p/wide.jpg");
        QVERIFY(ensurePhotoFolders());
        QImage wide(120, 60, QImage::Format_RGB32);
        wide.fill(Qt::green);
        QVERIFY(wide.save(workingCopyPath(info)) && wide.save(backupCopyPath(info)));
        QImage thumb = wide.scaled(80, 40);
        QVERIFY(thumb.save(thumbnailPath(info)) && thumb.save(backupThumbnailPath(info)));
        window.document()->addPhotos(-1, {info});
        photos->item(0)->setSelected(true);

        window.findChild<QToolButton*>("turnRight")->click();
        QCOMPARE(QImage(workingCopyPath(info)).size(), QSize(60, 120));
        QCOMPARE(QImage(thumbnailPath(info)).size(), QSize(40, 80));
        window.findChild<QToolButton*>("restore")->click();
        QCOMPARE(QImage(workingCopyPath(info)).size(), QSize(120, 60));
        QCOMPARE(QImage(thumbnailPath(info)).size(), QSize(80, 40));
        QVERIFY(window.findChild<QToolButton*>("turnLeft")->isEnabled()); // still selected
    }

    // A Control-drag copy is a photo of its own: turning one leaves the other's working copy
    // (what it publishes) and icon as they were, and restoring the other leaves the first
    // turned. A copy that cannot be made is reported and left out, never shared.
    void copiedPhotoOwnsItsFiles()
    {
        Lumaro window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* photos = window.findChild<PhotoListWidget*>("photoListWidget");
        QTemporaryDir dir;
        QImage wide(120, 60, QImage::Format_RGB32);
        wide.fill(Qt::blue);
        QPainter(&wide).fillRect(0, 0, 60, 30, Qt::red);
        QVERIFY(wide.save(dir.filePath("wide.jpg")));
        ImageInfo info;
        info.path = dir.filePath("wide.jpg");
        QVERIFY(ImageReader::readImageInfo(info));
        window.document()->addPhotos(-1, {info});
        QStringList alerts;
        const auto previous = VelMessageBox::setHandler(
            [&](VelMessageBox::Kind, const QString& text, const QString&) {
                alerts << text;
                return 0;
            });
        const QPoint at = photos->hintRect().center();
        const Qt::KeyboardModifiers control = Qt::ControlModifier;
        StripEvents::Outcome out;
        StripEvents::routeDrags(photos, &at, &control, &out);
        const auto copyFirst = [&] {
            photos->clearSelection();
            photos->item(0)->setSelected(true);
            StripEvents::pressAndPull(photos, photos->visualItemRect(photos->item(0)).center());
        };
        const auto select = [&](int row) {
            photos->clearSelection();
            photos->item(row)->setSelected(true);
        };
        copyFirst();
        QVERIFY(out.dropped);
        QCOMPARE(photos->count(), 2);
        const QImage picture(window.photoKitEntries().at(1).path);
        const QSize size = QImage(workingCopyPath(info)).size();
        QVERIFY(size.width() > size.height());
        QCOMPARE(picture.size(), size);
        const QImage icon = photos->item(1)->data(Qt::DecorationRole).value<QImage>();

        select(0);
        window.findChild<QToolButton*>("turnRight")->click();
        const ImageInfo first = window.document()->photos().at(0);
        QCOMPARE(QImage(workingCopyPath(first)).size(), size.transposed());
        QCOMPARE(QImage(window.photoKitEntries().at(1).path), picture);
        QCOMPARE(QImage(workingCopyPath(window.document()->photos().at(1))), picture);
        QCOMPARE(photos->item(1)->data(Qt::DecorationRole).value<QImage>(), icon);

        select(1);
        window.findChild<QToolButton*>("restore")->click();
        QCOMPARE(QImage(workingCopyPath(first)).size(), size.transposed());
        QCOMPARE(QImage(thumbnailPath(first)).size().transposed(),
                 QImage(backupThumbnailPath(first)).size());
        QVERIFY(alerts.isEmpty());

        QVERIFY(QFile::remove(workingCopyPath(first)));
        copyFirst();
        VelMessageBox::setHandler(previous);
        QCOMPARE(photos->count(), 2);
        QCOMPARE(alerts.size(), 1);
        QVERIFY2(alerts.first().contains("wide.jpg"), qPrintable(alerts.first()));
    }

    // A working copy that cannot be rewritten is reported, not passed over in silence.
    void failedResaveIsReported()
    {
        Lumaro window;
        auto* photos = window.findChild<PhotoListWidget*>("photoListWidget");
        window.document()->addPhotos(-1, {photo("/p/gone.jpg")}); // no working copies
        photos->item(0)->setSelected(true);
        QStringList alerts;
        const auto previous = VelMessageBox::setHandler(
            [&](VelMessageBox::Kind, const QString& text, const QString&) {
                alerts << text;
                return 0;
            });
        window.findChild<QToolButton*>("mirror")->click();
        VelMessageBox::setHandler(previous);
        QCOMPARE(alerts.size(), 1);
        QVERIFY2(alerts.first().contains("gone.jpg"), qPrintable(alerts.first()));
    }

    void closeDeletesTheWorkspaceOnly()
    {
        const QString parent = home->filePath("data");
        const QString workspace = parent + "/" + WorkspaceFolderName;
        {
            Lumaro window;
            QVERIFY(QDir(musicFolder()).exists()); // made at start-up
            QFile file(workspace + "/photos/a.jpg");
            QDir().mkpath(workspace + "/photos");
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.close();
            window.show();
            window.close();
        }
        QVERIFY(!QDir(workspace).exists());
        QVERIFY(!QDir(parent).exists()); // emptied parent removed too
        QVERIFY(QDir(home->path()).exists());

        // A hand-edited setting pointing at the user's own folder is refused.
        const QString mine = home->filePath("My Photos");
        QDir().mkpath(mine);
        QFile precious(mine + "/holiday.jpg");
        QVERIFY(precious.open(QIODevice::WriteOnly));
        precious.close();
        VelPref::instance()->setValue(PrefKey::Temporary, mine);
        {
            Lumaro window;
            window.show();
            window.close();
        }
        QVERIFY(QFile::exists(mine + "/holiday.jpg"));
    }

    void skinChoiceAtFirstStart()
    {
        QTemporaryDir apps;
        QDir().mkpath(apps.filePath("skins/Brenlow"));
        QDir().mkpath(apps.filePath("skins/kzo"));
        Vel::setApplicationFolder(apps.path());
        VelPref::instance()->remove(PrefKey::LastSkin);
        {
            Lumaro window;
            QCOMPARE(VelPref::instance()->value(PrefKey::LastSkin).toString(), QString("kzo"));
        }
        VelPref::instance()->setValue(PrefKey::LastSkin, "removed-skin");
        {
            Lumaro window; // a stored choice is kept even when that skin is gone
            QCOMPARE(VelPref::instance()->value(PrefKey::LastSkin).toString(),
                     QString("removed-skin"));
        }
        QDir(apps.filePath("skins")).removeRecursively();
        VelPref::instance()->remove(PrefKey::LastSkin);
        QFile log(TestFiles::logPath());
        log.remove();
        {
            Lumaro window;
            QVERIFY(VelPref::instance()->value(PrefKey::LastSkin).toString().isEmpty());
        }
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QByteArray text = log.readAll();
        QVERIFY2(text.contains("): in Lumaro::initSkin") && text.contains("no skin exist"),
                 text.constData());
        Vel::setApplicationFolder(QString(LUMARO_TEST_APP_DIR));
    }

    void templateChangeFindsTheMovieBesideThePicture()
    {
        Lumaro window;
        auto* panel = window.findChild<MenuTemplateSelectionFrame*>("templateFrame");
        emit panel->templateSelectionChanged("/opt/tpl.v2/version1/Magic Cube.jpg");
        QCOMPARE(window.currentTemplateName(), QString("Magic Cube"));
        QCOMPARE(window.currentTemplateMoviePath(), QString("/opt/tpl.v2/version1/Magic Cube.swf"));
    }

private:
    std::unique_ptr<QTemporaryDir> home;
};

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestLumaro test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_lumaro.moc"
