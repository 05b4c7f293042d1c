// The music strip as a user drives it: the clip bars and tool tips, drops from outside and drags
// inside through real drag events, refusal of payloads that name no clip of the strip, delete with
// its current-row rule and the context menu.
#include "audio/audiolistwidget.h"
#include "common/mediaformats.h"
#include "document/slideshow.h"
#include "platform/velfc/core/vel.h"
#include "platform/velfc/core/velpref.h"
#include "support/stripevents.h"
#include "support/testfiles.h"
#include "support/testimages.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
AudioInfo clip(const QString& path, double seconds = 60)
{
    AudioInfo info;
    info.filePath = path;
    info.channels = 2;
    info.sampleRate = 44100;
    info.duration = seconds;
    info.endPoint = seconds;
    info.codecName = "mp3";
    return info;
}

QStringList names(const QList<AudioInfo>& list)
{
    QStringList out;
    for (const AudioInfo& info : list)
        out << QFileInfo(info.filePath).completeBaseName();
    return out;
}

QStringList letters(const QString& text)
{
    return text.isEmpty() ? QStringList() : text.split(' ');
}
} // namespace

class TestAudioListWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Vel::setApplicationFolder(QString(LUMARO_TEST_APP_DIR));
        VelPref::instance()->open(settings.filePath("lumaro.ini"));
        fillMediaExtensions();
    }

    void init()
    {
        VelPref::instance()->setValue(PrefKey::LastSkin, "plenvo");
        show.reset(new Slideshow);
        strip.reset(new AudioListWidget);
        strip->setDocument(show.get());
        strip->setDragDropMode(QAbstractItemView::DragDrop);
        strip->setSelectionMode(QAbstractItemView::ExtendedSelection);
        strip->setFlow(QListView::LeftToRight);
        strip->resize(1400, 36);
        strip->show();
        QVERIFY(QTest::qWaitForWindowExposed(strip.get()));
        imported.clear();
        strip->setImportRunner([this](bool photoMode, QWidget* parent, const QStringList& files) {
            imported << files; // the import dialog's part: one clip per file
            MediaStrip::Imported read;
            if (photoMode || parent != strip.get())
                return read;
            for (const QString& file : files)
                read.clips << clip(file);
            return read;
        });
    }

    void cleanup()
    {
        strip.reset();
        show.reset();
    }

    void barTextAndPicture_data()
    {
        QTest::addColumn<QString>("skin");
        QTest::newRow("plenvo") << "plenvo";
        QTest::newRow("kzo") << "kzo";
        QTest::newRow("no skin chosen") << "";
    }
    void barTextAndPicture()
    {
        QFETCH(QString, skin);
        VelPref::instance()->setValue(PrefKey::LastSkin, skin);
        AudioInfo song = clip("/music/song.mp3", 300);
        song.startPoint = 10;
        song.endPoint = 135.9; // 125.9 s of music
        setClips({song, clip("/music/b.ogg", 3.5)});
        QCOMPARE(AudioListWidget::barText(0, show->clips().at(0)),
                 QString("#1 song.mp3 | 00:02:05"));
        QCOMPARE(AudioListWidget::barText(1, show->clips().at(1)), QString("#2 b.ogg | 00:00:03"));

        const QImage bar = strip->item(0)->data(Qt::DecorationRole).value<QImage>();
        QCOMPARE(bar.size(), QSize(220, 32));
        QCOMPARE(strip->item(0)->sizeHint(), QSize(220, 32));
        QVERIFY(strip->item(0)->text().isEmpty());
        QCOMPARE(bar.pixel(1, 3), qRgb(0, 0, 0));    // the frame
        QCOMPARE(bar.pixel(215, 28), qRgb(0, 0, 0)); // its far corner
        QCOMPARE(qAlpha(bar.pixel(0, 0)), 0);        // the strip shows above the band
        int skinPixels = 0;
        for (int y = 3; y <= 28; ++y) {
            for (int x = 0; x < 220; ++x) {
                const QRgb p = bar.pixel(x, y);
                QVERIFY(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p)); // greyed
                skinPixels += x > 2 && x < 28 && y > 3 && qRed(p) < 250;
            }
        }
        QVERIFY2(skinPixels > 50, "the head picture was not drawn"); // the skin's head is there
        // The label is drawn: the text area differs from a bar without clips' names.
        const QImage other = AudioListWidget::renderBar(
            0, clip("/x/other name.wav", 7), QSize(220, 32), strip->font(),
            QImage(28, 26, QImage::Format_ARGB32), QImage(8, 26, QImage::Format_ARGB32));
        QVERIFY(TestFiles::meanDifference(bar.copy(30, 4, 150, 24), other.copy(30, 4, 150, 24)) >
                1);
    }

    void toolTipLines_data()
    {
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("end");
        QTest::addColumn<int>("lines");
        QTest::newRow("untouched") << 0.0 << 200.5 << 4;
        QTest::newRow("start moved") << 12.0 << 200.5 << 6;
        QTest::newRow("end moved") << 0.0 << 150.0 << 6;
    }
    void toolTipLines()
    {
        QFETCH(double, start);
        QFETCH(double, end);
        QFETCH(int, lines);
        AudioInfo info = clip("/m/Tom & Jerry.flac", 200.5);
        info.startPoint = start;
        info.endPoint = end;
        info.channels = 1;
        info.sampleRate = 22050;
        setClips({clip("/m/first.mp3"), info});
        const QString tip = strip->item(1)->toolTip();
        QCOMPARE(tip.count("<br />") + 1, lines);
        QVERIFY(tip.startsWith("<nobr>#2&nbsp;<b>Tom &amp; Jerry.flac</b><nobr/>"));
        QVERIFY(tip.contains("<nobr>Channels:&nbsp;<b>1</b><nobr/>"));
        QVERIFY(tip.contains("<nobr>Sample Rate:&nbsp;<b>22050</b><nobr/>"));
        QVERIFY(
            tip.contains(QString("Duration:&nbsp;<b>%1</b>").arg(formatTime(qint64(end - start)))));
        if (lines == 6)
            QVERIFY(tip.endsWith(
                QString("End Point:&nbsp;<b>%1</b><nobr/>").arg(formatTime(qint64(end)))));
    }

    void dropFilesFromOutside_data()
    {
        QTest::addColumn<int>("onRow"); // -1: empty space after the last clip
        QTest::addColumn<QString>("expected");
        QTest::newRow("on the first clip") << 0 << "x y a b c";
        QTest::newRow("on the second clip") << 1 << "a x y b c";
        QTest::newRow("on empty space") << -1 << "a b c x y";
    }
    void dropFilesFromOutside()
    {
        QFETCH(int, onRow);
        QFETCH(QString, expected);
        setClips({clip("/m/a.mp3"), clip("/m/b.mp3"), clip("/m/c.mp3")});
        QTemporaryDir dir;
        QVERIFY(TestFiles::write(dir.filePath("x.Mp3"), "tone")); // suffixes in any case
        QVERIFY(TestFiles::write(dir.filePath("y.wav"), "tone"));
        QVERIFY(TestFiles::write(dir.filePath("cover.jpg"), "picture"));

        QSignalSpy changed(show.get(), &Slideshow::changed);
        QSignalSpy current(strip.get(), &QListWidget::currentRowChanged);
        const QPoint at = onRow < 0 ? strip->hintRect().center()
                                    : strip->visualItemRect(strip->item(onRow)).center();
        const auto out = StripEvents::dropUrls(strip.get(),
                                               {QUrl::fromLocalFile(dir.filePath("x.Mp3")),
                                                QUrl::fromLocalFile(dir.filePath("cover.jpg")),
                                                QUrl::fromLocalFile(dir.filePath("y.wav"))},
                                               at);
        QVERIFY(out.dropped);
        QCOMPARE(out.action, Qt::CopyAction);
        QCOMPARE(imported.size(), 2);
        QCOMPARE(changed.size(), 1); // one step for the whole drop
        QCOMPARE(names(show->clips()), letters(expected));
        QCOMPARE(current.last().first().toInt(), onRow < 0 ? 3 : onRow);
        // Bars are renumbered after the insertion.
        QCOMPARE(strip->item(4)->toolTip().left(9), QString("<nobr>#5&"));
    }

    void dragInside_data()
    {
        QTest::addColumn<QList<int>>("dragged");
        QTest::addColumn<int>("onRow");
        QTest::addColumn<bool>("control");
        QTest::addColumn<QString>("expected");
        QTest::newRow("two onto the fifth") << QList<int>{1, 2} << 4 << false << "a d e b c f";
        QTest::newRow("two copied onto the fifth")
            << QList<int>{1, 2} << 4 << true << "a b c d e b c f";
        QTest::newRow("onto the first lands second")
            << QList<int>{5} << 0 << false << "a f b c d e";
    }
    void dragInside()
    {
        QFETCH(QList<int>, dragged);
        QFETCH(int, onRow);
        QFETCH(bool, control);
        QFETCH(QString, expected);
        QList<AudioInfo> clips;
        for (const char* name : {"a", "b", "c", "d", "e", "f"})
            clips << clip(QString("/m/%1.mp3").arg(name));
        setClips(clips);
        for (int row : dragged)
            strip->item(row)->setSelected(true);
        const QPoint at = strip->visualItemRect(strip->item(onRow)).center();
        const Qt::KeyboardModifiers modifiers = control ? Qt::ControlModifier : Qt::NoModifier;
        StripEvents::Outcome out;
        StripEvents::routeDrags(strip.get(), &at, &modifiers, &out);
        QSignalSpy changed(show.get(), &Slideshow::changed);
        StripEvents::pressAndPull(strip.get(),
                                  strip->visualItemRect(strip->item(dragged.first())).center());
        QVERIFY(out.dropped);
        QCOMPARE(names(show->clips()), letters(expected));
        QCOMPARE(strip->count(), show->clips().size());
        QCOMPARE(changed.size(), 1); // one step
        // What landed is selected: the moved clips, or the copies.
        QList<int> selected;
        for (const QModelIndex& index : strip->selectionModel()->selectedIndexes())
            selected << index.row();
        std::sort(selected.begin(), selected.end());
        QStringList landed;
        for (int row : selected)
            landed << names({show->clips().at(row)});
        QStringList draggedNames;
        for (int row : dragged)
            draggedNames << QString(QChar('a' + row));
        QCOMPARE(landed, draggedNames);
        if (control)
            QVERIFY(!selected.contains(dragged.first()));
        QVERIFY(imported.isEmpty());
    }

    void refusedDrops_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<bool>("overSelected");
        QTest::newRow("onto a dragged clip") << QByteArray() << true;
        QTest::newRow("an address")
            << QByteArray::number(quintptr(this)).append('\0').prepend(QByteArray("1\0", 2))
            << false;
        QTest::newRow("unknown key") << QByteArray("1\0"
                                                   "424242\0",
                                                   9)
                                     << false;
    }
    void refusedDrops()
    {
        QFETCH(QByteArray, payload);
        QFETCH(bool, overSelected);
        setClips({clip("/m/a.mp3"), clip("/m/b.mp3"), clip("/m/c.mp3")});
        strip->item(1)->setSelected(true);
        const QPoint at = overSelected ? strip->visualItemRect(strip->item(1)).center()
                                       : strip->hintRect().center();
        const Qt::KeyboardModifiers modifiers = Qt::NoModifier;
        StripEvents::Outcome out;
        std::function<void(QMimeData*)> tamper;
        if (!payload.isEmpty())
            tamper = [&](QMimeData* data) { data->setData("AudioList", payload); };
        StripEvents::routeDrags(strip.get(), &at, &modifiers, &out, tamper);
        QSignalSpy changed(show.get(), &Slideshow::changed);
        StripEvents::pressAndPull(strip.get(), strip->visualItemRect(strip->item(1)).center());
        QVERIFY(out.entered);
        QVERIFY(!out.dropped);
        QCOMPARE(changed.size(), 0);
        QCOMPARE(names(show->clips()), letters("a b c"));

        QMimeData foreign; // a payload no drag of this strip carries
        foreign.setData("AudioList", QByteArray("1\0"
                                                "1\0",
                                                4));
        QVERIFY(!StripEvents::play(strip.get(), &foreign, strip->hintRect().center()).entered);
    }

    void deleteAndCurrentRow_data()
    {
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QString>("left");
        QTest::addColumn<int>("current");
        QTest::newRow("the last") << QList<int>{2} << "a b" << 1;
        QTest::newRow("the first") << QList<int>{0} << "b c" << 0;
        QTest::newRow("first and last") << QList<int>{0, 2} << "b" << 0;
        QTest::newRow("all") << QList<int>{0, 1, 2} << "" << -1;
    }
    void deleteAndCurrentRow()
    {
        QFETCH(QList<int>, selected);
        QFETCH(QString, left);
        QFETCH(int, current);
        setClips({clip("/m/a.mp3"), clip("/m/b.mp3"), clip("/m/c.mp3")});
        for (int row : selected)
            strip->item(row)->setSelected(true);
        QSignalSpy changed(show.get(), &Slideshow::changed);
        strip->deleteSelectedAudio();
        QCOMPARE(changed.size(), 1);
        QCOMPARE(names(show->clips()), letters(left));
        QCOMPARE(strip->currentRow(), current);
        if (!left.isEmpty()) // bars renumbered
            QVERIFY(strip->item(0)->toolTip().startsWith("<nobr>#1&nbsp;"));
    }

    void contextMenu()
    {
        QMenu* menu = strip->menu();
        const auto openMenu = [&]() -> QString {
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                    strip->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(strip->viewport(), &event);
            if (!QTest::qWaitFor([&] { return menu->isVisible(); }))
                return QStringLiteral("menu not shown");
            QString state;
            for (QAction* action : menu->actions())
                state += action->text() + (action->isEnabled() ? "+" : "-");
            menu->hide();
            return state;
        };
        QCOMPARE(openMenu(), QString("Edit Audio-Delete-Clear-"));
        setClips({clip("/m/a.mp3"), clip("/m/b.mp3")});
        QCOMPARE(openMenu(), QString("Edit Audio+Delete-Clear+"));
        strip->item(0)->setSelected(true);
        QCOMPARE(openMenu(), QString("Edit Audio+Delete+Clear+"));

        QSignalSpy edit(strip.get(), &AudioListWidget::editMusicTriggered);
        menu->actions().at(0)->trigger();
        QCOMPARE(edit.size(), 1);
        QSignalSpy changed(show.get(), &Slideshow::changed);
        menu->actions().at(2)->trigger();
        QCOMPARE(changed.size(), 1);
        QVERIFY(show->clips().isEmpty());
        QCOMPARE(strip->count(), 0);
    }

private:
    // The clips as they are in the slideshow, the whole list at once.
    void setClips(const QList<AudioInfo>& clips) { show->editMusic(clips, show->musicOptions()); }

    QTemporaryDir settings;
    std::unique_ptr<Slideshow> show;
    std::unique_ptr<AudioListWidget> strip;
    QStringList imported;
};

QTEST_MAIN(TestAudioListWidget)
#include "tst_audiolistwidget.moc"
