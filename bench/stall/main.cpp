// Drives the real main window in-process through its own flows and measures, for each piece of
// work, how late a 5 ms timer on the GUI thread fires (the longest stall and the 99th
// percentile):
//   bench_stall window <app folder> <photo folder> <clip folder>
//     imports every photo of the folder, builds a preview of them, publishes them, adds every
//     clip of the clip folder in Edit Audio and moves the workspace in Preferences;
//   bench_stall strip <app folder> <photos>
//     puts that many photos into the strip (records as the import leaves them), scrolls the strip
//     from end to end and selects photo after photo, and reports the resident memory they cost.
#include "app/importflow.h"
#include "app/lumaro.h"
#include "app/previewflow.h"
#include "app/publishflow.h"
#include "audio/audioeditdialog.h"
#include "audio/core/audiobatchreader.h"
#include "common/workspace.h"
#include "flashkit/publishsetting.h"
#include "photos/photolistwidget.h"
#include "platform/flashplayer/flashplayerwidget.h"
#include "platform/velfc/core/vel.h"
#include "platform/velfc/core/velpref.h"
#include "platform/velfc/velmessagebox.h"
#include "platform/velmplayer/velmediapreviewwidget.h"
#include "stallmeter.h"
#include "widgets/loadfaileddialog.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUuid>

#include <cstdio>
#include <functional>
#include <malloc.h>

namespace {
StallMeter* meter = nullptr;
int failures = 0;

void report(const char* what, double seconds)
{
    std::printf("%-28s stall: longest %6.1f ms, p99 %5.1f ms | own: longest %6.1f ms, p99 %5.1f "
                "ms | %6zu ticks %6.2f s%s\n",
                what, meter->longestMs(), meter->percentileMs(99), meter->longestBusyMs(),
                meter->busyPercentileMs(99), meter->ticks(), seconds,
                meter->longestBusyMs() > 100 ? "   OWN OVER 100 ms" : "");
    std::fflush(stdout);
}

// Runs `work` (which may open modal dialogs) and then spins until `done` holds, measured.
void measure(const char* what, const std::function<void()>& work, const std::function<bool()>& done,
             int timeoutMs = 600000)
{
    QElapsedTimer clock;
    clock.start();
    meter->start();
    work();
    while (!done() && clock.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    meter->stop();
    if (!done()) {
        std::printf("%s did not end within %d s\n", what, timeoutMs / 1000);
        ++failures;
    }
    report(what, clock.elapsed() / 1000.0);
}

// Calls `answer` with the modal dialog of type T once it is up.
template <typename T> void whenModal(std::function<void(T*)> answer)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            poll->deleteLater();
            answer(dialog);
        }
    });
    poll->start(10);
}

QStringList filesIn(const QString& folder)
{
    QStringList files;
    for (const QString& name : QDir(folder).entryList(QDir::Files, QDir::Name))
        files << QDir(folder).filePath(name);
    return files;
}

// Bytes the program holds from the allocator (small blocks and mapped ones): unlike the resident
// memory, not moved by the web engine's own growth while the preview plays.
long heapKilobytes()
{
    const struct mallinfo2 info = mallinfo2();
    return long((info.uordblks + info.hblkhd) / 1024);
}

long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

void settle(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

int runWindow(Lumaro& window, const QString& photoFolder, const QString& clipFolder,
              const QString& home)
{
    const QStringList photos = filesIn(photoFolder);
    const QStringList clips = filesIn(clipFolder);
    measure(
        "import",
        [&] {
            ImportFlow::Dialogs answers;
            answers.openFolder = [photoFolder](QWidget*, const QString&, const QString&) {
                return photoFolder;
            };
            window.importFlow()->setDialogs(answers);
            window.findChild<QToolButton*>(QStringLiteral("importPictureDir"))->click();
        },
        [&] { return window.document()->photos().size() == photos.size(); });

    auto* flash = window.findChild<FlashPlayerWidget*>(QStringLiteral("widget"));
    bool loaded = false;
    QObject::connect(flash, &FlashPlayerWidget::movieLoaded, [&] { loaded = true; });
    QObject::connect(flash, &FlashPlayerWidget::movieFailed, [&] { loaded = true; });
    settle(3000); // the template movie of the start
    loaded = false;
    measure(
        "preview", [&] { window.findChild<QToolButton*>(QStringLiteral("previewBtn"))->click(); },
        [&] { return loaded; });

    const QString out = home + QStringLiteral("/published");
    QDir().mkpath(out);
    window.publishFlow()->setSettingsRunner([out](PublishSetting& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("publishName"))
            ->setText(QStringLiteral("Bench"));
        dialog.findChild<QComboBox*>(QStringLiteral("dstComboBox"))->setEditText(out);
        dialog.findChild<QToolButton*>(QStringLiteral("okButton"))->click();
        return dialog.result() == QDialog::Accepted;
    });
    bool published = false;
    bool succeeded = false;
    QObject::connect(window.publishFlow(), &PublishFlow::publishEnded, [&](bool ok) {
        published = true;
        succeeded = ok;
    });
    measure(
        "publish", [&] { window.findChild<QToolButton*>(QStringLiteral("publishBtn"))->click(); },
        [&] { return published; });
    if (!succeeded) {
        std::printf("the publish failed\n");
        ++failures;
    }

    bool edited = false;
    whenModal<AudioEditDialog>([clips, &edited](AudioEditDialog* dialog) {
        dialog->setOpenFilesFunction(
            [clips](QWidget*, const QString&, const QString&, const QString&) { return clips; });
        dialog->findChild<QToolButton*>(QStringLiteral("add"))->click();
        auto* wait = new QTimer(dialog);
        QObject::connect(wait, &QTimer::timeout, dialog, [dialog, wait, clips, &edited] {
            // A file the dialog refused is listed in its report, which is closed here.
            if (auto* report = qobject_cast<LoadFailedDialog*>(QApplication::activeModalWidget())) {
                std::printf("Edit Audio refused %d clips:", report->rowCount());
                if (auto* table = report->findChild<QTableWidget*>())
                    for (int column = 0; column < table->columnCount(); ++column)
                        if (QTableWidgetItem* cell = table->item(0, column))
                            std::printf(" %s", qPrintable(cell->text()));
                std::printf("\n");
                std::fflush(stdout);
                report->done(0);
                dialog->setProperty("refused", true);
                return;
            }
            if (dialog->fileReader()->isRunning() ||
                (dialog->editedList().isEmpty() && !dialog->property("refused").toBool()))
                return;
            if (dialog->editedList().size() < clips.size())
                std::printf("Edit Audio took %d of %d clips\n", int(dialog->editedList().size()),
                            int(clips.size()));
            wait->stop();
            edited = true;
            dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))
                ->button(QDialogButtonBox::Ok)
                ->click();
        });
        wait->start(10);
    });
    measure(
        "edit audio, add clips", [&] { window.previewFlow()->editMusic(); },
        [&] { return edited; });

    const QString moved = home + QStringLiteral("/moved");
    whenModal<QDialog>([moved](QDialog* dialog) {
        if (!dialog->findChild<QLineEdit*>(QStringLiteral("lineEdit")))
            return;
        dialog->findChild<QLineEdit*>(QStringLiteral("lineEdit"))->setText(moved);
        dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))
            ->button(QDialogButtonBox::Ok)
            ->click();
    });
    measure(
        "preferences, move workspace",
        [&] { window.findChild<QAction*>(QStringLiteral("actionPrefences"))->trigger(); },
        [&] { return workspaceFolder().startsWith(moved); });
    return failures;
}

int runStrip(Lumaro& window, int count)
{
    // Records as the import leaves them: both previews in memory, the files in the workspace are
    // not read by the strip.
    settle(3000); // the template movie of the start loaded
    const long before = residentKilobytes();
    const long heapBefore = heapKilobytes();
    QImage picture(720, 540, QImage::Format_RGB32);
    QList<ImageInfo> records;
    for (int i = 0; i < count; ++i) {
        picture.fill(QColor::fromHsv(i * 7 % 360, 200, 220));
        ImageInfo info;
        info.id = QUuid::createUuid();
        info.path = QStringLiteral("/bench/photo%1.jpg").arg(i);
        info.width = 720;
        info.height = 540;
        info.thumbnail = ImageInfo::makeThumbnail(picture);
        info.rotatedThumbnail = ImageInfo::makeRotatedThumbnail(picture);
        records << info;
    }
    measure(
        "strip, add photos", [&] { window.document()->addPhotos(-1, records); },
        [&] { return window.document()->photos().size() == count; });
    records.clear(); // the document keeps its own copies
    settle(1000);
    const long after = residentKilobytes();
    const long heapAfter = heapKilobytes();
    std::printf("resident memory: %ld kB before, %ld kB with %d photos: %.1f kB per photo\n",
                before, after, count, double(after - before) / count);
    std::printf("allocated memory: %ld kB before, %ld kB with %d photos: %.1f kB per photo\n",
                heapBefore, heapAfter, count, double(heapAfter - heapBefore) / count);

    auto* strip = window.findChild<PhotoListWidget*>(QStringLiteral("photoListWidget"));
    QScrollBar* bar = strip->horizontalScrollBar();
    int step = 0;
    measure(
        "strip, scroll end to end",
        [&] {
            auto* scroll = new QTimer(strip);
            QObject::connect(scroll, &QTimer::timeout, strip, [bar, scroll, &step] {
                bar->setValue(bar->value() + bar->pageStep() / 4);
                if (bar->value() >= bar->maximum()) {
                    scroll->deleteLater();
                    step = -1;
                }
            });
            scroll->start(16);
        },
        [&] { return step < 0; });
    int row = 0;
    const int rows = std::min(count, 400);
    measure(
        "strip, select photo by photo",
        [&] {
            auto* select = new QTimer(strip);
            QObject::connect(select, &QTimer::timeout, strip, [strip, select, rows, &row] {
                strip->setCurrentRow(row * (strip->count() / rows));
                if (++row >= rows)
                    select->deleteLater();
            });
            select->start(16);
        },
        [&] { return row >= rows; });
    return failures;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool window = args.value(1) == QLatin1String("window") && args.size() == 5;
    const bool strip = args.value(1) == QLatin1String("strip") && args.size() == 4;
    if (!window && !strip) {
        std::fprintf(stderr, "usage: bench_stall window <app folder> <photos> <clips>\n"
                             "       bench_stall strip <app folder> <count>\n");
        return 2;
    }
    QStandardPaths::setTestModeEnabled(true);
    Vel::setApplicationFolder(args.at(2));
    // The program finds its media tools on PATH with its own folder first, as it does.
    qputenv("PATH", QFile::encodeName(args.at(2)) + ':' + qgetenv("PATH"));
    VelMediaPreviewWidget::setExtraMpvOptions({QStringLiteral("ao=null")});
    VelMessageBox::setHandler([](VelMessageBox::Kind, const QString& text, const QString&) {
        std::printf("message: %s\n", qPrintable(text));
        return 0;
    });
    QTemporaryDir home;
    VelPref::instance()->open(home.filePath(QStringLiteral("lumaro.ini")));
    VelPref::instance()->setValue(PrefKey::LastSkin, QStringLiteral("plenvo"));
    VelPref::instance()->setValue(PrefKey::TemporaryDir, home.filePath(QStringLiteral("data")));
    VelPref::instance()->setValue(
        PrefKey::Temporary, QString(home.filePath(QStringLiteral("data/")) + WorkspaceFolderName));
    StallMeter stalls;
    meter = &stalls;
    int failed = 0;
    {
        Lumaro main;
        main.resize(900, 733);
        main.show();
        settle(500);
        failed = window ? runWindow(main, args.at(3), args.at(4), home.path())
                        : runStrip(main, args.at(3).toInt());
        main.document()->setSaved(); // closes without asking
    }
    return failed == 0 ? 0 : 1;
}
