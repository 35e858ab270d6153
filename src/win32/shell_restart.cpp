#include "win32/shell_restart.h"

#include <windows.h>

namespace quorvex::win32 {

void requestSystemReboot(WindowHandle owner, const wchar_t* text, std::uint32_t exitFlags) {
    using RestartDialogFn = int(WINAPI*)(HWND owner, PCWSTR text, DWORD exitFlags);
    // The library stays loaded while the prompt runs.
    Win32ShellLibrary shell;
    void* address = shell.restartPromptAddress();
    if (!address) return;
    const auto prompt = reinterpret_cast<RestartDialogFn>(address);
    prompt(reinterpret_cast<HWND>(owner), text, exitFlags);
}

}  // namespace quorvex::win32
