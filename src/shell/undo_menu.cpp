#include "shell/undo_menu.h"

#include "undo/undo_commands.h"

namespace quorvex {

const std::array<UndoMenuItem, 5> kUndoMenuItems{{
    {undo::kUndoLastChangeItem, kUndoShortcutText, kUndoShortcutAction},
    {undo::kRestoreOriginalItem, nullptr, &UndoMenuActions::restoreOriginalSettings},
    {undo::kCheckAppliedValuesItem, nullptr, &UndoMenuActions::checkAppliedValues},
    {nullptr, nullptr, nullptr},
    {undo::kOpenRecordsFolderItem, nullptr, &UndoMenuActions::openRecordsFolder},
}};

UndoMenuActions undoMenuActions(undo::UndoCommands& undo,
                                std::function<void(const std::filesystem::path&)> openFolder) {
    return {[&undo] { undo.undoLastChange(); }, [&undo] { undo.restoreOriginalSettings(); },
            [&undo, openFolder = std::move(openFolder)] {
                if (openFolder) openFolder(undo.recordsFolder());
            },
            [&undo] { undo.checkAppliedValues(); }};
}

std::string menuText(const UndoMenuItem& item) {
    std::string text = item.text ? item.text : "";
    if (item.shortcut) text.append("\t").append(item.shortcut);
    return text;
}

void runUndoMenuItem(const UndoMenuItem& item, const UndoMenuActions& actions) {
    if (!item.action) return;
    const auto& action = actions.*item.action;
    if (action) action();
}

}  // namespace quorvex
