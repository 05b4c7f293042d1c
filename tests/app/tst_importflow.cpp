// The three import commands: the filters and start folders their dialogs get, the last-folder
// settings they keep, the files they hand to the import dialog, and the one step that adds what
// it read to the slideshow.
// The file dialogs are answered through the flow's dialog seam, and once through a real dialog.
#include "app/importflow.h"
#include "app/lumaro.h"
#include "audio/audiolistwidget.h"
#include "common/mediaformats.h"
#include "document/slideshow.h"
#include "photos/photolistwidget.h"
#include "platform/velfc/core/vel.h"
#include "platform/velfc/core/velpref.h"
#include "support/testfiles.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {
struct Asked
{
    QString caption;
    QString folder;
    QString filter;
    int times = 0;
};
} // namespace

class TestImportFlow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Vel::setApplicationFolder(QString(LUMARO_TEST_APP_DIR));
        fillMediaExtensions();
    }

    void init()
    {
        home.reset(new QTemporaryDir);
        VelPref::instance()->open(home->filePath("lumaro.ini"));
        window.reset(new QWidget);
        show = new Slideshow(window.get());
        photos = new PhotoListWidget(window.get());
        audio = new AudioListWidget(window.get());
        flow = new ImportFlow(window.get(), show, photos, audio);
        asked = Asked();
        handed.clear();
        answerFiles.clear();
        answerFolder.clear();
        ImportFlow::Dialogs dialogs;
        dialogs.openFiles = [this](QWidget* parent, const QString& caption, const QString& folder,
                                   const QString& filter) {
            record(parent, caption, folder, filter);
            return answerFiles;
        };
        dialogs.openFolder = [this](QWidget* parent, const QString& caption,
                                    const QString& folder) {
            record(parent, caption, folder, QString());
            return answerFolder;
        };
        flow->setDialogs(dialogs);
        flow->setImportRunner([this](bool photoMode, QWidget* strip, const QStringList& files) {
            handed << files;
            MediaStrip::Imported read;
            if (!addsSomething)
                return read;
            if (photoMode && strip == photos) {
                for (const QString& file : files) {
                    ImageInfo info;
                    info.path = file;
                    read.photos << info;
                }
            } else if (!photoMode && strip == audio) {
                for (const QString& file : files) {
                    AudioInfo info;
                    info.filePath = file;
                    read.clips << info;
                }
            } // else the wrong strip or mode: nothing read
            return read;
        });
        addsSomething = true;
    }

    void cleanup() { window.reset(); }

    void filters()
    {
        answerFiles = QStringList();
        flow->importPictures();
        QCOMPARE(asked.caption, QString("Select One or More Files"));
        // What each filter lets through is checked on a real dialog with the media formats.
        QCOMPARE(asked.filter, openFileDialogFilter(imageExtensions, imageFileFilter));
        flow->importAudio();
        QCOMPARE(asked.filter, openFileDialogFilter(audioExtensions, audioFileFilter));
        flow->importPictureFolder();
        QCOMPARE(asked.caption, QString("Select one folder"));
        QCOMPARE(asked.times, 3);
        QVERIFY(handed.isEmpty()); // every dialog was cancelled
    }

    // Where each dialog opens, from what is stored.
    void startFolders_data()
    {
        QTest::addColumn<int>("command");      // 0 photos, 1 photo folder, 2 audio
        QTest::addColumn<QVariant>("stored");  // invalid: never stored
        QTest::addColumn<QString>("expected"); // "@pictures", "@music" or a path
        QTest::newRow("photos, never stored") << 0 << QVariant() << "@pictures";
        QTest::newRow("photos, blanks") << 0 << QVariant("   ") << "@pictures";
        QTest::newRow("photos, padded") << 0 << QVariant("  /srv/pics ") << "/srv/pics";
        QTest::newRow("folder, blanks") << 1 << QVariant(" ") << "@pictures";
        QTest::newRow("folder, stored") << 1 << QVariant("/srv/pics") << "/srv/pics";
        QTest::newRow("audio, never stored") << 2 << QVariant() << "@music";
        QTest::newRow("audio, empty kept") << 2 << QVariant("") << "";
        QTest::newRow("audio, blanks kept") << 2 << QVariant("  ") << "  ";
    }
    void startFolders()
    {
        QFETCH(int, command);
        QFETCH(QVariant, stored);
        QFETCH(QString, expected);
        const char* key = command == 2 ? PrefKey::AudioLastDir : PrefKey::PhotoLastDir;
        if (stored.isValid())
            VelPref::instance()->setValue(key, stored);
        run(command);
        if (expected == "@pictures")
            expected = PrefDefault::photoLastDir();
        else if (expected == "@music")
            expected = PrefDefault::audioLastDir();
        QCOMPARE(asked.folder, expected);
        QCOMPARE(VelPref::instance()->value(key), stored); // a cancelled dialog stores nothing
    }

    void photoFilesRememberTheirFolder()
    {
        QTemporaryDir dir;
        answerFiles = {dir.filePath("b/one.jpg"), dir.filePath("c/two.png")};
        QSignalSpy changed(show, &Slideshow::changed);
        flow->importPictures();
        QCOMPARE(VelPref::instance()->value(PrefKey::PhotoLastDir).toString(), dir.filePath("b"));
        QCOMPARE(handed, answerFiles);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(show->photos().size(), 2);

        // Nothing read: the slideshow does not change.
        addsSomething = false;
        flow->importPictures();
        QCOMPARE(changed.size(), 1);
    }

    void photoFolderImport()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("Holiday");
        QVERIFY(QDir().mkpath(folder + "/more"));
        // In natural name order, the sub-folder's after the folder's own.
        const QStringList names{"A.JPG", "IMG_9.jpg", "img_10.jpg", "IMG_100.jpg", "more/b.png"};
        for (const QString& name :
             {names.at(2), names.at(4), names.at(0), names.at(3), names.at(1)})
            QVERIFY(QImage(4, 3, QImage::Format_RGB32).save(folder + "/" + name, "JPG"));
        QVERIFY(TestFiles::write(folder + "/readme.txt", "x"));
        answerFolder = folder;
        QSignalSpy changed(show, &Slideshow::changed);
        flow->importPictureFolder();
        QStringList expected;
        for (const QString& name : names)
            expected << folder + "/" + name;
        QCOMPARE(handed, expected);
        // The chosen folder itself, not its parent.
        QCOMPARE(VelPref::instance()->value(PrefKey::PhotoLastDir).toString(), folder);
        QCOMPARE(changed.size(), 1);

        // A folder without photos: nothing read, nothing stored, nothing said.
        handed.clear();
        VelPref::instance()->setValue(PrefKey::PhotoLastDir, "/before");
        answerFolder = dir.filePath("empty");
        QVERIFY(QDir().mkpath(answerFolder + "/deeper"));
        flow->importPictureFolder();
        QVERIFY(handed.isEmpty());
        QCOMPARE(VelPref::instance()->value(PrefKey::PhotoLastDir).toString(), QString("/before"));
    }

    void audioFilesRememberTheirFolder()
    {
        answerFiles = {"/srv/music/a.mp3", "/srv/other/b.wav"};
        QSignalSpy changed(show, &Slideshow::clipsInserted);
        QSignalSpy photosChanged(show, &Slideshow::photosInserted);
        flow->importAudio();
        QCOMPARE(VelPref::instance()->value(PrefKey::AudioLastDir).toString(),
                 QString("/srv/music"));
        QVERIFY(VelPref::instance()->value(PrefKey::PhotoLastDir).isNull());
        QCOMPARE(handed, answerFiles);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(show->clips().size(), 2);
        QCOMPARE(photosChanged.size(), 0);
    }

    // The window's button, the real file dialog answered like a user, and the photo strip filled.
    void realDialogFromTheWindow()
    {
        VelPref::instance()->setValue(PrefKey::LastSkin, "plenvo");
        VelPref::instance()->setValue(PrefKey::TemporaryDir, home->filePath("data"));
        QTemporaryDir dir;
        QVERIFY(QImage(8, 6, QImage::Format_RGB32).save(dir.filePath("one.jpg")));
        VelPref::instance()->setValue(PrefKey::PhotoLastDir, dir.path());
        Lumaro main;
        auto* strip = main.findChild<PhotoListWidget*>("photoListWidget");
        QStringList reached;
        bool overTheStrip = false;
        main.importFlow()->setImportRunner(
            [&](bool photoMode, QWidget* parent, const QStringList& files) {
                reached = files;
                overTheStrip = photoMode && parent == strip;
                return MediaStrip::Imported();
            });
        bool answered = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            answered = dialog->directory().absolutePath() == QDir(dir.path()).absolutePath();
            // Typed, as a user would: a selection in the dialog's file list may not take while
            // the list is still being filled in the background.
            auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
            if (!edit)
                return;
            edit->setText("one.jpg");
            static_cast<QDialog*>(dialog)->accept();
        });
        poll.start(50);
        main.findChild<QToolButton*>("importPicture")->click();
        poll.stop();
        QVERIFY(answered); // it opened in the stored folder
        QCOMPARE(reached, QStringList{dir.filePath("one.jpg")});
        QVERIFY(overTheStrip);
    }

private:
    void record(QWidget* parent, const QString& caption, const QString& folder,
                const QString& filter)
    {
        QCOMPARE(parent, window.get());
        asked.caption = caption;
        asked.folder = folder;
        asked.filter = filter;
        ++asked.times;
    }

    void run(int command)
    {
        if (command == 0)
            flow->importPictures();
        else if (command == 1)
            flow->importPictureFolder();
        else
            flow->importAudio();
    }

    std::unique_ptr<QTemporaryDir> home;
    std::unique_ptr<QWidget> window;
    Slideshow* show = nullptr;
    PhotoListWidget* photos = nullptr;
    AudioListWidget* audio = nullptr;
    ImportFlow* flow = nullptr;
    Asked asked;
    QStringList handed;
    QStringList answerFiles;
    QString answerFolder;
    bool addsSomething = true;
};

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestImportFlow test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_importflow.moc"
