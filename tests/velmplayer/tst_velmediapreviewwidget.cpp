#include "platform/velmplayer/velmediapreviewwidget.h"
#include "support/testmedia.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
// Positions the player reported, gathered from its progress signal.
struct PositionLog
{
    QList<double> seen;
    double min() const { return *std::min_element(seen.cbegin(), seen.cend()); }
    double max() const { return *std::max_element(seen.cbegin(), seen.cend()); }
};
} // namespace

class TestVelMediaPreviewWidget : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir media;
    QString twoSeconds;   // 2 s, WAV
    QString threeSeconds; // 3 s, Ogg Vorbis, a name with a space and a comma

    static std::unique_ptr<VelMediaPreviewWidget> makePlayer()
    {
        return std::make_unique<VelMediaPreviewWidget>(nullptr, Qt::WindowFlags(), false, false,
                                                       nullptr);
    }

    static void logPositions(VelMediaPreviewWidget* player, PositionLog* log)
    {
        VelmDataReceiverThread* receiver = player->dataReceiverThread();
        QObject::connect(receiver, &VelmDataReceiverThread::progressChanged, receiver,
                         [receiver, log] { log->seen.append(receiver->pos()); });
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("ffmpeg").isEmpty())
            QSKIP("the ffmpeg command is needed to make test clips");
        VelMediaPreviewWidget::setExtraMpvOptions({QString("ao=null")});
        twoSeconds = media.filePath("two.wav");
        threeSeconds = media.filePath("three, long.ogg");
        QVERIFY(TestMedia::makeWav(twoSeconds, 2));
        QVERIFY(TestMedia::makeTone(threeSeconds, TestMedia::kind("ogg"), 3));
    }

    void childAreasCanBeHidden()
    {
        auto player = makePlayer();
        QVERIFY(player->player()->isValid());
        QVERIFY(player->displayArea()->isHidden());
        QVERIFY(player->controlArea()->isHidden());
        QVERIFY(!player->isPlaying() && !player->isPaused());
    }

    void playsClipRangesInOrder()
    {
        auto player = makePlayer();
        PositionLog log;
        QList<int> clipOfPosition;
        logPositions(player.get(), &log);
        connect(player->dataReceiverThread(), &VelmDataReceiverThread::progressChanged,
                player.get(), [&] { clipOfPosition.append(player->player()->currentIndex()); });
        QSignalSpy clipEnds(player->dataReceiverThread(),
                            &VelmDataReceiverThread::currentUrlPlayingFinished);
        QSignalSpy listEnd(player->player(), &VelmPlayer::playFinished);
        QSignalSpy states(player.get(), &VelMediaPreviewWidget::stateChanged);
        int aboutToPlay = 0;
        connect(player.get(), &VelMediaPreviewWidget::aboutToPlay, player.get(),
                [&](bool&) { ++aboutToPlay; });

        player->addUrl(threeSeconds, QString(), 1500, 2500, 7, true, QVariant());
        player->addUrl(twoSeconds, QString("second"), 0, 800, 7, true, QVariant());
        player->play();
        QVERIFY(player->isPlaying());
        QCOMPARE(aboutToPlay, 1);
        QVERIFY(listEnd.wait(15000));

        QCOMPARE(clipEnds.size(), 2);
        QCOMPARE(listEnd.size(), 1);
        QVERIFY(!player->isPlaying());
        QCOMPARE(player->urlCount(), 0);
        QVERIFY(states.size() >= 2); // started, then ended
        // Positions are file times: the first clip stays within 1.5..2.5 s, the second 0..0.8 s.
        QVERIFY(!log.seen.isEmpty());
        const int firstOfSecond = clipOfPosition.indexOf(1);
        QVERIFY(firstOfSecond > 0);
        const PositionLog first{log.seen.mid(0, firstOfSecond)};
        const PositionLog second{log.seen.mid(firstOfSecond)};
        QVERIFY2(first.min() >= 1.45 && first.max() <= 2.55,
                 qPrintable(QString("%1..%2").arg(first.min()).arg(first.max())));
        QVERIFY2(first.max() >= 2.2, qPrintable(QString::number(first.max())));
        QVERIFY2(second.min() >= 0.0 && second.max() <= 0.85,
                 qPrintable(QString("%1..%2").arg(second.min()).arg(second.max())));
    }

    void missingFilesAreSkipped()
    {
        auto player = makePlayer();
        QSignalSpy clipEnds(player->dataReceiverThread(),
                            &VelmDataReceiverThread::currentUrlPlayingFinished);
        QSignalSpy listEnd(player->player(), &VelmPlayer::playFinished);
        player->addUrl(media.filePath("gone.mp3"), QString(), 0, -1, 0, true, {});
        player->addUrl(twoSeconds, QString(), 0, 500, 0, true, {});
        player->addUrl(media.filePath("also gone.wav"), QString(), 0, -1, 0, true, {});
        player->play();
        QVERIFY(listEnd.wait(15000));
        QCOMPARE(clipEnds.size(), 3);
        QCOMPARE(listEnd.size(), 1);
        QVERIFY(!player->isPlaying());
    }

    void pauseHoldsThePosition()
    {
        auto player = makePlayer();
        QSignalSpy progress(player->dataReceiverThread(), &VelmDataReceiverThread::progressChanged);
        QSignalSpy listEnd(player->player(), &VelmPlayer::playFinished);
        player->addUrl(twoSeconds, QString(), 0, -1, 0, false, {});
        player->play();
        QTRY_VERIFY_WITH_TIMEOUT(player->dataReceiverThread()->pos() > 0.3, 5000);

        player->pause();
        QVERIFY(player->isPaused() && !player->isPlaying());
        QTest::qWait(100);
        const double held = player->dataReceiverThread()->pos();
        QTest::qWait(500);
        QVERIFY(qAbs(player->dataReceiverThread()->pos() - held) < 0.05);
        QCOMPARE(listEnd.size(), 0);

        player->play(); // resumes where it stood
        QVERIFY(player->isPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(player->dataReceiverThread()->pos() > held + 0.2, 5000);
        QVERIFY(listEnd.wait(10000));
    }

    void positionsAreFileTimes()
    {
        auto player = makePlayer();
        QSignalSpy listEnd(player->player(), &VelmPlayer::playFinished);

        // Set while stopped: the first clip starts there.
        player->addUrl(threeSeconds, QString(), 0, -1, 0, false, {});
        player->setPos(2);
        player->play();
        QSignalSpy progress(player->dataReceiverThread(), &VelmDataReceiverThread::progressChanged);
        QVERIFY(progress.wait(5000));
        QTRY_VERIFY_WITH_TIMEOUT(player->dataReceiverThread()->pos() >= 1.95, 3000);
        QVERIFY(listEnd.wait(5000));

        // Set while playing: a jump within the file.
        player->addUrl(threeSeconds, QString(), 0, -1, 0, false, {});
        player->play();
        QTRY_VERIFY_WITH_TIMEOUT(player->dataReceiverThread()->pos() > 0.1, 5000);
        player->setPos(2);
        QTRY_VERIFY_WITH_TIMEOUT(player->dataReceiverThread()->pos() >= 2.0, 3000);
        player->stop();
    }

    void stopEmptiesTheList()
    {
        auto player = makePlayer();
        QSignalSpy listEnd(player->player(), &VelmPlayer::playFinished);
        QSignalSpy clipEnds(player->dataReceiverThread(),
                            &VelmDataReceiverThread::currentUrlPlayingFinished);
        player->addUrl(threeSeconds, QString(), 0, -1, 0, false, {});
        player->play();
        QTRY_VERIFY_WITH_TIMEOUT(player->dataReceiverThread()->pos() > 0.2, 5000);
        player->stop();
        QVERIFY(!player->isPlaying() && !player->isPaused());
        QCOMPARE(player->urlCount(), 0);

        // What is added next is what plays, and stopping never counted as an end.
        player->addUrl(twoSeconds, QString(), 1000, 1400, 0, false, {});
        player->play();
        QVERIFY(listEnd.wait(10000));
        QCOMPARE(clipEnds.size(), 1);
        QCOMPARE(listEnd.size(), 1);
    }

    void listCanRestartFromItsLastClip()
    {
        // A looping caller starts the list again as soon as its last clip ends; the end of the
        // old list must not stop the new one.
        auto player = makePlayer();
        QSignalSpy clipEnds(player->dataReceiverThread(),
                            &VelmDataReceiverThread::currentUrlPlayingFinished);
        int rounds = 0;
        connect(player->dataReceiverThread(), &VelmDataReceiverThread::currentUrlPlayingFinished,
                player.get(), [&] {
                    if (++rounds > 1)
                        return;
                    player->clearUrls(false);
                    player->addUrl(twoSeconds, QString(), 0, 600, 0, true, {});
                    player->play();
                });
        QSignalSpy listEnd(player->player(), &VelmPlayer::playFinished);
        player->addUrl(twoSeconds, QString(), 0, 400, 0, true, {});
        player->play();
        QVERIFY(clipEnds.wait(5000));
        QTest::qWait(200);
        QVERIFY(player->isPlaying());
        QTRY_COMPARE_WITH_TIMEOUT(clipEnds.size(), 2, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!player->isPlaying(), 2000);
    }

    void refusedOrEmptyPlayDoesNothing()
    {
        auto player = makePlayer();
        player->play(); // nothing to play
        QVERIFY(!player->isPlaying());
        connect(player.get(), &VelMediaPreviewWidget::aboutToPlay, player.get(),
                [](bool& ok) { ok = false; });
        player->addUrl(twoSeconds, QString(), 0, -1, 0, false, {});
        player->play();
        QVERIFY(!player->isPlaying());
        QCOMPARE(player->urlCount(), 1);
    }

    void volumeIsClamped()
    {
        auto player = makePlayer();
        const int asked[][2] = {{50, 50}, {0, 0}, {-20, 0}, {180, 100}};
        for (const auto& pair : asked) {
            player->setVolume(pair[0]);
            QCOMPARE(player->volume(), pair[1]);
        }
    }

    void destroyedWhilePlaying()
    {
        auto player = makePlayer();
        player->addUrl(threeSeconds, QString(), 0, -1, 0, false, {});
        player->play();
        QTRY_VERIFY_WITH_TIMEOUT(player->dataReceiverThread()->pos() > 0.1, 5000);
        player.reset(); // stops and ends the receiver thread without waiting for the clip
    }
};

QTEST_MAIN(TestVelMediaPreviewWidget)
#include "tst_velmediapreviewwidget.moc"
