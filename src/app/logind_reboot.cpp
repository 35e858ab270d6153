#include "app/logind_reboot.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>

namespace quorvex {

QString requestSystemReboot() {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) return bus.lastError().message();
    QDBusInterface manager(QStringLiteral("org.freedesktop.login1"),
                           QStringLiteral("/org/freedesktop/login1"),
                           QStringLiteral("org.freedesktop.login1.Manager"), bus);
    if (!manager.isValid()) return manager.lastError().message();
    const QDBusReply<void> reply = manager.call(QStringLiteral("Reboot"), true);
    if (!reply.isValid()) return reply.error().message();
    return {};
}

}  // namespace quorvex
