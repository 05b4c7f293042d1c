// The framework's windows and messages: message seam, notification, power-state countdown, main
// window menu, skin and geometry.
#include "platform/velfc/core/vel.h"
#include "platform/velfc/core/velpoweraction.h"
#include "platform/velfc/core/velpref.h"
#include "platform/velfc/velhelpers.h"
#include "platform/velfc/velmainwindow.h"
#include "platform/velfc/velmessagebox.h"
#include "platform/velfc/velpopwidget.h"
#include "platform/velfc/velpowerstate.h"
#include "platform/velfc/velwidgethelper.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

class TestVelWidgets : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        VelPref::instance()->open(dir.filePath("lumaro.ini"));
    }

    void messagesGoThroughTheHandler()
    {
        QList<QStringList> seen;
        VelMessageBox::setHandler(
            [&seen](VelMessageBox::Kind kind, const QString& text, const QString& title) {
                seen << QStringList{kind == VelMessageBox::Alert ? "alert" : "info", text, title};
                return int(QMessageBox::Ok);
            });
        QCOMPARE(VelMessageBox::alert("Disk full", QString(), nullptr, true), int(QMessageBox::Ok));
        VelMessageBox::info("Done", "Title");
        VelMessageBox::setHandler({});
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[0], (QStringList{"alert", "Disk full", "Lumaro"})); // empty title: product
        QCOMPARE(seen[1], (QStringList{"info", "Done", "Title"}));
    }

    void popWidgetClosesItself()
    {
        VelPopWidget::s_delayCloseMs = 50;
        VelPopWidget::setSkinMode(false);
        QPointer<VelPopWidget> pop = VelPopWidget::showText("Lumaro", "Publish Succeeded!", true,
                                                            Qt::AlignLeft | Qt::AlignVCenter);
        QVERIFY(pop);
        QCOMPARE(pop->text(), QString("Publish Succeeded!"));
        QVERIFY(pop->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(pop.isNull(), 2000); // closed and deleted
    }

    void powerStateCountdown_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("result");
        QTest::addColumn<QList<int>>("ran");
        QTest::newRow("cancelled") << "cancel" << int(QDialog::Rejected) << QList<int>{};
        QTest::newRow("confirmed") << "now" << int(QDialog::Accepted) << QList<int>{4};
        QTest::newRow("runs out") << "wait" << int(QDialog::Accepted) << QList<int>{4};
    }
    void powerStateCountdown()
    {
        QFETCH(QString, answer);
        QFETCH(int, result);
        QFETCH(QList<int>, ran);
        QList<int> runs;
        VelPowerAction::setRunner([&runs](int code) {
            runs << code;
            return true;
        });
        VelPowerState::s_countdownSeconds = 2;
        VelPowerState dialog(4);
        QVERIFY(dialog.message().contains("2 second"));
        int shownSeconds = -1;
        QTimer::singleShot(1300, &dialog, [&]() {
            shownSeconds = dialog.remainingSeconds();
            if (answer == "cancel")
                dialog.cancelButton()->click();
            else if (answer == "now")
                dialog.nowButton()->click();
        });
        QCOMPARE(dialog.exec(), result);
        QCOMPARE(shownSeconds, 1); // the countdown visibly went down
        QCOMPARE(runs, ran);
        VelPowerAction::setRunner({});
    }

    void powerStateWithoutActionShowsNothing()
    {
        bool asked = false;
        VelPowerAction::setRunner([&asked](int) { return asked = true; });
        VelPowerState dialog(3);
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
        QVERIFY(!asked);
        VelPowerAction::setRunner({});
    }

    void titleButtonShowsTheMenu()
    {
        VelMainWindow window;
        window.initialize();
        QToolButton* button = window.titleMenuButton();
        QVERIFY(button->menu());
        QVERIFY(button->menu()->actions().contains(window.standardAction(VelMainWindow::Quit)));
        window.setTitleShowMenu(false);
        window.show();
        QVERIFY(!button->isVisible());
    }

    // The title strip shows the mark of unsaved changes as the window manager's title does.
    void titleStripShowsTheModifiedMark_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QString>("shown");
        QTest::newRow("saved") << "Trip[*] - Lumaro" << false << "Trip - Lumaro";
        QTest::newRow("changed") << "Trip[*] - Lumaro" << true << "Trip* - Lumaro";
        QTest::newRow("literal mark") << "A[*][*]B[*]" << true << "A[*]B*";
        QTest::newRow("no title") << "" << true << "Lumaro";
    }
    void titleStripShowsTheModifiedMark()
    {
        QFETCH(QString, title);
        QFETCH(bool, modified);
        QFETCH(QString, shown);
        VelMainWindow window;
        window.setWindowTitle(title);
        window.setWindowModified(modified);
        QCOMPARE(window.findChild<QLabel*>("velTitleLabel")->text(), shown);
    }

    void skinIsAppliedWithAbsolutePaths()
    {
        QTemporaryDir apps;
        QDir().mkpath(apps.filePath("skins/blue"));
        QFile sheet(apps.filePath("skins/blue/style.qss"));
        QVERIFY(sheet.open(QIODevice::WriteOnly));
        sheet.write("QToolButton#titleMenuButton { image: url(icons/menu.png); }");
        sheet.close();
        Vel::setApplicationFolder(apps.path());
        VelPref::instance()->setValue(PrefKey::LastSkin, "blue");
        VelMainWindow window;
        window.initialize();
        QVERIFY2(qApp->styleSheet().contains(apps.filePath("skins/blue/icons/menu.png")),
                 qPrintable(qApp->styleSheet()));
        VelPref::instance()->setValue(PrefKey::LastSkin, "gone"); // removed skin: plain look
        VelMainWindow other;
        other.initialize();
        QVERIFY(qApp->styleSheet().isEmpty());
        Vel::setApplicationFolder(QString());
        VelPref::instance()->remove(PrefKey::LastSkin);
    }

    void geometryIsKeptAcrossWindows()
    {
        VelWidgetHelper::setDefaultSize(QSize(700, 500));
        {
            VelMainWindow first;
            first.initialize();
            QCOMPARE(first.size(), QSize(700, 500)); // nothing stored yet: the default size
            first.resize(640, 480);
            first.show();
            first.close();
        }
        VelMainWindow second;
        second.initialize();
        QCOMPARE(second.size(), QSize(640, 480));
        VelPref::instance()->remove(PrefKey::WindowGeometry);
    }

    void borderImageKeepsCorners()
    {
        QImage source(10, 10, QImage::Format_ARGB32);
        source.fill(Qt::blue);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 3; ++x)
                source.setPixelColor(x, y, Qt::red); // top-left corner, 3 x 3
        const QImage scaled =
            Vel::scaleBorderImage(QPixmap::fromImage(source), QSize(40, 30), 3, 3, 3, 3).toImage();
        QCOMPARE(scaled.size(), QSize(40, 30));
        QCOMPARE(scaled.pixelColor(2, 2), QColor(Qt::red));
        QCOMPARE(scaled.pixelColor(3, 3), QColor(Qt::blue)); // the corner did not grow
        QCOMPARE(scaled.pixelColor(39, 29), QColor(Qt::blue));
        QVERIFY(Vel::scaleBorderImage(QPixmap(), QSize(4, 4), 1, 1, 1, 1).isNull());
        QCOMPARE(Vel::scaleBorderImage(QPixmap::fromImage(source), QSize(4, 4), 3, 3, 3, 3).size(),
                 QSize(4, 4));
    }

    void elidedLabel()
    {
        QLabel label;
        label.resize(60, 20);
        const QString text = "/a/very/long/folder/name/that/cannot/fit/in/sixty/pixels";
        Vel::labelElidedText(&label, text);
        QVERIFY(label.text() != text);
        QCOMPARE(label.toolTip(), text);
        label.resize(2000, 20);
        Vel::labelElidedText(&label, "short");
        QCOMPARE(label.text(), QString("short"));
        QVERIFY(label.toolTip().isEmpty());
    }

private:
    QTemporaryDir dir;
};

QTEST_MAIN(TestVelWidgets)
#include "tst_velwidgets.moc"
