#include "app/restart_reply.h"

#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QObject>

namespace quorvex {

QString restartRefusal(const QDBusMessage& reply) {
    if (reply.type() != QDBusMessage::ErrorMessage) return {};
    switch (QDBusError(reply).type()) {
        case QDBusError::NoReply:
        case QDBusError::Timeout:
        case QDBusError::TimedOut:
        case QDBusError::Disconnected:
            return {};
        default:
            break;
    }
    return reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage();
}

void watchRestartReply(const QDBusPendingCall& call, QObject* context,
                       std::function<void(const QString&)> onRefused) {
    auto* watcher = new QDBusPendingCallWatcher(call, context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                     [onRefused = std::move(onRefused)](QDBusPendingCallWatcher* finished) {
                         finished->deleteLater();
                         const QString reason = restartRefusal(finished->reply());
                         if (!reason.isEmpty() && onRefused) onRefused(reason);
                     });
}

}  // namespace quorvex
