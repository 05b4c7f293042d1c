#include "flashkit/menutemplateselectionframe.h"
#include "flashkit/menutpldelegate.h"
#include "platform/velfc/core/vel.h"
#include "support/testfiles.h"
#include "support/testimages.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {
// Stands in for a loaded .qm file: "pic" and one template name get another language.
class GermanNames : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override
    {
        if (qstrcmp(context, "MenuTemplateSelectionFrame") != 0)
            return QString();
        if (qstrcmp(source, "pic") == 0)
            return QString("Bilder");
        if (qstrcmp(source, "Magic Cube") == 0)
            return QString("Zauberw\u00fcrfel");
        return QString();
    }
};

const QColor Red(255, 0, 0);

bool near(const QColor& a, const QColor& b)
{
    return TestFiles::closeColour(a, b, 8);
}
} // namespace

class TestMenuTemplateSelectionFrame : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void cellsInOrderWithNames();
    void pictureFolderRules_data();
    void pictureFolderRules();
    void selectionEmitsPicturePath();
    void languageChangeRetranslates();
    void delegateHighlightsTextBandOnly();
    void skinSheetAppliedLaterReachesTable();

private:
    void addPicture(const QString& relative, const QColor& colour = QColor(0, 0, 200));
    QString appFolder() const { return app->path(); }
    QTableWidget* tableOf(MenuTemplateSelectionFrame& frame);

    QScopedPointer<QTemporaryDir> app;
};

void TestMenuTemplateSelectionFrame::init()
{
    app.reset(new QTemporaryDir);
    QVERIFY(app->isValid());
    Vel::setApplicationFolder(app->path());
}

void TestMenuTemplateSelectionFrame::cleanup()
{
    Vel::setApplicationFolder(QString());
}

void TestMenuTemplateSelectionFrame::addPicture(const QString& relative, const QColor& colour)
{
    const QString path = app->filePath(QString("template/") + relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(160, 120, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path, "JPG"));
}

QTableWidget* TestMenuTemplateSelectionFrame::tableOf(MenuTemplateSelectionFrame& frame)
{
    return frame.findChild<QTableWidget*>("templateTableWidget");
}

void TestMenuTemplateSelectionFrame::cellsInOrderWithNames()
{
    addPicture(QString("version1/3D Grid.jpg"));
    addPicture(QString("version1/Carousel.jpg"));
    addPicture(QString("version1/Magic Cube.jpg"));
    MenuTemplateSelectionFrame frame;
    frame.fillTemplates(3);
    frame.fillTemplates(2); // refilling replaces cells and delegate
    QCOMPARE(frame.findChildren<MenuTplDelegate*>().size(), 1);
    QTableWidget* table = tableOf(frame);
    QVERIFY(table);
    QCOMPARE(table->columnCount(), 2);
    QCOMPARE(table->rowCount(), 2);

    const QStringList shown = {QString("Magic Cube(24-pic)"), QString("3D Grid(36-pic)"),
                               QString("Carousel(18-pic)")};
    const QStringList base = {QString("Magic Cube"), QString("3D Grid"), QString("Carousel")};
    for (int i = 0; i < 3; ++i) {
        QTableWidgetItem* item = table->item(i / 2, i % 2);
        QVERIFY(item);
        QCOMPARE(item->text(), shown.at(i));
        QCOMPARE(item->toolTip(), shown.at(i));
        QCOMPARE(item->data(Qt::UserRole).toString(), base.at(i));
        QVERIFY(!item->icon().isNull());
    }
    QVERIFY(!table->item(1, 1));
    QCOMPARE(frame.firstTemplatePath(), appFolder() + QString("/template/version1/Magic Cube.jpg"));
    QVERIFY(table->selectedItems().isEmpty());
}

void TestMenuTemplateSelectionFrame::pictureFolderRules_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("sorted ignoring case, other files left out")
        << QStringList{"version1/banana.jpg", "version1/Apple.jpg", "version1/Cherry.png",
                       "version1/SWF/Inner.jpg"}
        << QStringList{"Apple", "banana"};
    QTest::newRow("no version folder") << QStringList{"Loose.jpg"} << QStringList{};
    QTest::newRow("only another version") << QStringList{"version2/Pinwheel.jpg"} << QStringList{};
}

void TestMenuTemplateSelectionFrame::pictureFolderRules()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, expected);
    for (const QString& file : files)
        addPicture(file);
    MenuTemplateSelectionFrame frame;
    frame.fillTemplates(1);
    QTableWidget* table = tableOf(frame);
    QStringList names;
    for (int row = 0; row < table->rowCount(); ++row)
        names << table->item(row, 0)->data(Qt::UserRole).toString();
    QCOMPARE(names, expected);
    QCOMPARE(frame.firstTemplatePath().isEmpty(), expected.isEmpty());
    if (expected.isEmpty()) {
        QSignalSpy spy(&frame, &MenuTemplateSelectionFrame::templateSelectionChanged);
        frame.onSelectionChanged(); // nothing to fall back on: no signal, no crash
        QCOMPARE(spy.count(), 0);
        frame.fillTemplates(0);
    }
}

void TestMenuTemplateSelectionFrame::selectionEmitsPicturePath()
{
    addPicture(QString("version1/3D Grid.jpg"));
    addPicture(QString("version1/Carousel.jpg"));
    addPicture(QString("version1/Magic Cube.jpg"));
    MenuTemplateSelectionFrame frame;
    frame.fillTemplates(2);
    frame.resize(250, 400);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QTableWidget* table = tableOf(frame);
    QSignalSpy spy(&frame, &MenuTemplateSelectionFrame::templateSelectionChanged);
    const QString folder = appFolder() + QString("/template/version1/");

    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      table->visualItemRect(table->item(1, 0)).center());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.takeFirst().first().toString(), folder + QString("Carousel.jpg"));

    // The empty cell stands for the first template.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      table->visualRect(table->model()->index(1, 1)).center());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.takeFirst().first().toString(), folder + QString("Magic Cube.jpg"));
    QCOMPARE(table->currentRow(), 0);
    QCOMPARE(table->currentColumn(), 0);

    // Filling again does not announce a selection.
    frame.fillTemplates(2);
    QCOMPARE(spy.count(), 0);
}

void TestMenuTemplateSelectionFrame::languageChangeRetranslates()
{
    addPicture(QString("version1/Magic Cube.jpg"));
    addPicture(QString("version1/Sunset.jpg"));
    MenuTemplateSelectionFrame frame;
    frame.fillTemplates(2);
    QTableWidget* table = tableOf(frame);
    const qint64 iconKey = table->item(0, 0)->icon().cacheKey();

    GermanNames german;
    QVERIFY(QCoreApplication::installTranslator(&german));
    // The application posts the language change to its windows.
    QTRY_COMPARE(table->item(0, 0)->text(), QString("Zauberw\u00fcrfel(24-Bilder)"));
    QCOMPARE(table->item(0, 0)->toolTip(), table->item(0, 0)->text());
    QCOMPARE(table->item(0, 1)->text(), QString("Sunset"));
    QCOMPARE(table->item(0, 0)->icon().cacheKey(), iconKey); // pictures are not reloaded

    QCoreApplication::removeTranslator(&german);
    QTRY_COMPARE(table->item(0, 0)->text(), QString("Magic Cube(24-pic)"));
}

void TestMenuTemplateSelectionFrame::delegateHighlightsTextBandOnly()
{
    addPicture(QString("version1/Magic Cube.jpg"), Red);
    MenuTemplateSelectionFrame frame;
    frame.fillTemplates(2);
    frame.resize(250, 300);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QTableWidget* table = tableOf(frame);
    table->setCurrentCell(0, 0);
    QVERIFY(table->item(0, 0)->isSelected());

    const QRect cell = table->visualItemRect(table->item(0, 0));
    const QImage shot = table->viewport()->grab().toImage();
    const QColor highlight = table->palette().color(QPalette::Active, QPalette::Highlight);
    // Picture centred in the area above the 20-pixel text band.
    const QColor picture =
        shot.pixelColor(cell.center().x(), cell.top() + (cell.height() - 20) / 2);
    QVERIFY2(picture.red() > 200 && picture.green() < 60 && picture.blue() < 60,
             qPrintable(picture.name()));
    // The band's left edge (no text there) shows the highlight; the picture area's margin does not.
    QVERIFY(near(shot.pixelColor(cell.left() + 2, cell.bottom() - 10), highlight));
    QVERIFY(!near(shot.pixelColor(cell.left() + 2, cell.top() + 10), highlight));
}

QTEST_MAIN(TestMenuTemplateSelectionFrame)
// The skin's style sheet is applied after the panel is built and before the window is shown; the
// table keeps its own style for the selection band and must still be painted by the sheet (a dark
// skin left it white).
void TestMenuTemplateSelectionFrame::skinSheetAppliedLaterReachesTable()
{
    MenuTemplateSelectionFrame frame;
    frame.fillTemplates(2);
    frame.resize(250, 300);
    const QColor sheetColour(0x12, 0x34, 0x56);
    qApp->setStyleSheet(
        QString("#templateTableWidget { background-color: %1; }").arg(sheetColour.name()));
    frame.show();
    const QImage shot = tableOf(frame)->viewport()->grab().toImage();
    qApp->setStyleSheet(QString());
    QVERIFY(near(shot.pixelColor(shot.width() / 2, shot.height() / 2), sheetColour));
}

#include "tst_menutemplateselectionframe.moc"
