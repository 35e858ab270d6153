#include "win32/undo_system_menu.h"

#include <commctrl.h>

#include <string>

#include "undo/undo_commands.h"

namespace quorvex::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 0x51554e44;  // one subclass of its kind per window

std::wstring wide(const char* utf8) {
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    if (length <= 1) return {};
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, text.data(), length);
    text.resize(static_cast<std::size_t>(length - 1));
    return text;
}

void run(const std::function<void()>& action) {
    if (action) action();
}

LRESULT CALLBACK undoMenuProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                              DWORD_PTR data) {
    auto* actions = reinterpret_cast<UndoMenuActions*>(data);
    switch (message) {
        case WM_SYSCOMMAND:
            // The low four bits are the system's own.
            switch (static_cast<UINT>(wParam & 0xFFF0)) {
                case kUndoLastChangeCommand:
                    run(actions->undoLastChange);
                    return 0;
                case kRestoreOriginalCommand:
                    run(actions->restoreOriginalSettings);
                    return 0;
                case kOpenRecordsFolderCommand:
                    run(actions->openRecordsFolder);
                    return 0;
                case kCheckAppliedValuesCommand:
                    run(actions->checkAppliedValues);
                    return 0;
                default:
                    break;
            }
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(window, undoMenuProc, id);
            delete actions;
            break;
        default:
            break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

bool installUndoSystemMenu(HWND window, UndoMenuActions actions) {
    HMENU menu = GetSystemMenu(window, FALSE);
    if (!menu) return false;
    auto* owned = new UndoMenuActions(std::move(actions));
    if (!SetWindowSubclass(window, undoMenuProc, kSubclassId, reinterpret_cast<DWORD_PTR>(owned))) {
        delete owned;
        return false;
    }
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kUndoLastChangeCommand, wide(undo::kUndoLastChangeItem).c_str());
    AppendMenuW(menu, MF_STRING, kRestoreOriginalCommand, wide(undo::kRestoreOriginalItem).c_str());
    AppendMenuW(menu, MF_STRING, kCheckAppliedValuesCommand,
                wide(undo::kCheckAppliedValuesItem).c_str());
    AppendMenuW(menu, MF_STRING, kOpenRecordsFolderCommand,
                wide(undo::kOpenRecordsFolderItem).c_str());
    return true;
}

bool isUndoShortcut(const MSG& message, const std::function<bool(int)>& keyDown) {
    if (message.message != WM_KEYDOWN || message.wParam != 'Z') return false;
    return keyDown(VK_CONTROL) && !keyDown(VK_MENU) && !keyDown(VK_SHIFT);
}

}  // namespace quorvex::win32
