#include "app/undo_menu.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTextEdit>
#include <QWidget>

#include <memory>

namespace quorvex {

namespace {

bool isTextField(const QWidget* widget) {
    return qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QTextEdit*>(widget) ||
           qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget);
}

}  // namespace

void installUndoMenu(QWidget& window, UndoMenuActions actions) {
    const auto shared = std::make_shared<const UndoMenuActions>(std::move(actions));
    for (const UndoMenuItem& item : kUndoMenuItems) {
        auto* action = new QAction(&window);
        if (item.text)
            action->setText(QString::fromStdString(menuText(item)));
        else
            action->setSeparator(true);
        QObject::connect(action, &QAction::triggered, &window,
                         [shared, &item] { runUndoMenuItem(item, *shared); });
        window.addAction(action);
    }
    // Not the action's own shortcut: a text field keeps the key.
    auto* shortcut = new QShortcut(QKeySequence(QString::fromLatin1(kUndoShortcutText)), &window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &window, [shared] {
        if (isTextField(QApplication::focusWidget())) return;
        const auto& run = (*shared).*kUndoShortcutAction;
        if (run) run();
    });
    // The pictures and pages pass a right click on to the window, which shows its actions.
    window.setContextMenuPolicy(Qt::ActionsContextMenu);
}

}  // namespace quorvex
