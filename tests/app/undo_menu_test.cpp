#include "app/undo_menu.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
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
    // The menu draws what follows the tab in its shortcut column.
    EXPECT_EQ(items[0]->text(), QStringLiteral("Undo Last Change\u2026\tCtrl+Z"));
    EXPECT_EQ(items[1]->text(), QStringLiteral("Restore Original Settings\u2026"));
    EXPECT_EQ(items[2]->text(), QStringLiteral("Check Applied Values\u2026"));
    EXPECT_TRUE(items[3]->isSeparator());
    EXPECT_EQ(items[4]->text(), QStringLiteral("Open Records Folder"));
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
    EXPECT_EQ(shown, (QStringList{QStringLiteral("Undo Last Change\u2026\tCtrl+Z"),
                                  QStringLiteral("Restore Original Settings\u2026"),
                                  QStringLiteral("Check Applied Values\u2026"), QString(),
                                  QStringLiteral("Open Records Folder")}));
}

// Ctrl+Z runs "Undo Last Change" from any control of the window but a text field, which keeps
// the key even when it is read-only.
TEST(UndoMenuTest, ControlZRunsUndoUnlessATextFieldHasTheFocus) {
    QWidget window;
    auto* picture = new QLabel(&window);
    picture->setFocusPolicy(Qt::StrongFocus);
    auto* text = new QPlainTextEdit(&window);
    text->setReadOnly(true);
    text->move(0, 50);
    int undone = 0;
    installUndoMenu(window, {[&] { ++undone; }, {}, {}, {}});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    picture->setFocus();
    QTest::keyClick(picture, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(undone, 1);
    QTest::keyClick(picture, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(undone, 1);
    text->setFocus();
    QTest::keyClick(text, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(undone, 1);
}

}  // namespace
}  // namespace quorvex
