// The undo commands in the main window's system and right-click menus, and their shortcut.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "win32/undo_menu.h"

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

bool isSeparator(HMENU menu, int position) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_FTYPE;
    return GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &item) &&
           (item.fType & MFT_SEPARATOR);
}

TEST(UndoMenuTest, TheSystemMenuEndsWithTheItemsAndEachRuns) {
    const HWND window = makeWindow();
    ASSERT_NE(window, nullptr);
    const int before = GetMenuItemCount(GetSystemMenu(window, FALSE));
    int undone = 0, restored = 0, opened = 0, checked = 0;
    ASSERT_TRUE(installUndoMenus(
        window, {[&] { ++undone; }, [&] { ++restored; }, [&] { ++opened; }, [&] { ++checked; }}));

    const HMENU menu = GetSystemMenu(window, FALSE);
    ASSERT_EQ(GetMenuItemCount(menu), before + 6);
    EXPECT_TRUE(isSeparator(menu, before));
    EXPECT_TRUE(isSeparator(menu, before + 4));
    // The menu draws what follows the tab in its shortcut column.
    EXPECT_EQ(itemText(menu, kUndoLastChangeCommand), L"Undo Last Change\u2026\tCtrl+Z");
    EXPECT_EQ(itemText(menu, kRestoreOriginalCommand), L"Restore Original Settings\u2026");
    EXPECT_EQ(itemText(menu, kCheckAppliedValuesCommand), L"Check Applied Values\u2026");
    EXPECT_EQ(itemText(menu, kOpenRecordsFolderCommand), L"Open Records Folder");
    EXPECT_EQ(GetMenuItemID(menu, before + 1), kUndoLastChangeCommand);
    EXPECT_EQ(GetMenuItemID(menu, before + 5), kOpenRecordsFolderCommand);

    SendMessageW(window, WM_SYSCOMMAND, kUndoLastChangeCommand, 0);
    SendMessageW(window, WM_SYSCOMMAND, kRestoreOriginalCommand, 0);
    // The system's low four bits do not change which item it is.
    SendMessageW(window, WM_SYSCOMMAND, kOpenRecordsFolderCommand | 0x2, 0);
    SendMessageW(window, WM_SYSCOMMAND, kCheckAppliedValuesCommand, 0);
    EXPECT_EQ(undone, 1);
    EXPECT_EQ(restored, 1);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(checked, 1);
    DestroyWindow(window);
}

TEST(UndoMenuTest, OnlyControlZIsTheShortcut) {
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

TEST(UndoMenuTest, AsksForNoKeyStateUnlessZGoesDown) {
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

// Ctrl+Z in the window or any of its controls runs "Undo Last Change", but not in a text field
// (which keeps the key) nor in another window.
TEST(UndoMenuTest, ControlZRunsUndoInTheWindowButNotInATextField) {
    const HWND window = makeWindow();
    ASSERT_NE(window, nullptr);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const HWND picture = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, window, nullptr,
                                         instance, nullptr);
    const HWND text = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | ES_READONLY, 0, 20, 10, 10,
                                      window, nullptr, instance, nullptr);
    const HWND other = makeWindow();
    int undone = 0;
    ASSERT_TRUE(installUndoMenus(window, {[&] { ++undone; }, {}, {}, {}}));
    const auto control = [](int key) { return key == VK_CONTROL; };

    struct Case {
        HWND target;
        bool runs;
    };
    for (const Case& c :
         {Case{window, true}, Case{picture, true}, Case{text, false}, Case{other, false}}) {
        MSG message{};
        message.hwnd = c.target;
        message.message = WM_KEYDOWN;
        message.wParam = 'Z';
        const int before = undone;
        EXPECT_EQ(runUndoShortcut(window, message, control), c.runs);
        EXPECT_EQ(undone - before, c.runs ? 1 : 0);
    }
    DestroyWindow(other);
    DestroyWindow(window);
}

}  // namespace
}  // namespace quorvex::win32
