// The photo strip as a user drives it: icons in every orientation, drops from outside and drags
// inside (move, Control-copy) through real drag events, refusal of payloads that name no photo of
// the strip, delete with its current-row rule, the context menu and the drop hint; and its items
// following the slideshow it shows.
#include "common/mediaformats.h"
#include "common/workspace.h"
#include "document/slideshow.h"
#include "document/slideshowedit.h"
#include "photos/photolistwidget.h"
#include "platform/velfc/core/velpref.h"
#include "platform/velfc/velmessagebox.h"
#include "support/stripevents.h"
#include "support/testfiles.h"
#include "support/testimages.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
// A picture whose four quarters differ, so every turn and mirror shows.
QImage quarters(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, width / 2, height / 2, Qt::red);
    painter.fillRect(width / 2, 0, width - width / 2, height / 2, Qt::green);
    painter.fillRect(0, height / 2, width / 2, height - height / 2, Qt::blue);
    painter.fillRect(width / 2, height / 2, width - width / 2, height - height / 2, Qt::yellow);
    return image;
}

ImageInfo photo(const QString& path, const QImage& picture = quarters(160, 120))
{
    ImageInfo info;
    info.id = QUuid::createUuid();
    info.path = path;
    info.depth = 32;
    info.thumbnail = ImageInfo::makeThumbnail(picture);
    info.rotatedThumbnail = ImageInfo::makeRotatedThumbnail(picture);
    return info;
}

QStringList names(const QList<ImageInfo>& list)
{
    QStringList out;
    for (const ImageInfo& info : list)
        out << QFileInfo(info.path).completeBaseName();
    return out;
}

QStringList letters(const QString& text)
{
    return text.isEmpty() ? QStringList() : text.split(' ');
}
} // namespace

class TestPhotoListWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        fillMediaExtensions();
        VelPref::instance()->open(workspace.filePath("lumaro.ini"));
        VelPref::instance()->setValue(PrefKey::Temporary, workspace.filePath("ws"));
        QVERIFY(ensurePhotoFolders());
    }

    void init()
    {
        show.reset(new Slideshow);
        strip.reset(new PhotoListWidget);
        strip->setDocument(show.get());
        strip->setDragDropMode(QAbstractItemView::DragDrop);
        strip->setSelectionMode(QAbstractItemView::ExtendedSelection);
        strip->setFlow(QListView::LeftToRight);
        strip->resize(900, 72);
        strip->show();
        QVERIFY(QTest::qWaitForWindowExposed(strip.get()));
        imported.clear();
        strip->setImportRunner([this](bool photoMode, QWidget* parent, const QStringList& files) {
            // Stands in for the import dialog: one record per file.
            imported << files;
            MediaStrip::Imported read;
            if (!photoMode || parent != strip.get())
                return read;
            for (const QString& file : files)
                read.photos << photo(file);
            return read;
        });
    }

    void cleanup()
    {
        strip.reset();
        show.reset();
    }

    // The icon is the photo's preview as it would look after its operations: the stored preview
    // for straight results, the pre-turned one for quarter turns.
    void iconFollowsOrientation_data()
    {
        QTest::addColumn<QVector<qint32>>("operations");
        QTest::newRow("as stored") << QVector<qint32>{};
        QTest::newRow("mirror") << QVector<qint32>{Mirror};
        QTest::newRow("flip") << QVector<qint32>{Flip};
        QTest::newRow("left twice") << QVector<qint32>{TurnLeft, TurnLeft};
        QTest::newRow("mirror then flip") << QVector<qint32>{Flip, Mirror};
        QTest::newRow("right") << QVector<qint32>{TurnRight};
        QTest::newRow("left") << QVector<qint32>{TurnLeft};
        QTest::newRow("right then mirror") << QVector<qint32>{Mirror, TurnRight};
        QTest::newRow("left then mirror") << QVector<qint32>{Mirror, TurnLeft};
        QTest::newRow("exif 5") << QVector<qint32>{Mirror, TurnRight};
        QTest::newRow("right, then left, then flip") << QVector<qint32>{Flip, TurnLeft, TurnRight};
    }
    void iconFollowsOrientation()
    {
        QFETCH(QVector<qint32>, operations);
        const QImage source = quarters(160, 120);
        ImageInfo info = photo("/p/q.jpg", source);
        info.operations = operations;
        show->addPhotos(-1, {info});
        const QImage icon = strip->item(0)->data(Qt::DecorationRole).value<QImage>();
        QCOMPARE(icon.size(), QSize(80, 60));
        // The oracle: turn the real picture, then make its preview.
        const QImage oriented = source.transformed(info.transform());
        const QImage expected = ImageInfo::makeThumbnail(oriented);
        QVERIFY2(TestFiles::meanDifference(icon, expected) < 6,
                 qPrintable(QString::number(TestFiles::meanDifference(icon, expected))));
    }

    void toolTipShowsNameAndDepth()
    {
        ImageInfo info = photo("/p/Beach & Sea.jpg");
        info.depth = 24;
        show->addPhotos(-1, {info});
        QCOMPARE(strip->item(0)->toolTip(),
                 QString("<nobr>Name:&nbsp;<b>Beach &amp; Sea.jpg</b><nobr/><br />"
                         "<nobr>Depth:&nbsp;<b>24Bits</b><nobr/>"));
    }

    void dropFilesFromOutside_data()
    {
        QTest::addColumn<int>("onRow"); // -1: empty space after the last photo
        QTest::addColumn<QString>("expected");
        QTest::newRow("on the third photo") << 2 << "a b n1 n2 sub3 c d";
        QTest::newRow("on the first photo") << 0 << "n1 n2 sub3 a b c d";
        QTest::newRow("on empty space") << -1 << "a b c d n1 n2 sub3";
    }
    void dropFilesFromOutside()
    {
        QFETCH(int, onRow);
        QFETCH(QString, expected);
        for (const char* name : {"a", "b", "c", "d"})
            show->addPhotos(-1, {photo(QString("/p/%1.jpg").arg(name))});

        QTemporaryDir dir;
        QVERIFY(quarters(8, 6).save(dir.filePath("n1.jpg")));
        QVERIFY(TestFiles::write(dir.filePath("notes.txt"), "not a photo"));
        QVERIFY(QDir().mkpath(dir.filePath("sub")));
        QVERIFY(quarters(8, 6).save(dir.filePath("sub/sub3.PNG")));
        QVERIFY(quarters(8, 6).save(dir.filePath("n2.jpg")));

        QSignalSpy changed(show.get(), &Slideshow::changed);
        const QPoint at = onRow < 0 ? strip->hintRect().center()
                                    : strip->visualItemRect(strip->item(onRow)).center();
        const auto out = StripEvents::dropUrls(strip.get(),
                                               {QUrl::fromLocalFile(dir.filePath("n1.jpg")),
                                                QUrl::fromLocalFile(dir.filePath("n2.jpg")),
                                                QUrl::fromLocalFile(dir.filePath("sub"))},
                                               at);
        QVERIFY(out.dropped);
        QCOMPARE(out.action, Qt::CopyAction);
        QCOMPARE(imported.size(), 3); // the folder was searched, the text file left out
        QCOMPARE(changed.size(), 1);  // one step for the whole drop
        QCOMPARE(names(show->photos()), letters(expected));
    }

    void dropWithoutPhotosIsRefused()
    {
        QTemporaryDir dir;
        QVERIFY(TestFiles::write(dir.filePath("notes.txt"), "text"));
        QSignalSpy changed(show.get(), &Slideshow::changed);
        const auto out = StripEvents::dropUrls(strip.get(), {QUrl::fromLocalFile(dir.path())},
                                               strip->hintRect().center());
        QVERIFY(!out.entered);
        QVERIFY(imported.isEmpty());
        QCOMPARE(changed.size(), 0);

        QMimeData text; // neither files nor photos of this strip
        text.setText("hello");
        QVERIFY(!StripEvents::play(strip.get(), &text, QPoint(10, 10)).entered);
    }

    // Dragging inside the strip: dropped on an item, the photos land after it; Control copies.
    // What landed is selected.
    void dragInside_data()
    {
        QTest::addColumn<QList<int>>("dragged");
        QTest::addColumn<int>("onRow"); // -1: empty space
        QTest::addColumn<bool>("control");
        QTest::addColumn<QString>("expected");
        QTest::newRow("two onto the fifth") << QList<int>{1, 2} << 4 << false << "a d e b c f";
        QTest::newRow("two copied onto the fifth")
            << QList<int>{1, 2} << 4 << true << "a b c d e b c f";
        QTest::newRow("onto the first lands second")
            << QList<int>{3} << 0 << false << "a d b c e f";
        QTest::newRow("to the end") << QList<int>{0, 2} << -1 << false << "b d e f a c";
    }
    void dragInside()
    {
        QFETCH(QList<int>, dragged);
        QFETCH(int, onRow);
        QFETCH(bool, control);
        QFETCH(QString, expected);
        for (const char* name : {"a", "b", "c", "d", "e", "f"}) {
            const ImageInfo info = photo(QString("/p/%1.jpg").arg(name));
            // A copy gets workspace files of its own, copied from these.
            for (const QString& path : {workingCopyPath(info), backupCopyPath(info),
                                        thumbnailPath(info), backupThumbnailPath(info)})
                QVERIFY(TestFiles::write(path, name));
            show->addPhotos(-1, {info});
        }
        const QUuid draggedId = show->photos().at(dragged.first()).id;
        for (int row : dragged)
            strip->item(row)->setSelected(true);

        const QPoint at = onRow < 0 ? strip->hintRect().center()
                                    : strip->visualItemRect(strip->item(onRow)).center();
        const Qt::KeyboardModifiers modifiers = control ? Qt::ControlModifier : Qt::NoModifier;
        StripEvents::Outcome out;
        StripEvents::routeDrags(strip.get(), &at, &modifiers, &out);
        QSignalSpy changed(show.get(), &Slideshow::changed);
        StripEvents::pressAndPull(strip.get(),
                                  strip->visualItemRect(strip->item(dragged.first())).center());

        QVERIFY(out.dropped);
        QCOMPARE(out.action, control ? Qt::CopyAction : Qt::MoveAction);
        QCOMPARE(names(show->photos()), letters(expected));
        QCOMPARE(strip->count(), show->photos().size());
        QCOMPARE(changed.size(), 1); // one step
        QStringList selected;
        for (const QModelIndex& index : strip->selectionModel()->selectedIndexes())
            selected << names({show->photos().at(index.row())});
        selected.sort();
        QStringList draggedNames;
        for (int row : dragged)
            draggedNames << QString(QChar('a' + row));
        QCOMPARE(selected, draggedNames);
        if (control) // the copies, not the originals
            QVERIFY(!strip->item(dragged.first())->isSelected());
        QVERIFY(imported.isEmpty());
        // A copy is a photo of its own: a new id, and the same pictures in files of its own.
        QSet<QUuid> ids;
        for (const ImageInfo& info : show->photos()) {
            ids.insert(info.id);
            QCOMPARE(TestFiles::read(backupThumbnailPath(info)),
                     QFileInfo(info.path).completeBaseName().toUtf8());
        }
        QCOMPARE(ids.size(), strip->count());
        QVERIFY(ids.contains(draggedId));
    }

    // The items are the slideshow's photos whatever changes it, each drawn as it is now, and the
    // selection stays with the photos it was on.
    void itemsFollowTheDocument()
    {
        const auto shown = [&] {
            QStringList tips;
            for (int row = 0; row < strip->count(); ++row)
                tips << strip->item(row)->toolTip();
            return tips;
        };
        const auto expected = [&] {
            QStringList tips;
            for (const ImageInfo& info : show->photos())
                tips << PhotoListWidget::toolTipOf(info);
            return tips;
        };
        const auto selected = [&] {
            QStringList out;
            for (const QModelIndex& index : strip->selectionModel()->selectedIndexes())
                out << names({show->photos().at(index.row())});
            out.sort();
            return out.join(' ');
        };
        QList<ImageInfo> five;
        for (const char* name : {"a", "b", "c", "d", "e"})
            five << photo(QString("/p/%1.jpg").arg(name));
        show->addPhotos(-1, five.mid(0, 3));
        show->addPhotos(1, five.mid(3));
        QCOMPARE(names(show->photos()), letters("a d e b c"));
        QCOMPARE(shown(), expected());
        strip->item(3)->setSelected(true);
        strip->item(4)->setSelected(true);
        show->movePhotos({3}, 0);
        QCOMPARE(shown(), expected());
        QCOMPARE(selected(), QString("b c"));
        show->removePhotos({1, 2});
        QCOMPARE(names(show->photos()), letters("b e c"));
        QCOMPARE(shown(), expected());
        QCOMPARE(selected(), QString("b c"));
        show->applyOperation({2}, TurnRight);
        QCOMPARE(strip->item(2)->data(Qt::DecorationRole).value<QImage>(),
                 PhotoListWidget::iconOf(show->photos().at(2)));
        QVERIFY(strip->item(2)->data(Qt::DecorationRole).value<QImage>() !=
                strip->item(1)->data(Qt::DecorationRole).value<QImage>());
        SlideshowEdit(show.get())
            .resetPhotos({show->photos().at(2), five.at(0), show->photos().at(0)});
        QCOMPARE(shown(), expected());
        QCOMPARE(selected(), QString("b c"));
        show->clear();
        QCOMPARE(strip->count(), 0);
    }

    void dropOnADraggedPhotoIsRefused()
    {
        for (const char* name : {"a", "b", "c"})
            show->addPhotos(-1, {photo(QString("/p/%1.jpg").arg(name))});
        strip->item(1)->setSelected(true);
        strip->item(2)->setSelected(true);
        const QPoint at = strip->visualItemRect(strip->item(2)).center();
        const Qt::KeyboardModifiers modifiers = Qt::NoModifier;
        StripEvents::Outcome out;
        StripEvents::routeDrags(strip.get(), &at, &modifiers, &out);
        StripEvents::pressAndPull(strip.get(), strip->visualItemRect(strip->item(1)).center());
        QVERIFY(out.entered);
        QVERIFY(!out.moved);
        QCOMPARE(names(show->photos()), letters("a b c"));
    }

    // A payload is trusted only for keys of photos this strip holds now; a number that is not one
    // of them (a forged address, a photo deleted meanwhile) refuses the whole drop.
    void forgedPayloadIsRefused_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::newRow("an address")
            << QByteArray::number(quintptr(this)).append('\0').prepend(QByteArray("1\0", 2));
        QTest::newRow("unknown key") << QByteArray("1\0"
                                                   "999999\0",
                                                   9);
        QTest::newRow("count too high") << QByteArray("3\0"
                                                      "1\0"
                                                      "2\0",
                                                      6);
        QTest::newRow("count too low") << QByteArray("1\0"
                                                     "1\0"
                                                     "2\0",
                                                     6);
        QTest::newRow("same key twice") << QByteArray("2\0"
                                                      "1\0"
                                                      "1\0",
                                                      6);
        QTest::newRow("not a number") << QByteArray("1\0"
                                                    "abc\0",
                                                    6);
        QTest::newRow("no final nul") << QByteArray("1\0"
                                                    "1",
                                                    3);
        QTest::newRow("negative count") << QByteArray("-1\0", 3);
        QTest::newRow("empty") << QByteArray();
    }
    void forgedPayloadIsRefused()
    {
        QFETCH(QByteArray, payload);
        for (const char* name : {"a", "b", "c"})
            show->addPhotos(-1, {photo(QString("/p/%1.jpg").arg(name))});
        strip->item(0)->setSelected(true);
        const QPoint at = strip->hintRect().center();
        const Qt::KeyboardModifiers modifiers = Qt::NoModifier;
        StripEvents::Outcome out;
        StripEvents::routeDrags(strip.get(), &at, &modifiers, &out,
                                [&](QMimeData* data) { data->setData("ImageList", payload); });
        QSignalSpy changed(show.get(), &Slideshow::changed);
        StripEvents::pressAndPull(strip.get(), strip->visualItemRect(strip->item(0)).center());
        QVERIFY(out.moved);
        QVERIFY(!out.dropped);
        QCOMPARE(changed.size(), 0);
        QCOMPARE(names(show->photos()), letters("a b c")); // the dragged photo is not lost
    }

    void payloadFromElsewhereIsRefused()
    {
        show->addPhotos(-1, {photo("/p/a.jpg")});
        // Even a well-formed payload naming a real key, when no drag of this strip carries it.
        QMimeData foreign;
        foreign.setData("ImageList", QByteArray("1\0"
                                                "1\0",
                                                4));
        QVERIFY(!StripEvents::play(strip.get(), &foreign, strip->hintRect().center()).entered);
        QCOMPARE(strip->count(), 1);
    }

    void deleteAndCurrentRow_data()
    {
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QString>("left");
        QTest::addColumn<int>("current");
        QTest::newRow("the last") << QList<int>{2} << "a b" << 1;
        QTest::newRow("the first") << QList<int>{0} << "b c" << 0;
        QTest::newRow("the last two") << QList<int>{1, 2} << "a" << 0;
        QTest::newRow("the middle") << QList<int>{1} << "a c" << 1;
        QTest::newRow("all") << QList<int>{0, 1, 2} << "" << -1;
        QTest::newRow("nothing selected") << QList<int>{} << "a b c" << -1;
    }
    void deleteAndCurrentRow()
    {
        QFETCH(QList<int>, selected);
        QFETCH(QString, left);
        QFETCH(int, current);
        for (const char* name : {"a", "b", "c"})
            show->addPhotos(-1, {photo(QString("/p/%1.jpg").arg(name))});
        for (int row : selected)
            strip->item(row)->setSelected(true);
        QSignalSpy changed(show.get(), &Slideshow::changed);
        strip->deleteSelected();
        QCOMPARE(changed.size(), selected.isEmpty() ? 0 : 1);
        QCOMPARE(names(show->photos()), letters(left));
        QCOMPARE(strip->currentRow(), current);
    }

    void contextMenu()
    {
        QMenu* menu = strip->menu();
        QStringList texts;
        for (QAction* action : menu->actions())
            texts << (action->isSeparator() ? QString("-") : action->text());
        QCOMPARE(texts, QStringList({"Delete", "Clear", "-", "Select All", "-", "Turn Left",
                                     "Turn Right", "Mirror", "Flip"}));
        const auto enabled = [&] {
            QString state;
            for (QAction* action : menu->actions())
                if (!action->isSeparator())
                    state += action->isEnabled() ? '1' : '0';
            return state;
        };
        const auto openMenu = [&]() -> QString {
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                    strip->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(strip->viewport(), &event);
            if (!QTest::qWaitFor([&] { return menu->isVisible(); }))
                return QStringLiteral("menu not shown");
            const QString state = enabled();
            menu->hide();
            return state;
        };
        QCOMPARE(openMenu(), QString("0000000"));
        show->addPhotos(-1, {photo("/p/a.jpg"), photo("/p/b.jpg")});
        QCOMPARE(openMenu(), QString("0110000"));
        strip->item(1)->setSelected(true);
        QCOMPARE(openMenu(), QString("1111111"));

        // "Turn Left" twice records two newest-first operations on the selected photo only. Its
        // files are missing here, which is reported.
        QStringList alerts;
        const auto previous = VelMessageBox::setHandler(
            [&](VelMessageBox::Kind, const QString& text, const QString&) {
                alerts << text;
                return 0;
            });
        QSignalSpy changedPhotos(show.get(), &Slideshow::photoChanged);
        QAction* turnLeft = menu->actions().at(5);
        turnLeft->trigger();
        turnLeft->trigger();
        QCOMPARE(changedPhotos.size(), 2);
        QCOMPARE(changedPhotos.first().first().toInt(), 1);
        QCOMPARE(show->photos().at(1).operations, (QVector<qint32>{TurnLeft, TurnLeft}));
        QVERIFY(show->photos().at(0).operations.isEmpty());
        strip->restoreSelected();
        QVERIFY(show->photos().at(1).operations.isEmpty());
        VelMessageBox::setHandler(previous);
        QCOMPARE(alerts.size(), 3);
        QVERIFY2(alerts.first().startsWith("Cannot save the turned photo(s): b.jpg ("),
                 qPrintable(alerts.first()));

        menu->actions().at(3)->trigger(); // select all
        QCOMPARE(strip->selectedItems().size(), 2);
        QSignalSpy changed(show.get(), &Slideshow::changed);
        menu->actions().at(1)->trigger(); // clear
        QCOMPARE(changed.size(), 1);
        QVERIFY(show->photos().isEmpty());
        QCOMPARE(strip->count(), 0);
    }

    // The dashed box follows the last photo and is drawn where it says it is.
    void hintFollowsTheLastPhoto()
    {
        QCOMPARE(strip->hintRect().left(), strip->spacing() + 4);
        QVERIFY(strip->hintRect().width() >= 240);
        show->addPhotos(-1, {photo("/p/a.jpg"), photo("/p/b.jpg")});
        const int lastRight = strip->visualItemRect(strip->item(1)).right();
        QCOMPARE(strip->hintRect().left(), strip->spacing() + lastRight + 4);
        const QImage shot = strip->viewport()->grab().toImage();
        const QRect box = strip->hintRect();
        int marked = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            marked += shot.pixelColor(box.left(), y) != shot.pixelColor(box.left() - 2, y);
        QVERIFY2(marked > box.height() / 4, qPrintable(QString::number(marked)));
    }

private:
    QTemporaryDir workspace;
    std::unique_ptr<Slideshow> show;
    std::unique_ptr<PhotoListWidget> strip;
    QStringList imported;
};

QTEST_MAIN(TestPhotoListWidget)
#include "tst_photolistwidget.moc"
