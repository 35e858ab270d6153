#pragma once

#include "shell/undo_menu.h"

class QWidget;

namespace quorvex {

// Gives the window a context menu on its background, without touching its layout: the undo
// menu's items (kUndoMenuItems). Ctrl+Z runs "Undo Last Change" anywhere in the window but in a
// text field. Controls with a menu of their own keep it.
void installUndoMenu(QWidget& window, UndoMenuActions actions);

}  // namespace quorvex
