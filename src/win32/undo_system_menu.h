#pragma once

#include <windows.h>

#include <functional>

namespace quorvex::win32 {

// What the undo items of the main window's system menu run.
struct UndoMenuActions {
    std::function<void()> undoLastChange;
    std::function<void()> restoreOriginalSettings;
    std::function<void()> openRecordsFolder;
    std::function<void()> checkAppliedValues;
};

// Command identifiers of the items: below 0xF000 and with the low four bits clear, as the
// system menu requires of an application's own items.
inline constexpr UINT kUndoLastChangeCommand = 0x1010;
inline constexpr UINT kRestoreOriginalCommand = 0x1020;
inline constexpr UINT kOpenRecordsFolderCommand = 0x1030;
inline constexpr UINT kCheckAppliedValuesCommand = 0x1040;

// Adds a separator, "Undo Last Change…", "Restore Original Settings…" and "Open Records Folder"
// to the window's system menu and runs the matching action when one is chosen. The window's own
// procedure is left as it is (a subclass sees the commands first). False when the window has no
// system menu.
bool installUndoSystemMenu(HWND window, UndoMenuActions actions);

// Ctrl+Z pressed anywhere in the window: a key-down of Z with Control held and neither Alt nor
// Shift. `keyDown(virtualKey)` tells whether a modifier is held; it is asked only about a
// key-down of Z, since the check runs for every message and each question costs a system call.
bool isUndoShortcut(const MSG& message, const std::function<bool(int)>& keyDown);

}  // namespace quorvex::win32
