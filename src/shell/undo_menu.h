#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <string>

namespace quorvex {

namespace undo {
class UndoCommands;
}

// What the undo menu's items run; each may stay empty.
struct UndoMenuActions {
    std::function<void()> undoLastChange;
    std::function<void()> restoreOriginalSettings;
    std::function<void()> openRecordsFolder;
    std::function<void()> checkAppliedValues;
};

// One item of the undo menu. A separator has neither text nor action.
struct UndoMenuItem {
    const char* text;
    // The key that runs it anywhere in the window (unless a text field has the focus), as the
    // menu shows it beside the text; null for none.
    const char* shortcut;
    std::function<void()> UndoMenuActions::*action;
};

// The items in the order both front ends show them, in the window's right-click menu and (on
// Windows) its system menu.
extern const std::array<UndoMenuItem, 5> kUndoMenuItems;

// The menu's only shortcut, and the item it runs.
inline constexpr const char* kUndoShortcutText = "Ctrl+Z";
inline constexpr auto kUndoShortcutAction = &UndoMenuActions::undoLastChange;

// The undo commands as the menu runs them; `openFolder` shows a folder in the system's file
// browser. `undo` must outlive the actions.
UndoMenuActions undoMenuActions(undo::UndoCommands& undo,
                                std::function<void(const std::filesystem::path&)> openFolder);

// The item's text as a menu shows it: the shortcut, when it has one, after a tab, which both
// toolkits' menus draw in their shortcut column ("Undo Last Change…\tCtrl+Z").
std::string menuText(const UndoMenuItem& item);

// Runs the item's action, when it has one and the action is set.
void runUndoMenuItem(const UndoMenuItem& item, const UndoMenuActions& actions);

}  // namespace quorvex
