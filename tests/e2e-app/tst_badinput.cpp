// The bad-input corpus (tests/corpus/make-corpus.sh) through the whole program in one run of its
// real libraries: every photo and clip goes through the import dialog into the window's strips,
// then the preview is built and the slideshow published in each profile, then the window closes.
// Fails on a crash, a file that holds everything up (bounded time per file), a corpus file
// changed or lost, anything written outside the workspace and the destination, a publish that
// says it succeeded without all its files, and a file neither imported nor listed as failed.
#include "../app/publishtestenv.h"
#include "app/importprogress.h"
#include "audio/audiolistwidget.h"
#include "common/workspacelayout.h"
#include "flashkit/core/flashmokit.h"
#include "flashkit/core/playdatafile.h"
#include "photos/core/infoparser.h"
#include "photos/photolistwidget.h"
#include "platform/velfc/core/vel.h"
#include "platform/velfc/core/velpoweraction.h"
#include "platform/velfc/core/velpref.h"
#include "platform/velfc/velmessagebox.h"
#include "support/discardunsaved.h"
#include "support/reportanswerer.h"
#include "support/testfiles.h"
#include "widgets/loadfaileddialog.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QMap>
#include <QMutex>
#include <QProcess>
#include <QStandardPaths>
#include <QTableWidget>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace PublishTestEnv;

namespace {
#ifdef LUMARO_SANITIZED
constexpr int TimeScale = 3; // everything runs two to three times slower under the sanitizers
#else
constexpr int TimeScale = 1;
#endif
// No photo or clip may take longer to import; the media tool's own limit is 30 s.
constexpr int FileLimitMs = 45000 * TimeScale;
constexpr int StageLimitMs = 240000 * TimeScale;

// The private root everything of this run lives in: the corpus, the settings, the workspace,
// the destination, and HOME and TMPDIR, so that any file written elsewhere is seen.
QString root;

// Ends the run, naming the file or stage, when one of them takes longer than its limit: a hang
// must fail here, not leave the test to be killed without a word.
class Watchdog : public QThread
{
public:
    void step(const QString& what, int limitMs = FileLimitMs)
    {
        QMutexLocker lock(&mutex);
        current = what;
        limit = limitMs;
        since.start();
    }
    void finish()
    {
        done = true;
        wait();
    }

protected:
    void run() override
    {
        while (!done) {
            QThread::msleep(250);
            QMutexLocker lock(&mutex);
            if (since.isValid() && since.elapsed() > limit) {
                std::fprintf(stderr, "FAIL! no progress for %d s: %s\n", limit / 1000,
                             qPrintable(current));
                std::fflush(stderr);
                std::abort();
            }
        }
    }

private:
    QMutex mutex;
    QString current;
    int limit = FileLimitMs;
    QElapsedTimer since;
    std::atomic<bool> done{false};
};

struct Expectation
{
    QString path;
    QString expect; // ok, fail, any, skip
};

// Every entry below `folder` with what identifies its content (type, size and a hash of the
// bytes of the files that can be read without waiting).
QMap<QString, QString> contentOf(const QString& folder)
{
    QMap<QString, QString> map;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        QString identity;
        if (info.isSymLink()) {
            identity = QStringLiteral("link ") + info.symLinkTarget();
        } else if (info.isDir()) {
            identity = QStringLiteral("folder");
        } else if (info.isFile()) {
            identity = QStringLiteral("file %1 %2").arg(info.size()).arg(int(info.permissions()));
            QFile file(path);
            if (file.open(QIODevice::ReadOnly))
                identity +=
                    QLatin1Char(' ') +
                    QString::fromLatin1(
                        QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex());
        } else {
            identity = QStringLiteral("other");
        }
        map.insert(QDir(folder).relativeFilePath(path), identity);
    }
    return map;
}

// Entries below `root` outside the places this run may write to.
QStringList foreignEntries(const QStringList& allowed)
{
    QStringList found;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relative = QDir(root).relativeFilePath(it.next());
        bool inside = false;
        for (QString place : allowed) {
            // "=path": that entry alone; "name*": entries whose name begins so; otherwise an
            // entry and everything below it.
            if (place.startsWith(QLatin1Char('='))) {
                inside = inside || relative == place.mid(1);
                continue;
            }
            const bool prefix = place.endsWith(QLatin1Char('*'));
            if (prefix)
                place.chop(1);
            const QString top =
                relative.section(QLatin1Char('/'), 0, int(place.count(QLatin1Char('/'))));
            inside = inside || (prefix ? top.startsWith(place) : top == place);
        }
        if (!inside)
            found << relative;
    }
    found.sort();
    return found;
}

bool readPlayData(const QString& path, PublishPlan& plan)
{
    PlayDataFile file;
    file.setFolder(QFileInfo(path).path() + QLatin1Char('/'));
    file.setFileName(QFileInfo(path).fileName());
    const bool read = file.openForRead() && file.readEntries(plan);
    file.closeFile();
    return read;
}
} // namespace

class TestBadInput : public QObject
{
    Q_OBJECT

    Watchdog watchdog;
    QString corpus;
    QString out;
    QList<Expectation> expectations;
    QMap<QString, QString> corpusBefore;
    QStringList messages;
    std::unique_ptr<Lumaro> window;
    int photoCount = 0;
    int clipCount = 0;

    QStringList pathsExpected(const QString& kind) const
    {
        QStringList paths;
        for (const Expectation& e : expectations)
            if (e.path.startsWith(corpus + QLatin1Char('/') + kind + QLatin1Char('/')) &&
                e.expect != QLatin1String("skip"))
                paths << e.path;
        return paths;
    }

    // Each file ends up on the strip or in the report, never both, never neither, as expected.
    void checkOutcome(const QString& kind, const QStringList& imported, const QStringList& listed)
    {
        for (const Expectation& e : expectations) {
            if (!e.path.startsWith(corpus + QLatin1Char('/') + kind + QLatin1Char('/')))
                continue;
            const int in = int(imported.count(e.path));
            const int failed = int(listed.count(QDir::toNativeSeparators(e.path)));
            const QString what = QFileInfo(e.path).fileName() + QLatin1String(": expected ") +
                                 e.expect +
                                 QStringLiteral(", imported %1, listed %2").arg(in).arg(failed);
            if (e.expect == QLatin1String("ok"))
                QVERIFY2(in == 1 && failed == 0, qPrintable(what));
            else if (e.expect == QLatin1String("fail"))
                QVERIFY2(in == 0 && failed == 1, qPrintable(what));
            else if (e.expect == QLatin1String("any"))
                QVERIFY2(in + failed == 1, qPrintable(what));
            else
                QVERIFY2(in == 0 && failed == 0, qPrintable(what));
        }
    }

    // Runs the import dialog over `files` as the strip's child, as the import commands do.
    void runImport(bool photoMode, QWidget* strip, const QStringList& files, QStringList* listed)
    {
        InfoParser::setFileHook([this](const InfoParser&, int, const QString& path) {
            watchdog.step(QStringLiteral("importing ") + path);
        });
        ReportAnswerer answerer;
        ImportProgress progress(photoMode, strip);
        progress.start(files);
        progress.exec();
        window->document()->addPhotos(-1, progress.photos());
        window->document()->addClips(-1, progress.clips());
        InfoParser::setFileHook(nullptr);
        watchdog.step(QStringLiteral("after the import"), StageLimitMs);
        *listed = answerer.rows;
        QVERIFY(answerer.shown <= 1); // one report at the end, not one per file
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Vel::setApplicationFolder(QString(LUMARO_TEST_APP_DIR));
        watchdog.step(QStringLiteral("making the corpus"), StageLimitMs);
        watchdog.start();

        corpus = root + QStringLiteral("/corpus");
        QProcess script;
        script.setProcessChannelMode(QProcess::ForwardedChannels);
        script.start(QStringLiteral("bash"),
                     {QStringLiteral(LUMARO_SOURCE_DIR "/tests/corpus/make-corpus.sh"), corpus});
        QVERIFY(script.waitForFinished(StageLimitMs));
        QCOMPARE(script.exitCode(), 0);
        const QList<QByteArray> records =
            TestFiles::read(corpus + QStringLiteral("/expect")).split('\0');
        for (const QByteArray& record : records) {
            const int tab = int(record.lastIndexOf('\t'));
            if (tab > 0)
                expectations.append(
                    {corpus + QLatin1Char('/') + QString::fromUtf8(record.left(tab)),
                     QString::fromUtf8(record.mid(tab + 1))});
        }
        QVERIFY(expectations.size() > 40);
        corpusBefore = contentOf(corpus);

        VelPref::instance()->open(root + QStringLiteral("/settings/lumaro.ini"));
        VelPref::instance()->setValue(PrefKey::LastSkin, "kzo");
        VelPref::instance()->setValue(PrefKey::TemporaryDir,
                                      QString(root + QStringLiteral("/data")));
        VelPref::instance()->setValue(
            PrefKey::Temporary, QString(root + QStringLiteral("/data/") + WorkspaceFolderName));
        VelPref::instance()->setValue(PrefKey::AfterPublishingAction, 5); // do nothing
        VelPowerAction::setRunner([](int) { return true; });
        VelMessageBox::setHandler([this](VelMessageBox::Kind, const QString& text, const QString&) {
            messages << text;
            return 0;
        });
        out = root + QStringLiteral("/out");
        QVERIFY(QDir().mkpath(out));
        window = std::make_unique<Lumaro>();
        discardUnsavedOnClose(*window);
    }

    void importPhotos()
    {
        auto* strip = window->findChild<PhotoListWidget*>(QStringLiteral("photoListWidget"));
        QStringList listed;
        runImport(true, strip, pathsExpected(QStringLiteral("photos")), &listed);
        const Slideshow* show = window->document();
        QCOMPARE(strip->count(), show->photos().size());
        QStringList imported;
        for (const ImageInfo& info : show->photos()) {
            imported << info.path;
            QVERIFY2(info.width > 0 && info.height > 0, qPrintable(info.path));
            QVERIFY2(QFileInfo(workingCopyPath(info)).size() > 0, qPrintable(info.path));
            QVERIFY2(QFileInfo(thumbnailPath(info)).size() > 0, qPrintable(info.path));
        }
        checkOutcome(QStringLiteral("photos"), imported, listed);
        photoCount = int(show->photos().size());
        QCOMPARE(window->photoKitEntries().size(), photoCount);
        QVERIFY(messages.isEmpty());
    }

    void importMusic()
    {
        auto* strip = window->findChild<AudioListWidget*>(QStringLiteral("audioListWidget"));
        QStringList listed;
        runImport(false, strip, pathsExpected(QStringLiteral("music")), &listed);
        const Slideshow* show = window->document();
        QCOMPARE(strip->count(), show->clips().size());
        QStringList imported;
        QMap<QString, double> durations;
        for (const AudioInfo& clip : show->clips()) {
            imported << clip.filePath;
            durations.insert(QFileInfo(clip.filePath).fileName(), clip.duration);
            QVERIFY2(clip.duration > 0 && clip.sampleRate > 0 && clip.channels > 0,
                     qPrintable(clip.filePath));
        }
        checkOutcome(QStringLiteral("music"), imported, listed);
        // A cut file promises only the sound it holds, not the length its header claims.
        for (const char* kind : {"wav", "ogg", "flac"}) {
            const QString whole = QStringLiteral("whole.") + QLatin1String(kind);
            const QString cut = QStringLiteral("truncated.") + QLatin1String(kind);
            QVERIFY2(durations.value(cut) < durations.value(whole) * 0.75,
                     qPrintable(QStringLiteral("%1 s of %2 s")
                                    .arg(durations.value(cut))
                                    .arg(durations.value(whole))));
        }
        QVERIFY(durations.value(QStringLiteral("half.mp3")) <
                durations.value(QStringLiteral("good.mp3")) * 0.75);
        clipCount = int(show->clips().size());
        QCOMPARE(window->musicKitEntries().size(), clipCount);
        QVERIFY(messages.isEmpty());
    }

    void preview()
    {
        watchdog.step(QStringLiteral("building the preview"), StageLimitMs);
        auto* kit = dynamic_cast<FlashmoKit*>(window->flashKit());
        QVERIFY(kit);
        // As the window hands its entries over before a build.
        QVERIFY(kit->clear());
        QVERIFY(kit->addPhotos(window->photoKitEntries()));
        QVERIFY(kit->setTemplate(window->currentTemplateName() + QStringLiteral(".swf")));
        QVERIFY(kit->createPreviewResource());
        PublishPlan plan;
        QVERIFY(readPlayData(kit->resources().playDataPath(), plan));
        QCOMPARE(plan.photos.size(), photoCount);
        const QString photos = WorkspaceLayout(kit->resources().workspacePath()).photos();
        for (const PlayDataEntry& entry : plan.photos)
            QVERIFY2(QFileInfo(photos + entry.fileName).size() > 0, qPrintable(entry.fileName));
    }

    void publish_data()
    {
        QTest::addColumn<int>("profileIndex"); // as the settings dialog lists them
        QTest::addColumn<QString>("name");
        QTest::newRow("swf") << 0 << "Corpus movie";
        QTest::newRow("xml") << 1 << "Corpus folder";
        QTest::newRow("swf+html") << 2 << "Corpus page";
    }
    // Each profile publishes every imported photo and clip, and success means all is written.
    void publish()
    {
        QFETCH(int, profileIndex);
        QFETCH(QString, name);
        watchdog.step(QStringLiteral("publishing ") + name, StageLimitMs);
        answerSettings(*window, {name, profileIndex, out});
        bool succeeded = false;
        QVERIFY(publishAndWait(*window, &succeeded, StageLimitMs));
        QVERIFY2(succeeded, qPrintable(messages.join(QLatin1Char('\n')) + QLatin1Char('\n') +
                                       window->flashKit()->publishError()));
        QVERIFY(messages.isEmpty());
        const QString folder = window->publishFlow()->targetFolder + QLatin1Char('/');
        const QList<AudioInfo> clips = window->document()->clips();
        QCOMPARE(clips.size(), clipCount);

        if (profileIndex == 1) {
            auto* kit = dynamic_cast<FlashmoKit*>(window->flashKit());
            PublishPlan plan;
            QVERIFY(
                readPlayData(folder + QFileInfo(kit->resources().playDataPath()).fileName(), plan));
            QCOMPARE(plan.photos.size(), photoCount);
            QCOMPARE(plan.music.size(), clipCount);
            for (const PlayDataEntry& entry : plan.photos) {
                for (const QString& file : QStringList{entry.fileName, "s_" + entry.fileName})
                    QVERIFY2(QFileInfo(folder + FlashmoRes::photosSubfolder + file).size() > 0,
                             qPrintable(file));
            }
            for (const PlayDataEntry& entry : plan.music)
                QVERIFY2(QFileInfo(folder + FlashmoRes::musicSubfolder + entry.fileName).size() ==
                             entry.size,
                         qPrintable(entry.fileName));
            return;
        }
        // One movie with everything appended: each clip's published copy is inside it whole.
        const QByteArray movie = TestFiles::read(folder + name + QStringLiteral(".swf"));
        for (const QString& copy : musicCopyPaths(clips)) {
            const QByteArray bytes = TestFiles::read(copy);
            QVERIFY2(!bytes.isEmpty() && movie.contains(bytes), qPrintable(copy));
        }
        if (profileIndex == 2)
            QVERIFY(QFileInfo(folder + name + QStringLiteral(".html")).size() > 0);
    }

    // Closing cleans the workspace up; the corpus is left exactly as it was and nothing was
    // written outside the program's own places.
    void closeLeavesEverythingElse()
    {
        watchdog.step(QStringLiteral("closing the window"), StageLimitMs);
        window->close();
        window.reset();
        const QMap<QString, QString> corpusAfter = contentOf(corpus);
        QStringList changed;
        for (auto it = corpusBefore.cbegin(); it != corpusBefore.cend(); ++it)
            if (corpusAfter.value(it.key()) != it.value())
                changed << it.key();
        for (auto it = corpusAfter.cbegin(); it != corpusAfter.cend(); ++it)
            if (!corpusBefore.contains(it.key()))
                changed << it.key();
        QCOMPARE(changed, QStringList());
        const QStringList foreign = foreignEntries(
            {QStringLiteral("corpus"), QStringLiteral("settings"), QStringLiteral("data"),
             QStringLiteral("out"), QStringLiteral("=home"), QStringLiteral("=tmp"),
             // QStandardPaths in test mode and its stand-in runtime folder, the
             // caches of system libraries (fontconfig, QtWebEngine) and the
             // sound server's client files.
             QStringLiteral("home/.qttest"), QStringLiteral("tmp/runtime-*"),
             QStringLiteral("home/.cache"), QStringLiteral("=home/.config"),
             QStringLiteral("home/.config/pulse"), QStringLiteral("tmp/pulse-*")});
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign.join(QLatin1Char('\n'))));
    }

    void cleanupTestCase() { watchdog.finish(); }
};

int main(int argc, char** argv)
{
    // A private HOME and TMPDIR inside the run's root, made before anything reads them.
    QByteArray base = qgetenv("TMPDIR");
    if (base.isEmpty())
        base = "/tmp";
    QByteArray pattern = base + "/lumaro-badinput-XXXXXX";
    if (!mkdtemp(pattern.data()))
        return 2;
    root = QString::fromLocal8Bit(pattern);
    for (const char* folder : {"home", "tmp"})
        QDir().mkpath(root + QLatin1Char('/') + QLatin1String(folder));
    qputenv("HOME", QFile::encodeName(root + QStringLiteral("/home")));
    qputenv("TMPDIR", QFile::encodeName(root + QStringLiteral("/tmp")));
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"})
        qunsetenv(name);

    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    int status = 0;
    {
        TestBadInput test;
        status = QTest::qExec(&test, argc, argv);
    }
    // The unreadable corpus file is made readable again so the whole root can go.
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        QFile::setPermissions(it.next(), QFile::ReadOwner | QFile::WriteOwner);
    QDir(root).removeRecursively();
    return status;
}
#include "tst_badinput.moc"
