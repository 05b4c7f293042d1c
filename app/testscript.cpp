#include "app/testscript.h"

#include "app/documentflow.h"
#include "app/importflow.h"
#include "app/lumaro.h"
#include "app/publishflow.h"
#include "common/workspace.h"
#include "document/slideshow.h"
#include "platform/velfc/core/velpref.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <cstdio>
#include <functional>
#include <memory>

// Qt GUI's own entry to its shortcut handling for a key that does not come from the window
// system; its test library types keys through it the same way.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k,
                                               Qt::KeyboardModifiers mods, const QString& text,
                                               bool autorep, ushort count);

namespace {
struct Player;
void playNext(const std::shared_ptr<Player>& player);

struct Player
{
    QPointer<Lumaro> window;
    QList<QStringList> steps;
    QStringList answers;
    int timeoutSeconds = 60;
    // The next dialog's button and field values ("answer"), until a dialog takes them.
    QStringList dialogAnswer;
    // Publish runs that ended since the start, and how many "wait-publish" has consumed.
    QList<bool> published;
    int publishedSeen = 0;
};

void say(const QString& line)
{
    std::fprintf(stderr, "test-script: %s\n", line.toUtf8().constData());
    std::fflush(stderr);
}

void report(Lumaro* window)
{
    const Slideshow* show = window->document();
    say(QStringLiteral("photos=%1 audio=%2").arg(show->photos().size()).arg(show->clips().size()));
    for (const ImageInfo& info : show->photos())
        say(QStringLiteral("photo ") + QFileInfo(info.path).fileName());
    for (const AudioInfo& info : show->clips())
        say(QStringLiteral("clip ") + QFileInfo(info.filePath).fileName());
    const Slideshow* document = window->document();
    say(QStringLiteral("document photos=%1 clips=%2 modified=%3 project=%4")
            .arg(document->photos().size())
            .arg(document->clips().size())
            .arg(document->isModified() ? 1 : 0)
            .arg(QFileInfo(window->documentFlow()->filePath()).fileName()));
    for (const ImageInfo& info : document->photos())
        say(QStringLiteral("document photo ") + QFileInfo(info.path).fileName());
    say(QStringLiteral("workspace ") +
        VelPref::instance()->value(PrefKey::Temporary, QString()).toString());
    say(QStringLiteral("done"));
}

// Fills `dialog`'s fields from "name=value" items; false when one is missing.
bool fill(QWidget* dialog, const QStringList& fields)
{
    for (const QString& field : fields) {
        const QString name = field.section(QLatin1Char('='), 0, 0);
        const QString value = field.section(QLatin1Char('='), 1);
        if (auto* edit = dialog->findChild<QLineEdit*>(name)) {
            edit->setText(value);
        } else if (auto* combo = dialog->findChild<QComboBox*>(name)) {
            if (value.startsWith(QLatin1Char('#')))
                combo->setCurrentIndex(value.mid(1).toInt());
            else
                combo->setEditText(value);
        } else {
            say(QStringLiteral("no field ") + name);
            return false;
        }
    }
    return true;
}

// Answers the first modal dialog that shows the prepared button; polled from the event loops
// of whatever command opened it.
void answerWhenShown(const std::shared_ptr<Player>& player)
{
    if (player->dialogAnswer.isEmpty())
        return;
    auto* poll = new QTimer(player->window);
    poll->setInterval(50);
    QObject::connect(poll, &QTimer::timeout, poll, [player, poll] {
        QWidget* modal = QApplication::activeModalWidget();
        const QString name = player->dialogAnswer.value(0);
        QObject* target = modal ? modal->findChild<QObject*>(name) : nullptr;
        if (!target)
            return;
        poll->deleteLater();
        const QStringList answer = std::exchange(player->dialogAnswer, QStringList());
        if (!fill(modal, answer.mid(1)))
            return;
        if (auto* box = qobject_cast<QDialogButtonBox*>(target))
            target = box->button(QDialogButtonBox::Ok);
        if (auto* button = qobject_cast<QAbstractButton*>(target))
            button->click();
        else
            say(QStringLiteral("not a button ") + name);
    });
    poll->start();
}

// Says how the next publish run ended, once it has, or that none ended within `seconds`.
void waitForPublish(const std::shared_ptr<Player>& player, int seconds,
                    const std::function<void()>& then)
{
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    auto* poll = new QTimer(player->window);
    poll->setInterval(100);
    QObject::connect(poll, &QTimer::timeout, poll, [player, poll, clock, seconds, then] {
        if (player->publishedSeen < player->published.size()) {
            const bool ok = player->published.at(player->publishedSeen++);
            say(ok ? QStringLiteral("published ok") : QStringLiteral("published failed"));
        } else if (clock->elapsed() < seconds * 1000LL) {
            return;
        } else {
            say(QStringLiteral("no publish"));
        }
        poll->deleteLater();
        then();
    });
    poll->start();
}

// Calls `then` once `done` holds, or says `late` when `seconds` pass first.
void waitFor(const std::shared_ptr<Player>& player, int seconds, const std::function<bool()>& done,
             const QString& reached, const QString& late)
{
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    auto* poll = new QTimer(player->window);
    poll->setInterval(100);
    QObject::connect(poll, &QTimer::timeout, poll, [=] {
        if (!player->window)
            return;
        if (done()) {
            if (!reached.isEmpty())
                say(reached);
        } else if (clock->elapsed() < seconds * 1000LL) {
            return;
        } else {
            say(late);
        }
        poll->deleteLater();
        QTimer::singleShot(100, player->window, [player] { playNext(player); });
    });
    poll->start();
}

// A dialog that never ends (a stalled import) must not hold the check forever: once the step's
// time is up, the dialog left open is named and closed.
void armWatchdog(QTimer& watchdog, const Player& player)
{
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            say(QStringLiteral("closed a dialog left open: ") + modal->metaObject()->className());
            modal->close();
        }
    });
    watchdog.start(player.timeoutSeconds * 1000);
}

void click(Player& player, const QStringList& step)
{
    auto* button = player.window->findChild<QAbstractButton*>(step.value(1));
    if (!button) {
        say(QStringLiteral("no button ") + step.value(1));
        return;
    }
    player.answers = step.mid(2);
    QTimer watchdog;
    armWatchdog(watchdog, player);
    button->click();
}

// A key as the user types it: the shortcuts see it first, then the focused widget. A shortcut
// clicks its button a moment later, and that click may run a dialog: the key is done once the
// click has happened and no dialog is open.
void typeKey(Player& player, const QStringList& step)
{
    const QKeySequence sequence =
        QKeySequence::fromString(step.value(1), QKeySequence::PortableText);
    if (sequence.isEmpty()) {
        say(QStringLiteral("no key ") + step.value(1));
        return;
    }
    player.answers = step.mid(2);
    QTimer watchdog;
    armWatchdog(watchdog, player);
    // A desktop gives the window the keyboard when it opens; a bare X server does not.
    if (!QApplication::activeWindow()) {
        player.window->activateWindow();
        QElapsedTimer waited;
        waited.start();
        while (!QApplication::activeWindow() && waited.elapsed() < 2000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    const QKeyCombination combination = sequence[0];
    const int key = combination.key();
    const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
    QWidget* target = QApplication::focusWidget();
    if (!target)
        target = player.window;
    if (!qt_sendShortcutOverrideEvent(target, 0, key, modifiers, QString(), false, 1)) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers);
        QApplication::sendEvent(target, &release);
    }
    QElapsedTimer clock;
    clock.start();
    QEventLoop settle;
    QTimer tick;
    tick.setInterval(50);
    QObject::connect(&tick, &QTimer::timeout, &settle, [&] {
        if (!player.window || (clock.elapsed() >= 400 && !QApplication::activeModalWidget()))
            settle.quit();
    });
    tick.start();
    settle.exec();
    QWidget* focus = QApplication::focusWidget();
    say(QStringLiteral("focus ") + (focus ? focus->objectName() : QString()));
}

void playNext(const std::shared_ptr<Player>& player)
{
    if (!player->window)
        return;
    if (player->steps.isEmpty()) {
        report(player->window);
        return;
    }
    const QStringList step = player->steps.takeFirst();
    const QString verb = step.value(0);
    if (verb == QLatin1String("wait-publish")) {
        waitForPublish(player, step.value(1).toInt(), [player] {
            QTimer::singleShot(100, player->window, [player] { playNext(player); });
        });
        return;
    }
    if (verb == QLatin1String("wait-idle") || verb == QLatin1String("wait-document")) {
        const QString name = step.value(2);
        Lumaro* window = player->window;
        const auto idle = [window] {
            return !QApplication::activeModalWidget() && !window->documentFlow()->isBusy();
        };
        if (verb == QLatin1String("wait-idle")) {
            waitFor(player, step.value(1).toInt(), idle, QString(), QStringLiteral("still busy"));
        } else {
            waitFor(
                player, step.value(1).toInt(),
                [window, idle, name] {
                    return idle() &&
                           QFileInfo(window->documentFlow()->filePath()).fileName() == name;
                },
                QStringLiteral("opened ") + name, QStringLiteral("not opened ") + name);
        }
        return;
    }
    if (verb == QLatin1String("click")) {
        answerWhenShown(player);
        click(*player, step);
    } else if (verb == QLatin1String("key")) {
        answerWhenShown(player);
        typeKey(*player, step);
        if (!player->window)
            return;
    } else if (verb == QLatin1String("tab-to")) {
        for (int i = 0; i < 40 && player->window; ++i) {
            QWidget* focus = QApplication::focusWidget();
            if (focus && focus->objectName() == step.value(1))
                break;
            typeKey(*player, {QStringLiteral("key"), QStringLiteral("Tab")});
        }
        if (!player->window)
            return;
    } else if (verb == QLatin1String("action")) {
        answerWhenShown(player);
        player->answers = step.mid(2);
        if (auto* action = player->window->findChild<QAction*>(step.value(1)))
            action->trigger();
        else
            say(QStringLiteral("no action ") + step.value(1));
    } else if (verb == QLatin1String("answer")) {
        player->dialogAnswer = step.mid(1);
    } else if (verb == QLatin1String("respond")) {
        player->dialogAnswer = step.mid(1);
        answerWhenShown(player);
    } else if (verb == QLatin1String("open-menu")) {
        // The menu runs an event loop of its own, in which the next steps play.
        QToolButton* button = player->window->titleMenuButton();
        QTimer::singleShot(0, button, &QToolButton::showMenu);
    } else if (verb == QLatin1String("screenshot"))
        player->window->grab().save(step.value(1));
    else if (verb == QLatin1String("timeout"))
        player->timeoutSeconds = step.value(1).toInt();
    QTimer::singleShot(100, player->window, [player] { playNext(player); });
}
} // namespace

void TestScript::startIfRequested(Lumaro* window)
{
    const QString path = qEnvironmentVariable("LUMARO_TEST_SCRIPT");
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        say(QStringLiteral("cannot read ") + path);
        return;
    }
    auto player = std::make_shared<Player>();
    player->window = window;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (!line.trimmed().isEmpty())
            player->steps << QString::fromUtf8(line).split(QLatin1Char('\t'));
    }
    ImportFlow::Dialogs dialogs;
    dialogs.openFiles = [player](QWidget*, const QString&, const QString&, const QString&) {
        return std::exchange(player->answers, QStringList());
    };
    dialogs.openFolder = [player](QWidget*, const QString&, const QString&) {
        return std::exchange(player->answers, QStringList()).value(0);
    };
    window->importFlow()->setDialogs(dialogs);
    DocumentFlow::Dialogs documentDialogs = window->documentFlow()->currentDialogs();
    const auto oneAnswer = [player](QWidget*, const QString&, const QString&, const QString&) {
        return std::exchange(player->answers, QStringList()).value(0);
    };
    documentDialogs.openFile = oneAnswer;
    documentDialogs.saveFile = oneAnswer;
    window->documentFlow()->setDialogs(documentDialogs);
    QObject::connect(window->publishFlow(), &PublishFlow::publishEnded, window,
                     [player](bool succeeded) { player->published << succeeded; });
    QTimer::singleShot(500, window, [player] { playNext(player); });
}
