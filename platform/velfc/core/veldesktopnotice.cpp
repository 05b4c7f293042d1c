#include "platform/velfc/core/veldesktopnotice.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

bool VelDesktopNotice::send(const QString& appName, const QString& summary, const QString& body,
                            int timeoutMs)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage call =
        QDBusMessage::createMethodCall(QLatin1String(Service), QLatin1String(Path),
                                       QLatin1String(Service), QStringLiteral("Notify"));
    call << appName << quint32(0) << QString() << summary << body << QStringList() << QVariantMap()
         << qint32(timeoutMs);
    // No reply is awaited: a missing service answers with an error nobody needs to read, and
    // a slow one must not hold up the window.
    return bus.send(call);
}
