#pragma once

#include <string>

namespace quorvex {

// The system's message for a Win32 error code, in the user's language, as UTF-8 without the
// closing full stop and line break; "error <n>" when the system has none.
std::string systemErrorText(unsigned long error);

}  // namespace quorvex
