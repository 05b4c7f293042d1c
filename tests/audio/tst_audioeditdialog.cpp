// The audio edit dialog: which controls are on for a clip and a position, setting and dragging
// the clip's points, deleting and moving rows, playing a segment through the real player,
// adding files through the reader with its report, and what OK and Cancel keep.
#include "audio/audioeditdialog.h"
#include "audio/soundplayer.h"
#include "audio/velsliderbar.h"
#include "common/mediaformats.h"
#include "platform/velfc/core/vel.h"
#include "platform/velfc/core/velpref.h"
#include "support/testfiles.h"
#include "support/testmedia.h"
#include "widgets/loadfaileddialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QSemaphore>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include <atomic>
#include <memory>

namespace {
AudioInfo clip(const QString& path, double duration, double start = 0, double end = -1)
{
    AudioInfo info;
    info.filePath = path;
    info.duration = duration;
    info.startPoint = start;
    info.endPoint = end < 0 ? duration : end;
    info.sampleRate = 44100;
    info.codecName = "pcm_s16le";
    return info;
}

QToolButton* button(QDialog& dialog, const char* name)
{
    return dialog.findChild<QToolButton*>(name);
}

QString rowText(QDialog& dialog, int row, int column)
{
    return dialog.findChild<QTreeWidget*>("treeWidget")->topLevelItem(row)->text(column);
}

VelSliderBar* slider(QDialog& dialog)
{
    return dialog.findChild<VelSliderBar*>("sliderClipping");
}

void releaseThumbAt(QDialog& dialog, int value)
{
    QMetaObject::invokeMethod(slider(dialog), "thumbMouseRelease", Q_ARG(int, value));
}

// Answers the next load-failed report, noting how many files it listed.
void answerReport(QDialog* owner, int* listed)
{
    auto* poll = new QTimer(owner);
    QObject::connect(poll, &QTimer::timeout, owner, [owner, poll, listed] {
        auto* report = owner->findChild<LoadFailedDialog*>();
        if (!report || !report->isVisible())
            return;
        *listed = report->rowCount();
        report->reject();
        poll->deleteLater();
    });
    poll->start(20);
}
} // namespace

class TestAudioEditDialog : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir media;
    std::unique_ptr<QTemporaryDir> home;
    QString six;   // 6 s WAV
    QString three; // 3 s WAV
    QList<AudioInfo> threeClips() const
    {
        return {clip(six, 6), clip(three, 3), clip(media.filePath("long.wav"), 200.6)};
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Vel::setApplicationFolder(QString(LUMARO_TEST_APP_DIR));
        VelMediaPreviewWidget::setExtraMpvOptions({QString("ao=null")});
        fillMediaExtensions();
        if (QStandardPaths::findExecutable("ffmpeg").isEmpty())
            QSKIP("the ffmpeg command is needed to make test clips");
        six = media.filePath("six.wav");
        three = media.filePath("three.wav");
        QVERIFY(TestMedia::makeWav(six, 6));
        QVERIFY(TestMedia::makeWav(three, 3));
    }

    void init()
    {
        home.reset(new QTemporaryDir);
        VelPref::instance()->open(home->filePath("lumaro.ini"));
    }

    void opensOnTheFirstClip()
    {
        AudioEditDialog dialog(threeClips(), nullptr);
        auto* tree = dialog.findChild<QTreeWidget*>("treeWidget");
        QCOMPARE(tree->topLevelItemCount(), 3);
        QCOMPARE(tree->currentIndex().row(), 0);
        QCOMPARE(rowText(dialog, 2, 1), QString("00:03:20"));
        QVERIFY(!button(dialog, "moveUp")->isEnabled());
        QVERIFY(button(dialog, "moveDown")->isEnabled());
        QVERIFY(button(dialog, "delete_2")->isEnabled());
        QVERIFY(!button(dialog, "stop")->isEnabled());
        QVERIFY(!button(dialog, "setOutPoint")->isEnabled());

        // 200.6 s: whole seconds on the slider, the end point itself untouched.
        slider(dialog)->setValue(5);
        tree->setCurrentItem(tree->topLevelItem(2));
        QCOMPARE(slider(dialog)->value(), 0);
        QCOMPARE(slider(dialog)->maximum(), 200);
        QCOMPARE(slider(dialog)->clipEndValue(), 200);
        QCOMPARE(dialog.editedList().at(2).endPoint, 200.6);
        QVERIFY(!button(dialog, "moveDown")->isEnabled());
    }

    // Set Start Point only while the position is more than a second before the end point, Set
    // End Point only while it is more than a second after the start point.
    void pointButtonsFollowThePosition_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("startOn");
        QTest::addColumn<bool>("endOn");
        // The clip runs from 30 s to 40 s.
        QTest::newRow("before the start") << 20 << true << false;
        QTest::newRow("a second after the start") << 31 << true << false;
        QTest::newRow("inside") << 35 << true << true;
        QTest::newRow("a second before the end") << 39 << false << true;
        QTest::newRow("after the end") << 45 << false << true;
    }
    void pointButtonsFollowThePosition()
    {
        QFETCH(int, position);
        QFETCH(bool, startOn);
        QFETCH(bool, endOn);
        AudioEditDialog dialog({clip(six, 60, 30, 40)}, nullptr);
        releaseThumbAt(dialog, position);
        QCOMPARE(dialog.playingPosition(), double(position));
        QCOMPARE(button(dialog, "setInPoint")->isEnabled(), startOn);
        QCOMPARE(button(dialog, "setOutPoint")->isEnabled(), endOn);
        QCOMPARE(dialog.findChild<QLabel*>("label")->text(),
                 formatTime(position) + QString(" / 00:01:00"));
    }

    void pointsFromTheThumbAndTheTags()
    {
        AudioEditDialog dialog({clip(six, 60, 0, 60), clip(three, 3)}, nullptr);
        VelSliderBar* bar = slider(dialog);
        bar->setValue(35);
        releaseThumbAt(dialog, 35);
        button(dialog, "setInPoint")->click();
        QCOMPARE(dialog.editedList().first().startPoint, 35.0);
        QCOMPARE(bar->clipStartValue(), 35);
        QCOMPARE(rowText(dialog, 0, 2), QString("00:00:35"));
        bar->setValue(50);
        releaseThumbAt(dialog, 50);
        button(dialog, "setOutPoint")->click();
        QCOMPARE(dialog.editedList().first().endPoint, 50.0);
        QCOMPARE(rowText(dialog, 0, 3), QString("00:00:50"));

        // A thumb moved by the wheel past the end cannot become the start.
        QWheelEvent wheel(QPointF(5, 5), bar->mapToGlobal(QPointF(5, 5)), QPoint(),
                          QPoint(0, -120 * 5), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(bar, &wheel);
        QCOMPARE(bar->value(), 55);
        QVERIFY(!button(dialog, "setInPoint")->isEnabled());
        QMetaObject::invokeMethod(&dialog, "on_setInPoint_clicked");
        QCOMPARE(dialog.editedList().first().startPoint, 35.0);

        // Dragged tags write through at once; the other clip is untouched.
        QMetaObject::invokeMethod(bar, "clipStartChanged", Q_ARG(int, 30));
        QMetaObject::invokeMethod(bar, "clipEndChanged", Q_ARG(int, 44));
        QCOMPARE(dialog.editedList().first().startPoint, 30.0);
        QCOMPARE(dialog.editedList().first().endPoint, 44.0);
        QCOMPARE(rowText(dialog, 0, 2), QString("00:00:30"));
        QCOMPARE(rowText(dialog, 0, 3), QString("00:00:44"));
        QCOMPARE(dialog.editedList().last().endPoint, 3.0);
    }

    void deleteAndMoveRows()
    {
        AudioEditDialog dialog(threeClips(), nullptr);
        auto* tree = dialog.findChild<QTreeWidget*>("treeWidget");
        auto names = [&] {
            QStringList list;
            for (const AudioInfo& each : dialog.editedList())
                list << QFileInfo(each.filePath).fileName();
            return list;
        };
        button(dialog, "moveDown")->click();
        QCOMPARE(names(), QStringList({"three.wav", "six.wav", "long.wav"}));
        QCOMPARE(rowText(dialog, 1, 0), QString("six.wav"));
        QCOMPARE(tree->currentIndex().row(), 1);
        QCOMPARE(dialog.editedRow(), 1);
        button(dialog, "moveUp")->click();
        QCOMPARE(names(), QStringList({"six.wav", "three.wav", "long.wav"}));
        QVERIFY(!button(dialog, "moveUp")->isEnabled());

        // The last of three: the new last row becomes current.
        tree->setCurrentItem(tree->topLevelItem(2));
        button(dialog, "delete_2")->click();
        QCOMPARE(names(), QStringList({"six.wav", "three.wav"}));
        QCOMPARE(tree->currentIndex().row(), 1);
        QCOMPARE(dialog.findChild<QLabel*>("label")->text(), QString("00:00:00 / 00:00:03"));
        // A middle row: the row after it moves up into its place.
        tree->setCurrentItem(tree->topLevelItem(0));
        button(dialog, "delete_2")->click();
        QCOMPARE(names(), QStringList({"three.wav"}));
        QCOMPARE(tree->currentIndex().row(), 0);
        button(dialog, "delete_2")->click();
        QVERIFY(dialog.editedList().isEmpty());
        QVERIFY(!button(dialog, "delete_2")->isEnabled());
        QVERIFY(!dialog.findChild<QWidget*>("frameEdit")->isEnabled());
        QCOMPARE(dialog.findChild<QLabel*>("label")->text(), QString("00:00:00 / 00:00:00"));
    }

    // Through the real player: the segment from 1 s to 2 s starts at 1 s, stops by itself at
    // 2 s and goes back to its start.
    void segmentStopsAndReturns()
    {
        AudioEditDialog dialog({clip(six, 6, 1, 2)}, nullptr);
        QList<double> heard;
        connect(dialog.soundPlayer()->dataReceiverThread(),
                &VelmDataReceiverThread::progressChanged, &dialog,
                [&] { heard << dialog.playingPosition(); });
        button(dialog, "playSegment")->click();
        QVERIFY(dialog.isSegmentMode());
        QVERIFY(!button(dialog, "play")->isEnabled());
        QVERIFY(button(dialog, "stop")->isEnabled());
        QVERIFY(dialog.soundPlayer()->isPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.soundPlayer()->isPlaying(), 10000);
        QVERIFY(!heard.isEmpty());
        QVERIFY2(heard.first() >= 0.95 && heard.first() < 2.05,
                 qPrintable(QString::number(heard.first())));
        QCOMPARE(dialog.playingPosition(), 1.0);
        QCOMPARE(slider(dialog)->value(), 1);
        QVERIFY(!button(dialog, "playSegment")->isHidden());
        QVERIFY(button(dialog, "pause")->isHidden());
        QVERIFY(button(dialog, "play")->isEnabled());
        QVERIFY(button(dialog, "playSegment")->isEnabled());
    }

    // Through the real player: Play after a pause resumes the paused clip only while its row
    // is still the current one; on another row it plays that row's clip from the beginning.
    void playAfterPauseFollowsTheRow_data()
    {
        QTest::addColumn<bool>("otherRow");
        QTest::newRow("same row resumes") << false;
        QTest::newRow("other row plays its own clip") << true;
    }
    void playAfterPauseFollowsTheRow()
    {
        QFETCH(bool, otherRow);
        AudioEditDialog dialog({clip(six, 6), clip(three, 3)}, nullptr);
        VelmPlayer* player = dialog.soundPlayer()->player();
        const auto playing = [player] {
            const QList<VelmClip> clips = player->clips();
            const int index = player->currentIndex();
            return index >= 0 && index < clips.size() ? clips.at(index).path : QString();
        };
        button(dialog, "play")->click();
        QTRY_VERIFY_WITH_TIMEOUT(dialog.playingPosition() >= 1.2, 10000);
        button(dialog, "pause")->click();
        QTRY_VERIFY(dialog.soundPlayer()->isPaused());
        if (otherRow)
            dialog.findChild<QTreeWidget*>("treeWidget")
                ->setCurrentItem(dialog.findChild<QTreeWidget*>("treeWidget")->topLevelItem(1));

        QList<double> heard;
        connect(dialog.soundPlayer()->dataReceiverThread(),
                &VelmDataReceiverThread::progressChanged, &dialog,
                [&] { heard << dialog.playingPosition(); });
        button(dialog, "play")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!heard.isEmpty() && dialog.soundPlayer()->isPlaying(), 10000);
        QCOMPARE(playing(), otherRow ? three : six);
        if (otherRow)
            QVERIFY2(heard.first() < 0.9, qPrintable(QString::number(heard.first())));
        else
            QVERIFY2(heard.first() >= 0.95, qPrintable(QString::number(heard.first())));
    }

    // Added files are read off this thread: the dialog goes on painting, shows progress, adds
    // the good ones (following the option boxes) and reports the others.
    void addReadsInTheBackground()
    {
        const QString bad = media.filePath("not music.mp3");
        QVERIFY(TestFiles::write(bad, "plain text"));
        AudioEditDialog dialog({}, nullptr);
        QVERIFY(!dialog.findChild<QWidget*>("frameEdit")->isEnabled());
        dialog.findChild<QCheckBox*>("fadeInChkBox")->click();
        QString askedFolder;
        dialog.setOpenFilesFunction([&](QWidget*, const QString&, const QString& folder,
                                        const QString& filter) {
            askedFolder = folder;
            return filter.startsWith("All Supported Files (*.aac") ? QStringList{six, bad, three}
                                                                   : QStringList();
        });
        // A slow tool: the dialog's own timers keep running meanwhile.
        dialog.fileReader()->setReadFunction([](AudioInfo& info, QString*) {
            QThread::msleep(250);
            if (info.filePath.endsWith(".mp3"))
                return false;
            info.duration = info.filePath.endsWith("six.wav") ? 6 : 3;
            info.endPoint = info.duration;
            return true;
        });
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
        ticker.start(20);
        int listed = -1;
        answerReport(&dialog, &listed);
        dialog.show();
        QSignalSpy done(dialog.fileReader(), &AudioBatchReader::finished);
        button(dialog, "add")->click();
        QVERIFY(!button(dialog, "add")->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(
            dialog.findChild<QProgressDialog*>("readProgress") &&
                dialog.findChild<QProgressDialog*>("readProgress")->isVisible(),
            5000);
        QTRY_COMPARE_WITH_TIMEOUT(done.size(), 1, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(listed, 1, 5000);
        QVERIFY2(ticks > 10, qPrintable(QString::number(ticks)));
        QCOMPARE(askedFolder, PrefDefault::audioLastDir());
        QCOMPARE(VelPref::instance()->value(PrefKey::AudioLastDir).toString(), media.path());
        QCOMPARE(dialog.editedList().size(), 2);
        QCOMPARE(dialog.editedList().first().fadeIn, 1);
        QCOMPARE(rowText(dialog, 1, 0), QString("three.wav"));
        QCOMPARE(dialog.findChild<QTreeWidget*>("treeWidget")->currentIndex().row(), 1);
        QVERIFY(dialog.findChild<QWidget*>("frameEdit")->isEnabled());
        QVERIFY(button(dialog, "play")->isEnabled());
        QVERIFY(button(dialog, "add")->isEnabled());
    }

    // The window-modal progress runs the event loop inside its setValue(): when the batch's end
    // arrives there, the progress must not be deleted under that call.
    void batchEndingInsideTheProgressCall()
    {
        AudioEditDialog dialog({}, nullptr);
        dialog.setOpenFilesFunction([&](QWidget*, const QString&, const QString&, const QString&) {
            return QStringList{six, three, six};
        });
        QSemaphore progressUp;
        QSemaphore lastFile;
        std::atomic<int> files{0};
        std::atomic<QThread*> worker{nullptr};
        AudioBatchReader* reader = dialog.fileReader();
        reader->setReadFunction([&](AudioInfo& info, QString*) {
            worker = QThread::currentThread();
            const int file = ++files;
            if (file == 1)
                progressUp.acquire(); // until the progress shows
            else if (file == 3)
                lastFile.acquire(); // until the window handles the second file's progress
            info.duration = info.endPoint = 3;
            return true;
        });
        int depth = 0; // inside the reader's progress signal, around the dialog's own handling
        bool endInsideProgress = false;
        bool deletedInsideProgress = false;
        connect(reader, &AudioBatchReader::progress, this, [&](int done) {
            ++depth;
            if (done == 2) {
                // The last progress and the end are posted now, while this one is handled.
                lastFile.release();
                worker.load()->wait();
            }
        });
        connect(reader, &AudioBatchReader::finished, this, [&] { endInsideProgress = depth > 0; });
        dialog.show();
        button(dialog, "add")->click();
        connect(reader, &AudioBatchReader::progress, this, [&] { --depth; });
        QPointer<QProgressDialog> progress = dialog.findChild<QProgressDialog*>("readProgress");
        QVERIFY(progress);
        connect(progress, &QObject::destroyed, this, [&] { deletedInsideProgress = depth > 0; });
        QTRY_VERIFY_WITH_TIMEOUT(progress->isVisible(), 5000);
        progressUp.release();
        QTRY_VERIFY(!reader->isRunning());
        QVERIFY(endInsideProgress);
        QVERIFY(!deletedInsideProgress);
        QVERIFY(!progress || !progress->isVisible());
        QCOMPARE(dialog.editedList().size(), 3);
        QVERIFY(button(dialog, "add")->isEnabled());

        // The kept progress shows for the next batch too.
        disconnect(reader, nullptr, this, nullptr);
        reader->setReadFunction([&](AudioInfo& info, QString*) {
            progressUp.acquire();
            info.duration = info.endPoint = 3;
            return true;
        });
        button(dialog, "add")->click();
        QTRY_VERIFY_WITH_TIMEOUT(progress && progress->isVisible(), 5000);
        progressUp.release(3);
        QTRY_VERIFY(!reader->isRunning());
        QVERIFY(!progress->isVisible());
        QCOMPARE(dialog.editedList().size(), 6);
    }

    // The boxes set their flag on every clip at once; only OK stores them.
    void optionsStoredOnOkOnly_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("ok") << true;
        QTest::newRow("cancel") << false;
    }
    void optionsStoredOnOkOnly()
    {
        QFETCH(bool, accept);
        AudioEditDialog dialog({clip(six, 6), clip(three, 3)}, nullptr);
        QVERIFY(!dialog.findChild<QCheckBox*>("fadeOutChkBox")->isChecked());
        QVERIFY(dialog.findChild<QCheckBox*>("loopChkBox")->isChecked());
        dialog.findChild<QCheckBox*>("fadeOutChkBox")->click();
        dialog.findChild<QCheckBox*>("loopChkBox")->click();
        for (const AudioInfo& each : dialog.editedList()) {
            QCOMPARE(each.fadeOut, 1);
            QCOMPARE(each.loop, 0);
        }
        auto* box = dialog.findChild<QDialogButtonBox*>("buttonBox");
        box->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
        QCOMPARE(dialog.result(), accept ? int(QDialog::Accepted) : int(QDialog::Rejected));
        VelPref* pref = VelPref::instance();
        QCOMPARE(pref->contains(PrefKey::IsFadeOut), accept);
        QCOMPARE(pref->value(PrefKey::IsFadeOut, false).toBool(), accept);
        QCOMPARE(pref->value(PrefKey::IsLoop, true).toBool(), !accept);
        QVERIFY(!pref->contains(PrefKey::IsFadeIn) || accept);
    }
};

QTEST_MAIN(TestAudioEditDialog)
#include "tst_audioeditdialog.moc"
