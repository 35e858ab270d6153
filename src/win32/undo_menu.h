#pragma once

#include <windows.h>

#include <functional>

#include "shell/undo_menu.h"

namespace quorvex::win32 {

// Command identifiers of the items, in the order of kUndoMenuItems (a separator has none): below
// 0xF000 and with the low four bits clear, as the system menu requires of an application's own
// items.
inline constexpr UINT kUndoLastChangeCommand = 0x1010;
inline constexpr UINT kRestoreOriginalCommand = 0x1020;
inline constexpr UINT kCheckAppliedValuesCommand = 0x1030;
inline constexpr UINT kOpenRecordsFolderCommand = 0x1050;

// Offers the undo menu's items (kUndoMenuItems, "Undo Last Change…" with "Ctrl+Z" beside it)
// at the end of the window's system menu, after a separator, and as the menu of a right click
// anywhere in the window whose control has no menu of its own, and runs the matching action
// when one is chosen. The window's own procedure is left as it is (a subclass sees the commands
// first). False when the window has no system menu or cannot be subclassed.
bool installUndoMenus(HWND window, UndoMenuActions actions);

// Ctrl+Z pressed anywhere in the window: a key-down of Z with Control held and neither Alt nor
// Shift. `keyDown(virtualKey)` tells whether a modifier is held; it is asked only about a
// key-down of Z, since the check runs for every message and each question costs a system call.
bool isUndoShortcut(const MSG& message, const std::function<bool(int)>& keyDown);

// The message filter of the main window's loop: Ctrl+Z in `window` or one of its controls, but
// not in a text field (which keeps the key), runs "Undo Last Change" through the window's undo
// menu; true when it did. `keyDown` as for isUndoShortcut.
bool runUndoShortcut(HWND window, const MSG& message, const std::function<bool(int)>& keyDown);

// Whether a virtual key is held now, for the two functions above.
bool keyHeld(int virtualKey);

}  // namespace quorvex::win32
