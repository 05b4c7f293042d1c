#include "common/audioinfo.h"
#include "common/mediaformats.h"
#include "common/workspace.h"
#include "platform/velfc/core/velpref.h"

#include <QStandardPaths>
#include <QtTest>

class TestMediaFormats : public QObject
{
    Q_OBJECT

private slots:
    void formatTime_data()
    {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << QString("00:00:00");
        QTest::newRow("seconds") << qint64(7) << QString("00:00:07");
        QTest::newRow("minute") << qint64(60) << QString("00:01:00");
        QTest::newRow("just under an hour") << qint64(3599) << QString("00:59:59");
        QTest::newRow("hour") << qint64(3661) << QString("01:01:01");
        QTest::newRow("hundred hours") << qint64(360000) << QString("100:00:00");
        QTest::newRow("negative") << qint64(-5) << QString("00:00:00");
    }

    void formatTime()
    {
        QFETCH(qint64, seconds);
        QFETCH(QString, text);
        QCOMPARE(::formatTime(seconds), text);
    }

    void audioNeedsConversion_data()
    {
        QTest::addColumn<QString>("codec");
        QTest::addColumn<int>("rate");
        QTest::addColumn<bool>("convert");
        QTest::newRow("mp3 44100") << QString("mp3") << 44100 << false;
        QTest::newRow("upper case") << QString("MP3") << 44100 << true;
        QTest::newRow("mp3 48000") << QString("mp3") << 48000 << true;
        QTest::newRow("vorbis") << QString("vorbis") << 44100 << true;
        QTest::newRow("unknown") << QString() << 0 << true;
    }

    void audioNeedsConversion()
    {
        QFETCH(QString, codec);
        QFETCH(int, rate);
        QFETCH(bool, convert);
        AudioInfo info;
        info.codecName = codec;
        info.sampleRate = rate;
        QCOMPARE(info.needsConversion(), convert);
    }

    void audioDerivedValues()
    {
        QStandardPaths::setTestModeEnabled(true);
        VelPref::instance()->setValue(QLatin1String(PrefKey::Temporary), QString("/ws"));
        AudioInfo info;
        info.filePath = QString("/music/Night Drive.v2.wav");
        info.startPoint = 1.9999;
        info.endPoint = 3.5;
        QCOMPARE(info.convertedFilePath(), QString("/ws/background music/Night Drive.v2.mp3"));
        QCOMPARE(info.startMs(), qint64(1999)); // truncated, not rounded
        QCOMPARE(info.endMs(), qint64(3500));
        QCOMPARE(::formatTime(qint64(info.clipLength())), QString("00:00:01"));
    }

    void musicCopiesOfAList_data()
    {
        QTest::addColumn<QStringList>("sources");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("distinct") << QStringList{"/m/a.wav", "/m/b.mp3"}
                                  << QStringList{"a.mp3", "b.mp3"};
        QTest::newRow("same base, other kind") << QStringList{"/m/a.wav", "/m/a.ogg", "/m/a.mp3"}
                                               << QStringList{"a.mp3", "a(1).mp3", "a(2).mp3"};
        QTest::newRow("same name, two folders") << QStringList{"/m/x/song.mp3", "/m/y/song.mp3"}
                                                << QStringList{"song.mp3", "song(1).mp3"};
        QTest::newRow("same source twice shares its file")
            << QStringList{"/m/a.wav", "/m/a.ogg", "/m/a.wav"}
            << QStringList{"a.mp3", "a(1).mp3", "a.mp3"};
        QTest::newRow("case apart still clashes")
            << QStringList{"/m/Song.wav", "/m/song.flac"} << QStringList{"Song.mp3", "song(1).mp3"};
        QTest::newRow("numbered source meets a numbered copy")
            << QStringList{"/m/a.wav", "/m/a.ogg", "/m/a(1).mp3"}
            << QStringList{"a.mp3", "a(1).mp3", "a(1)(1).mp3"};
    }

    // Every clip gets a file of its own: two sources never end up in one MP3.
    void musicCopiesOfAList()
    {
        QFETCH(QStringList, sources);
        QFETCH(QStringList, names);
        QStandardPaths::setTestModeEnabled(true);
        VelPref::instance()->setValue(QLatin1String(PrefKey::Temporary), QString("/ws"));
        QList<AudioInfo> clips;
        for (const QString& source : sources) {
            AudioInfo info;
            info.filePath = source;
            clips << info;
        }
        QStringList expected;
        for (const QString& name : names)
            expected << QString("/ws/background music/") + name;
        QCOMPARE(musicCopyPaths(clips), expected);
    }
};

QTEST_GUILESS_MAIN(TestMediaFormats)
#include "tst_mediaformats.moc"
