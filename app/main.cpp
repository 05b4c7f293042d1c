#include "app/documentflow.h"
#include "app/lumaro.h"
#include "app/startupstamp.h"
#include "app/testscript.h"
#include "platform/velfc/core/velpref.h"
#include "platform/velfc/velapplication.h"

#include <QMessageBox>
#include <QTimer>

#include <cstdio>

// Start-up: configure the framework, let it consume the command line and refuse a second copy,
// then show the window and tell the splash screen to close. Always ends with status 0.
int main(int argc, char** argv)
{
    // The preview's web engine shares OpenGL contexts; this must be set before the application.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // An option means the command line is answered and no window shown (a file to open does
    // not). Without a display (a terminal over ssh, a build script) Qt would abort making the
    // application object, so that answer is made on its offscreen platform instead; "-platform"
    // still overrides it.
    if (argc > 1 && argv[1][0] == '-' && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    {
        VelApplication app(QString(), argc, argv);
        app.setVelfcVersion(1030);
        StartupStamp::installIfRequested();
        if (!app.checkIntegrality()) {
            if (argc == 1 || argv[1][0] != '-') { // a window was asked for
                app.installTranslators();         // whatever of them is still there
                QMessageBox box(QMessageBox::Warning,
                                QCoreApplication::translate("Lumaro", "Error"),
                                QCoreApplication::translate(
                                    "Lumaro", "Start the program failed. Please re-install it."),
                                QMessageBox::Ok);
                box.setDefaultButton(static_cast<QPushButton*>(nullptr));
                box.exec();
            }
            return 0;
        }
        app.pref()->setTanslucentWhenSkin(false);
        app.installTranslators();
        app.initCfg(nullptr, true);
        if (app.processCmdLine(argc, argv))
            return 0;
        const QString file = app.fileToOpen();
        if (app.isRunning(QString(),
                          file.isEmpty() ? QString() : VelApplication::openFileMessage(file)))
            return 0; // the running window opens the file

        Lumaro window;
        app.setMainWindow(&window);
        app.setActivationWindow(window.widgetFrame(), true);
        window.show(true);
        std::fputs("command:close splash screen", stdout);
        std::fflush(stdout);
        TestScript::startIfRequested(&window);
        DocumentFlow* documents = window.documentFlow();
        QObject::connect(&app, &VelApplication::messageReceived, documents,
                         &DocumentFlow::openFromMessage);
        QTimer::singleShot(0, documents, [documents, file] { documents->startUp(file); });
        app.exec();
    }
    return 0;
}
