// Draws the Edit Audio dialog with two clips, the second one trimmed and current, in a skin, and
// saves it as a picture. Not a test: scripts/screenshot-audioedit.sh runs it under Xvfb for the
// README.  Usage: shot_audioedit <skin> <output.png> [progress|report]
// "progress" and "report" draw the dialogs Add opens over it instead: reading, and the files
// that could not be added.
#include "audio/audioeditdialog.h"
#include "audio/velsliderbar.h"
#include "common/mediaformats.h"
#include "platform/velfc/core/vel.h"
#include "platform/velfc/core/velpref.h"
#include "platform/velfc/core/velskin.h"
#include "widgets/loadfaileddialog.h"

#include <QApplication>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 3)
        return 2;
    QStandardPaths::setTestModeEnabled(true);
    Vel::setApplicationFolder(QString(LUMARO_TEST_APP_DIR));
    fillMediaExtensions();
    app.setStyleSheet(VelSkin::loadStyleSheet(VelPref::instance()->skinDir(), argv[1]));

    AudioInfo walk;
    walk.filePath = QStringLiteral("/music/Morning Walk.mp3");
    walk.duration = 215.4;
    walk.endPoint = walk.duration;
    AudioInfo tide;
    tide.filePath = QStringLiteral("/music/Evening Tide.ogg");
    tide.duration = 182.0;
    tide.startPoint = 24;
    tide.endPoint = 141;

    AudioEditDialog dialog({walk, tide}, nullptr);
    auto* tree = dialog.findChild<QTreeWidget*>(QStringLiteral("treeWidget"));
    tree->setCurrentItem(tree->topLevelItem(1));
    dialog.show();
    // The thumb let go inside the clip, as after listening a while.
    auto* slider = dialog.findChild<VelSliderBar*>(QStringLiteral("sliderClipping"));
    slider->setValue(63);
    QMetaObject::invokeMethod(slider, "thumbMouseRelease", Q_ARG(int, 63));
    app.processEvents();
    const QString out = QString::fromLocal8Bit(argv[2]);
    const QString mode = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    if (mode.isEmpty())
        return dialog.grab().save(out) ? 0 : 1;

    dialog.setOpenFilesFunction([](QWidget*, const QString&, const QString&, const QString&) {
        return QStringList{QStringLiteral("/music/a.mp3"), QStringLiteral("/music/notes.txt"),
                           QStringLiteral("/music/c.mp3")};
    });
    dialog.fileReader()->setReadFunction([](AudioInfo&, QString*) {
        QThread::msleep(700);
        return false;
    });
    bool saved = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* shown = nullptr;
        if (mode == QLatin1String("progress"))
            shown = dialog.findChild<QProgressDialog*>();
        else
            shown = dialog.findChild<LoadFailedDialog*>();
        if (!shown || !shown->isVisible())
            return;
        saved = shown->grab().save(out);
        poll.stop();
        if (auto* report = qobject_cast<LoadFailedDialog*>(shown))
            report->reject();
        else
            app.quit();
    });
    poll.start(50);
    QObject::connect(dialog.fileReader(), &AudioBatchReader::finished, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    QMetaObject::invokeMethod(&dialog, "on_add_clicked", Qt::QueuedConnection);
    app.exec();
    return saved ? 0 : 1;
}
