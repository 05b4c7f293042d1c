// The Preferences dialog: what it shows and stores, its checks and alerts, and moving the
// workspace with the files of the slideshow: the complete move, and the failed, refused and
// cancelled ones that must leave everything as it was.
#include "document/slideshow.h"
#include "platform/velfc/core/velpref.h"
#include "platform/velfc/velmessagebox.h"
#include "prefs/preferences.h"
#include "support/fullfilesystem.h"
#include "workspacefixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

#include <QSemaphore>
#include <atomic>
#include <memory>

using namespace WorkspaceFixture;

namespace {
// The move names each photo on the debug channel before copying it; a test can stop the copy
// there until the window has done something.
std::function<void()> onPhoto;
QString watchedName;
QtMessageHandler previousHandler = nullptr;

void watch(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (onPhoto && type == QtDebugMsg && message.contains(watchedName)) {
        onPhoto();
        return;
    }
    previousHandler(type, context, message);
}

QPushButton* button(Preferences& dialog, QDialogButtonBox::StandardButton which)
{
    return dialog.findChild<QDialogButtonBox*>("buttonBox")->button(which);
}
} // namespace

class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

class TestPreferences : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        previousHandler = qInstallMessageHandler(watch);
        VelMessageBox::setHandler([this](VelMessageBox::Kind, const QString& text, const QString&) {
            alerts << text;
            return 0;
        });
    }

    void init()
    {
        dir.reset(new QTemporaryDir);
        alerts.clear();
        onPhoto = nullptr;
        VelPref::instance()->open(dir->filePath("lumaro.ini"));
        oldParent = dir->filePath("old");
        oldWorkspace = oldParent + "/" + WorkspaceFolderName;
        VelPref::instance()->setValue(PrefKey::TemporaryDir, oldParent);
        VelPref::instance()->setValue(PrefKey::Temporary, oldWorkspace);
        show.reset(new Slideshow);
        names.clear();
    }

    void cleanup()
    {
        onPhoto = nullptr;
        Preferences::setRemovalHook(nullptr);
        QFile::setPermissions(dir->filePath("new/") + WorkspaceFolderName + "/photos/bak",
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void openingWithNothingStored()
    {
        VelPref::instance()->remove(PrefKey::TemporaryDir);
        VelPref::instance()->remove(PrefKey::Temporary);
        Preferences dialog(nullptr, show.get());
        const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QCOMPARE(dialog.findChild<QLineEdit*>("lineEdit")->text(), data);
        QCOMPARE(dialog.workspace(), data + "/" + WorkspaceFolderName);
        QCOMPARE(dialog.findChild<QComboBox*>("afterBurnAction")->currentText(),
                 QString("Do Nothing"));
        QVERIFY(dialog.findChild<QCheckBox*>("checkUpdate")->isChecked());
        QCOMPARE(dialog.findChild<QComboBox*>("updateFreq")->currentText(), QString("Every Day"));
        QVERIFY(dialog.findChild<QComboBox*>("updateFreq")->isEnabled());
        QVERIFY(!button(dialog, QDialogButtonBox::Apply)->isEnabled());
        QVERIFY(dialog.findChild<QCheckBox*>("checkUpdate")->toolTip().contains("does not check"));
    }

    // Stored values are shown by their rows and stored back by the rows' own values, with the
    // folder unchanged: nothing moves.
    void storedSettingsRoundTrip_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("actionRow");
        QTest::addColumn<int>("actionBack");
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("daysRow");
        QTest::addColumn<int>("daysBack");
        QTest::addColumn<bool>("check");
        QTest::newRow("unknown action 3")
            << 3 << "Do Nothing" << 5 << 1 << "Every Day" << 1 << true;
        QTest::newRow("quit") << 0 << "Exit Program" << 0 << 7 << "Every Week" << 7 << true;
        QTest::newRow("stand by") << 1 << "Stand By" << 1 << 30 << "Every Month" << 30 << false;
        QTest::newRow("hibernate, 14 days")
            << 2 << "Hibernate" << 2 << 14 << "Every Week" << 7 << true;
        QTest::newRow("shut down") << 4 << "Shut Down" << 4 << 0 << "Every Week" << 7 << false;
    }
    void storedSettingsRoundTrip()
    {
        QFETCH(int, action);
        QFETCH(QString, actionRow);
        QFETCH(int, actionBack);
        QFETCH(int, days);
        QFETCH(QString, daysRow);
        QFETCH(int, daysBack);
        QFETCH(bool, check);
        VelPref* pref = VelPref::instance();
        pref->setValue(PrefKey::AfterPublishingAction, action);
        pref->setValue(PrefKey::UpdateInterval, days);
        pref->setValue(PrefKey::AutoUpdateEnable, check);
        const QString a = addPhoto("a");
        QVERIFY(!a.isEmpty());

        Preferences dialog(nullptr, show.get());
        QCOMPARE(dialog.findChild<QComboBox*>("afterBurnAction")->currentText(), actionRow);
        QCOMPARE(dialog.findChild<QComboBox*>("updateFreq")->currentText(), daysRow);
        QCOMPARE(dialog.findChild<QComboBox*>("updateFreq")->isEnabled(), check);
        button(dialog, QDialogButtonBox::Ok)->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(pref->value(PrefKey::AfterPublishingAction).toInt(), actionBack);
        QCOMPARE(pref->value(PrefKey::UpdateInterval).toInt(), daysBack);
        QCOMPARE(pref->value(PrefKey::AutoUpdateEnable).toBool(), check);
        QCOMPARE(pref->value(PrefKey::Temporary).toString(), oldWorkspace);
        QCOMPARE(show->photoEntries().first().path, oldWorkspace + "/photos/" + a);
        QCOMPARE(filesUnder(oldWorkspace), photoFiles({a}));
        QVERIFY(alerts.isEmpty());
    }

    void resetThenCancelChangesNothing()
    {
        VelPref::instance()->setValue(PrefKey::AfterPublishingAction, 0);
        VelPref::instance()->setValue(PrefKey::AutoUpdateEnable, false);
        const QString before = TestFiles::read(dir->filePath("lumaro.ini"));
        Preferences dialog(nullptr, show.get());
        dialog.findChild<QPushButton*>("resetToDefault")->click();
        QCOMPARE(dialog.findChild<QLineEdit*>("lineEdit")->text(),
                 QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        QCOMPARE(dialog.findChild<QComboBox*>("afterBurnAction")->currentText(),
                 QString("Do Nothing"));
        QVERIFY(button(dialog, QDialogButtonBox::Apply)->isEnabled());
        button(dialog, QDialogButtonBox::Cancel)->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(TestFiles::read(dir->filePath("lumaro.ini")), before.toUtf8());
    }

    void typingFilter_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QChar>("typed");
        QTest::addColumn<QString>("after");
        QTest::newRow("colon in a valid path") << "/tmp/a" << QChar(':') << "/tmp/a";
        QTest::newRow("star in a relative path") << "rel" << QChar('*') << "rel";
        QTest::newRow("separator") << "/tmp/a" << QChar('/') << "/tmp/a/";
        QTest::newRow("first separator") << "" << QChar('/') << "/";
        QTest::newRow("backslash in a valid path") << "/tmp/a" << QChar('\\') << "/tmp/a\\";
        QTest::newRow("hash is not filtered") << "/tmp/a" << QChar('#') << "/tmp/a#";
    }
    void typingFilter()
    {
        QFETCH(QString, before);
        QFETCH(QChar, typed);
        QFETCH(QString, after);
        Preferences dialog(nullptr, show.get());
        dialog.show();
        auto* edit = dialog.findChild<QLineEdit*>("lineEdit");
        edit->setText(before);
        edit->setCursorPosition(before.size());
        QTest::keyClicks(edit, QString(typed));
        QCOMPARE(edit->text(), after);
        QVERIFY(button(dialog, QDialogButtonBox::Apply)->isEnabled());
        if (before + typed != after)
            QCOMPARE(QToolTip::text(),
                     QString("The file name cannot contain one of these characters::*?\"<>|\\"));
    }

    void browseAndOpen()
    {
        Preferences dialog(nullptr, show.get());
        QString asked;
        Preferences::setFolderChooser([&](QWidget*, const QString& title, const QString& start) {
            asked = title + "|" + start;
            return dir->filePath("chosen");
        });
        dialog.findChild<QPushButton*>("browse")->click();
        Preferences::setFolderChooser(nullptr);
        QCOMPARE(asked, "Select one folder|" + oldParent);
        auto* edit = dialog.findChild<QLineEdit*>("lineEdit");
        QCOMPARE(edit->text(), dir->filePath("chosen"));
        QVERIFY(!button(dialog, QDialogButtonBox::Apply)->isEnabled());

        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("file", &catcher, "open");
        dialog.findChild<QPushButton*>("open")->click(); // made, then opened
        QVERIFY(QDir(dir->filePath("chosen")).exists());
        QCOMPARE(catcher.opened, QList<QUrl>{QUrl::fromLocalFile(dir->filePath("chosen"))});
        QVERIFY(TestFiles::write(dir->filePath("plain file"), "x"));
        edit->setText(dir->filePath("plain file/sub"));
        dialog.findChild<QPushButton*>("open")->click();
        QDesktopServices::unsetUrlHandler("file");
        QCOMPARE(alerts,
                 QStringList{"Failed to open folder \"" + dir->filePath("plain file/sub") + "\"."});
    }

    // Browse starts in the stored parent folder; without one, in the workspace itself.
    void browseStart_data()
    {
        QTest::addColumn<QVariant>("stored"); // invalid: not stored at all
        QTest::addColumn<bool>("atWorkspace");
        QTest::newRow("stored") << QVariant() << false;
        QTest::newRow("not stored") << QVariant() << true;
        QTest::newRow("stored empty") << QVariant(QString()) << true;
    }
    void browseStart()
    {
        QFETCH(QVariant, stored);
        QFETCH(bool, atWorkspace);
        if (atWorkspace) {
            VelPref::instance()->remove(PrefKey::TemporaryDir);
            if (stored.isValid())
                VelPref::instance()->setValue(PrefKey::TemporaryDir, stored);
        }
        Preferences dialog(nullptr, show.get());
        QString start;
        Preferences::setFolderChooser([&](QWidget*, const QString&, const QString& folder) {
            start = folder;
            return QString();
        });
        dialog.findChild<QPushButton*>("browse")->click();
        Preferences::setFolderChooser(nullptr);
        QCOMPARE(start, atWorkspace ? oldWorkspace : oldParent);
    }

    // Refused folders: the alert, nothing stored, nothing moved, the dialog stays open.
    void refusals_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("alert");
        QTest::addColumn<bool>("restored");
        const QString incorrect = "The selected path is incorrect, please select again.";
        QTest::newRow("relative") << "photos" << incorrect << true;
        QTest::newRow("unclean") << "@/x/../y" << incorrect << true;
        QTest::newRow("forbidden character") << "@/a#b" << incorrect << true;
        QTest::newRow("empty") << "" << incorrect << true;
        QTest::newRow("cannot be made") << "@/plain file/sub" << incorrect << false;
        QTest::newRow("read-only") << "/proc"
                                   << "The selected folder is read-only, please select "
                                      "other folder."
                                   << false;
        QTest::newRow("inside the workspace")
            << "@/old/" + QString(WorkspaceFolderName) + "/sub" << incorrect << true;
        QTest::newRow("the workspace itself")
            << "@/old/" + QString(WorkspaceFolderName) << incorrect << true;
        QTest::newRow("holding the workspace") << "@" << incorrect << true;
    }
    void refusals()
    {
        QFETCH(QString, typed);
        QFETCH(QString, alert);
        QFETCH(bool, restored);
        typed.replace("@", dir->path());
        if (QTest::currentDataTag() == QByteArray("holding the workspace")) {
            // The stored workspace lies deeper inside the one the folder would hold.
            oldParent = dir->path() + "/" + WorkspaceFolderName + "/deep";
            oldWorkspace = oldParent + "/" + WorkspaceFolderName;
            VelPref::instance()->setValue(PrefKey::TemporaryDir, oldParent);
            VelPref::instance()->setValue(PrefKey::Temporary, oldWorkspace);
        }
        QVERIFY(TestFiles::write(dir->filePath("plain file"), "x"));
        const QString a = addPhoto("a");
        QVERIFY(!a.isEmpty());
        VelPref::instance()->setValue(PrefKey::AfterPublishingAction, 0);
        const QByteArray before = TestFiles::read(dir->filePath("lumaro.ini"));

        Preferences dialog(nullptr, show.get());
        dialog.show();
        auto* edit = dialog.findChild<QLineEdit*>("lineEdit");
        edit->setText(typed);
        dialog.findChild<QComboBox*>("afterBurnAction")->setCurrentIndex(2);
        button(dialog, QDialogButtonBox::Ok)->click();
        QCOMPARE(alerts, QStringList{alert});
        QVERIFY(dialog.isVisible());
        QCOMPARE(edit->text(), restored ? oldParent : typed);
        QCOMPARE(edit->selectedText(), edit->text());
        QCOMPARE(TestFiles::read(dir->filePath("lumaro.ini")), before);
        QCOMPARE(filesUnder(oldWorkspace), photoFiles({a}));
        QCOMPARE(show->photoEntries().first().path, oldWorkspace + "/photos/" + a);
    }

    // A folder that reaches the same workspace through a link: nothing moves, nothing goes.
    void sameWorkspaceByAnotherNameMovesNothing()
    {
        const QString a = addPhoto("a");
        QVERIFY(!a.isEmpty());
        QVERIFY(QFile::link(oldParent, dir->filePath("alias")));
        Preferences dialog(nullptr, show.get());
        dialog.findChild<QLineEdit*>("lineEdit")->setText(dir->filePath("alias"));
        button(dialog, QDialogButtonBox::Apply)->setEnabled(true);
        button(dialog, QDialogButtonBox::Apply)->click();
        QVERIFY(alerts.isEmpty());
        QCOMPARE(filesUnder(oldWorkspace), photoFiles({a}));
        QCOMPARE(VelPref::instance()->value(PrefKey::TemporaryDir).toString(),
                 dir->filePath("alias"));
        QVERIFY(!button(dialog, QDialogButtonBox::Apply)->isEnabled());
    }

    void newFolderWithEmptyLists()
    {
        QVERIFY(QDir().mkpath(oldWorkspace + "/photos/bak"));
        QVERIFY(QDir().mkpath(oldWorkspace + "/background music"));
        QVERIFY(TestFiles::write(oldWorkspace + "/playdata.xml", "<x/>"));
        Preferences dialog(nullptr, show.get());
        const QString target = dir->filePath("new");
        dialog.findChild<QLineEdit*>("lineEdit")->setText(target);
        button(dialog, QDialogButtonBox::Ok)->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(VelPref::instance()->value(PrefKey::TemporaryDir).toString(), target);
        QCOMPARE(VelPref::instance()->value(PrefKey::Temporary).toString(),
                 target + "/" + WorkspaceFolderName);
        QVERIFY(QDir(target).exists());
        QVERIFY(!QFileInfo::exists(target + "/" + WorkspaceFolderName));
        // Only the empty folders went; the file and the folder holding it stay.
        QCOMPARE(filesUnder(oldParent),
                 QStringList{QString(WorkspaceFolderName) + "/playdata.xml"});
        QVERIFY(!QFileInfo::exists(oldWorkspace + "/photos"));
        QVERIFY(!QFileInfo::exists(oldWorkspace + "/background music"));
    }

    void moveOfThreePhotosAndOneClip()
    {
        fillWorkspace();
        Preferences dialog(nullptr, show.get());
        QList<int> bar;
        connect(dialog.progressDialog()->findChild<QProgressBar*>("progressBar"),
                &QProgressBar::valueChanged, this, [&bar](int value) { bar << value; });
        const QString target = dir->filePath("new");
        dialog.findChild<QLineEdit*>("lineEdit")->setText(target);
        button(dialog, QDialogButtonBox::Ok)->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(alerts.isEmpty());
        QCOMPARE(bar, (QList<int>{25, 50, 75, 100}));

        const QString moved = target + "/" + WorkspaceFolderName;
        QCOMPARE(filesUnder(moved).size(), 13);
        QCOMPARE(filesUnder(moved), expectedFiles());
        for (const FlashKitPhoto& entry : show->photoEntries()) {
            QVERIFY(entry.path.startsWith(moved + "/photos/"));
            QVERIFY(QFileInfo::exists(entry.path));
        }
        QCOMPARE(show->musicEntries().first().path, moved + "/background music/song.mp3");
        QCOMPARE(TestFiles::read(show->musicEntries().first().path).left(8),
                 QByteArray("song.mp3"));
        QVERIFY(!QFileInfo::exists(oldWorkspace));
        QVERIFY(!QFileInfo::exists(oldParent)); // emptied, so it went too
        QVERIFY(QDir(dir->path()).exists());
        QCOMPARE(VelPref::instance()->value(PrefKey::Temporary).toString(), moved);
        QCOMPARE(VelPref::instance()->value(PrefKey::TemporaryDir).toString(), target);
        QCOMPARE(dialog.workspace(), moved);
    }

    // Deleting the old workspace takes seconds with many photos: the window keeps handling its
    // events meanwhile, under the progress, and the move returns only when the old place is gone.
    void windowRunsWhileTheOldWorkspaceGoes()
    {
        fillWorkspace();
        Preferences dialog(nullptr, show.get());
        dialog.show();
        PreferencesProgress* progress = dialog.progressDialog();
        std::atomic<bool> removing{false};
        bool progressShown = false;
        QSemaphore ticked;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&] {
            if (!removing || ticked.available())
                return;
            progressShown = progress->isVisible();
            ticked.release();
        });
        ticker.start(5);
        QString removed;
        bool heldUntilTicked = false;
        Preferences::setRemovalHook([&](const QString& workspace) {
            removed = workspace;
            removing = true;
            heldUntilTicked = ticked.tryAcquire(1, 5000);
            removing = false;
        });
        dialog.findChild<QLineEdit*>("lineEdit")->setText(dir->filePath("new"));
        button(dialog, QDialogButtonBox::Ok)->click();
        QCOMPARE(removed, oldWorkspace);
        QVERIFY(heldUntilTicked);
        QVERIFY(progressShown);
        QVERIFY(!QFileInfo::exists(oldWorkspace));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!progress->isVisible());
        QVERIFY(alerts.isEmpty());
        QCOMPARE(filesUnder(dir->filePath("new/") + WorkspaceFolderName), expectedFiles());
    }

    void failedCopyKeepsEverything_data()
    {
        QTest::addColumn<QString>("blocker"); // empty: a destination disk too small for the clip
        QTest::addColumn<bool>("needsPermissions");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder in the way of the clip")
            << "background music/song.mp3" << false << "Another file of that name is in the way.";
        QTest::newRow("read-only destination") << "photos/bak" << true << "Permission denied";
        QTest::newRow("full disk") << "" << false << "No space left on the device holding \"%1\"";
    }
    void failedCopyKeepsEverything()
    {
        QFETCH(QString, blocker);
        QFETCH(bool, needsPermissions);
        QFETCH(QString, reason);
        if (needsPermissions && !permissionsBind())
            QSKIP("running as root: permissions do not stop the copy");
        fillWorkspace();
        const QList<FlashKitPhoto> photosBefore = show->photoEntries();
        const QByteArray settingsBefore = TestFiles::read(dir->filePath("lumaro.ini"));
        QString target = dir->filePath("new");
        std::unique_ptr<FullFilesystem> disk;
        if (blocker.isEmpty()) {
            // The photos' twelve files fit, a page each; the clip does not.
            disk = std::make_unique<FullFilesystem>(64 * 1024);
            if (!disk->isValid())
                QSKIP(qPrintable(disk->whyNot()));
            target = disk->path() + "/new";
        }
        const QString moved = target + "/" + WorkspaceFolderName;
        if (!blocker.isEmpty())
            QVERIFY(QDir().mkpath(moved + "/" + blocker));
        if (needsPermissions)
            QVERIFY(
                QFile::setPermissions(moved + "/" + blocker, QFile::ReadOwner | QFile::ExeOwner));

        Preferences dialog(nullptr, show.get());
        dialog.show();
        dialog.findChild<QLineEdit*>("lineEdit")->setText(target);
        button(dialog, QDialogButtonBox::Ok)->click();
        QVERIFY(dialog.isVisible());
        QCOMPARE(alerts.size(), 1);
        const QString failed =
            oldWorkspace + (blocker.isEmpty() ? "/background music/song.mp3" : "/");
        QVERIFY2(alerts.first().startsWith("The temporary folder was not moved: \"" + failed),
                 qPrintable(alerts.first()));
        QVERIFY2(alerts.first().contains("(" + QString(reason).replace("%1", moved) + ")"),
                 qPrintable(alerts.first()));
        QCOMPARE(TestFiles::read(dir->filePath("lumaro.ini")), settingsBefore);
        const QList<FlashKitPhoto> photos = show->photoEntries();
        QCOMPARE(photos.size(), photosBefore.size());
        for (int i = 0; i < photos.size(); ++i) {
            QCOMPARE(photos.at(i).path, photosBefore.at(i).path);
            QVERIFY(QFileInfo::exists(photos.at(i).path));
        }
        QCOMPARE(show->musicEntries().first().path, oldWorkspace + "/background music/song.mp3");
        QCOMPARE(filesUnder(oldWorkspace), expectedFiles());
        QCOMPARE(filesUnder(moved), QStringList()); // the partial copy is gone
        QCOMPARE(dialog.workspace(), oldWorkspace);
    }

    // Cancel before the copy starts: nothing copied, nothing stored.
    void cancelBeforeTheCopyStoresNothing()
    {
        fillWorkspace();
        const QByteArray settingsBefore = TestFiles::read(dir->filePath("lumaro.ini"));
        Preferences dialog(nullptr, show.get());
        dialog.show();
        dialog.findChild<QLineEdit*>("lineEdit")->setText(dir->filePath("new"));
        PreferencesProgress* progress = dialog.progressDialog();
        QTimer::singleShot(0, progress,
                           [progress] { progress->findChild<QPushButton*>("Cancel")->click(); });
        button(dialog, QDialogButtonBox::Ok)->click();
        QVERIFY(dialog.isVisible());
        QVERIFY(alerts.isEmpty());
        QCOMPARE(TestFiles::read(dir->filePath("lumaro.ini")), settingsBefore);
        QVERIFY(!QFileInfo::exists(dir->filePath("new/") + WorkspaceFolderName));
        QCOMPARE(filesUnder(oldWorkspace), expectedFiles());
        QCOMPARE(show->musicEntries().first().path, oldWorkspace + "/background music/song.mp3");
    }

    // The window keeps working while the copy runs: its progress shows and Cancel, pressed
    // half-way, stops the copy and rolls it back.
    void cancelDuringTheCopyRollsBack()
    {
        fillWorkspace();
        const QByteArray settingsBefore = TestFiles::read(dir->filePath("lumaro.ini"));
        Preferences dialog(nullptr, show.get());
        dialog.show();
        dialog.findChild<QLineEdit*>("lineEdit")->setText(dir->filePath("new"));
        PreferencesProgress* progress = dialog.progressDialog();
        auto* bar = progress->findChild<QProgressBar*>("progressBar");
        std::atomic<int> seenWhileCopying{-1};
        QSemaphore handled;
        watchedName = "photos/" + names.at(2);
        onPhoto = [&] {
            // On the copying thread, between two photos: let the window act, then go on.
            QMetaObject::invokeMethod(progress, [&] {
                seenWhileCopying = bar->value();
                progress->findChild<QPushButton*>("Cancel")->click();
                handled.release();
            });
            handled.acquire();
        };
        button(dialog, QDialogButtonBox::Ok)->click();
        onPhoto = nullptr;
        QTRY_COMPARE(seenWhileCopying.load(), 50);
        QVERIFY(!progress->isVisible());
        QVERIFY(dialog.isVisible());
        QVERIFY(alerts.isEmpty());
        QCOMPARE(TestFiles::read(dir->filePath("lumaro.ini")), settingsBefore);
        QVERIFY(!QFileInfo::exists(dir->filePath("new/") + WorkspaceFolderName));
        QCOMPARE(filesUnder(oldWorkspace), expectedFiles());
        QCOMPARE(show->photoEntries().first().path, oldWorkspace + "/photos/" + names.first());
    }

private:
    // A photo of the slideshow with its four files in the old workspace; its file name there.
    QString addPhoto(const QString& base)
    {
        ImageInfo info;
        info.id = QUuid::createUuid();
        info.path = "/pictures/" + base + ".jpg";
        show->addPhotos(-1, {info});
        const QString name = QFileInfo(workingCopyPath(info)).fileName();
        return writePhoto(oldWorkspace, name) ? name : QString();
    }

    void fillWorkspace()
    {
        for (const char* base : {"a", "b", "c"}) {
            names << addPhoto(base);
            QVERIFY(!names.last().isEmpty());
        }
        QVERIFY(writeMusic(oldWorkspace, "song.mp3"));
        AudioInfo clip;
        clip.filePath = "/music/song.mp3";
        show->addClips(-1, {clip});
    }
    QStringList expectedFiles() const
    {
        QStringList files = photoFiles(names) << "background music/song.mp3";
        files.sort();
        return files;
    }

    std::unique_ptr<QTemporaryDir> dir;
    QStringList alerts;
    QString oldParent;
    QString oldWorkspace;
    std::unique_ptr<Slideshow> show;
    QStringList names; // the photos' file names in the workspace
};

QTEST_MAIN(TestPreferences)
#include "tst_preferences.moc"
