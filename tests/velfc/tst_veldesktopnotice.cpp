// The desktop notification against a session bus of the test's own: a notification service
// registered here receives what Lumaro sends, word for word. Without a service, with the bus
// gone and with no bus at all, sending stays harmless.
#include "platform/velfc/core/veldesktopnotice.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
// Set in the copy of this program that runs without any bus.
const char NoBusMode[] = "LUMARO_NOTICE_NO_BUS";

// What a desktop's notification service sees of a notice.
struct Notice
{
    QString appName;
    uint replacesId = 0;
    QString summary;
    QString body;
    QStringList actions;
    int timeoutMs = 0;
};
} // namespace

class NotificationService : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QList<Notice> received;

public slots:
    uint Notify(const QString& appName, uint replacesId, const QString& appIcon,
                const QString& summary, const QString& body, const QStringList& actions,
                const QVariantMap& hints, int timeoutMs)
    {
        Q_UNUSED(appIcon);
        Q_UNUSED(hints);
        received << Notice{appName, replacesId, summary, body, actions, timeoutMs};
        return uint(received.size());
    }
    QStringList GetCapabilities() { return {QStringLiteral("body")}; }
};

class TestVelDesktopNotice : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        if (qEnvironmentVariableIsSet(NoBusMode))
            return;
        const QString daemonProgram = QStandardPaths::findExecutable("dbus-daemon");
        if (daemonProgram.isEmpty())
            QSKIP("dbus-daemon is not installed");
        daemon.setProgram(daemonProgram);
        daemon.setArguments({"--session", "--print-address", "--nofork"});
        daemon.start();
        QVERIFY2(daemon.waitForStarted(10000), qPrintable(daemon.errorString()));
        QTRY_VERIFY_WITH_TIMEOUT(daemon.canReadLine(), 10000);
        address = QString::fromLocal8Bit(daemon.readLine()).trimmed();
        QVERIFY(!address.isEmpty());
        // Nothing in this program has touched the session bus yet, so the notice's own
        // connection goes to the private one.
        qputenv("DBUS_SESSION_BUS_ADDRESS", address.toLocal8Bit());

        serviceBus = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(address, QStringLiteral("notification-service")));
        QVERIFY(serviceBus->isConnected());
        QVERIFY(serviceBus->registerObject(QLatin1String(VelDesktopNotice::Path), &service,
                                           QDBusConnection::ExportAllSlots));
        QVERIFY(serviceBus->registerService(QLatin1String(VelDesktopNotice::Service)));
    }

    void cleanupTestCase()
    {
        if (serviceBus) {
            serviceBus->unregisterObject(QLatin1String(VelDesktopNotice::Path));
            serviceBus.reset();
            QDBusConnection::disconnectFromBus(QStringLiteral("notification-service"));
        }
        stopDaemon();
    }

    void init() { service.received.clear(); }

    void noticeArrives_data()
    {
        QTest::addColumn<QString>("appName");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QString>("body");
        QTest::addColumn<int>("timeoutMs");
        QTest::newRow("publish succeeded") << "Lumaro"
                                           << "Publish Succeeded!"
                                           << "/home/anna/Slideshows/Show" << 5000;
        QTest::newRow("characters of meaning elsewhere")
            << "Lumaro"
            << "Publish <b>Succeeded</b> & done"
            << "/home/anna/Trip #2 & 'Tom' \"x\"/Show" << 5000;
        QTest::newRow("beyond ASCII") << "Lumaro"
                                      << "Veröffentlichung erfolgreich!"
                                      << "/home/jürgen/Diashows/Straße ☀/Show" << 8000;
        QTest::newRow("empty body, server's timeout") << "Lumaro"
                                                      << "Done"
                                                      << "" << -1;
    }
    void noticeArrives()
    {
        QFETCH(QString, appName);
        QFETCH(QString, summary);
        QFETCH(QString, body);
        QFETCH(int, timeoutMs);
        QVERIFY(VelDesktopNotice::send(appName, summary, body, timeoutMs));
        QTRY_COMPARE_WITH_TIMEOUT(service.received.size(), 1, 10000);
        const Notice notice = service.received.first();
        QCOMPARE(notice.appName, appName);
        QCOMPARE(notice.summary, summary);
        QCOMPARE(notice.body, body);
        QCOMPARE(notice.timeoutMs, timeoutMs);
        QCOMPARE(notice.replacesId, 0u); // always a new notice, never replacing another
        QVERIFY(notice.actions.isEmpty());
    }

    // Notices sent one after another all arrive, in order.
    void severalInARow()
    {
        for (int i = 0; i < 5; ++i)
            QVERIFY(VelDesktopNotice::send("Lumaro", QString("Notice %1").arg(i), QString()));
        QTRY_COMPARE_WITH_TIMEOUT(service.received.size(), 5, 10000);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(service.received.at(i).summary, QString("Notice %1").arg(i));
    }

    // A bus without a notification service: the notice is handed over and lost, and the next
    // one still reaches a service that has come up since.
    void busWithoutService()
    {
        QVERIFY(serviceBus->unregisterService(QLatin1String(VelDesktopNotice::Service)));
        QTRY_VERIFY_WITH_TIMEOUT(!QDBusConnection::sessionBus().interface()->isServiceRegistered(
                                     QLatin1String(VelDesktopNotice::Service)),
                                 10000);
        QVERIFY(VelDesktopNotice::send("Lumaro", "Nobody listens", QString()));
        QTest::qWait(200);
        QVERIFY(service.received.isEmpty());

        QVERIFY(serviceBus->registerService(QLatin1String(VelDesktopNotice::Service)));
        QVERIFY(VelDesktopNotice::send("Lumaro", "Heard again", QString()));
        QTRY_COMPARE_WITH_TIMEOUT(service.received.size(), 1, 10000);
        QCOMPARE(service.received.first().summary, QString("Heard again"));
    }

    // Runs last among the bus cases: the bus stops under a running program.
    void busGoesAway()
    {
        stopDaemon();
        QTRY_VERIFY_WITH_TIMEOUT(!QDBusConnection::sessionBus().isConnected(), 10000);
        QVERIFY(!VelDesktopNotice::send("Lumaro", "Into the void", QString()));
    }

    // A session without any bus: the same program again, its session bus address pointing
    // where nothing listens.
    void withoutAnyBus()
    {
        if (qEnvironmentVariableIsSet(NoBusMode)) {
            QVERIFY(!VelDesktopNotice::send("Lumaro", "Nobody", "at all"));
            return;
        }
        QTemporaryDir empty;
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(NoBusMode, "1");
        environment.insert("DBUS_SESSION_BUS_ADDRESS",
                           "unix:path=" + empty.filePath("no-bus-here"));
        environment.remove("DISPLAY"); // no X11 autolaunch of a bus either
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {"withoutAnyBus"});
        QVERIFY(child.waitForFinished(60000));
        const QByteArray output = child.readAll();
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QVERIFY2(child.exitCode() == 0, output.constData());
        QVERIFY2(output.contains("PASS   : TestVelDesktopNotice::withoutAnyBus"),
                 output.constData());
    }

private:
    void stopDaemon()
    {
        if (daemon.state() == QProcess::NotRunning)
            return;
        daemon.terminate();
        if (!daemon.waitForFinished(5000)) {
            daemon.kill();
            daemon.waitForFinished(5000);
        }
    }

    QProcess daemon;
    QString address;
    std::unique_ptr<QDBusConnection> serviceBus;
    NotificationService service;
};

QTEST_GUILESS_MAIN(TestVelDesktopNotice)
#include "tst_veldesktopnotice.moc"
