#pragma once

#include <QString>

// A notification through the desktop's notification service (freedesktop.org, on the session
// D-Bus), for news the user should see while another window is in front. Fire and forget:
// without a session bus or a service nothing happens and nothing waits.
namespace VelDesktopNotice {
inline constexpr char Service[] = "org.freedesktop.Notifications";
inline constexpr char Path[] = "/org/freedesktop/Notifications";

// False when there is no session bus to send to; true when the notice was handed to it.
bool send(const QString& appName, const QString& summary, const QString& body,
          int timeoutMs = 5000);
} // namespace VelDesktopNotice
