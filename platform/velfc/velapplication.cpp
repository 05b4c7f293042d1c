#include "platform/velfc/velapplication.h"

#include "platform/velfc/core/interruptwatch.h"
#include "platform/velfc/core/vel.h"
#include "platform/velfc/core/velcmdline.h"
#include "platform/velfc/core/velintegrity.h"
#include "platform/velfc/core/vellangitemmodel.h"
#include "platform/velfc/core/velpref.h"
#include "platform/velfc/velmainwindow.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QUrl>

#include <cstdio>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcVelInstance, "lumaro.instance", QtInfoMsg)

namespace {
const QByteArray activateMessage = QByteArrayLiteral("activate");
void writeOut(FILE* stream, const QString& text)
{
    if (text.isEmpty())
        return;
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fflush(stream);
}
} // namespace

VelApplication::VelApplication(const QString& id, int& argc, char** argv)
    : QApplication(argc, argv), appId(id)
{
    setApplicationName(QStringLiteral("Lumaro"));
    setApplicationVersion(QStringLiteral(LUMARO_VERSION));
    // Our tools are started by bare name: the application folder must be found first.
    Vel::prependApplicationFolderToPath();
    watchTerminationSignals();
}

VelApplication::~VelApplication() = default;

VelApplication* VelApplication::instance()
{
    return qobject_cast<VelApplication*>(QCoreApplication::instance());
}

bool VelApplication::checkIntegrality() const
{
    const QStringList problems = VelIntegrity::problems(Vel::applicationFolder());
    for (const QString& problem : problems)
        qCInfo(lcVelInstance, "installation: %s", qUtf8Printable(problem));
    return problems.isEmpty();
}

void VelApplication::installTranslators()
{
    VelLangItemModel::installTranslators();
}

bool VelApplication::initCfg(const char* fileName, bool)
{
    VelPref::instance()->open(fileName ? QString::fromLocal8Bit(fileName) : QString());
    return true;
}

bool VelApplication::processCmdLine(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const VelCmdLineResult result =
        VelCmdLine::process(arguments, VelPref::instance()->product_name(), applicationVersion());
    writeOut(stdout, result.out);
    writeOut(stderr, result.err);
    startFile = result.file;
    return result.handled;
}

QString VelApplication::serverName(const QString& id)
{
    const QString key =
        id.isEmpty()
            ? QStringLiteral("main")
            : QString::fromLatin1(
                  QCryptographicHash::hash(id.toUtf8(), QCryptographicHash::Sha1).toHex().left(12));
    return QStringLiteral("lumaro-%1-%2").arg(::getuid()).arg(key);
}

QString VelApplication::openFileMessage(const QString& path)
{
    return QString::fromLatin1(QUrl::fromLocalFile(path).toEncoded());
}

QString VelApplication::fileOfMessage(const QString& message)
{
    if (!message.startsWith(QLatin1String("file:")))
        return QString();
    return QUrl::fromEncoded(message.toLatin1(), QUrl::StrictMode).toLocalFile();
}

bool VelApplication::isRunning(const QString& id, const QString& message)
{
    if (server)
        return false;
    const QString name = serverName(id.isNull() ? appId : id);
    auto askRunningInstance = [&name, &message]() {
        QLocalSocket socket;
        socket.connectToServer(name);
        if (!socket.waitForConnected(1000))
            return false;
        socket.write(activateMessage + '\n');
        if (!message.isEmpty())
            socket.write(message.toUtf8() + '\n');
        socket.waitForBytesWritten(1000);
        socket.disconnectFromServer();
        return true;
    };
    if (askRunningInstance())
        return true;

    server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(name)) {
        // Either another instance started in the same moment, or a crashed one left its
        // socket file behind. Only the second may be removed.
        if (askRunningInstance()) {
            delete server;
            server = nullptr;
            return true;
        }
        QLocalServer::removeServer(name);
        if (!server->listen(name))
            qCWarning(lcVelInstance, "cannot listen on %s: %s", qUtf8Printable(name),
                      qUtf8Printable(server->errorString()));
    }
    connect(server, &QLocalServer::newConnection, this, &VelApplication::onNewConnection);
    return false;
}

void VelApplication::onNewConnection()
{
    while (QLocalSocket* socket = server->nextPendingConnection()) {
        // A message's receiver may run an event loop in which the connection ends and is
        // deleted.
        const QPointer<QLocalSocket> connection(socket);
        auto readAll = [this, connection]() {
            while (connection && connection->canReadLine())
                handleMessage(QString::fromUtf8(connection->readLine().trimmed()));
        };
        connect(socket, &QLocalSocket::readyRead, this, readAll);
        connect(socket, &QLocalSocket::disconnected, this, [socket, readAll]() {
            readAll();
            socket->deleteLater();
        });
        readAll();
    }
}

void VelApplication::handleMessage(const QString& message)
{
    qCDebug(lcVelInstance, "message from another instance: %s", qUtf8Printable(message));
    if (message == QLatin1String(activateMessage) && activateOnMessage)
        activateWindow();
    emit messageReceived(message);
}

void VelApplication::setMainWindow(VelMainWindow* window)
{
    mainWindow_ = window;
}

VelMainWindow* VelApplication::mainWindow() const
{
    return mainWindow_.data();
}

void VelApplication::setActivationWindow(QWidget* window, bool activate)
{
    activationWindow_ = window;
    activateOnMessage = activate;
}

QWidget* VelApplication::activationWindow() const
{
    return activationWindow_.data();
}

void VelApplication::activateWindow()
{
    QWidget* window = activationWindow_.data();
    if (!window)
        return;
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
    qCDebug(lcVelInstance, "activated %s", qUtf8Printable(window->objectName()));
}

VelPref* VelApplication::pref() const
{
    return VelPref::instance();
}

void VelApplication::watchTerminationSignals()
{
    interrupts = new InterruptWatch(this);
    connect(interrupts, &InterruptWatch::interrupted, this, &VelApplication::onTerminationSignal);
}

void VelApplication::onTerminationSignal(int signalNumber)
{
    qCDebug(lcVelInstance, "termination requested (signal %d)", signalNumber);
    terminationRequested_ = true;
    // A modal box shown before the main loop (the installation-error message) runs an event loop
    // of its own that quit() does not reach: close it, so the code after it can end the program.
    for (int guard = 0; guard < 16; ++guard) {
        QWidget* modal = activeModalWidget();
        if (!modal || !modal->close())
            break;
    }
    if (mainWindow_)
        mainWindow_->close();
    quit();
}
