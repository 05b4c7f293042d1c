// The background music of the preview: the fade rule at the edges of the list, what the player
// does with an empty list and with effects off, and real playback of a two-clip list that ends
// and starts over.
#include "audio/core/fadevolume.h"
#include "audio/soundplayer.h"
#include "support/testmedia.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {
AudioInfo clip(const QString& path, double start, double end)
{
    AudioInfo info;
    info.filePath = path;
    info.duration = end + 5;
    info.startPoint = start;
    info.endPoint = end;
    return info;
}
} // namespace

class TestSoundPlayer : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir media;
    QString one;   // 1.5 s WAV
    QString other; // 2 s WAV, a name with a space

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        VelMediaPreviewWidget::setExtraMpvOptions({QString("ao=null")});
        if (QStandardPaths::findExecutable("ffmpeg").isEmpty())
            QSKIP("the ffmpeg command is needed to make test clips");
        one = media.filePath("one.wav");
        other = media.filePath("the other.wav");
        QVERIFY(TestMedia::makeWav(one, 1.5));
        QVERIFY(TestMedia::makeWav(other, 2));
    }

    // The player sets the volume from the position it is told, tick by tick.
    void volumeFollowsThePosition_data()
    {
        QTest::addColumn<bool>("fadeIn");
        QTest::addColumn<bool>("fadeOut");
        QTest::addColumn<double>("start"); // of the clip playing
        QTest::addColumn<double>("position");
        QTest::addColumn<int>("volume");

        // One clip from 10 s to 70 s with both fades.
        QTest::newRow("fade-in half way") << true << true << 10.0 << 12.5 << 50;
        QTest::newRow("fade-in done") << true << true << 10.0 << 15.0 << 100;
        QTest::newRow("middle") << true << true << 10.0 << 40.0 << 100;
        QTest::newRow("fade-out begins") << true << true << 10.0 << 62.0 << 100;
        QTest::newRow("fade-out half way") << true << true << 10.0 << 66.0 << 50;
        QTest::newRow("at the end") << true << true << 10.0 << 70.0 << 0;
        QTest::newRow("at the start point") << true << true << 10.0 << 10.0 << 0;
        QTest::newRow("before the start point") << true << true << 10.0 << 9.0 << 0;
        QTest::newRow("no fade-in asked") << false << true << 10.0 << 12.5 << 100;
        QTest::newRow("no fade-out asked") << true << false << 10.0 << 66.0 << 100;
        // A clip starting at exactly one second fades out like any other.
        QTest::newRow("start at 1 s") << false << true << 1.0 << 66.0 << 50;
    }
    void volumeFollowsThePosition()
    {
        QFETCH(bool, fadeIn);
        QFETCH(bool, fadeOut);
        QFETCH(double, start);
        QFETCH(double, position);
        QFETCH(int, volume);

        SoundPlayer player(nullptr, true, fadeIn, fadeOut, false);
        const AudioInfo only = clip(media.filePath("absent.wav"), start, 70);
        player.playAll({only});
        player.stop();
        QCOMPARE(player.currentClip(), 0);
        player.setPositionSource([position] { return position; });
        player.setVolume(77);
        player.slotAddEffect();
        QCOMPARE(player.volume(), volume);
    }

    // With a fade-in only, clips after the first always play at full volume, also right at
    // their start; a fade-out touches only the last clip.
    void fadesBelongToTheEndsOfTheList()
    {
        const QList<AudioInfo> list = {clip("a", 10, 70), clip("b", 0, 30), clip("c", 5, 20)};
        const FadeVolume::Effects inOnly{true, false};
        const FadeVolume::Effects both{true, true};
        QCOMPARE(FadeVolume::volumeAt(list, 1, 0.0, inOnly), 100);
        QCOMPARE(FadeVolume::volumeAt(list, 1, 2.5, inOnly), 100);
        QCOMPARE(FadeVolume::volumeAt(list, 1, 28.0, both), 100);
        QCOMPARE(FadeVolume::volumeAt(list, 2, 16.0, both), 50);
        QCOMPARE(FadeVolume::volumeAt(list, 2, 7.5, both), 100);
        QCOMPARE(FadeVolume::volumeAt({}, 0, 3.0, both), 100);
    }

    void emptyListLeavesThePlayerAlone()
    {
        SoundPlayer player(nullptr, true, true, true, true);
        player.addUrl(one, QString(), 0, -1, 0, false, QVariant());
        player.playAll({});
        QCOMPARE(player.urlCount(), 1);
        QVERIFY(!player.isPlaying());
        QCOMPARE(player.clipTotal(), 0);
    }

    // Real playback: both clips end in order, the list starts over at the first clip's start
    // point, fading in again from silence.
    void twoClipListEndsAndLoops()
    {
        SoundPlayer player(nullptr, true, true, false, true);
        VelmDataReceiverThread* receiver = player.dataReceiverThread();
        // Counted on this thread, in order with the progress ticks.
        int ends = 0;
        int clipAfterFirstEnd = -1;
        QList<int> startVolumes;
        QList<QPair<double, int>> afterLoop; // position and volume
        connect(receiver, &VelmDataReceiverThread::currentUrlPlayingFinished, &player, [&] {
            if (++ends == 1)
                clipAfterFirstEnd = player.currentClip();
        });
        connect(&player, &VelMediaPreviewWidget::aboutToPlay, &player,
                [&](bool&) { startVolumes.append(player.volume()); });
        connect(receiver, &VelmDataReceiverThread::progressChanged, &player, [&] {
            if (ends >= 2)
                afterLoop.append({receiver->pos(), player.volume()});
        });

        player.playAll({clip(one, 0.5, 1.5), clip(other, 0.0, 0.8)});
        QTRY_VERIFY_WITH_TIMEOUT(!afterLoop.isEmpty(), 20000);
        QCOMPARE(clipAfterFirstEnd, 1);
        QVERIFY(player.isPlaying());
        QCOMPARE(player.urlCount(), 2);
        QVERIFY2(afterLoop.first().first >= 0.45 && afterLoop.first().first < 1.5,
                 qPrintable(QString::number(afterLoop.first().first)));
        QVERIFY2(afterLoop.first().second <= 20,
                 qPrintable(QString::number(afterLoop.first().second)));
        // Each start, the first and the looped one, begins in silence.
        QVERIFY(startVolumes.size() >= 2);
        QCOMPARE(startVolumes.count(0), startVolumes.size());
    }

    // A list whose clips all fail at once is not restarted for ever.
    void unplayableListDoesNotSpin()
    {
        SoundPlayer player(nullptr, true, false, false, true);
        QSignalSpy ended(player.player(), &VelmPlayer::playFinished);
        player.playAll({clip(media.filePath("gone.wav"), 0, 3)});
        QVERIFY(ended.wait(10000));
        QTest::qWait(500);
        QCOMPARE(ended.size(), 1);
        QVERIFY(!player.isPlaying());
    }
};

QTEST_MAIN(TestSoundPlayer)
#include "tst_soundplayer.moc"
