#include "app/undo_menu.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QWidget>

#include <vector>

namespace quorvex {
namespace {

TEST(UndoMenuTest, TheWindowOffersTheItemsInOrderAndRunsEach) {
    QWidget window;
    std::vector<int> ran;
    installUndoMenu(window, {[&] { ran.push_back(1); }, [&] { ran.push_back(2); },
                             [&] { ran.push_back(3); }, [&] { ran.push_back(4); }});
    EXPECT_EQ(window.contextMenuPolicy(), Qt::ActionsContextMenu);

    const QList<QAction*> items = window.actions();
    ASSERT_EQ(items.size(), 5);
    EXPECT_EQ(items[0]->text(), QStringLiteral("Undo Last Change\u2026"));
    EXPECT_EQ(items[1]->text(), QStringLiteral("Restore Original Settings\u2026"));
    EXPECT_EQ(items[2]->text(), QStringLiteral("Check Applied Values\u2026"));
    EXPECT_TRUE(items[3]->isSeparator());
    EXPECT_EQ(items[4]->text(), QStringLiteral("Open Records Folder"));
    EXPECT_EQ(items[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    for (int i : {4, 0, 1, 2}) items[i]->trigger();
    EXPECT_EQ(ran, (std::vector<int>{3, 1, 2, 4}));
}

// A right click on a picture, which has no menu of its own, shows the window's menu; a text
// box keeps its own.
TEST(UndoMenuTest, ARightClickOnAPictureShowsTheWindowsMenu) {
    QWidget window;
    window.resize(200, 200);
    auto* picture = new QLabel(&window);
    picture->setGeometry(0, 0, 100, 100);
    installUndoMenu(window, {});
    window.show();

    QStringList shown;
    QTimer::singleShot(0, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* item : menu->actions()) shown << item->text();
            menu->close();
        }
    });
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(10, 10),
                            picture->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(picture, &click);
    EXPECT_EQ(shown, (QStringList{QStringLiteral("Undo Last Change\u2026"),
                                  QStringLiteral("Restore Original Settings\u2026"),
                                  QStringLiteral("Check Applied Values\u2026"), QString(),
                                  QStringLiteral("Open Records Folder")}));
}

}  // namespace
}  // namespace quorvex
