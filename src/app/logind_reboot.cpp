#include "app/logind_reboot.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <limits>

#include "app/restart_reply.h"

namespace quorvex {

void requestSystemReboot(QObject* context, std::function<void(const QString&)> onRefused) {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        const QString reason = bus.lastError().message();
        onRefused(reason.isEmpty() ? QStringLiteral("the system bus is not available") : reason);
        return;
    }
    QDBusMessage request = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Reboot"));
    request << true;  // interactive: polkit may ask for a password
    request.setInteractiveAuthorizationAllowed(true);
    // No timeout: the answer waits for the user at the password prompt.
    watchRestartReply(bus.asyncCall(request, std::numeric_limits<int>::max()), context,
                      std::move(onRefused));
}

}  // namespace quorvex
