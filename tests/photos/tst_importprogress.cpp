// The import dialog and its thread driven as an import runs them: the records come in file
// order, failures are listed once at the end, cancel finishes only the file in progress, the
// missing-folder alert comes from the GUI thread once per photo, and audio mode reads clips
// through the real media-information tool.
#include "photofixtures.h"
#include "support/reportanswerer.h"
#include "support/smallfs.h"
#include "support/testfiles.h"
#include "support/testmedia.h"

#include "app/importprogress.h"
#include "audio/audiolistwidget.h"
#include "common/workspace.h"
#include "photos/core/infoparser.h"
#include "photos/photolistwidget.h"
#include "platform/velfc/velmessagebox.h"
#include "widgets/loadfaileddialog.h"

#include <QApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QSemaphore>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace PhotoFixtures;

namespace {
QStringList pathsOf(const QList<ImageInfo>& photos)
{
    QStringList paths;
    for (const ImageInfo& info : photos)
        paths << info.path;
    return paths;
}
} // namespace

class TestImportProgress : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QStringList photos; // ten small photos

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(dir.isValid());
        for (int i = 1; i <= 10; ++i) {
            photos << dir.filePath(
                QStringLiteral("in/photo%1.jpg").arg(i, 2, 10, QLatin1Char('0')));
            QDir().mkpath(dir.filePath(QStringLiteral("in")));
            QVERIFY(makeJpeg(photos.last(), QSize(320 + i * 8, 240)));
        }
    }

    void init()
    {
        static int run = 0;
        useWorkspace(dir.filePath(QStringLiteral("ws%1").arg(++run)));
    }

    void cleanup()
    {
        InfoParser::setFileHook(nullptr);
        VelMessageBox::setHandler(nullptr);
    }

    void photosArriveInOrderAndFailuresAreListed()
    {
        const QString text = dir.filePath(QStringLiteral("in/readme.jpg"));
        QVERIFY(TestFiles::write(text, "not a picture"));
        const QStringList files{photos[0], text, photos[1], photos[2]};

        PhotoListWidget strip;
        ReportAnswerer answerer;
        ImportProgress progress(true, &strip);
        progress.start(files);
        progress.exec();

        QVERIFY(progress.added());
        QCOMPARE(pathsOf(progress.photos()), (QStringList{photos[0], photos[1], photos[2]}));
        QCOMPARE(answerer.shown, 1);
        QCOMPARE(answerer.rows, QStringList{QDir::toNativeSeparators(text)});
        QCOMPARE(progress.findChild<QProgressBar*>(QStringLiteral("progressBar"))->value(), 100);
    }

    void allReadShowsNoReport()
    {
        PhotoListWidget strip;
        ReportAnswerer answerer;
        ImportProgress progress(true, &strip);
        progress.start({photos[3]});
        progress.exec();
        QCOMPARE(progress.photos().size(), 1);
        QCOMPARE(answerer.shown, 0);
    }

    void cancelFinishesOnlyTheFileInProgress_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel button") << "button";
        QTest::newRow("Escape key") << "escape";
        QTest::newRow("window closed") << "close";
    }

    void cancelFinishesOnlyTheFileInProgress()
    {
        QFETCH(QString, how);
        PhotoListWidget strip;
        ReportAnswerer answerer;
        ImportProgress progress(true, &strip);
        QList<int> reading;
        InfoParser::setFileHook([&](int index, const QString&) {
            reading << index;
            if (index != 4)
                return;
            // Cancel while the fifth photo is being read, and read it only once the dialog has
            // asked the thread to stop.
            QMetaObject::invokeMethod(
                &progress,
                [&progress, how] {
                    if (how == QLatin1String("button"))
                        progress.findChild<QPushButton*>(QStringLiteral("Cancel"))->click();
                    else if (how == QLatin1String("escape"))
                        QTest::keyClick(&progress, Qt::Key_Escape);
                    else
                        progress.close();
                },
                Qt::QueuedConnection);
            const auto* parser = qobject_cast<InfoParser*>(QThread::currentThread());
            for (int wait = 0; wait < 1000 && parser && !parser->isStopRequested(); ++wait)
                QThread::msleep(5);
        });
        progress.start(photos);
        progress.exec();

        QCOMPARE(reading, (QList<int>{0, 1, 2, 3, 4}));
        QVERIFY(progress.photos().size() <= 4);
        QCOMPARE(pathsOf(progress.photos()), photos.mid(0, progress.photos().size()));
        QCOMPARE(answerer.shown, 0);
        // The fifth photo was read to the end (its four files exist) but never added.
        const QStringList written =
            QDir(photosFolder()).entryList({QStringLiteral("*photo05*")}, QDir::Files);
        QCOMPARE(written.size(), 2);
        QCOMPARE(QDir(photosFolder()).entryList({QStringLiteral("*photo06*")}, QDir::Files).size(),
                 0);
    }

    // Reading for a caller of its own (a project being opened): the records come back in order
    // with the failures, nothing is shown, and a cancel is told apart from the end.
    void readRecordsGivesThemBack_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("read to the end") << false;
        QTest::newRow("cancelled") << true;
    }
    void readRecordsGivesThemBack()
    {
        QFETCH(bool, cancel);
        const QString text = dir.filePath(QStringLiteral("in/notes.jpg"));
        QVERIFY(TestFiles::write(text, "not a picture"));
        const QStringList files{photos[0], text, photos[1], photos[2], photos[3]};
        InfoParser::setFileHook([&](int index, const QString&) {
            if (!cancel || index != 3)
                return;
            QMetaObject::invokeMethod(
                qApp,
                [] {
                    if (QWidget* modal = QApplication::activeModalWidget())
                        modal->findChild<QPushButton*>(QStringLiteral("Cancel"))->click();
                },
                Qt::QueuedConnection);
            const auto* parser = qobject_cast<InfoParser*>(QThread::currentThread());
            for (int wait = 0; wait < 1000 && parser && !parser->isStopRequested(); ++wait)
                QThread::msleep(5);
        });
        QWidget parent;
        ReportAnswerer answerer;
        const ImportProgress::Records read = ImportProgress::readRecords(true, &parent, files);
        QCOMPARE(read.cancelled, cancel);
        const QStringList all{photos[0], photos[1], photos[2], photos[3]};
        // A cancel keeps the photo whose reading it waited for.
        QCOMPARE(pathsOf(read.photos), cancel ? all.mid(0, 3) : all);
        QCOMPARE(read.failures.size(), 1);
        QCOMPARE(read.failures.first().path, text);
        QCOMPARE(answerer.shown, 0);
    }

    void stopBeforeTheThreadRunsReadsNothing()
    {
        // Cancel pressed before the thread got going: the dialog then waits for it, so reading
        // on would freeze the window for the whole import.
        const QStringList files = photos.mid(0, 3);
        QList<int> reading;
        InfoParser::setFileHook([&](int index, const QString&) { reading << index; });
        InfoParser parser(&files, true);
        parser.stop();
        parser.start();
        QVERIFY(parser.wait(30000));
        QCOMPARE(parser.processedCount(), 0);
        QVERIFY(reading.isEmpty());
        // The request was used up: the next run reads every file.
        parser.start();
        QVERIFY(parser.wait(30000));
        QCOMPARE(reading, (QList<int>{0, 1, 2}));
        QCOMPARE(pathsOf(parser.takePhotos()), files);
        QVERIFY(parser.takePhotos().isEmpty());
    }

    void missingFolderAlertsOncePerPhotoFromTheGuiThread()
    {
        const QString blocker = dir.filePath(QStringLiteral("plain-file"));
        QVERIFY(TestFiles::write(blocker, "x"));
        useWorkspace(blocker + QStringLiteral("/ws"));
        QStringList alerts;
        bool offThread = false;
        VelMessageBox::setHandler([&](VelMessageBox::Kind, const QString& text, const QString&) {
            offThread |= QThread::currentThread() != qApp->thread();
            alerts << text;
            return 0;
        });
        PhotoListWidget strip;
        ReportAnswerer answerer;
        ImportProgress progress(true, &strip);
        progress.start({photos[0], photos[1]});
        progress.exec();

        QVERIFY(!offThread);
        const QString alert = QStringLiteral("Cannot find the temporary directory!");
        QCOMPARE(alerts, (QStringList{alert, alert}));
        QVERIFY(!progress.added());
        QCOMPARE(answerer.rows.size(), 2);
    }

    // Every file the report lists says what happened to it; a full workspace is no fault of the
    // photos, and the report says so instead of calling them unreadable.
    void failuresSayWhy_data()
    {
        QTest::addColumn<bool>("photoMode");
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QString>("reason"); // %1: the file, %2: the small file system
        QTest::newRow("workspace full") << true << "full"
                                        << "No space left on the device holding %2";
        QTest::newRow("photo deleted") << true << "deleted"
                                       << "%1 does not exist.";
        QTest::newRow("not a photo") << true << "text"
                                     << "Not a photo that can be read";
        QTest::newRow("music deleted") << false << "deleted"
                                       << "%1 does not exist.";
        QTest::newRow("not music") << false << "text"
                                   << "Not music that can be read";
    }
    void failuresSayWhy()
    {
        QFETCH(bool, photoMode);
        QFETCH(QString, cause);
        QFETCH(QString, reason);
        QString mounted;
        const auto unmount = qScopeGuard([&] {
            if (!mounted.isEmpty())
                SmallFs::unmount(mounted);
        });
        static int round = 0;
        const QString small = dir.filePath(QStringLiteral("small%1").arg(++round));
        QString file = photoMode ? photos[0] : dir.filePath(QStringLiteral("in/tone.wav"));
        if (!photoMode && !QFile::exists(file))
            QVERIFY(TestMedia::makeWav(file, 1));
        if (cause == QLatin1String("full")) {
            if (!SmallFs::unavailable().isEmpty())
                QSKIP(qPrintable(SmallFs::unavailable()));
            QVERIFY(SmallFs::mount(small, 256));
            mounted = small;
            useWorkspace(small + QStringLiteral("/ws"));
            QVERIFY(ensurePhotoFolders());
            QVERIFY(SmallFs::fill(small));
        } else if (cause == QLatin1String("deleted")) {
            file = dir.filePath(QStringLiteral("in/gone.") + (photoMode ? "jpg" : "wav"));
        } else {
            file = dir.filePath(QStringLiteral("in/words.") + (photoMode ? "jpg" : "wav"));
            QVERIFY(TestFiles::write(file, "words, not a picture nor a sound"));
        }

        PhotoListWidget photoStrip;
        AudioListWidget musicStrip;
        ReportAnswerer answerer;
        ImportProgress progress(photoMode, photoMode ? static_cast<QWidget*>(&photoStrip)
                                                     : static_cast<QWidget*>(&musicStrip));
        progress.start({file});
        progress.exec();

        QCOMPARE(answerer.rows, QStringList{QDir::toNativeSeparators(file)});
        const QString expected = QString(reason)
                                     .replace("%1", QDir::toNativeSeparators(file))
                                     .replace("%2", QDir::toNativeSeparators(small));
        QVERIFY2(answerer.reasons.value(0).contains(expected),
                 qPrintable(answerer.reasons.value(0)));
    }

    void audioModeReadsClips()
    {
        const QString clip = dir.filePath(QStringLiteral("in/tone.mp3"));
        QVERIFY(TestMedia::makeTone(clip, TestMedia::kind("mp3"), 2));
        const QString text = dir.filePath(QStringLiteral("in/words.mp3"));
        QVERIFY(TestFiles::write(text, "not music"));

        AudioListWidget strip;
        ReportAnswerer answerer;
        ImportProgress progress(false, &strip);
        progress.start({text, clip});
        progress.exec();

        QVERIFY(progress.added());
        QCOMPARE(progress.clips().size(), 1);
        QCOMPARE(progress.clips().first().filePath, clip);
        QCOMPARE(progress.clips().first().sampleRate, 44100);
        QCOMPARE(answerer.rows, QStringList{QDir::toNativeSeparators(text)});
    }
};

QTEST_MAIN(TestImportProgress)
#include "tst_importprogress.moc"
