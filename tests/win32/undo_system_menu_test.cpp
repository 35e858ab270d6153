// The undo commands in the main window's system menu, and their keyboard shortcut.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "win32/undo_system_menu.h"

namespace quorvex::win32 {
namespace {

HWND makeWindow() {
    // Any window with a system menu will do; it is never shown.
    return CreateWindowExW(0, L"STATIC", L"Quorvex", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0, 0,
                           100, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

std::wstring itemText(HMENU menu, UINT command) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, command, text, 128, MF_BYCOMMAND);
    return text;
}

TEST(UndoSystemMenuTest, AddsASeparatorAndTheFourItemsAndRunsEach) {
    const HWND window = makeWindow();
    ASSERT_NE(window, nullptr);
    const int before = GetMenuItemCount(GetSystemMenu(window, FALSE));
    int undone = 0, restored = 0, opened = 0, checked = 0;
    ASSERT_TRUE(installUndoSystemMenu(
        window, {[&] { ++undone; }, [&] { ++restored; }, [&] { ++opened; }, [&] { ++checked; }}));

    const HMENU menu = GetSystemMenu(window, FALSE);
    ASSERT_EQ(GetMenuItemCount(menu), before + 5);
    MENUITEMINFOW separator{};
    separator.cbSize = sizeof(separator);
    separator.fMask = MIIM_FTYPE;
    ASSERT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(before), TRUE, &separator));
    EXPECT_TRUE(separator.fType & MFT_SEPARATOR);
    EXPECT_EQ(itemText(menu, kUndoLastChangeCommand), L"Undo Last Change\u2026");
    EXPECT_EQ(itemText(menu, kRestoreOriginalCommand), L"Restore Original Settings\u2026");
    EXPECT_EQ(itemText(menu, kOpenRecordsFolderCommand), L"Open Records Folder");
    EXPECT_EQ(itemText(menu, kCheckAppliedValuesCommand), L"Check Applied Values\u2026");

    SendMessageW(window, WM_SYSCOMMAND, kUndoLastChangeCommand, 0);
    SendMessageW(window, WM_SYSCOMMAND, kRestoreOriginalCommand, 0);
    // The system's low four bits do not change which item it is.
    SendMessageW(window, WM_SYSCOMMAND, kOpenRecordsFolderCommand | 0x2, 0);
    EXPECT_EQ(undone, 1);
    EXPECT_EQ(restored, 1);
    EXPECT_EQ(opened, 1);
    SendMessageW(window, WM_SYSCOMMAND, kCheckAppliedValuesCommand, 0);
    EXPECT_EQ(checked, 1);
    DestroyWindow(window);
}

TEST(UndoSystemMenuTest, OnlyControlZIsTheShortcut) {
    struct Case {
        UINT message;
        WPARAM key;
        bool control, alt, shift;
        bool shortcut;
    };
    for (const Case& c : {Case{WM_KEYDOWN, 'Z', true, false, false, true},
                          Case{WM_KEYDOWN, 'Z', false, false, false, false},
                          Case{WM_KEYDOWN, 'Z', true, true, false, false},
                          Case{WM_KEYDOWN, 'Z', true, false, true, false},
                          Case{WM_KEYUP, 'Z', true, false, false, false},
                          Case{WM_KEYDOWN, 'Y', true, false, false, false}}) {
        MSG message{};
        message.message = c.message;
        message.wParam = c.key;
        const auto held = [&c](int key) {
            return key == VK_CONTROL ? c.control : key == VK_MENU ? c.alt : c.shift;
        };
        EXPECT_EQ(isUndoShortcut(message, held), c.shortcut) << c.message << ' ' << c.key;
    }
}

TEST(UndoSystemMenuTest, AsksForNoKeyStateUnlessZGoesDown) {
    int asked = 0;
    const auto held = [&asked](int) {
        ++asked;
        return true;
    };
    for (const UINT message : {WM_PAINT, WM_TIMER, WM_MOUSEMOVE, WM_KEYUP, WM_CHAR}) {
        MSG other{};
        other.message = message;
        other.wParam = 'Z';
        EXPECT_FALSE(isUndoShortcut(other, held));
    }
    EXPECT_EQ(asked, 0);
}

}  // namespace
}  // namespace quorvex::win32
