#pragma once

#include <QString>

namespace quorvex {

// Asks systemd-logind to restart the computer (interactive authorisation, so polkit may ask
// for a password). Returns an empty text when the request was accepted, else why it failed.
// Only main() calls this.
QString requestSystemReboot();

}  // namespace quorvex
