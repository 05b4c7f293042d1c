#include "platform/velfc/core/vel.h"
#include "platform/velfc/core/velskin.h"
#include "widgets/publishbutton.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

// The shipped skins as the program finds them in its application folder.
class TestSkins : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { qApp->setStyleSheet(QString()); }
    void everyPictureExists_data();
    void everyPictureExists();
    void captionPicturesForEveryStateAndLanguage_data();
    void captionPicturesForEveryStateAndLanguage();
    void musicStripPictures();
    void appliesCleanlyAndDrawsTheTools_data();
    void appliesCleanlyAndDrawsTheTools();

private:
    static void addSkinRows();
    QString skins;
};

void TestSkins::initTestCase()
{
    Vel::setApplicationFolder(LUMARO_TEST_APP_DIR);
    skins = Vel::applicationFolder() + "/skins";
}

void TestSkins::addSkinRows()
{
    QTest::addColumn<QString>("skin");
    QTest::newRow("plenvo") << "plenvo";
    QTest::newRow("kzo") << "kzo";
}

void TestSkins::everyPictureExists_data()
{
    addSkinRows();
}

// Every url() of the style sheet names a file of the skin folder with a twice-as-large @2x twin;
// names without an extension are the caption buttons' base names, completed per language.
void TestSkins::everyPictureExists()
{
    QFETCH(QString, skin);
    QFile sheet(skins + '/' + skin + "/style.qss");
    QVERIFY(sheet.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(sheet.readAll())
                             .remove(QRegularExpression(
                                 R"(/\*.*?\*/)", QRegularExpression::DotMatchesEverythingOption));
    QStringList files;
    for (const auto& match : QRegularExpression(R"(url\(([^)]*)\))").globalMatch(text)) {
        const QString name = match.captured(1);
        QVERIFY2(QDir::isRelativePath(name), qPrintable(name));
        if (name.endsWith(".png"))
            files << name;
        else
            files << name + "_en.png" << name + "_de.png";
    }
    QVERIFY(files.size() > 100);
    for (const QString& name : std::as_const(files)) {
        const QImage picture(skins + '/' + skin + '/' + name);
        QVERIFY2(!picture.isNull(), qPrintable(name));
        QString twinName = name;
        twinName.insert(twinName.size() - 4, "@2x");
        const QImage twin(skins + '/' + skin + '/' + twinName);
        QCOMPARE(twin.size(), picture.size() * 2);
    }
}

void TestSkins::captionPicturesForEveryStateAndLanguage_data()
{
    QTest::addColumn<QString>("file");
    for (const char* skin : {"plenvo", "kzo"})
        for (const char* kind : {"publish", "cancel"})
            for (const char* state : {"normal", "disabled", "pressed"})
                for (const char* language : {"en", "de"}) {
                    const QString file = QString("%1/%1_%2_%3.png").arg(kind, state, language);
                    QTest::addRow("%s %s", skin, qPrintable(file)) << QString(skin) + '/' + file;
                }
}

void TestSkins::captionPicturesForEveryStateAndLanguage()
{
    QFETCH(QString, file);
    const QImage picture(skins + '/' + file);
    QCOMPARE(picture.size(), QSize(180, 44));
    QVERIFY(picture.hasAlphaChannel());
    QCOMPARE(qAlpha(picture.pixel(90, 22)), 255); // a solid face under the caption
    QCOMPARE(qAlpha(picture.pixel(0, 0)), 0);     // rounded corners
}

void TestSkins::musicStripPictures()
{
    // The strip draws the head at 26 px high and tiles the body after it, text from x = 30.
    for (const QString& folder : QStringList{skins, skins + "/plenvo", skins + "/kzo"}) {
        const QImage head(folder + "/app_lumaro/head.png");
        const QImage body(folder + "/app_lumaro/body.png");
        QCOMPARE(head.size(), QSize(28, 26));
        QCOMPARE(body.size(), QSize(8, 26));
        QVERIFY(qGray(body.pixel(4, 13)) > 170); // black text must stay readable on it
    }
}

void TestSkins::appliesCleanlyAndDrawsTheTools_data()
{
    QTest::addColumn<QString>("skin");
    QTest::addColumn<bool>("byFramework");
    for (const char* skin : {"plenvo", "kzo"}) {
        QTest::addRow("%s, as a file", skin) << QString(skin) << false;
        QTest::addRow("%s, by the framework", skin) << QString(skin) << true;
    }
}

void TestSkins::appliesCleanlyAndDrawsTheTools()
{
    QFETCH(QString, skin);
    QFETCH(bool, byFramework);
    QTest::failOnWarning(QRegularExpression("stylesheet|pixmap|property",
                                            QRegularExpression::CaseInsensitiveOption));
    // Either way of applying a skin resolves its url()s inside the skin folder.
    qApp->setStyleSheet(byFramework ? VelSkin::loadStyleSheet(skins, skin)
                                    : "file:///" + skins + '/' + skin + "/style.qss");

    QWidget window;
    window.setObjectName("centralwidget");
    auto* layout = new QVBoxLayout(&window);
    const QStringList tools{"importPicture", "importPictureDir", "importAudio", "deleteClip",
                            "turnLeft",      "turnRight",        "mirror",      "flip",
                            "restore",       "editMusic",        "previewBtn"};
    for (const QString& name : tools) {
        auto* tool = new QToolButton;
        tool->setObjectName(name);
        layout->addWidget(tool);
    }
    auto* album = new QLabel;
    album->setObjectName("label_album");
    layout->addWidget(album);
    auto* publish = new PublishButton;
    publish->setObjectName("publishBtn");
    layout->addWidget(publish);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QVERIFY(QDir::cleanPath(publish->getDisabledBorderImage())
                .endsWith("/skins/" + skin + "/publish/publish_disabled"));
    for (const QString& name : tools) {
        auto* tool = window.findChild<QToolButton*>(name);
        const QImage enabled = tool->grab().toImage();
        QVERIFY2(enabled.size().width() >= 28, qPrintable(name));
        tool->setEnabled(false);
        const QImage disabled = tool->grab().toImage();
        QVERIFY2(enabled != disabled, qPrintable(name)); // a glyph per state, not a blank face
        // Something of a glyph is drawn: the face is not one flat colour.
        QSet<QRgb> colours;
        for (int y = 0; y < enabled.height(); y += 2)
            for (int x = 0; x < enabled.width(); x += 2)
                colours.insert(enabled.pixel(x, y));
        QVERIFY2(colours.size() > 4, qPrintable(name));
    }
}

QTEST_MAIN(TestSkins)
#include "tst_skins.moc"
