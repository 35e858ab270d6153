#include "app/undo_menu.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>

#include "undo/undo_commands.h"

namespace quorvex {

namespace {

QAction* addItem(QWidget& window, const char* text, std::function<void()> run) {
    auto* action = new QAction(QString::fromUtf8(text), &window);
    QObject::connect(action, &QAction::triggered, &window, [run = std::move(run)] {
        if (run) run();
    });
    window.addAction(action);
    return action;
}

}  // namespace

void installUndoMenu(QWidget& window, UndoMenuActions actions) {
    QAction* undo = addItem(window, undo::kUndoLastChangeItem, std::move(actions.undoLastChange));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    undo->setShortcutContext(Qt::WindowShortcut);
    addItem(window, undo::kRestoreOriginalItem, std::move(actions.restoreOriginalSettings));
    addItem(window, undo::kCheckAppliedValuesItem, std::move(actions.checkAppliedValues));
    auto* separator = new QAction(&window);
    separator->setSeparator(true);
    window.addAction(separator);
    addItem(window, undo::kOpenRecordsFolderItem, std::move(actions.openRecordsFolder));
    // The pictures and pages pass a right click on to the window, which shows its actions.
    window.setContextMenuPolicy(Qt::ActionsContextMenu);
}

}  // namespace quorvex
