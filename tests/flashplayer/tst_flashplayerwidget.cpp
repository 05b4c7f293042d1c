#include "platform/flashplayer/flashplayerwidget.h"
#include "platform/velfc/core/vel.h"
#include "support/testfiles.h"
#include "support/testimages.h"

#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {
// A movie that reads "colour.txt" beside it and fills the stage with that colour: it shows both
// that the movie plays and that its relative URLs resolve against its own folder.
const char* const MovieSource = R"(
import flash.events.Event;
import flash.net.URLLoader;
import flash.net.URLRequest;
class Main {
    static function main() {
        var loader = new URLLoader();
        loader.addEventListener(Event.COMPLETE, function(_) {
            var g = flash.Lib.current.graphics;
            g.beginFill(Std.parseInt("0x" + StringTools.trim(loader.data)));
            g.drawRect(-2000, -2000, 6000, 6000);
            g.endFill();
        });
        loader.load(new URLRequest("colour.txt"));
    }
}
)";

bool writeFile(const QString& path, const QByteArray& data)
{
    return TestFiles::write(path, data);
}

QColor centreColour(QWidget* widget)
{
    const QImage image = widget->grab().toImage();
    return image.isNull() ? QColor() : image.pixelColor(image.width() / 2, image.height() / 2);
}

bool near(const QColor& a, const QColor& b)
{
    return TestFiles::closeColour(a, b);
}

int webViews(const QWidget& widget)
{
    return int(widget.findChildren<QWebEngineView*>().size());
}
} // namespace

class TestFlashPlayerWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void controlIdSelectsPlayer_data();
    void controlIdSelectsPlayer();
    void unplayableMovieFails_data();
    void unplayableMovieFails();
    void missingRuffleFails();
    void playsMovieAndReplacesIt();
    void holdsStillWhileBlockedOrDisabled();

private:
    QString placeMovie(const QString& folder, const QByteArray& colour);

    QTemporaryDir work;
    QString movieFile;
};

void TestFlashPlayerWidget::initTestCase()
{
    QVERIFY(work.isValid());
    QVERIFY(writeFile(work.filePath("Main.hx"), MovieSource));
    QProcess haxe;
    haxe.setWorkingDirectory(work.path());
    haxe.start(QString("haxe"), {QString("-swf"), QString("movie.swf"), QString("-swf-version"),
                                 QString("11"), QString("-swf-header"),
                                 QString("320:240:30:000000"), QString("-main"), QString("Main")});
    QVERIFY2(haxe.waitForFinished(60000), "haxe did not finish");
    QVERIFY2(haxe.exitCode() == 0, haxe.readAllStandardError().constData());
    movieFile = work.filePath("movie.swf");
    QVERIFY(QFileInfo(movieFile).size() > 0);
}

void TestFlashPlayerWidget::init()
{
    Vel::setApplicationFolder(QString(LUMARO_TEST_APP_DIR));
}

QString TestFlashPlayerWidget::placeMovie(const QString& folder, const QByteArray& colour)
{
    const QString dir = work.filePath(folder);
    QDir().mkpath(dir);
    const QString target = dir + QString("/movie.swf");
    QFile::remove(target);
    QFile::copy(movieFile, target);
    writeFile(dir + QString("/colour.txt"), colour);
    return target;
}

void TestFlashPlayerWidget::controlIdSelectsPlayer_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("flash");
    QTest::newRow("flash") << QString::fromLatin1(FlashPlayerWidget::FlashControlId) << true;
    QTest::newRow("upper case") << QString("{D27CDB6E-AE6D-11CF-96B8-444553540000}") << true;
    QTest::newRow("other control") << QString("{8856f961-340a-11d0-a96b-00c04fd705a2}") << false;
}

void TestFlashPlayerWidget::controlIdSelectsPlayer()
{
    QFETCH(QString, id);
    QFETCH(bool, flash);
    FlashPlayerWidget widget;
    QSignalSpy failed(&widget, &FlashPlayerWidget::movieFailed);
    if (!flash)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QString("cannot create")));
    QCOMPARE(widget.setControl(id), flash);
    if (!flash)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QString("no control")));
    widget.dynamicCall("LoadMovie(long,string)", 0, placeMovie(QString("c"), "ff0000"));
    // Without the Flash control nothing is loaded and nothing is reported.
    QCOMPARE(widget.currentMovie().isEmpty(), !flash);
    QCOMPARE(webViews(widget), flash ? 1 : 0);
    QCOMPARE(failed.count(), 0);
}

void TestFlashPlayerWidget::unplayableMovieFails_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("missing") << QString("absent.swf") << QByteArray();
    QTest::newRow("not a movie") << QString("garbage.swf")
                                 << QByteArray("this is not a Flash movie at all");
    QFile movie(movieFile);
    QVERIFY(movie.open(QIODevice::ReadOnly));
    const QByteArray whole = movie.readAll();
    QTest::newRow("truncated") << QString("truncated.swf") << whole.left(whole.size() / 2);
    QTest::newRow("folder") << QString("folder.swf") << QByteArray();
}

void TestFlashPlayerWidget::unplayableMovieFails()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    const QString path = work.filePath(file);
    if (file == QLatin1String("folder.swf"))
        QDir().mkpath(path);
    else if (file != QLatin1String("absent.swf"))
        QVERIFY(writeFile(path, content));

    FlashPlayerWidget widget;
    widget.resize(320, 240);
    widget.show();
    QSignalSpy loaded(&widget, &FlashPlayerWidget::movieLoaded);
    QSignalSpy failed(&widget, &FlashPlayerWidget::movieFailed);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QString("cannot play")));
    QVERIFY(widget.setControl(QString::fromLatin1(FlashPlayerWidget::FlashControlId)));
    widget.dynamicCall("LoadMovie(long,string)", 0, path);
    QVERIFY(failed.wait(60000));
    QCOMPARE(failed.first().first().toString(), QFileInfo(path).absoluteFilePath());
    QCOMPARE(loaded.count(), 0);
    QVERIFY(widget.currentMovie().isEmpty());
    for (QWebEngineView* view : widget.findChildren<QWebEngineView*>())
        QVERIFY(!view->isVisible()); // no panic screen, just the empty area
}

void TestFlashPlayerWidget::missingRuffleFails()
{
    QTemporaryDir emptyAppFolder;
    Vel::setApplicationFolder(emptyAppFolder.path());
    FlashPlayerWidget widget;
    QSignalSpy failed(&widget, &FlashPlayerWidget::movieFailed);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QString("cannot play")));
    widget.setControl(QString::fromLatin1(FlashPlayerWidget::FlashControlId));
    widget.dynamicCall("SetMovie(const QString&)", placeMovie(QString("r"), "ff0000"));
    QVERIFY(failed.wait(60000));
}

void TestFlashPlayerWidget::playsMovieAndReplacesIt()
{
    // Odd folder names: the movie's URLs must survive spaces, '#', '%' and non-ASCII letters.
    const QString green = placeMovie(QString("first #1 50% gr\u00fcn"), "00ff00");
    const QString blue = placeMovie(QString("second"), "0000ff");
    // Self-contained movies carry their data after the movie's own bytes.
    QFile carrier(blue);
    QVERIFY(carrier.open(QIODevice::Append));
    carrier.write(QByteArray(4096, '\x5a'));
    carrier.close();

    // The main window loads its first movie before it is shown.
    FlashPlayerWidget widget;
    widget.resize(320, 240);
    QSignalSpy loaded(&widget, &FlashPlayerWidget::movieLoaded);
    QSignalSpy failed(&widget, &FlashPlayerWidget::movieFailed);
    widget.clear();
    QVERIFY(widget.setControl(QString::fromLatin1(FlashPlayerWidget::FlashControlId)));
    widget.dynamicCall("LoadMovie(long,string)", 0, green);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QVERIFY(loaded.wait(90000));
    QCOMPARE(loaded.first().first().toString(), green);
    QCOMPARE(widget.currentMovie(), green);
    QWebEngineView* view = widget.findChild<QWebEngineView*>();
    QVERIFY(view);
    QTRY_VERIFY_WITH_TIMEOUT(near(centreColour(view), Qt::green), 30000);
    // The player follows the widget's size.
    widget.resize(640, 200);
    QTRY_COMPARE(view->size(), QSize(640, 200));
    QTRY_VERIFY_WITH_TIMEOUT(near(view->grab().toImage().pixelColor(630, 190), Qt::green), 30000);

    widget.clear();
    widget.setControl(QString::fromLatin1(FlashPlayerWidget::FlashControlId));
    widget.dynamicCall("LoadMovie(long,string)", 0, blue);
    QTRY_COMPARE_WITH_TIMEOUT(loaded.count(), 2, 60000);
    QTRY_VERIFY_WITH_TIMEOUT(near(centreColour(view), Qt::blue), 30000);
    QCOMPARE(webViews(widget), 1);

    widget.dynamicCall("SetMovie(const QString&)", QString("0"));
    QVERIFY(widget.currentMovie().isEmpty());
    QVERIFY(!view->isVisible());
    QCOMPARE(webViews(widget), 1);
    QCOMPARE(failed.count(), 0);
}

namespace {
// Whether the page of `view` is hidden, as the movie's player sees it.
bool pageHidden(QWebEngineView* view)
{
    int answer = -1;
    view->page()->runJavaScript(QStringLiteral("document.hidden"),
                                [&answer](const QVariant& hidden) { answer = hidden.toBool(); });
    QElapsedTimer clock;
    clock.start();
    while (answer < 0 && clock.elapsed() < 10000)
        QTest::qWait(20);
    return answer == 1;
}
} // namespace

// Disabled, or its window blocked by a dialog, the player shows its last picture and hides the
// page (the player stops); free again, the movie is back. A movie loaded meanwhile still loads.
void TestFlashPlayerWidget::holdsStillWhileBlockedOrDisabled()
{
    QWidget window;
    auto* widget = new FlashPlayerWidget(&window);
    widget->resize(320, 240);
    window.resize(320, 240);
    QSignalSpy loaded(widget, &FlashPlayerWidget::movieLoaded);
    widget->setControl(QString::fromLatin1(FlashPlayerWidget::FlashControlId));
    widget->dynamicCall("LoadMovie(long,string)", 0, placeMovie(QString("held"), "00ff00"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(loaded.wait(90000));
    auto* view = widget->findChild<QWebEngineView*>();
    auto* still = widget->findChild<QWidget*>(QStringLiteral("stillPicture"));
    QTRY_VERIFY_WITH_TIMEOUT(near(centreColour(view), Qt::green), 30000);
    QVERIFY(!pageHidden(view));

    for (const bool byDialog : {false, true}) {
        QDialog dialog(&window);
        if (byDialog)
            dialog.open(); // window-modal: blocks the player's window
        else
            widget->setEnabled(false);
        QTRY_VERIFY(widget->isHeld());
        QVERIFY(!view->isVisible());
        QVERIFY(still->isVisible());
        QVERIFY(near(centreColour(widget), Qt::green)); // the last picture stays in place
        QTRY_VERIFY_WITH_TIMEOUT(pageHidden(view), 10000);
        if (byDialog)
            dialog.close();
        else
            widget->setEnabled(true);
        QTRY_VERIFY(!widget->isHeld());
        QVERIFY(view->isVisible());
        QVERIFY(!still->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!pageHidden(view), 10000);
    }

    // A movie loaded during a hold loads, and shows when the hold ends.
    widget->setEnabled(false);
    QTRY_VERIFY(widget->isHeld());
    widget->dynamicCall("LoadMovie(long,string)", 0, placeMovie(QString("loaded held"), "0000ff"));
    QVERIFY(loaded.wait(90000));
    QVERIFY(!view->isVisible());
    QVERIFY(!still->isVisible()); // not the other movie's picture
    widget->setEnabled(true);
    QTRY_VERIFY_WITH_TIMEOUT(near(centreColour(view), Qt::blue), 30000);
}

QTEST_MAIN(TestFlashPlayerWidget)
#include "tst_flashplayerwidget.moc"
