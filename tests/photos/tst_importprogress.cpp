// The import dialog and its threads driven as an import runs them: records reach the strip in
// file order however the files finish, failures are listed once at the end in file order, cancel
// finishes only the files in progress and adds none of them, the missing-folder alert comes from
// the GUI thread once per photo, and audio mode fills the music strip through the real
// media-information tool.
#include "photofixtures.h"
#include "support/reportanswerer.h"
#include "support/smallfs.h"
#include "support/testfiles.h"
#include "support/testmedia.h"
#include "support/workercount.h"

#include "app/importprogress.h"
#include "audio/audiolistwidget.h"
#include "common/workspace.h"
#include "photos/core/infoparser.h"
#include "photos/photolistwidget.h"
#include "platform/velfc/velmessagebox.h"
#include "widgets/loadfaileddialog.h"

#include <QApplication>
#include <QLabel>
#include <QMutex>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QSemaphore>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <atomic>

using namespace PhotoFixtures;

namespace {
QStringList pathsOf(const QList<ImageInfo>& photos)
{
    QStringList paths;
    for (const ImageInfo& info : photos)
        paths << info.path;
    return paths;
}

// The files an import started, told from whichever thread started them.
class Started
{
public:
    void add(int index)
    {
        QMutexLocker lock(&mutex);
        indices << index;
    }
    QList<int> sorted() const
    {
        QMutexLocker lock(&mutex);
        QList<int> copy = indices;
        std::sort(copy.begin(), copy.end());
        return copy;
    }

private:
    mutable QMutex mutex;
    QList<int> indices;
};

// What the progress label says in full (the label elides a long path and keeps it whole in its
// tool tip).
QString labelText(const ImportProgress& progress)
{
    const auto* label = progress.findChild<QLabel*>(QStringLiteral("label"));
    return label->toolTip().isEmpty() ? label->text() : label->toolTip();
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
        const WorkerCount oneAtATime(1);
        PhotoListWidget strip;
        ReportAnswerer answerer;
        ImportProgress progress(true, &strip);
        QList<int> reading;
        InfoParser::setFileHook([&](const InfoParser& parser, int index, const QString&) {
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
            for (int wait = 0; wait < 1000 && !parser.isStopRequested(); ++wait)
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
        const WorkerCount oneAtATime(1); // which files are in progress at the cancel is then known
        const QString text = dir.filePath(QStringLiteral("in/notes.jpg"));
        QVERIFY(TestFiles::write(text, "not a picture"));
        const QStringList files{photos[0], text, photos[1], photos[2], photos[3]};
        InfoParser::setFileHook([&](const InfoParser& parser, int index, const QString&) {
            if (!cancel || index != 3)
                return;
            QMetaObject::invokeMethod(
                qApp,
                [] {
                    if (QWidget* modal = QApplication::activeModalWidget())
                        modal->findChild<QPushButton*>(QStringLiteral("Cancel"))->click();
                },
                Qt::QueuedConnection);
            for (int wait = 0; wait < 1000 && !parser.isStopRequested(); ++wait)
                QThread::msleep(5);
        });
        QWidget parent;
        ReportAnswerer answerer;
        const ImportProgress::Records read = ImportProgress::readRecords(true, &parent, files);
        QCOMPARE(read.cancelled, cancel);
        const QStringList all{photos[0], photos[1], photos[2], photos[3]};
        // A cancel keeps what was finished before it, not the photo whose reading it waited for.
        QCOMPARE(pathsOf(read.photos), cancel ? all.mid(0, 2) : all);
        QCOMPARE(read.failures.size(), 1);
        QCOMPARE(read.failures.first().path, text);
        QCOMPARE(answerer.shown, 0);
    }

    void stopBeforeTheThreadRunsReadsNothing()
    {
        // Cancel pressed before the thread got going: the dialog then waits for it, so reading
        // on would freeze the window for the whole import.
        const QStringList files = photos.mid(0, 3);
        Started reading;
        InfoParser::setFileHook(
            [&](const InfoParser&, int index, const QString&) { reading.add(index); });
        InfoParser parser(&files, true);
        parser.stop();
        parser.start();
        QVERIFY(parser.wait(30000));
        QCOMPARE(parser.processedCount(), 0);
        QVERIFY(reading.sorted().isEmpty());
        // The request was used up: the next run reads every file.
        parser.start();
        QVERIFY(parser.wait(30000));
        QCOMPARE(reading.sorted(), (QList<int>{0, 1, 2}));
        QCOMPARE(pathsOf(parser.takePhotos()), files);
        QVERIFY(parser.takePhotos().isEmpty());
    }

    // Several files are read at once and finish in any order; the strip and the report still
    // get them in the order they were given. One file is held until every other one has
    // finished: meanwhile only the files before it are on the strip, and the label names it.
    void parallelImportKeepsFileOrder_data()
    {
        QTest::addColumn<int>("threads");
        QTest::addColumn<QString>("kinds"); // p: a photo, x: no picture
        QTest::addColumn<int>("held");
        QTest::newRow("first finishes last") << 2 << "pppppp" << 0;
        QTest::newRow("failure finishes last") << 3 << "ppxpxp" << 2;
        QTest::newRow("four at once") << 4 << "pppxpppp" << 3;
    }
    void parallelImportKeepsFileOrder()
    {
        QFETCH(int, threads);
        QFETCH(QString, kinds);
        QFETCH(int, held);
        const WorkerCount count(threads);
        QStringList files;
        QStringList added;
        QStringList listed;
        QStringList addedBeforeHeld;
        for (int i = 0; i < kinds.size(); ++i) {
            if (kinds[i] == QLatin1Char('p')) {
                files << photos[i];
                added << photos[i];
                if (i < held)
                    addedBeforeHeld << photos[i];
                continue;
            }
            files << dir.filePath(QStringLiteral("in/none%1.jpg").arg(i));
            QVERIFY(TestFiles::write(files.last(), "no picture"));
            listed << QDir::toNativeSeparators(files.last());
        }
        std::atomic<bool> release{false};
        std::atomic<bool> gaveUp{false};
        InfoParser::setFileHook([&](const InfoParser&, int index, const QString&) {
            for (int wait = 0; index == held && !release; ++wait) {
                if (wait == 2000) {
                    gaveUp = true;
                    return;
                }
                QThread::msleep(5);
            }
        });
        PhotoListWidget strip;
        ReportAnswerer answerer;
        ImportProgress progress(true, &strip);
        const auto* bar = progress.findChild<QProgressBar*>(QStringLiteral("progressBar"));
        QStringList onStripWhileHeld;
        QString labelWhileHeld;
        QTimer watch;
        watch.setInterval(5);
        connect(&watch, &QTimer::timeout, &progress, [&] {
            const int total = int(files.size());
            if (release || bar->value() != (total - 1) * 100 / total)
                return;
            onStripWhileHeld = pathsOf(progress.photos());
            labelWhileHeld = labelText(progress);
            release = true;
        });
        watch.start();
        progress.start(files);
        progress.exec();

        QVERIFY2(release && !gaveUp, "the other files did not finish while one was held");
        QCOMPARE(onStripWhileHeld, addedBeforeHeld);
        QVERIFY2(labelWhileHeld.contains(QDir::toNativeSeparators(files[held])),
                 qPrintable(labelWhileHeld));
        QCOMPARE(pathsOf(progress.photos()), added);
        QCOMPARE(answerer.rows, listed);
    }

    // Cancel while three files are read at once, two of them behind files that had finished:
    // the three finish, none of them is added, nor any finished file behind the first of them,
    // and no later file is started.
    void parallelCancelAddsNothingLate()
    {
        const WorkerCount count(3);
        const QList<int> heldFiles{2, 5, 6};
        Started started;
        InfoParser::setFileHook([&](const InfoParser& parser, int index, const QString&) {
            started.add(index);
            if (!heldFiles.contains(index))
                return;
            for (int wait = 0; wait < 2000 && !parser.isStopRequested(); ++wait)
                QThread::msleep(5);
        });
        PhotoListWidget strip;
        ReportAnswerer answerer;
        ImportProgress progress(true, &strip);
        const auto* bar = progress.findChild<QProgressBar*>(QStringLiteral("progressBar"));
        QTimer watch;
        watch.setInterval(5);
        connect(&watch, &QTimer::timeout, &progress, [&] {
            // Files 0, 1, 3 and 4 finished, 0 and 1 on the strip, the three held ones started.
            if (started.sorted() != QList<int>{0, 1, 2, 3, 4, 5, 6} || bar->value() != 40 ||
                progress.photos().size() != 2)
                return;
            watch.stop();
            progress.findChild<QPushButton*>(QStringLiteral("Cancel"))->click();
        });
        watch.start();
        progress.start(photos);
        progress.exec();

        QCOMPARE(started.sorted(), (QList<int>{0, 1, 2, 3, 4, 5, 6}));
        QCOMPARE(pathsOf(progress.photos()), photos.mid(0, 2));
        QCOMPARE(answerer.shown, 0);
        // The held photos were read to the end (working copy and thumbnail written), the next
        // one not at all.
        const auto written = [](const char* name) {
            return QDir(photosFolder()).entryList({QLatin1String(name)}, QDir::Files).size();
        };
        QCOMPARE(written("*photo07*"), 2);
        QCOMPARE(written("*photo08*"), 0);
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
