#include "app/testscript.h"

#include "app/importflow.h"
#include "app/lumaro.h"
#include "audio/audiolistwidget.h"
#include "photos/photolistwidget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {
struct Player
{
    QPointer<Lumaro> window;
    QList<QStringList> steps;
    QStringList answers;
    int timeoutSeconds = 60;
};

void say(const QString& line)
{
    std::fprintf(stderr, "test-script: %s\n", line.toUtf8().constData());
    std::fflush(stderr);
}

void report(Lumaro* window)
{
    const auto* photos = window->findChild<PhotoListWidget*>(QStringLiteral("photoListWidget"));
    const auto* audio = window->findChild<AudioListWidget*>(QStringLiteral("audioListWidget"));
    say(QStringLiteral("photos=%1 audio=%2")
            .arg(photos->photos().size())
            .arg(audio->audioList().size()));
    for (const ImageInfo& info : photos->photos())
        say(QStringLiteral("photo ") + QFileInfo(info.path).fileName());
    for (const AudioInfo& info : audio->audioList())
        say(QStringLiteral("clip ") + QFileInfo(info.filePath).fileName());
    say(QStringLiteral("done"));
}

void click(Player& player, const QStringList& step)
{
    auto* button = player.window->findChild<QAbstractButton*>(step.value(1));
    if (!button) {
        say(QStringLiteral("no button ") + step.value(1));
        return;
    }
    player.answers = step.mid(2);
    // A dialog that never ends (a stalled import) must not hold the check forever.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            say(QStringLiteral("closed a dialog left open: ") + modal->metaObject()->className());
            modal->close();
        }
    });
    watchdog.start(player.timeoutSeconds * 1000);
    button->click();
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
    if (verb == QLatin1String("click"))
        click(*player, step);
    else if (verb == QLatin1String("screenshot"))
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
    QTimer::singleShot(500, window, [player] { playNext(player); });
}
