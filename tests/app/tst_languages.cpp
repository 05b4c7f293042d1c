// What a person sees in every language Lumaro ships: the main window and each dialog, shown in
// the language, carry no text that is still the English one the same window shows in English,
// and no button, label or menu entry whose text is wider than the room it has. A language's
// word that is the same as the English one (German "Pause") counts when its translation file
// says so. With LUMARO_SCREENSHOTS set to a folder, each window is saved there as a picture.
#include "app/lumaro.h"
#include "audio/audioeditdialog.h"
#include "common/fileerror.h"
#include "common/workspace.h"
#include "flashkit/publishsetting.h"
#include "platform/velfc/core/vel.h"
#include "platform/velfc/core/vellangitemmodel.h"
#include "platform/velfc/core/velpref.h"
#include "prefs/preferences.h"
#include "widgets/loadfaileddialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QStandardPaths>
#include <QStyle>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <QXmlStreamReader>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// Texts that are the same in every language: the program's and formats' names, and data.
const QStringList sameEverywhere = {QStringLiteral("Lumaro"), QStringLiteral("OK"),
                                    QStringLiteral("swf"), QStringLiteral("xml"),
                                    QStringLiteral("swf+html")};

bool isData(const QString& text)
{
    // Numbers, times and sizes, file names and paths.
    static const QRegularExpression data(
        QStringLiteral(R"(^[\d\s:.,%()/+-]*$|\.[A-Za-z0-9]{2,4}$|^/|^[A-Z]:\\)"));
    return data.match(text).hasMatch();
}

// A shown text without its accelerator marks.
QString plain(const QString& text)
{
    QString out = text;
    out.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    out.remove(QLatin1Char('&'));
    out.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return out.trimmed();
}

struct Shown
{
    QString where;
    QString text;
    int need = 0; // the width the text needs, and the width it has
    int room = 0;
};

QString nameOf(const QObject* object)
{
    return QString::fromLatin1(object->metaObject()->className()) + QLatin1Char('#') +
           object->objectName();
}

// The width a label's text takes, the widest line of it.
int textWidth(const QLabel* label, const QString& text)
{
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = qMax(widest, label->fontMetrics().horizontalAdvance(line));
    return widest;
}

void collectMenu(const QMenu* menu, QList<Shown>& out)
{
    if (!menu->title().isEmpty())
        out << Shown{nameOf(menu), plain(menu->title())};
    const int room = QGuiApplication::primaryScreen()->availableGeometry().width();
    for (QAction* action : menu->actions()) {
        if (action->isSeparator() || action->text().isEmpty())
            continue;
        // A menu is as wide as its widest entry; only the screen limits it.
        out << Shown{nameOf(menu) + QStringLiteral(" > ") + action->objectName(),
                     plain(action->text()), menu->sizeHint().width(), room};
    }
}

// Every text `root` shows, with whether it fits its widget.
QList<Shown> collect(QWidget* root)
{
    QList<Shown> out;
    if (!root->windowTitle().isEmpty())
        out << Shown{QStringLiteral("window title"), plain(root->windowTitle())};
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : std::as_const(widgets)) {
        if (auto* menu = qobject_cast<QMenu*>(w)) {
            collectMenu(menu, out);
            continue;
        }
        if (!w->isVisibleTo(root) && w != root)
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            if (!button->text().isEmpty())
                out << Shown{nameOf(w), plain(button->text()), button->sizeHint().width(),
                             button->width()};
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            QString text = label->text();
            if (Qt::mightBeRichText(text)) {
                QTextDocument document;
                document.setHtml(text);
                text = document.toPlainText();
            }
            if (text.trimmed().isEmpty())
                continue;
            const int room =
                label->contentsRect().width() - 2 * label->margin() - qMax(0, label->indent());
            if (!label->wordWrap()) // a wrapped label takes more lines instead
                out << Shown{nameOf(w), plain(text), textWidth(label, text), room};
            else
                out << Shown{nameOf(w), plain(text)};
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            if (!group->title().isEmpty())
                out << Shown{nameOf(w), plain(group->title())};
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < combo->count(); ++i)
                out << Shown{nameOf(w), combo->itemText(i)};
        } else if (auto* header = qobject_cast<QHeaderView*>(w)) {
            if (!header->model())
                continue;
            const int margin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin);
            for (int i = 0; i < header->count(); ++i) {
                if (header->isSectionHidden(i))
                    continue;
                const QString text =
                    header->model()->headerData(i, header->orientation()).toString();
                // A column is as wide as the list makes it: its title must fit.
                out << Shown{nameOf(w), text,
                             header->fontMetrics().horizontalAdvance(text) + margin,
                             header->sectionSize(i)};
            }
        } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                out << Shown{nameOf(w), plain(tabs->tabText(i))};
        }
    }
    return out;
}

// The translations of `language` whose text is the English source itself: meant, not missed.
QSet<QString> sameAsEnglish(const QString& language)
{
    QSet<QString> same;
    QFile file(QStringLiteral(LUMARO_SOURCE_DIR "/translations/lumaro_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        return same;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation") &&
                 plain(xml.readElementText(QXmlStreamReader::IncludeChildElements)) ==
                     plain(source))
            same << plain(source);
    }
    return same;
}

AudioInfo clip(const QString& path, double seconds)
{
    AudioInfo info;
    info.filePath = path;
    info.duration = seconds;
    info.endPoint = seconds;
    info.sampleRate = 44100;
    info.channels = 2;
    info.codecName = QStringLiteral("mp3");
    return info;
}

// Shows the window `make` builds, hands its texts to `look`, and closes it. Modal windows are
// inspected from inside their own event loop.
using Look = std::function<void(QWidget*)>;
using Window = std::function<void(const Look&)>;

void showAndLook(QWidget* window, const Look& look)
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QApplication::processEvents();
    look(window);
}

// Runs `open` (which shows a modal box and waits) and looks at the box once it is up.
void lookAtModal(const std::function<void()>& open, const Look& look)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        QTRY_VERIFY(box = QApplication::activeModalWidget());
        QApplication::processEvents();
        look(box);
        seen = true;
        box->close();
    });
    open();
    QVERIFY(seen);
}

struct WindowCase
{
    const char* name;
    Window show;
};

const QList<WindowCase>& windows()
{
    static const QList<WindowCase> all = {
        {"main window",
         [](const Look& look) {
             Lumaro window;
             showAndLook(&window, look);
         }},
        {"main window at its smallest",
         [](const Look& look) {
             Lumaro window;
             window.show();
             window.resize(window.minimumSize());
             showAndLook(&window, look);
         }},
        {"about",
         [](const Look& look) {
             Lumaro window;
             window.show();
             lookAtModal([&] { window.standardAction(VelMainWindow::About)->trigger(); }, look);
         }},
        {"publish settings",
         [](const Look& look) {
             PublishSetting dialog(nullptr);
             showAndLook(&dialog, look);
         }},
        {"edit audio",
         [](const Look& look) {
             AudioEditDialog dialog({clip(QStringLiteral("/music/song.mp3"), 61)}, nullptr);
             showAndLook(&dialog, look);
         }},
        {"preferences",
         [](const Look& look) {
             Preferences dialog(nullptr, nullptr);
             showAndLook(&dialog, look);
         }},
        {"load failed",
         [](const Look& look) {
             LoadFailedDialog dialog(nullptr);
             dialog.addFailures(
                 {FileFailure{QStringLiteral("/photos/broken.jpg"), QStringLiteral("-"), false}});
             showAndLook(&dialog, look);
         }},
    };
    return all;
}

void setLanguage(const QString& language)
{
    VelLangItemModel::setCurrentLangName(language);
    QApplication::processEvents();
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Vel::setApplicationFolder(QStringLiteral(LUMARO_TEST_APP_DIR));
        QVERIFY(home.isValid());
        VelPref::instance()->open(home.filePath(QStringLiteral("lumaro.ini")));
        VelPref::instance()->setValue(PrefKey::LastSkin, QStringLiteral("plenvo"));
        VelPref::instance()->setValue(PrefKey::TemporaryDir, home.filePath(QStringLiteral("data")));
        VelPref::instance()->setValue(
            PrefKey::Temporary,
            QString(home.filePath(QStringLiteral("data/")) + WorkspaceFolderName));
    }
    void cleanupTestCase() { setLanguage(QStringLiteral("en")); }

    void everyTextTranslatedAndWhole_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("window");
        const QStringList languages = VelLangItemModel::availableLanguages();
        QVERIFY(languages.size() >= 8);
        for (const QString& language : languages) {
            if (language == QLatin1String("en"))
                continue;
            for (int i = 0; i < windows().size(); ++i)
                QTest::addRow("%s, %s", qPrintable(language), windows().at(i).name)
                    << language << i;
        }
    }

    void everyTextTranslatedAndWhole()
    {
        QFETCH(QString, language);
        QFETCH(int, window);
        const WindowCase& which = windows().at(window);
        if (!english.contains(window)) {
            setLanguage(QStringLiteral("en"));
            QSet<QString> texts;
            which.show([&texts](QWidget* w) {
                for (const Shown& s : collect(w))
                    texts << s.text;
            });
            english.insert(window, texts);
        }
        setLanguage(language);
        const QSet<QString> meant = sameAsEnglish(language);
        QStringList faults;
        which.show([&](QWidget* w) {
            const QList<Shown> shown = collect(w);
            QVERIFY(!shown.isEmpty());
            for (const Shown& s : shown) {
                if (english.value(window).contains(s.text) && !meant.contains(s.text) &&
                    !sameEverywhere.contains(s.text) && !isData(s.text))
                    faults << QStringLiteral("English: %1 \"%2\"").arg(s.where, s.text);
                if (s.need > s.room)
                    faults << QStringLiteral("cut off: %1 \"%2\" needs %3 px, has %4")
                                  .arg(s.where, s.text)
                                  .arg(s.need)
                                  .arg(s.room);
            }
            const QString folder = qEnvironmentVariable("LUMARO_SCREENSHOTS");
            if (!folder.isEmpty()) {
                QString name = QString::fromLatin1(which.name) + QLatin1Char('-') + language;
                name.replace(QLatin1Char(' '), QLatin1Char('-'));
                w->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
            }
        });
        faults.removeDuplicates();
        for (const QString& fault : std::as_const(faults))
            qWarning("%s", qUtf8Printable(fault));
        QVERIFY2(faults.isEmpty(),
                 qPrintable(QStringLiteral("%1 faults (listed above)").arg(faults.size())));
    }

private:
    QTemporaryDir home;
    QHash<int, QSet<QString>> english; // the texts of each window in English
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
