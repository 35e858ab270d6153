#pragma once

#include <functional>

class QWidget;

namespace quorvex {

// What the undo menu's items run; each may stay empty.
struct UndoMenuActions {
    std::function<void()> undoLastChange;
    std::function<void()> restoreOriginalSettings;
    std::function<void()> openRecordsFolder;
    std::function<void()> checkAppliedValues;
};

// Gives the window a context menu on its background, without touching its layout: "Undo Last
// Change…", "Restore Original Settings…", a separator and "Open Records Folder". Ctrl+Z runs
// "Undo Last Change" anywhere in the window. Controls with a menu of their own keep it.
void installUndoMenu(QWidget& window, UndoMenuActions actions);

}  // namespace quorvex
