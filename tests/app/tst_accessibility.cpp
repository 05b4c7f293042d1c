// What a screen reader and a keyboard user meet: every control of the window and of each dialog
// has a name, a strip item says what it is, and the strips work from the keyboard alone.
#include "app/importprogress.h"
#include "app/lumaro.h"
#include "audio/audioeditdialog.h"
#include "audio/audiolistwidget.h"
#include "common/workspace.h"
#include "flashkit/publishsetting.h"
#include "photos/photolistwidget.h"
#include "platform/velfc/core/vel.h"
#include "platform/velfc/core/velpref.h"
#include "platform/velfc/velmessagebox.h"
#include "platform/velfc/velpowerstate.h"
#include "prefs/preferences.h"
#include "prefs/preferencesprogress.h"
#include "support/accessiblewalk.h"
#include "widgets/loadfaileddialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QUndoStack>

#include <QApplication>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
ImageInfo photo(const QString& path, QVector<qint32> operations = {})
{
    ImageInfo info;
    info.id = QUuid::createUuid();
    info.path = path;
    info.operations = operations;
    info.thumbnail = QImage(80, 60, QImage::Format_ARGB32);
    info.thumbnail.fill(Qt::gray);
    info.rotatedThumbnail = info.thumbnail;
    return info;
}

AudioInfo clip(const QString& path, double seconds, double start, double end)
{
    AudioInfo info;
    info.filePath = path;
    info.duration = seconds;
    info.startPoint = start;
    info.endPoint = end;
    info.sampleRate = 44100;
    info.codecName = "mp3";
    return info;
}

// A real picture under each workspace name of `info`, so that turns and copies can be made.
bool writeWorkspaceFiles(const ImageInfo& info)
{
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    for (const QString& path : {workingCopyPath(info), backupCopyPath(info), thumbnailPath(info),
                                backupThumbnailPath(info)}) {
        QDir().mkpath(QFileInfo(path).path());
        if (!picture.save(path, "JPG"))
            return false;
    }
    return true;
}
} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Vel::setApplicationFolder(QString(LUMARO_TEST_APP_DIR));
        home.reset(new QTemporaryDir);
        VelPref::instance()->open(home->filePath("lumaro.ini"));
        VelPref::instance()->setValue(PrefKey::LastSkin, "plenvo");
        VelPref::instance()->setValue(PrefKey::TemporaryDir, home->filePath("data"));
        VelPref::instance()->setValue(PrefKey::Temporary,
                                      QString(home->filePath("data/") + WorkspaceFolderName));
    }

    void everyControlHasAName_data()
    {
        QTest::addColumn<QString>("window");
        for (const char* name :
             {"main window", "publish settings", "edit audio", "preferences",
              "preferences progress", "load failed", "import progress", "power state", "about"})
            QTest::newRow(name) << QString(name);
    }
    void everyControlHasAName()
    {
        QFETCH(QString, window);
        Slideshow show;
        std::unique_ptr<QWidget> shown;
        if (window == "main window") {
            auto* main = new Lumaro;
            main->document()->addPhotos(-1, {photo("/p/a.jpg"), photo("/p/b.jpg")});
            main->document()->addClips(-1, {clip("/m/one.mp3", 60, 0, 60)});
            shown.reset(main);
        } else if (window == "publish settings") {
            shown.reset(new PublishSetting);
        } else if (window == "edit audio") {
            shown.reset(new AudioEditDialog({}, nullptr));
        } else if (window == "preferences") {
            shown.reset(new Preferences(nullptr, &show));
        } else if (window == "preferences progress") {
            shown.reset(new PreferencesProgress);
        } else if (window == "load failed") {
            auto* report = new LoadFailedDialog(nullptr);
            report->addFailedFiles({QString("/a/x.jpg")});
            shown.reset(report);
        } else if (window == "import progress") {
            shown.reset(new ImportProgress(true, nullptr));
        } else if (window == "power state") {
            shown.reset(new VelPowerState(0));
        } else if (window == "about") {
            VelMessageBox::info("Lumaro 1.0", "About Lumaro", nullptr, false);
            for (QWidget* each : QApplication::topLevelWidgets()) {
                if (qobject_cast<QMessageBox*>(each))
                    shown.reset(each);
            }
        }
        QVERIFY(shown);
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
        const QStringList unnamed = AccessibleWalk::unnamedControls(shown.get());
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join("\n")));
    }

    // No two commands of the window share a key, and a picture button's tool tip shows its key.
    void shortcutsAreDistinctAndShown()
    {
        Lumaro window;
        QMap<QString, QString> owner;
        const auto claim = [&owner](const QKeySequence& keys, const QString& name) {
            if (keys.isEmpty())
                return QString();
            const QString text = keys.toString(QKeySequence::PortableText);
            const QString previous = owner.value(text);
            owner.insert(text, name);
            return previous.isEmpty() || previous == name ? QString()
                                                          : text + ": " + previous + ", " + name;
        };
        QStringList clashes;
        for (QAction* action : window.findChildren<QAction*>()) {
            for (const QKeySequence& keys : action->shortcuts())
                clashes << claim(keys, action->objectName() + "/" + action->text());
        }
        for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
            clashes << claim(button->shortcut(), button->objectName());
            if (!button->shortcut().isEmpty())
                QVERIFY2(button->toolTip().contains(
                             button->shortcut().toString(QKeySequence::NativeText)),
                         qPrintable(button->objectName() + ": " + button->toolTip()));
        }
        clashes.removeAll(QString());
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join("\n")));
        for (const char* name : {"importPicture", "importPictureDir", "importAudio", "turnLeft",
                                 "turnRight", "previewBtn", "publishBtn", "editMusic"})
            QVERIFY2(!window.findChild<QAbstractButton*>(name)->shortcut().isEmpty(), name);
    }

    // The item text a screen reader reads when the item gets the focus.
    void stripItemsSayWhatTheyAre_data()
    {
        QTest::addColumn<QString>("strip");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("said");
        QTest::newRow("photo") << "photoListWidget" << 0 << "Photo 1 of 3, a.jpg";
        QTest::newRow("turned") << "photoListWidget" << 1 << "Photo 2 of 3, b.jpg, turned right";
        QTest::newRow("upside down")
            << "photoListWidget" << 2 << "Photo 3 of 3, c d.png, upside down";
        QTest::newRow("whole clip")
            << "audioListWidget" << 0 << "Clip 1, one.mp3, 00:00:00 to 00:01:00";
        QTest::newRow("part of clip")
            << "audioListWidget" << 1 << "Clip 2, theme.mp3, 00:01:00 to 00:02:30";
    }
    void stripItemsSayWhatTheyAre()
    {
        QFETCH(QString, strip);
        QFETCH(int, row);
        QFETCH(QString, said);
        Lumaro window;
        Slideshow* doc = window.document();
        // The first photo is added last: the others' numbers must follow.
        doc->addPhotos(
            -1, {photo("/p/b.jpg", {TurnRight}), photo("/p/c d.png", {TurnRight, TurnRight})});
        doc->addPhotos(0, {photo("/p/a.jpg")});
        doc->addClips(-1, {clip("/m/one.mp3", 60, 0, 60), clip("/m/theme.mp3", 200, 60, 150)});
        auto* list = window.findChild<QListWidget*>(strip);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(list);
        QVERIFY(iface && iface->tableInterface());
        QAccessibleInterface* cell = iface->tableInterface()->cellAt(row, 0);
        QVERIFY(cell);
        QCOMPARE(cell->text(QAccessible::Name), said);
    }

    // Keys typed into a strip of the window (the window's own shortcuts take part): the order,
    // the selection and what the current item says after them, and the history steps they made.
    void stripKeys_data()
    {
        QTest::addColumn<QString>("strip");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("order");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("said");
        QTest::addColumn<int>("steps");
        const QString photos = "photoListWidget";
        const QString clips = "audioListWidget";
        QTest::newRow("arrows move") << photos << "Home Right Right Left"
                                     << "a b c d"
                                     << "1"
                                     << "Photo 2 of 4, b.jpg" << 0;
        QTest::newRow("shift extends") << photos << "Home Right Shift+Right"
                                       << "a b c d"
                                       << "1 2"
                                       << "Photo 3 of 4, c.jpg" << 0;
        QTest::newRow("ctrl+right moves") << photos << "Home Right Ctrl+Right"
                                          << "a c b d"
                                          << "2"
                                          << "Photo 3 of 4, b.jpg" << 1;
        QTest::newRow("ctrl+left moves") << photos << "End Ctrl+Left Ctrl+Left"
                                         << "a d b c"
                                         << "1"
                                         << "Photo 2 of 4, d.jpg" << 2;
        QTest::newRow("moves two together") << photos << "Home Shift+Right Ctrl+Right Ctrl+Right"
                                            << "c d a b"
                                            << "2 3"
                                            << "Photo 3 of 4, a.jpg" << 2;
        QTest::newRow("no move past the start") << photos << "Home Ctrl+Left"
                                                << "a b c d"
                                                << "0"
                                                << "Photo 1 of 4, a.jpg" << 0;
        QTest::newRow("no move past the end") << photos << "End Ctrl+Right"
                                              << "a b c d"
                                              << "3"
                                              << "Photo 4 of 4, d.jpg" << 0;
        QTest::newRow("delete once") << photos << "Home Right Delete"
                                     << "a c d"
                                     << "1"
                                     << "Photo 2 of 3, c.jpg" << 1;
        QTest::newRow("copy and paste") << photos << "Home Ctrl+C End Ctrl+V"
                                        << "a b c d a"
                                        << "4"
                                        << "Photo 5 of 5, a.jpg" << 1;
        QTest::newRow("turn right") << photos << "Home Right Ctrl+R"
                                    << "a b c d"
                                    << "1"
                                    << "Photo 2 of 4, b.jpg, turned right" << 1;
        QTest::newRow("turn left") << photos << "Home Ctrl+L"
                                   << "a b c d"
                                   << "0"
                                   << "Photo 1 of 4, a.jpg, turned left" << 1;
        QTest::newRow("clip moves") << clips << "Home Ctrl+Right"
                                    << "b a c"
                                    << "1"
                                    << "Clip 2, a.mp3, 00:00:00 to 00:01:00" << 1;
        QTest::newRow("clip deleted") << clips << "Home Delete"
                                      << "b c"
                                      << "0"
                                      << "Clip 1, b.mp3, 00:00:00 to 00:01:00" << 1;
        QTest::newRow("clip copied") << clips << "End Ctrl+C Home Ctrl+V"
                                     << "a c b c"
                                     << "1"
                                     << "Clip 2, c.mp3, 00:00:00 to 00:01:00" << 1;
    }
    void stripKeys()
    {
        QFETCH(QString, strip);
        QFETCH(QString, keys);
        QFETCH(QString, order);
        QFETCH(QString, selected);
        QFETCH(QString, said);
        QFETCH(int, steps);
        QStringList alerts;
        const auto previous = VelMessageBox::setHandler(
            [&alerts](VelMessageBox::Kind, const QString& text, const QString&) {
                alerts << text;
                return int(QMessageBox::Ok);
            });
        Lumaro window;
        window.show();
        window.activateWindow(); // the window's shortcuts work in the active window only
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(ensurePhotoFolders());
        Slideshow* doc = window.document();
        for (const char* name : {"a", "b", "c", "d"}) {
            const ImageInfo info = photo(QString("/p/%1.jpg").arg(name));
            QVERIFY(writeWorkspaceFiles(info));
            doc->addPhotos(-1, {info});
        }
        for (const char* name : {"a", "b", "c"})
            doc->addClips(-1, {clip(QString("/m/%1.mp3").arg(name), 60, 0, 60)});
        const int before = doc->undoStack()->count();
        auto* list = window.findChild<QListWidget*>(strip);
        list->setFocus(Qt::TabFocusReason); // as Tab brings it there: the first item is selected
        QTRY_VERIFY(list->hasFocus());

        for (const QString& key : keys.split(' ')) {
            const QKeyCombination combination = QKeySequence::fromString(key)[0];
            QTest::keyClick(list, combination.key(), combination.keyboardModifiers());
        }

        // A button's shortcut clicks it after a short animation.
        QTRY_COMPARE(doc->undoStack()->count() - before, steps);
        VelMessageBox::setHandler(previous);
        QVERIFY2(alerts.isEmpty(), qPrintable(alerts.join("\n")));
        QStringList names;
        if (strip == "photoListWidget") {
            for (const ImageInfo& info : doc->photos())
                names << QFileInfo(info.path).completeBaseName();
        } else {
            for (const AudioInfo& info : doc->clips())
                names << QFileInfo(info.filePath).completeBaseName();
        }
        QCOMPARE(names.join(' '), order);
        QCOMPARE(list->count(), names.size());
        QStringList rows;
        for (const QModelIndex& index : list->selectionModel()->selectedIndexes())
            rows << QString::number(index.row());
        rows.sort();
        QCOMPARE(rows.join(' '), selected);
        QVERIFY(list->currentItem());
        QCOMPARE(list->currentItem()->data(Qt::AccessibleTextRole).toString(), said);
        QVERIFY(list->hasFocus());
    }

private:
    std::unique_ptr<QTemporaryDir> home;
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
