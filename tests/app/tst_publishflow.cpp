// Publishing from the window: the stages with and without conversion, cancel in each stage, the
// destination left as it was by a cancel or a full disk, cancel then preview at once, failures
// told to the user, the success pop-up, the action after publishing, clips of one base name,
// repeated publishes after a preview, and a running preview left playing.
#include "app/previewflow.h"
#include "audio/soundplayer.h"
#include "flashkit/core/flashmokit.h"
#include "flashkit/core/iflashkitinterface.h"
#include "flashkit/menutemplateselectionframe.h"
#include "platform/flashplayer/flashplayerwidget.h"
#include "platform/velfc/core/vel.h"
#include "platform/velfc/core/velpoweraction.h"
#include "platform/velfc/core/velpref.h"
#include "platform/velfc/velmessagebox.h"
#include "platform/velfc/velpopwidget.h"
#include "platform/velfc/velpowerstate.h"
#include "publishtestenv.h"
#include "support/smallfs.h"
#include "support/testfiles.h"
#include "support/testimages.h"
#include "support/testmedia.h"

#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QSemaphore>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWebEngineView>
#include <QtTest>

#include <atomic>
#include <memory>

using namespace PublishTestEnv;

namespace {
// The worker names every music file on the debug channel just before appending it to the
// movie. Held there, the run has a half-written movie while the test presses Cancel.
std::atomic<bool> holdAtMusic{false};
QSemaphore workerAtMusic;
QSemaphore releaseWorker;
QtMessageHandler previousHandler = nullptr;

void holdWorker(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtDebugMsg && message.contains(QLatin1String("background music/")) &&
        holdAtMusic.exchange(false)) {
        workerAtMusic.release();
        releaseWorker.acquire();
    }
    previousHandler(type, context, message);
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

QList<VelPopWidget*> popUps()
{
    QList<VelPopWidget*> list;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* pop = qobject_cast<VelPopWidget*>(widget); pop && pop->isVisible())
            list << pop;
    }
    return list;
}

// A photo colour no template draws on its own, and how much of a picture shows it.
const QColor PreviewColour(230, 20, 200);
double previewColourShare(const QImage& image)
{
    int hits = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            hits += TestFiles::closeColour(image.pixelColor(x, y), PreviewColour, 60) ? 1 : 0;
    return 4.0 * hits / (image.width() * image.height());
}

void closePopUps()
{
    for (VelPopWidget* pop : popUps())
        pop->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
} // namespace

class TestPublishFlow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Vel::setApplicationFolder(QString(LUMARO_TEST_APP_DIR));
        originalPath = qgetenv("PATH");
        QVERIFY(media.isValid());
        for (const char* folder : {"wav22", "other", "mp3"})
            QDir().mkpath(media.filePath(folder));
        // Clips shared by the cases: a WAV at 22050 Hz, a 44100 Hz MP3, a 22050 Hz MP3.
        QVERIFY(TestMedia::makeTone(media.filePath("wav22/a.wav"),
                                    {"wav", "pcm_s16le", nullptr, "", 1, 22050}, 2));
        QVERIFY(TestMedia::makeTone(media.filePath("other/a.wav"),
                                    {"wav", "pcm_s16le", nullptr, "", 2, 44100}, 4));
        QVERIFY(TestMedia::makeTone(media.filePath("mp3/song.mp3"), TestMedia::kind("mp3"), 3));
        QVERIFY(TestMedia::makeTone(media.filePath("mp3/low.mp3"),
                                    {"mp3", "libmp3lame", nullptr, "", 2, 22050}, 2));
        // The preview's music must outlast a publish; it is heard by nobody.
        VelMediaPreviewWidget::setExtraMpvOptions({QString("ao=null")});
        VelMessageBox::setHandler([this](VelMessageBox::Kind, const QString& text, const QString&) {
            messages << text;
            return 0;
        });
        VelPowerAction::setRunner([this](int code) {
            powerActions << code;
            return true;
        });
        VelPowerState::s_countdownSeconds = 1;
        PublishSetting::setFolderOpener([this](const QUrl& url) {
            opened << url;
            return true;
        });
        previousHandler = qInstallMessageHandler(holdWorker);
    }

    void init()
    {
        home.reset(new QTemporaryDir);
        VelPref::instance()->open(home->filePath("lumaro.ini"));
        VelPref::instance()->setValue(PrefKey::LastSkin, "plenvo");
        VelPref::instance()->setValue(PrefKey::TemporaryDir, home->filePath("data"));
        VelPref::instance()->setValue(PrefKey::Temporary,
                                      QString(home->filePath("data/") + WorkspaceFolderName));
        messages.clear();
        powerActions.clear();
        opened.clear();
        out = home->filePath("out");
        QDir().mkpath(out);
    }

    void cleanup()
    {
        qputenv("PATH", originalPath);
        closePopUps();
        holdAtMusic = false;
        SmallFs::unmount(home->filePath("full"));
    }

    void stages_data()
    {
        QTest::addColumn<QStringList>("clips");
        QTest::addColumn<QString>("codec");
        QTest::addColumn<bool>("converts");
        QTest::newRow("no music") << QStringList{} << "" << false;
        QTest::newRow("44100 Hz MP3 only, copied") << QStringList{"mp3/song.mp3"} << "" << false;
        QTest::newRow("WAV converted") << QStringList{"wav22/a.wav", "mp3/song.mp3"} << "" << true;
        QTest::newRow("22050 Hz MP3 converted") << QStringList{"mp3/low.mp3"} << "" << true;
        QTest::newRow("codec named MP3 in capitals")
            << QStringList{"mp3/song.mp3"} << "MP3" << true;
    }
    // Conversion only where a clip needs it; the controls are busy throughout, then idle.
    void stages()
    {
        QFETCH(QStringList, clips);
        QFETCH(QString, codec);
        QFETCH(bool, converts);
        Lumaro window;
        addPhoto(window, "/p/red.jpg", Qt::red);
        for (const QString& clip : clips)
            QVERIFY(addClip(window, media.filePath(clip), codec));
        answerSettings(window, {"Show", 1, out});
        auto* flow = window.publishFlow();
        bool convertedSeen = false;
        bool busySeen = false;
        QSignalSpy ended(flow, &PublishFlow::publishEnded);
        window.findChild<QToolButton*>("publishBtn")->click();
        convertedSeen = flow->isConverting();
        busySeen = window.findChild<QWidget*>("publishBtn")->isHidden() &&
                   !window.findChild<QFrame*>("matterFrame")->isEnabled();
        QVERIFY(ended.wait(60000) || !ended.isEmpty());
        QCOMPARE(ended.first().first().toBool(), true);
        QCOMPARE(convertedSeen, converts);
        QVERIFY(busySeen);
        QVERIFY(messages.isEmpty());
        QVERIFY(!window.findChild<QWidget*>("publishBtn")->isHidden());
        QVERIFY(window.findChild<QWidget*>("cancelBtn")->isHidden());
        QVERIFY(window.findChild<QFrame*>("matterFrame")->isEnabled());
        QCOMPARE(window.findChild<QProgressBar*>("publishProgressBar")->value(), 0);

        const QString folder = out + "/Show";
        QCOMPARE(flow->targetFolder, folder);
        QStringList music;
        for (const QString& clip : clips)
            music << QFileInfo(clip).completeBaseName() + ".mp3";
        music.sort();
        QCOMPARE(entries(folder + "/background music"), music);
        for (const QString& name : music) {
            AudioInfo published;
            published.filePath = folder + "/background music/" + name;
            QVERIFY(AudioReader::readAudioInfo(published));
            QCOMPARE(published.codecName, QString("mp3"));
            QCOMPARE(published.sampleRate, 44100);
        }

        // The pop-up says so and offers the folder.
        const QList<VelPopWidget*> pops = popUps();
        QCOMPARE(pops.size(), 1);
        QCOMPARE(pops.first()->title(), QString("Lumaro"));
        QCOMPARE(pops.first()->text(), QString("Publish Succeeded!"));
        auto* openButton = pops.first()->findChild<QPushButton*>("velPopButton");
        QVERIFY(openButton);
        QCOMPARE(openButton->text(), QString("Open Folder"));
        openButton->click();
        QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(folder)});
    }

    void cancelDuringConversion()
    {
        // A converter that takes its time, so Cancel meets it at work.
        QVERIFY(
            TestFiles::installStandIn(home->filePath("bin"), "kvt", "sleep 30\n", originalPath));
        Lumaro window;
        addPhoto(window, "/p/red.jpg", Qt::red);
        QVERIFY(addClip(window, media.filePath("wav22/a.wav")));
        VelPref::instance()->setValue(PrefKey::AfterPublishingAction, 0);
        answerSettings(window, {"Show", 0, out});
        QSignalSpy ended(window.publishFlow(), &PublishFlow::publishEnded);
        window.findChild<QToolButton*>("publishBtn")->click();
        QVERIFY(window.publishFlow()->isConverting());
        auto* cancel = window.findChild<QToolButton*>("cancelBtn");
        cancel->click();
        QCOMPARE(ended.size(), 1);
        QCOMPARE(ended.first().first().toBool(), false);
        QVERIFY(!cancel->isEnabled());
        window.publishFlow()->cancel(); // a second Cancel changes nothing
        QCOMPARE(ended.size(), 1);
        QTest::qWait(300);
        QVERIFY(!window.findChild<QWidget*>("publishBtn")->isHidden());
        QVERIFY(!QFileInfo::exists(out + "/Show.swf"));
        QVERIFY(popUps().isEmpty());
        QVERIFY(powerActions.isEmpty());
        QVERIFY(messages.isEmpty());
    }

    void cancelDuringRun()
    {
        Lumaro window;
        for (int i = 0; i < 60; ++i)
            addPhoto(window, QString("/p/%1.jpg").arg(i), QColor::fromHsv(i * 6, 200, 200));
        VelPref::instance()->setValue(PrefKey::AfterPublishingAction, 0);
        answerSettings(window, {"Show", 0, out});
        QSignalSpy ended(window.publishFlow(), &PublishFlow::publishEnded);
        window.findChild<QToolButton*>("publishBtn")->click();
        QVERIFY(window.publishFlow()->isBusy());
        QVERIFY(!window.publishFlow()->isConverting()); // no music: straight to the run
        window.findChild<QToolButton*>("cancelBtn")->click();
        window.findChild<QToolButton*>("cancelBtn")->click(); // disabled by the first press
        // The window is idle again once the run has ended, not before.
        QVERIFY(!ended.isEmpty() || ended.wait(30000));
        QCOMPARE(ended.size(), 1);
        QCOMPARE(ended.first().first().toBool(), false);
        QVERIFY(!dynamic_cast<FlashmoKit*>(window.flashKit())->isPublishing());
        QVERIFY(window.flashKit()->publishProgress() < 100);
        QTest::qWait(300);
        QVERIFY(popUps().isEmpty());
        QVERIFY(powerActions.isEmpty());
        QVERIFY(!window.publishFlow()->isBusy());
    }

    // Whatever stops a publish from the window (Cancel while the music is converted or while the
    // movie is half-written, a destination that fills up), the destination stays as it was:
    // nothing half-written, no empty folder.
    void destinationUnchanged_data()
    {
        QTest::addColumn<QString>("stop");
        QTest::addColumn<int>("profileIndex");
        QTest::newRow("cancel while converting, xml") << "converting" << 1;
        QTest::newRow("cancel while converting, swf") << "converting" << 0;
        QTest::newRow("cancel with the movie half-written, swf") << "writing" << 0;
        QTest::newRow("cancel with the movie half-written, swf+html") << "writing" << 2;
        QTest::newRow("full destination, swf") << "full" << 0;
        QTest::newRow("full destination, xml") << "full" << 1;
        QTest::newRow("full destination, html (offline)") << "full" << 3;
    }
    void destinationUnchanged()
    {
        QFETCH(QString, stop);
        QFETCH(int, profileIndex);
        QString destination = out;
        if (stop == "full") {
            if (!SmallFs::unavailable().isEmpty())
                QSKIP(qPrintable(SmallFs::unavailable()));
            destination = home->filePath("full");
            QVERIFY(SmallFs::mount(destination, 96));
        }
        QVERIFY(TestFiles::write(destination + "/Mine.txt", "the user's own"));
        const QStringList before = TestFiles::listing(destination);

        VelPref::instance()->setValue(PrefKey::AfterPublishingAction, 5);
        Lumaro window;
        for (int i = 0; i < 30; ++i)
            addPhoto(window, QString("/p/%1.jpg").arg(i), QColor::fromHsv(i * 12, 200, 200));
        if (stop == "converting") {
            QVERIFY(TestFiles::installStandIn(home->filePath("bin"), "kvt", "sleep 30\n",
                                              originalPath));
            QVERIFY(addClip(window, media.filePath("wav22/a.wav")));
        } else {
            QVERIFY(addClip(window, media.filePath("mp3/song.mp3")));
        }
        answerSettings(window, {"Show", profileIndex, destination});
        QSignalSpy ended(window.publishFlow(), &PublishFlow::publishEnded);
        holdAtMusic = stop == "writing";
        window.findChild<QToolButton*>("publishBtn")->click();
        if (stop == "converting") {
            QVERIFY(window.publishFlow()->isConverting());
            window.findChild<QToolButton*>("cancelBtn")->click();
        } else if (stop == "writing") {
            QVERIFY(workerAtMusic.tryAcquire(1, 60000));
            window.findChild<QToolButton*>("cancelBtn")->click();
            releaseWorker.release();
        }
        QVERIFY(!ended.isEmpty() || ended.wait(60000));
        QCOMPARE(ended.first().first().toBool(), false);
        QVERIFY(!window.publishFlow()->isBusy());
        window.flashKit()->cancelAndWait();
        QCOMPARE(TestFiles::listing(destination), before);
        QCOMPARE(messages.size(), stop == "full" ? 1 : 0);
    }

    // Cancel, then at once what Preview does with the kit (empty it, fill it, build): the window
    // is idle again only once the run has ended, and the run never sees its lists change.
    void cancelThenPreview()
    {
        VelPref::instance()->setValue(PrefKey::AfterPublishingAction, 5);
        Lumaro window;
        for (int i = 0; i < 30; ++i)
            addPhoto(window, QString("/p/%1.jpg").arg(i), QColor::fromHsv(i * 12, 200, 200));
        answerSettings(window, {"Show", 0, out});
        auto* kit = dynamic_cast<FlashmoKit*>(window.flashKit());
        QVERIFY(kit);
        PublishFlow* flow = window.publishFlow();
        for (int round = 0; round < 10; ++round) {
            QSignalSpy ended(flow, &PublishFlow::publishEnded);
            bool runningAtEnd = true;
            const QMetaObject::Connection watch =
                connect(flow, &PublishFlow::publishEnded, this,
                        [&runningAtEnd, kit] { runningAtEnd = kit->isPublishing(); });
            window.findChild<QToolButton*>("publishBtn")->click();
            QVERIFY(flow->isBusy());
            window.findChild<QToolButton*>("cancelBtn")->click();
            QVERIFY(kit->clear());
            QVERIFY(kit->addPhotos(window.photoKitEntries()));
            QVERIFY(kit->setTemplate(window.currentTemplateName() + ".swf"));
            kit->createPreviewResource();
            QVERIFY(!ended.isEmpty() || ended.wait(30000));
            disconnect(watch);
            QCOMPARE(ended.size(), 1);
            QCOMPARE(ended.first().first().toBool(), false);
            QVERIFY2(!runningAtEnd, qPrintable(QString("round %1").arg(round)));
            QVERIFY(!flow->isBusy());
        }
        QVERIFY(messages.isEmpty());
    }

    void postTaskAction_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QList<int>>("acted");
        QTest::newRow("quit") << 0 << QList<int>{0};
        QTest::newRow("stand by") << 1 << QList<int>{1};
        QTest::newRow("hibernate") << 2 << QList<int>{2};
        QTest::newRow("unknown 3") << 3 << QList<int>{};
        QTest::newRow("shut down") << 4 << QList<int>{4};
        QTest::newRow("nothing") << 5 << QList<int>{};
    }
    void postTaskAction()
    {
        QFETCH(int, stored);
        QFETCH(QList<int>, acted);
        VelPref::instance()->setValue(PrefKey::AfterPublishingAction, stored);
        Lumaro window;
        addPhoto(window, "/p/red.jpg", Qt::red);
        answerSettings(window, {"Show", 0, out});
        bool succeeded = false;
        QVERIFY(publishAndWait(window, &succeeded));
        QVERIFY(succeeded);
        QCOMPARE(powerActions, acted);
    }

    // Whatever stops a publish, the user hears why and the window is idle again; no pop-up,
    // no action after publishing. A clip that could not be converted or copied is named by the
    // user's own file, with what happened to it. In `reason`, %1 is the test's home folder and
    // %2 the shared media folder.
    void failuresAreTold_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QString>("reason");
        QTest::newRow("template gone") << "template"
                                       << "Gone.swf is missing";
        QTest::newRow("destination not writable") << "destination"
                                                  << "Cannot create the folder";
        QTest::newRow("working copy deleted") << "delete"
                                              << "is missing";
        QTest::newRow("working copy undecodable") << "garble"
                                                  << "cannot be read";
        QTest::newRow("converter failed") << "converter"
                                          << "%2/wav22/a.wav could not be converted to MP3.";
        QTest::newRow("disk full while converting")
            << "full"
            << "%2/wav22/a.wav could not be converted to MP3: No space left on the "
               "device holding %1/data/";
        QTest::newRow("source deleted, to convert") << "delete wav"
                                                    << "%1/mine.wav does not exist.";
        QTest::newRow("source deleted, to copy") << "delete mp3"
                                                 << "%1/mine.mp3 does not exist.";
    }
    void failuresAreTold()
    {
        QFETCH(QString, cause);
        QFETCH(QString, reason);
        VelPref::instance()->setValue(PrefKey::AfterPublishingAction, 0);
        if (cause == "full") {
            if (!SmallFs::unavailable().isEmpty())
                QSKIP(qPrintable(SmallFs::unavailable()));
            QVERIFY(SmallFs::mount(home->filePath("data"), 1024));
        }
        const auto unmount = qScopeGuard([&] {
            if (cause == "full")
                SmallFs::unmount(home->filePath("data"));
        });
        Lumaro window;
        const ImageInfo photo = addPhoto(window, "/p/red.jpg", Qt::red);
        QString destination = out;
        if (cause == "template") {
            auto* panel = window.findChild<MenuTemplateSelectionFrame*>("templateFrame");
            emit panel->templateSelectionChanged(home->filePath("tpl/Gone.jpg"));
        } else if (cause == "destination") {
            QVERIFY(TestFiles::write(home->filePath("file"), "x"));
            destination = home->filePath("file/out");
        } else if (cause == "delete") {
            QVERIFY(QFile::remove(workingCopyPath(photo)));
        } else if (cause == "garble") {
            QVERIFY(TestFiles::write(workingCopyPath(photo), QByteArray(3000, 'x')));
        } else if (cause == "converter") {
            QVERIFY(
                TestFiles::installStandIn(home->filePath("bin"), "kvt", "exit 1\n", originalPath));
            QVERIFY(addClip(window, media.filePath("wav22/a.wav")));
        } else if (cause == "full") {
            QVERIFY(addClip(window, media.filePath("wav22/a.wav")));
            QVERIFY(SmallFs::fill(home->filePath("data")));
        } else if (cause.startsWith("delete ")) {
            const QString mine = home->filePath("mine." + cause.mid(7));
            QVERIFY(QFile::copy(
                media.filePath(cause == "delete wav" ? "wav22/a.wav" : "mp3/song.mp3"), mine));
            QVERIFY(addClip(window, mine));
            QVERIFY(QFile::remove(mine));
        }
        answerSettings(window, {"Show", 0, destination});
        bool succeeded = true;
        QVERIFY(publishAndWait(window, &succeeded));
        QVERIFY(!succeeded);
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().startsWith("The slideshow could not be published.\n"),
                 qPrintable(messages.first()));
        reason.replace("%1", home->path()).replace("%2", media.path());
        QVERIFY2(messages.first().contains(reason), qPrintable(messages.first()));
        QVERIFY(!window.findChild<QWidget*>("publishBtn")->isHidden());
        QVERIFY(window.findChild<QWidget*>("cancelBtn")->isHidden());
        QVERIFY(window.findChild<QFrame*>("rightFrame")->isEnabled());
        QVERIFY(!window.publishFlow()->isBusy());
        QTest::qWait(300);
        QVERIFY(popUps().isEmpty());
        QVERIFY(powerActions.isEmpty());
        QVERIFY(!QFileInfo::exists(destination + "/Show.swf"));
    }

    // a.wav from two folders: two MP3s, each entry pointing at its own.
    void clipsOfOneBaseName()
    {
        Lumaro window;
        addPhoto(window, "/p/red.jpg", Qt::red);
        QVERIFY(addClip(window, media.filePath("wav22/a.wav")));
        QVERIFY(addClip(window, media.filePath("other/a.wav")));
        answerSettings(window, {"Show", 1, out});
        bool succeeded = false;
        QVERIFY(publishAndWait(window, &succeeded));
        QVERIFY(succeeded);
        const QString folder = out + "/Show/background music/";
        QCOMPARE(entries(folder), (QStringList{"a(1).mp3", "a.mp3"}));
        AudioInfo first, second;
        first.filePath = folder + "a.mp3";
        second.filePath = folder + "a(1).mp3";
        QVERIFY(AudioReader::readAudioInfo(first) && AudioReader::readAudioInfo(second));
        QVERIFY(qAbs(first.duration - 2) < 0.2);
        QVERIFY(qAbs(second.duration - 4) < 0.2);
        const QByteArray config =
            TestFiles::read(out + "/Show/" + window.currentTemplateName() + ".xml");
        const qsizetype a = config.indexOf("filename=\"a.mp3\"");
        const qsizetype a1 = config.indexOf("filename=\"a(1).mp3\"");
        QVERIFY(a >= 0 && a1 > a);
    }

    // Publishing after a preview, twice: the same photos each time, re-encoded from the working
    // copies, never from an earlier publish's copies.
    void previewThenTwoPublishes()
    {
        Lumaro window;
        addPhoto(window, "/p/red.jpg", Qt::red);
        addPhoto(window, "/p/blue.jpg", Qt::blue);
        IFlashKitInterface* kit = window.flashKit();
        QVERIFY(kit->clear() && kit->addPhotos(window.photoKitEntries()) &&
                kit->setTemplate(window.currentTemplateName() + ".swf") &&
                kit->createPreviewResource());
        answerSettings(window, {"Show", 1, out});
        bool succeeded = false;
        QVERIFY(publishAndWait(window, &succeeded));
        QVERIFY(succeeded);
        // The slideshow keeps what it was published with, and the dialog starts from it.
        const Slideshow::PublishSettings kept = window.document()->publishSettings();
        QCOMPARE(kept.name, QString("Show"));
        QCOMPARE(kept.folder, out);
        QCOMPARE(kept.profile, 0); // xml
        QCOMPARE(kept.quality, 85);
        QString shown;
        window.publishFlow()->setSettingsRunner([&shown](PublishSetting& dialog) {
            shown = dialog.findChild<QLineEdit*>("publishName")->text() + "|" +
                    dialog.findChild<QComboBox*>("profileComboBox")->currentText() + "|" +
                    dialog.findChild<QComboBox*>("dstComboBox")->currentText();
            dialog.findChild<QToolButton*>("okButton")->click();
            return dialog.result() == QDialog::Accepted;
        });
        QVERIFY(publishAndWait(window, &succeeded));
        QVERIFY(succeeded);
        QCOMPARE(shown, "Show|xml|" + QDir::toNativeSeparators(out));
        QCOMPARE(window.publishFlow()->targetFolder, out + "/Show(1)");
        const QStringList first = entries(out + "/Show/photos");
        QCOMPARE(first.size(), 4);
        QCOMPARE(entries(out + "/Show(1)/photos"), first);
        for (const QString& name : first) {
            QVERIFY2(name.startsWith("p_") || name.startsWith("s_p_"), qPrintable(name));
            QVERIFY2(!name.contains("p_p_"), qPrintable(name));
            QCOMPARE(TestFiles::read(out + "/Show(1)/photos/" + name),
                     TestFiles::read(out + "/Show/photos/" + name));
        }
        QVERIFY(!entries(photosFolder()).join(' ').contains("p_p_"));
    }

    // A publish works on copies: the preview running when it starts is still playing when it
    // ends, with the same player, the same movie and the photos in the Flash area. The offline
    // page builds its movie in the workspace beside the preview's, so each profile is run.
    void publishLeavesThePreviewRunning_data()
    {
        QTest::addColumn<int>("profileIndex");
        QTest::newRow("swf") << 0;
        QTest::newRow("html (offline)") << 3;
    }
    void publishLeavesThePreviewRunning()
    {
        QFETCH(int, profileIndex);
        const QString longSong = media.filePath("long.wav");
        if (!QFileInfo::exists(longSong))
            QVERIFY(TestMedia::makeWav(longSong, 90)); // converted on publishing
        VelPref::instance()->setValue(PrefKey::AfterPublishingAction, 5);
        Lumaro window;
        window.resize(900, 733);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (int i = 0; i < 3; ++i)
            addPhoto(window, QString("/p/%1.jpg").arg(i), PreviewColour);
        QVERIFY(addClip(window, longSong));
        QVERIFY(addClip(window, media.filePath("mp3/song.mp3")));
        window.previewFlow()->selectTemplate(QString(LUMARO_TEST_APP_DIR) +
                                             "/template/version1/Wonderful Moment.jpg");

        auto* flash = window.findChild<FlashPlayerWidget*>("widget");
        QSignalSpy loaded(flash, &FlashPlayerWidget::movieLoaded);
        QSignalSpy movieFailed(flash, &FlashPlayerWidget::movieFailed);
        window.findChild<QToolButton*>("previewBtn")->click();
        QPointer<SoundPlayer> music = window.previewFlow()->musicPlayer();
        QVERIFY(music && music->isPlaying());
        const QString movie = flash->currentMovie();
        QVERIFY(!movie.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty() || !movieFailed.isEmpty(), 90000);
        QVERIFY(movieFailed.isEmpty());
        const QByteArray movieBytes = TestFiles::read(movie);
        QVERIFY(!movieBytes.isEmpty());

        answerSettings(window, {"Show", profileIndex, out});
        bool succeeded = false;
        QVERIFY(publishAndWait(window, &succeeded));
        QVERIFY2(succeeded, qPrintable(messages.join('\n')));

        QVERIFY(music); // not replaced, not deleted
        QCOMPARE(window.previewFlow()->musicPlayer(), music.data());
        QVERIFY(music->isPlaying());
        QCOMPARE(flash->currentMovie(), movie);
        QCOMPARE(TestFiles::read(movie), movieBytes);
        QVERIFY(movieFailed.isEmpty());
        QCOMPARE(loaded.size(), 1); // not loaded again either
        auto* view = flash->findChild<QWebEngineView*>();
        QVERIFY(view);
        double share = 0;
        QTRY_VERIFY2_WITH_TIMEOUT((share = previewColourShare(view->grab().toImage())) > 0.05,
                                  qPrintable(QString::number(share)), 60000);
        QVERIFY(music->isPlaying());
    }

private:
    QTemporaryDir media;
    std::unique_ptr<QTemporaryDir> home;
    QString out;
    QByteArray originalPath;
    QStringList messages;
    QList<int> powerActions;
    QList<QUrl> opened;
};

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestPublishFlow test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_publishflow.moc"
