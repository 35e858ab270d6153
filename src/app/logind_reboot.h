#pragma once

#include <QString>
#include <functional>

class QObject;

namespace quorvex {

// Asks systemd-logind to restart the computer, without waiting for the answer: polkit may ask
// for a password meanwhile, for as long as the user likes. `onRefused` gets the reason when the
// request fails (later, from the event loop, or at once without a system bus); nothing is
// called while `context` is gone. Only main() calls this.
void requestSystemReboot(QObject* context, std::function<void(const QString&)> onRefused);

}  // namespace quorvex
