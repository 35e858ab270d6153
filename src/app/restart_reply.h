#pragma once

#include <QString>
#include <functional>

class QDBusMessage;
class QDBusPendingCall;
class QObject;

namespace quorvex {

// What logind's answer to a restart request means for the user: the reason of a request that
// failed, or an empty text when it went through or when its outcome cannot be known (no answer
// in time, or the bus going away as the computer goes down).
QString restartRefusal(const QDBusMessage& reply);

// Waits for the answer to a restart request without blocking the window, and calls `onRefused`
// with the reason only when the request failed. Nothing is called once `context` is gone.
void watchRestartReply(const QDBusPendingCall& call, QObject* context,
                       std::function<void(const QString&)> onRefused);

}  // namespace quorvex
