#include "model/model_bindings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/control_model.h"

namespace quorvex {
namespace {

class ModelBindingsTest : public ::testing::Test {
  protected:
    ModelBindingsTest() {
        model.addOption(
            "A", "group", "a", [this] { ran.push_back("A"); }, true);
        model.addOption("B", "group", "b", [this] { ran.push_back("B"); });
        model.addList("L", {"one", "two"}, [this] { ran.push_back("L"); });
        model.addElement("T");
    }
    ControlModel model;
    std::vector<std::string> ran;
};

TEST_F(ModelBindingsTest, OptionButtonsMirrorTheGroupAndAClickAlwaysRunsTheHandler) {
    ModelBindings bindings(model);
    bool a = false, b = true;
    auto clickA = bindings.bindOption("A", [&](bool checked) { a = checked; });
    auto clickB = bindings.bindOption("B", [&](bool checked) { b = checked; });
    EXPECT_TRUE(a);  // shown at once
    EXPECT_FALSE(b);

    clickB();
    EXPECT_FALSE(a);
    EXPECT_TRUE(b);
    // A click on the selected button runs its handler again and leaves it checked, even when
    // the toolkit unchecked it on the way.
    b = false;
    clickB();
    EXPECT_TRUE(b);
    clickA();
    EXPECT_EQ(ran, (std::vector<std::string>{"B", "B", "A"}));
}

TEST_F(ModelBindingsTest, AListPickGoesToTheModelAndARefusedPickShowsTheSelection) {
    ModelBindings bindings(model);
    int shown = 99;
    auto pick = bindings.bindList("L", [&](int index) { shown = index; });
    EXPECT_EQ(shown, -1);
    pick(1, "two");
    EXPECT_EQ(model.listText("L"), "two");
    EXPECT_EQ(shown, 1);
    shown = 0;
    pick(0, "not an entry");
    EXPECT_EQ(shown, 1);
    pick(-1, "one");  // no pick at all
    EXPECT_EQ(model.listText("L"), "two");
    EXPECT_EQ(ran, (std::vector<std::string>{"L"}));
}

TEST_F(ModelBindingsTest, ALabelKeepsItsTextUntilOneIsAnnouncedATextBoxShowsItAtOnce) {
    model.setText("T", "before");
    ModelBindings bindings(model);
    std::string label = "made with", box;
    bindings.bindAnnouncedText("T", [&](const std::string& text) { label = text; });
    bindings.bindText("T", [&](const std::string& text) { box = text; });
    EXPECT_EQ(label, "made with");
    EXPECT_EQ(box, "before");
    bindings.refreshAll();
    EXPECT_EQ(label, "made with");
    model.setText("T", "after");
    EXPECT_EQ(label, "after");
    EXPECT_EQ(box, "after");
}

TEST_F(ModelBindingsTest, FlagsNeverSetKeepTheControlsOwnState) {
    ModelBindings bindings(model);
    bool visible = false, enabled = true;
    bindings.bindVisible(
        "T", [&] { return visible; }, [&](bool v) { visible = v; });
    bindings.bindEnabled(
        "T", [&] { return enabled; }, [&](bool e) { enabled = e; });
    EXPECT_FALSE(visible);
    EXPECT_TRUE(enabled);
    model.setVisible("T", true);
    model.setEnabled("T", false);
    EXPECT_TRUE(visible);
    EXPECT_FALSE(enabled);
}

TEST_F(ModelBindingsTest, AnyChangeRunsOnEveryAnnouncementAndNothingRunsOnceTheBindingsAreGone) {
    int changes = 0;
    {
        ModelBindings bindings(model);
        bindings.onAnyChange([&] { ++changes; });
        EXPECT_EQ(changes, 1);
        model.setText("T", "x");
        bindings.refreshAll();
        EXPECT_EQ(changes, 3);
    }
    model.setText("T", "y");
    EXPECT_EQ(changes, 3);
}

}  // namespace
}  // namespace quorvex
