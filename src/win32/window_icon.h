#pragma once

#include <windows.h>

namespace quorvex::win32 {

// Installs the icon resource `name` of this executable as the window's large and small icon
// (sized by the system's metrics, shared), and first, when `toOwner` is set, as the icons of the
// window's topmost owner (the window itself when it has none). A missing resource sends a null
// icon: the window keeps no custom icon.
void ApplyWindowIcon(HWND window, const wchar_t* name, bool toOwner);

}  // namespace quorvex::win32
