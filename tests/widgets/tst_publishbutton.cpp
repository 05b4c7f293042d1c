#include "platform/velfc/core/vel.h"
#include "platform/velfc/core/velpref.h"
#include "widgets/publishbutton.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestPublishButton : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void followsItsState_data();
    void followsItsState();
    void pressAndRelease();
    void anchorsRelativeNamesInTheCurrentSkin_data();
    void anchorsRelativeNamesInTheCurrentSkin();
    void fallsBackToALanguageWithAPicture_data();
    void fallsBackToALanguageWithAPicture();
    void emptyNameShowsNothing();
    void picksUpTheSkinWhenPolished();
    void showsPicturesFromAnAwkwardFolder();

private:
    QString skinFolder(const QString& name) const
    {
        return VelPref::instance()->skinDir() + '/' + name;
    }
    static QString sheetFor(const QString& file) { return "background-image:url(" + file + ")"; }
    static void nameImages(PublishButton& button)
    {
        button.setBorderImage("publish/publish_normal");
        button.setDisabledBorderImage("publish/publish_disabled");
        button.setPressedBorderImage("publish/publish_pressed");
    }

    QTemporaryDir settingsDir;
};

void TestPublishButton::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(settingsDir.isValid());
    Vel::setApplicationFolder(LUMARO_TEST_APP_DIR);
    VelPref::instance()->open(settingsDir.filePath("lumaro.ini"));
    VelPref::instance()->setValue(PrefKey::LastSkin, "plenvo");
    QVERIFY2(QFileInfo::exists(skinFolder("plenvo") + "/style.qss"), "skins not copied");
}

void TestPublishButton::cleanup()
{
    Vel::setApplicationFolder(LUMARO_TEST_APP_DIR);
    qApp->setStyleSheet(QString());
    VelPref::instance()->setValue(PrefKey::LastSkin, "plenvo");
}

enum Step
{
    Language,
    Enable,
    Disable,
    SetDisabledTrue,
    SetDisabledFalse
};

void TestPublishButton::followsItsState_data()
{
    QTest::addColumn<QList<int>>("steps");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("picture");

    // Straight after construction the button is enabled but shows its disabled picture.
    QTest::newRow("language only") << QList<int>{Language} << 1 << true << "publish_disabled";
    QTest::newRow("enabled") << QList<int>{Language, Enable} << 0 << true << "publish_normal";
    QTest::newRow("disabled") << QList<int>{Language, Enable, Disable} << 1 << false
                              << "publish_disabled";
    QTest::newRow("setDisabled(true)")
        << QList<int>{Language, Enable, SetDisabledTrue} << 1 << false << "publish_disabled";
    QTest::newRow("setDisabled(false)")
        << QList<int>{Language, Disable, SetDisabledFalse} << 0 << true << "publish_normal";
    QTest::newRow("language after enable")
        << QList<int>{Enable, Language} << 0 << true << "publish_normal";
}

void TestPublishButton::followsItsState()
{
    QFETCH(QList<int>, steps);
    QFETCH(int, state);
    QFETCH(bool, enabled);
    QFETCH(QString, picture);

    PublishButton button;
    QCOMPARE(button.currentState(), 1);
    QVERIFY(button.styleSheet().isEmpty());
    nameImages(button);
    QVERIFY(button.styleSheet().isEmpty()); // naming pictures alone changes nothing
    QSignalSpy changes(&button, &PublishButton::stateChanged);
    for (int step : steps) {
        switch (step) {
        case Language:
            button.setLanguage("en");
            break;
        case Enable:
            button.setEnabled(true);
            break;
        case Disable:
            button.setEnabled(false);
            break;
        case SetDisabledTrue:
            button.setDisabled(true);
            break;
        case SetDisabledFalse:
            button.setDisabled(false);
            break;
        }
    }
    QCOMPARE(changes.count(), steps.size());
    QCOMPARE(button.currentState(), state);
    QCOMPARE(button.isEnabled(), enabled);
    const QString file = skinFolder("plenvo") + "/publish/" + picture + "_en.png";
    QCOMPARE(button.styleSheet(), sheetFor(file));
    QVERIFY(QFileInfo::exists(file));
}

void TestPublishButton::pressAndRelease()
{
    PublishButton button;
    nameImages(button);
    button.setLanguage("de");
    button.setEnabled(true);
    const QString publish = skinFolder("plenvo") + "/publish/";

    QTest::mousePress(&button, Qt::LeftButton);
    QCOMPARE(button.currentState(), 2);
    QCOMPARE(button.styleSheet(), sheetFor(publish + "publish_pressed_de.png"));

    // A new pressed picture waits for the next state change.
    button.setProperty("pressedBorderImage", QString("cancel/cancel_pressed"));
    QCOMPARE(button.styleSheet(), sheetFor(publish + "publish_pressed_de.png"));

    QTest::mouseRelease(&button, Qt::LeftButton);
    QCOMPARE(button.currentState(), 0);
    QCOMPARE(button.styleSheet(), sheetFor(publish + "publish_normal_de.png"));

    QTest::mousePress(&button, Qt::LeftButton);
    QCOMPARE(button.styleSheet(), sheetFor(skinFolder("plenvo") + "/cancel/cancel_pressed_de.png"));

    // Disabling a held button must end disabled, not on the release the toolkit sends.
    button.setEnabled(false);
    QCOMPARE(button.currentState(), 1);
    QCOMPARE(button.styleSheet(), sheetFor(publish + "publish_disabled_de.png"));
}

void TestPublishButton::anchorsRelativeNamesInTheCurrentSkin_data()
{
    QTest::addColumn<QString>("skin");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");

    const QString skins = QString(LUMARO_TEST_APP_DIR) + "/skins";
    const auto row = [](const char* tag, const char* skin, const char* name, const QString& file) {
        QTest::newRow(tag) << QString(skin) << QString(name) << file;
    };
    row("relative, plenvo", "plenvo", "cancel/cancel_disabled",
        skins + "/plenvo/cancel/cancel_disabled_en.png");
    row("relative, kzo", "kzo", "cancel/cancel_disabled",
        skins + "/kzo/cancel/cancel_disabled_en.png");
    row("absolute", "kzo", "/nowhere/pic", "/nowhere/pic_en.png");
    row("resource", "kzo", ":/pics/pic", ":/pics/pic_en.png");
    row("no skin chosen", "", "pic", skins + "/pic_en.png");
}

void TestPublishButton::anchorsRelativeNamesInTheCurrentSkin()
{
    QFETCH(QString, skin);
    QFETCH(QString, name);
    QFETCH(QString, file);

    VelPref::instance()->setValue(PrefKey::LastSkin, skin);
    PublishButton button;
    button.setDisabledBorderImage(name);
    button.setLanguage("en");
    QCOMPARE(button.getDisabledBorderImage(), name); // the property keeps what the skin gave
    QCOMPARE(button.styleSheet(), sheetFor(file));
}

void TestPublishButton::fallsBackToALanguageWithAPicture_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("shown");

    const auto row = [](const char* name, const char* language, const char* shown) {
        QTest::newRow(name) << QString(language) << QString(shown);
    };
    row("exact", "de", "de");
    row("with country", "de_DE", "de");
    row("unknown", "sv", "en");
    row("empty", "", "en");
}

void TestPublishButton::fallsBackToALanguageWithAPicture()
{
    QFETCH(QString, language);
    QFETCH(QString, shown);

    PublishButton button;
    nameImages(button);
    button.setLanguage(language);
    QCOMPARE(button.styleSheet(),
             sheetFor(skinFolder("plenvo") + "/publish/publish_disabled_" + shown + ".png"));
}

void TestPublishButton::emptyNameShowsNothing()
{
    PublishButton button;
    button.setBorderImage("publish/publish_normal");
    button.setLanguage("en");
    QVERIFY(button.styleSheet().isEmpty()); // no picture named for the disabled state yet
    button.setEnabled(true);
    QVERIFY(!button.styleSheet().isEmpty());
}

void TestPublishButton::picksUpTheSkinWhenPolished()
{
    // The main window hands over the language before the skin's properties reach the button.
    qApp->setStyleSheet("file:///" + skinFolder("plenvo") + "/style.qss");
    QWidget window;
    auto* button = new PublishButton(&window);
    button->setObjectName("publishBtn");
    button->setEnabled(true);
    button->setLanguage("en");
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QString normal = skinFolder("plenvo") + "/publish/publish_normal";
    QCOMPARE(QDir::cleanPath(button->getBorderImage()), normal);
    QCOMPARE(QDir::cleanPath(button->styleSheet()), sheetFor(normal + "_en.png"));
    QCOMPARE(button->size(), QSize(180, 44));

    // Another skin applied at run time replaces the picture at once.
    VelPref::instance()->setValue(PrefKey::LastSkin, "kzo");
    qApp->setStyleSheet("file:///" + skinFolder("kzo") + "/style.qss");
    QCOMPARE(QDir::cleanPath(button->styleSheet()),
             sheetFor(skinFolder("kzo") + "/publish/publish_normal_en.png"));
    QCOMPARE(button->currentState(), 0);
}

void TestPublishButton::showsPicturesFromAnAwkwardFolder()
{
    QTest::failOnWarning(
        QRegularExpression("parse|pixmap", QRegularExpression::CaseInsensitiveOption));
    auto render = [] {
        PublishButton button;
        nameImages(button);
        button.setLanguage("en");
        button.setEnabled(true);
        button.resize(180, 44);
        return button.grab().toImage();
    };
    const QImage reference = render();

    // Installed under a folder whose name the style parser would trip over.
    QTemporaryDir dir;
    const QString app = dir.filePath("Lumaro's (copy) \"2\"");
    QVERIFY(QDir().mkpath(app + "/skins/plenvo/publish"));
    for (const char* state : {"normal", "disabled", "pressed"}) {
        const QString name = QString("/publish/publish_%1_en.png").arg(state);
        QVERIFY(QFile::copy(skinFolder("plenvo") + name, app + "/skins/plenvo" + name));
    }
    Vel::setApplicationFolder(app);
    QCOMPARE(render(), reference);
    PublishButton unnamed; // and the picture really is what is drawn
    unnamed.resize(180, 44);
    QVERIFY(unnamed.grab().toImage() != reference);
}

QTEST_MAIN(TestPublishButton)
#include "tst_publishbutton.moc"
