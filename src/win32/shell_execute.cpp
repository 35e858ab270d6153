#include "win32/shell_execute.h"

namespace quorvex::win32 {

bool shellExecute(SHELLEXECUTEINFOW& info) {
    using ShellExecuteExFn = BOOL(WINAPI*)(SHELLEXECUTEINFOW*);
    // Loaded once and kept: a started program may still be using what it set up.
    static const auto execute = [] {
        const HMODULE shell = LoadLibraryW(L"shell32.dll");
        return shell ? reinterpret_cast<ShellExecuteExFn>(
                           reinterpret_cast<void*>(GetProcAddress(shell, "ShellExecuteExW")))
                     : nullptr;
    }();
    if (!execute) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return false;
    }
    return execute(&info) != FALSE;
}

}  // namespace quorvex::win32
