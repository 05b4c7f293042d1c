// The preview in the main window: the user's photos really appear in the Flash area, the music
// starts with them, and another Preview, another template or Edit Audio stop or replace it.
// The edit dialog's OK and Cancel decide what the music strip keeps.
#include "app/lumaro.h"
#include "app/previewflow.h"
#include "audio/audioeditdialog.h"
#include "audio/audiolistwidget.h"
#include "audio/soundplayer.h"
#include "common/workspace.h"
#include "photos/photolistwidget.h"
#include "platform/flashplayer/flashplayerwidget.h"
#include "platform/velfc/core/vel.h"
#include "platform/velfc/core/velpref.h"
#include "support/testfiles.h"
#include "support/testimages.h"
#include "support/testmedia.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QWebEngineView>
#include <QtTest>

#include <functional>
#include <memory>

namespace {
const QColor PhotoColour(230, 20, 200); // no template draws this on its own

// A photo as the import leaves it: working copy and thumbnail in the workspace, a record.
ImageInfo importedPhoto()
{
    ImageInfo info;
    info.id = QUuid::createUuid();
    info.path = QString("/pictures/magenta.jpg");
    info.width = 720;
    info.height = 540;
    QImage picture(720, 540, QImage::Format_RGB32);
    picture.fill(PhotoColour);
    ensurePhotoFolders();
    picture.save(workingCopyPath(info), "JPG", 95);
    picture.scaled(80, 60).save(thumbnailPath(info), "JPG", 95);
    info.thumbnail = ImageInfo::makeThumbnail(picture);
    info.rotatedThumbnail = ImageInfo::makeRotatedThumbnail(picture);
    return info;
}

AudioInfo clip(const QString& path, double seconds)
{
    AudioInfo info;
    info.filePath = path;
    info.duration = seconds;
    info.endPoint = seconds;
    info.sampleRate = 44100;
    info.codecName = "pcm_s16le";
    return info;
}

QString templatePicture(const QString& name)
{
    return QString(LUMARO_TEST_APP_DIR) + "/template/version1/" + name + ".jpg";
}

double photoShare(const QImage& image)
{
    int hits = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            hits += TestFiles::closeColour(image.pixelColor(x, y), PhotoColour, 60) ? 1 : 0;
    return 4.0 * hits / (image.width() * image.height());
}

// Runs `answer` on the edit dialog once it is up.
void whenEditDialogOpens(QObject* context, std::function<void(AudioEditDialog*)> answer)
{
    auto* poll = new QTimer(context);
    QObject::connect(poll, &QTimer::timeout, context, [poll, answer] {
        auto* dialog = qobject_cast<AudioEditDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll->deleteLater();
        answer(dialog);
    });
    poll->start(20);
}
} // namespace

class TestPreviewFlow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> home;
    QTemporaryDir media;
    QString song; // 8 s WAV

    struct Window
    {
        Lumaro main;
        FlashPlayerWidget* flash = nullptr;
        QToolButton* preview = nullptr;
        Window()
        {
            flash = main.findChild<FlashPlayerWidget*>("widget");
            preview = main.findChild<QToolButton*>("previewBtn");
            main.resize(900, 733);
            main.show();
        }
        SoundPlayer* music() const { return main.previewFlow()->musicPlayer(); }
        QString workspaceMovie() const
        {
            return workspaceFolder() + "/" + main.currentTemplateName() + ".swf";
        }
    };

    void fill(Window& window, bool withMusic)
    {
        for (int i = 0; i < 4; ++i)
            window.main.document()->addPhotos(-1, {importedPhoto()});
        if (withMusic)
            window.main.document()->addClips(-1, {clip(song, 8), clip(song, 8)});
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Vel::setApplicationFolder(QString(LUMARO_TEST_APP_DIR));
        VelMediaPreviewWidget::setExtraMpvOptions({QString("ao=null")});
        if (!QFileInfo::exists(templatePicture("Wonderful Moment")))
            QSKIP("the gallery templates are not built");
        song = media.filePath("song.wav");
        QVERIFY(TestMedia::makeWav(song, 8));
    }

    void init()
    {
        home.reset(new QTemporaryDir);
        VelPref::instance()->open(home->filePath("lumaro.ini"));
        VelPref::instance()->setValue(PrefKey::LastSkin, "kzo");
        VelPref::instance()->setValue(PrefKey::TemporaryDir, home->filePath("data"));
        VelPref::instance()->setValue(PrefKey::Temporary,
                                      QString(home->filePath("data/") + WorkspaceFolderName));
    }

    // Photos of one strong colour go in; that colour comes out of the Flash control.
    void previewShowsThePhotos()
    {
        Window window;
        fill(window, false);
        window.main.previewFlow()->selectTemplate(templatePicture("Wonderful Moment"));
        QSignalSpy loaded(window.flash, &FlashPlayerWidget::movieLoaded);
        QSignalSpy failed(window.flash, &FlashPlayerWidget::movieFailed);
        window.preview->click();
        QVERIFY(window.preview->isEnabled());
        QVERIFY(!window.music()); // no music, no player
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty() || !failed.isEmpty(), 90000);
        QVERIFY(failed.isEmpty());
        QCOMPARE(loaded.first().first().toString(),
                 QFileInfo(window.workspaceMovie()).absoluteFilePath());
        auto* view = window.flash->findChild<QWebEngineView*>();
        QVERIFY(view);
        double share = 0;
        QTRY_VERIFY2_WITH_TIMEOUT((share = photoShare(view->grab().toImage())) > 0.05,
                                  qPrintable(QString::number(share)), 60000);
    }

    // What a running preview does when something else happens.
    void stopOrReplace_data()
    {
        QTest::addColumn<QString>("event");
        QTest::newRow("preview again") << "preview";
        QTest::newRow("another template") << "template";
        QTest::newRow("edit audio") << "edit";
    }
    void stopOrReplace()
    {
        QFETCH(QString, event);
        Window window;
        fill(window, true);
        window.preview->click();
        QPointer<SoundPlayer> first = window.music();
        QVERIFY(first);
        QVERIFY(first->isPlaying());
        QVERIFY(first->effectsEnabled());
        QCOMPARE(first->clipTotal(), 2);
        QCOMPARE(window.flash->currentMovie(),
                 QFileInfo(window.workspaceMovie()).absoluteFilePath());

        if (event == "preview") {
            window.preview->click();
            QVERIFY(!first); // stopped and deleted
            QVERIFY(window.music() && window.music()->isPlaying());
            QCOMPARE(window.flash->currentMovie(),
                     QFileInfo(window.workspaceMovie()).absoluteFilePath());
        } else if (event == "template") {
            window.main.previewFlow()->selectTemplate(templatePicture("Carousel"));
            QCOMPARE(window.music(), first.data()); // kept, silent
            QVERIFY(!first->isPlaying());
            QCOMPARE(window.flash->currentMovie(),
                     QFileInfo(templatePicture("Carousel")).absolutePath() + "/Carousel.swf");
            // Preview again starts the music from the first clip.
            window.preview->click();
            QVERIFY(window.music()->isPlaying());
            QCOMPARE(window.music()->currentClip(), 0);
        } else {
            QString movieDuringDialog = "unset";
            whenEditDialogOpens(&window.main, [&](AudioEditDialog* dialog) {
                movieDuringDialog = window.flash->currentMovie();
                dialog->reject();
            });
            window.main.findChild<QToolButton*>("editMusic")->click();
            QVERIFY(movieDuringDialog.isEmpty());
            QCOMPARE(window.music(), first.data());
            QVERIFY(!first->isPlaying());
            QCOMPARE(window.flash->currentMovie(),
                     QFileInfo(window.main.currentTemplateMoviePath()).absoluteFilePath());
        }
    }

    // A failed build leaves the area empty and a line in the log; the music plays regardless.
    void failedBuildIsLoggedAndMusicStillPlays()
    {
        const QString logDir = home->filePath("log");
        QDir().mkpath(logDir);
        qputenv("TMPDIR", logDir.toLocal8Bit());
        const QString log = TestFiles::logPath();
        Window window;
        fill(window, true);
        // A folder where the copy of the template movie belongs: the build cannot finish.
        QVERIFY(QDir().mkpath(window.workspaceMovie()));
        window.preview->click();
        qunsetenv("TMPDIR");
        QVERIFY(window.flash->currentMovie().isEmpty());
        QVERIFY(TestFiles::read(log).contains("in PreviewFlow::preview : "));
        QVERIFY(window.music() && window.music()->isPlaying());

        // Edit Audio brings the template's own movie back to the cleared area.
        whenEditDialogOpens(&window.main, [](AudioEditDialog* dialog) { dialog->reject(); });
        QSignalSpy loaded(window.flash, &FlashPlayerWidget::movieLoaded);
        window.main.findChild<QToolButton*>("editMusic")->click();
        QVERIFY(loaded.wait(90000));
        QCOMPARE(loaded.first().first().toString(),
                 QFileInfo(window.main.currentTemplateMoviePath()).absoluteFilePath());
    }

    // Cancel keeps the strip as it was; OK hands over the edited clips.
    void editAudioOkAndCancel_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("cancel") << false;
        QTest::newRow("ok") << true;
    }
    void editAudioOkAndCancel()
    {
        QFETCH(bool, accept);
        Window window;
        auto* strip = window.main.findChild<AudioListWidget*>("audioListWidget");
        AudioInfo second = clip(media.filePath("second.wav"), 30);
        window.main.document()->addClips(-1, {clip(song, 8), second});
        whenEditDialogOpens(&window.main, [accept](AudioEditDialog* dialog) {
            dialog->findChild<QToolButton*>("delete_2")->click();
            dialog->findChild<QCheckBox*>("fadeInChkBox")->click();
            dialog->findChild<QDialogButtonBox*>("buttonBox")
                ->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)
                ->click();
        });
        window.main.findChild<QToolButton*>("editMusic")->click();
        const QList<AudioInfo> kept = window.main.document()->clips();
        QCOMPARE(strip->count(), kept.size());
        QCOMPARE(window.main.document()->musicOptions().fadeIn, accept);
        QCOMPARE(kept.size(), accept ? 1 : 2);
        QCOMPARE(kept.first().filePath, accept ? second.filePath : song);
        QCOMPARE(kept.first().fadeIn, accept ? 1 : 0);
        QCOMPARE(VelPref::instance()->contains(PrefKey::IsFadeIn), accept);
        QCOMPARE(window.main.musicKitEntries().size(), kept.size());
    }

    // In the dark skin neither an empty nor a failed Flash area is a white panel.
    void emptyAreaFollowsTheDarkSkin()
    {
        Window window;
        QVERIFY(QTest::qWaitForWindowExposed(&window.main));
        window.flash->clear();
        QImage image = window.flash->grab().toImage();
        QVERIFY2(image.pixelColor(image.rect().center()).lightness() < 90,
                 qPrintable(image.pixelColor(image.rect().center()).name()));
        QSignalSpy failed(window.flash, &FlashPlayerWidget::movieFailed);
        window.flash->setControl(QLatin1String(FlashPlayerWidget::FlashControlId));
        window.flash->dynamicCall("LoadMovie(long,string)", 0, home->filePath("missing.swf"));
        QVERIFY(failed.wait(10000));
        image = window.flash->grab().toImage();
        QVERIFY(image.pixelColor(image.rect().center()).lightness() < 90);
    }
};

QTEST_MAIN(TestPreviewFlow)
#include "tst_previewflow.moc"
