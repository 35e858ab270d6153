#include "win32/undo_menu.h"

#include <commctrl.h>

#include <iterator>
#include <string>
#include <tuple>

namespace quorvex::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 0x51554e44;  // one subclass of its kind per window

// The command of each item of kUndoMenuItems; 0 for the separator.
constexpr UINT kCommands[] = {kUndoLastChangeCommand, kRestoreOriginalCommand,
                              kCheckAppliedValuesCommand, 0, kOpenRecordsFolderCommand};
static_assert(std::size(kCommands) == std::tuple_size_v<decltype(kUndoMenuItems)>);

std::wstring wide(const std::string& utf8) {
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
    if (length <= 1) return {};
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, text.data(), length);
    text.resize(static_cast<std::size_t>(length - 1));
    return text;
}

void appendItems(HMENU menu) {
    for (std::size_t i = 0; i < kUndoMenuItems.size(); ++i) {
        if (kCommands[i] == 0)
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuW(menu, MF_STRING, kCommands[i], wide(menuText(kUndoMenuItems[i])).c_str());
    }
}

// Runs the item of `command`; false when it is none of ours.
bool runCommand(UINT command, const UndoMenuActions& actions) {
    for (std::size_t i = 0; i < kUndoMenuItems.size(); ++i) {
        if (kCommands[i] != 0 && kCommands[i] == command) {
            runUndoMenuItem(kUndoMenuItems[i], actions);
            return true;
        }
    }
    return false;
}

void showContextMenu(HWND window, LPARAM at, const UndoMenuActions& actions) {
    POINT point{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    if (at == static_cast<LPARAM>(-1)) {  // from the keyboard: at the window's corner
        point = {0, 0};
        ClientToScreen(window, &point);
    }
    HMENU menu = CreatePopupMenu();
    if (!menu) return;
    appendItems(menu);
    const UINT chosen =
        static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON,
                                         point.x, point.y, 0, window, nullptr));
    DestroyMenu(menu);
    runCommand(chosen, actions);
}

LRESULT CALLBACK undoMenuProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                              DWORD_PTR data) {
    auto* actions = reinterpret_cast<UndoMenuActions*>(data);
    switch (message) {
        case WM_SYSCOMMAND:
            // The low four bits are the system's own.
            if (runCommand(static_cast<UINT>(wParam & 0xFFF0), *actions)) return 0;
            break;
        case WM_CONTEXTMENU:
            showContextMenu(window, lParam, *actions);
            return 0;
        case WM_NCDESTROY:
            RemoveWindowSubclass(window, undoMenuProc, id);
            delete actions;
            break;
        default:
            break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

bool isTextField(HWND control) {
    wchar_t name[16] = {};
    return GetClassNameW(control, name, 16) > 0 && lstrcmpiW(name, L"Edit") == 0;
}

}  // namespace

bool installUndoMenus(HWND window, UndoMenuActions actions) {
    HMENU menu = GetSystemMenu(window, FALSE);
    if (!menu) return false;
    auto* owned = new UndoMenuActions(std::move(actions));
    if (!SetWindowSubclass(window, undoMenuProc, kSubclassId, reinterpret_cast<DWORD_PTR>(owned))) {
        delete owned;
        return false;
    }
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    appendItems(menu);
    return true;
}

bool keyHeld(int virtualKey) {
    return (GetKeyState(virtualKey) & 0x8000) != 0;
}

bool isUndoShortcut(const MSG& message, const std::function<bool(int)>& keyDown) {
    if (message.message != WM_KEYDOWN || message.wParam != 'Z') return false;
    return keyDown(VK_CONTROL) && !keyDown(VK_MENU) && !keyDown(VK_SHIFT);
}

bool runUndoShortcut(HWND window, const MSG& message, const std::function<bool(int)>& keyDown) {
    if (!isUndoShortcut(message, keyDown)) return false;
    if (message.hwnd != window && !IsChild(window, message.hwnd)) return false;
    if (isTextField(message.hwnd)) return false;
    SendMessageW(window, WM_SYSCOMMAND, kUndoLastChangeCommand, 0);
    return true;
}

}  // namespace quorvex::win32
