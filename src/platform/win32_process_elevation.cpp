#include "platform/win32_process_elevation.h"

#include <windows.h>

namespace quorvex {

bool Win32ProcessElevation::elevated() const {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    const bool read =
        GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size) != 0;
    CloseHandle(token);
    return read && elevation.TokenIsElevated != 0;
}

}  // namespace quorvex
