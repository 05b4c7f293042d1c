// The clip slider: where positions are drawn, what presses, drags and the wheel do, and that the
// skins' style sheets give it its pictures.
#include "audio/velsliderbar.h"
#include "platform/velfc/core/vel.h"
#include "platform/velfc/core/velskin.h"

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
QString picture(const QTemporaryDir& dir, const QString& name, QSize size, QColor colour)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    const QString path = dir.filePath(name);
    image.save(path);
    return path;
}
} // namespace

class TestVelSliderBar : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    // A 400 x 30 slider with a margin of 9 (inner track 9..390, 382 pixels), range 0..190,
    // a 10 x 10 thumb at the top, 6 x 12 tags at y = 12, a track at y = 24.
    std::unique_ptr<VelSliderBar> makeSlider()
    {
        auto slider = std::make_unique<VelSliderBar>();
        slider->resize(400, 30);
        slider->setHoriMargin(9);
        slider->setThumbTop(0);
        slider->setThumb(picture(dir, "thumb.png", QSize(10, 10), Qt::red));
        slider->setClipTagTop(12);
        slider->setClipStart(picture(dir, "start.png", QSize(6, 12), Qt::green));
        slider->setClipEnd(picture(dir, "end.png", QSize(6, 12), Qt::blue));
        slider->setForeTop(24);
        slider->setFore(picture(dir, "track.png", QSize(24, 6), Qt::gray));
        slider->setType(VelSliderBar::ShowThumb | VelSliderBar::ShowClipRegion |
                        VelSliderBar::ShowTags);
        slider->setRange(0, 190);
        return slider;
    }

    static void drag(VelSliderBar* slider, QPoint from, QList<QPoint> path)
    {
        QTest::mousePress(slider, Qt::LeftButton, Qt::NoModifier, from);
        for (const QPoint& point : path) {
            QMouseEvent move(QEvent::MouseMove, point, slider->mapToGlobal(point), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(slider, &move);
        }
        QTest::mouseRelease(slider, Qt::LeftButton, Qt::NoModifier, path.last());
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void geometry()
    {
        auto slider = makeSlider();
        QCOMPARE(slider->xOfValue(95), 200);
        QCOMPARE(slider->xOfValue(0), 9);
        QCOMPARE(slider->valueAtX(200), 95);
        QCOMPARE(slider->valueAtX(9), 0);
        // The tags stand outside their positions, the whole range after setRange.
        QCOMPARE(slider->clipStartValue(), 0);
        QCOMPARE(slider->clipEndValue(), 190);
        slider->setRange(5, 5); // ignored
        QCOMPARE(slider->maximum(), 190);

        slider->setValue(95);
        slider->setClipStartValue(40);
        QImage image = slider->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(image.pixelColor(200 - 5, 5), QColor(Qt::red));
        QCOMPARE(image.pixelColor(200 + 4, 5), QColor(Qt::red));
        const int startX = slider->xOfValue(40);
        QCOMPARE(image.pixelColor(startX - 1, 15), QColor(Qt::green));
        QVERIFY(image.pixelColor(startX + 1, 15) != QColor(Qt::green));
    }

    // A press on the bare track jumps the thumb there; the release reports it as a thumb
    // release although the thumb was never grabbed.
    void trackPress()
    {
        auto slider = makeSlider();
        QSignalSpy moved(slider.get(), &VelSliderBar::valueChanged);
        QSignalSpy released(slider.get(), &VelSliderBar::thumbMouseRelease);
        QTest::mousePress(slider.get(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 26));
        QCOMPARE(slider->value(), 95);
        QCOMPARE(moved.size(), 1);
        QCOMPARE(moved.first().first().toInt(), 95);
        QCOMPARE(slider->hitPart(), int(VelSliderBar::NoPart));
        QTest::mouseRelease(slider.get(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 26));
        QCOMPARE(released.size(), 1);
        QCOMPARE(released.first().first().toInt(), 95);
    }

    // With a gap of 1 and the tags at 10 and 11 neither tag can come closer.
    void gapKeepsTheTagsApart_data()
    {
        QTest::addColumn<bool>("startTag");
        QTest::newRow("start tag right") << true;
        QTest::newRow("end tag left") << false;
    }
    void gapKeepsTheTagsApart()
    {
        QFETCH(bool, startTag);
        auto slider = makeSlider();
        slider->setMinimumClipGap(1);
        slider->setClipStartValue(10);
        slider->setClipEndValue(11);
        QSignalSpy starts(slider.get(), &VelSliderBar::clipStartChanged);
        QSignalSpy ends(slider.get(), &VelSliderBar::clipEndChanged);
        const int startX = slider->xOfValue(10);
        const int endX = slider->xOfValue(11);
        const QPoint grab = startTag ? QPoint(startX - 3, 18) : QPoint(endX + 3, 18);
        const QPoint target =
            startTag ? QPoint(slider->xOfValue(30), 18) : QPoint(slider->xOfValue(2), 18);
        drag(slider.get(), grab, {target});
        QCOMPARE(slider->hitPart(),
                 int(startTag ? VelSliderBar::StartTagPart : VelSliderBar::EndTagPart));
        QCOMPARE(slider->clipStartValue(), 10);
        QCOMPARE(slider->clipEndValue(), 11);
        QCOMPARE(starts.size() + ends.size(), 0);

        // Away from each other they move freely.
        const QPoint away(startTag ? slider->xOfValue(4) : slider->xOfValue(50), 18);
        drag(slider.get(), grab, {away});
        QCOMPARE(startTag ? slider->clipStartValue() : slider->clipEndValue(),
                 slider->valueAtX(away.x()));
        QCOMPARE(starts.size() + ends.size(), 1);
    }

    // Past the right end the thumb lands on the maximum exactly; a player's setValue meanwhile
    // cannot pull it away.
    void thumbDrag()
    {
        auto slider = makeSlider();
        slider->setValue(95);
        QSignalSpy moved(slider.get(), &VelSliderBar::valueChanged);
        QSignalSpy released(slider.get(), &VelSliderBar::thumbMouseRelease);
        QTest::mousePress(slider.get(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 5));
        QVERIFY(slider->isDraggingThumb());
        slider->setValue(3);
        QCOMPARE(slider->value(), 95);
        for (int x : {300, 398, 450}) {
            QMouseEvent move(QEvent::MouseMove, QPointF(x, 5), slider->mapToGlobal(QPointF(x, 5)),
                             Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(slider.get(), &move);
        }
        QCOMPARE(slider->value(), 190);
        QCOMPARE(moved.last().first().toInt(), 190);
        QTest::mouseRelease(slider.get(), Qt::LeftButton, Qt::NoModifier, QPoint(450, 5));
        QVERIFY(!slider->isDraggingThumb());
        QCOMPARE(released.first().first().toInt(), 190);
        slider->setValue(3);
        QCOMPARE(slider->value(), 3);
    }

    // Past the left end the thumb and the start tag land on the minimum exactly, never below.
    void dragPastTheLeftEnd_data()
    {
        QTest::addColumn<bool>("startTag");
        QTest::newRow("thumb") << false;
        QTest::newRow("start tag") << true;
    }
    void dragPastTheLeftEnd()
    {
        QFETCH(bool, startTag);
        auto slider = makeSlider();
        slider->setValue(95);
        slider->setClipStartValue(95);
        QSignalSpy moved(slider.get(),
                         startTag ? &VelSliderBar::clipStartChanged : &VelSliderBar::valueChanged);
        const int y = startTag ? 18 : 5;
        const QPoint grab(startTag ? slider->xOfValue(95) - 3 : 200, y);
        drag(slider.get(), grab, {QPoint(100, y), QPoint(-50, y), QPoint(-300, y)});
        QCOMPARE(startTag ? slider->clipStartValue() : slider->value(), 0);
        QVERIFY(!moved.isEmpty());
        for (const QList<QVariant>& signal : moved)
            QVERIFY2(signal.first().toInt() >= 0, qPrintable(signal.first().toString()));
        QCOMPARE(moved.last().first().toInt(), 0);
    }

    // A step up moves the thumb one unit toward the minimum; steps out of range do nothing.
    void wheel_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("delta");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("signals_");
        QTest::newRow("up") << 50 << 120 << 49 << 1;
        QTest::newRow("down") << 50 << -120 << 51 << 1;
        QTest::newRow("two notches up") << 50 << 240 << 48 << 1;
        QTest::newRow("up at the minimum") << 0 << 120 << 0 << 0;
        QTest::newRow("down at the maximum") << 190 << -120 << 190 << 0;
    }
    void wheel()
    {
        QFETCH(int, from);
        QFETCH(int, delta);
        QFETCH(int, to);
        QFETCH(int, signals_);
        auto slider = makeSlider();
        slider->setValue(from);
        QSignalSpy moved(slider.get(), &VelSliderBar::valueChanged);
        QWheelEvent event(QPointF(100, 10), slider->mapToGlobal(QPointF(100, 10)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(slider.get(), &event);
        QVERIFY(event.isAccepted());
        QCOMPARE(slider->value(), to);
        QCOMPARE(moved.size(), signals_);
    }

    // Both skins give the slider every picture it draws.
    void skinsGiveThePictures_data()
    {
        QTest::addColumn<QString>("skin");
        QTest::newRow("plenvo") << "plenvo";
        QTest::newRow("kzo") << "kzo";
    }
    void skinsGiveThePictures()
    {
        QFETCH(QString, skin);
        const QString skins = QString(LUMARO_SOURCE_DIR) + "/skins";
        const QString sheet = VelSkin::loadStyleSheet(skins, skin);
        QVERIFY(!sheet.isEmpty());
        QWidget window;
        window.setStyleSheet(sheet);
        auto* slider = new VelSliderBar(&window);
        slider->setObjectName("sliderClipping");
        window.show();
        slider->ensurePolished();
        for (const QString& path : {slider->fore(), slider->clipFore(), slider->disableClipFore(),
                                    slider->clipStart(), slider->clipEnd(), slider->thumb()}) {
            QVERIFY2(QFileInfo(path).isAbsolute() && !QImage(path).isNull(), qPrintable(path));
        }
        QVERIFY(slider->horiMargin() > 0);
        QVERIFY(slider->thumbTop() >= 0);
    }
};

QTEST_MAIN(TestVelSliderBar)
#include "tst_velsliderbar.moc"
