#include "model/window_model.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "model/firefox_elements.h"
#include "model/frame_elements.h"
#include "model/monitor_elements.h"
#include "tuning/advanced_choices.h"

namespace quorvex {
namespace {

using ::testing::ElementsAre;

class WindowModelTest : public ::testing::Test {
  protected:
    WindowModelTest() {
        window.setHandlerTrace([this](std::string_view h) { trace.emplace_back(h); });
    }
    ControlModel& controls() { return window.controls(); }
    WindowModel window;
    std::vector<std::string> trace;
};

TEST_F(WindowModelTest, CreationStateHoldsZerosAndTheDefaultSelections) {
    EXPECT_EQ(window.state(), TuningState{});
    EXPECT_TRUE(controls().option("Option30"));
    for (const char* name : {"Option33", "Option34", "Option39", "Option41", "Option42", "SA1",
                             "vkOptionButton14", "TCP3", "TTL32"})
        EXPECT_TRUE(controls().option(name)) << name;
    for (const char* list : {"Combo3", "QOS", "Combo1", "Combo2"})
        EXPECT_EQ(controls().listText(list), "") << list;
    EXPECT_EQ(controls().listEntries("Combo3").size(), 27u);
    EXPECT_EQ(controls().listEntries("QOS").front(), "0");
    EXPECT_EQ(controls().listEntries("QOS").back(), "100");
    EXPECT_EQ(controls().listEntries("Combo1").front(), "1");
    EXPECT_EQ(controls().listEntries("Combo2").size(), 100u);
    EXPECT_TRUE(trace.empty());
}

struct MirrorCase {
    const char* name;
    bool fromList;       // chosen in Combo3 or by its option control
    const char* choice;  // full name or option control
    const char* expectedOption;
    const char* expectedText;
    std::int16_t mtu, mss;
    std::int32_t rwin;
    friend void PrintTo(const MirrorCase& c, std::ostream* os) { *os << c.name; }
};

class MirroringTest : public WindowModelTest, public ::testing::WithParamInterface<MirrorCase> {};

TEST_P(MirroringTest, ListAndOptionShowTheSameEntry) {
    const auto& c = GetParam();
    const bool ok = c.fromList ? controls().setListText("Combo3", c.choice)
                               : controls().setOption(c.choice, true);
    ASSERT_TRUE(ok);
    EXPECT_TRUE(controls().option(c.expectedOption));
    EXPECT_EQ(controls().selectedOption("Connection"), c.expectedOption);
    EXPECT_EQ(controls().listText("Combo3"), c.expectedText);
    EXPECT_EQ(window.state().Mtu, c.mtu);
    EXPECT_EQ(window.state().Mss, c.mss);
    EXPECT_EQ(window.state().Rwin, c.rwin);
    if (c.fromList)
        EXPECT_THAT(trace, ElementsAre("Combo3", c.expectedOption));
    else  // option handler, list handler, option handler again, list unchanged
        EXPECT_THAT(trace, ElementsAre(c.expectedOption, "Combo3", c.expectedOption));
}

INSTANTIATE_TEST_SUITE_P(
    Entries, MirroringTest,
    ::testing::Values(MirrorCase{"SatelliteNotDsl", true, "Satellite (1 Megabit And Up)",
                                 "Option19", "Satellite (1 Megabit And Up)", 1500, 1460, 93440},
                      MirrorCase{"Option4", false, "Option4", "Option4",
                                 "DSL Or Cable Modem (4 Megabit And Up)", 1492, 1452, 92504},
                      MirrorCase{"Option30", false, "Option30", "Option30",
                                 "Restore Windows Default Settings", 1480, 1440, 8760},
                      MirrorCase{"Dsl100MWide", true, "DSL Or Cable Modem (100 Megabit And Up)",
                                 "Option16", "DSL Or Cable Modem (100 Megabit And Up)", 1492, 1452,
                                 2337720}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowModelTest, ChoosingTheShownEntryAgainRepeatsOnlyTheOptionHandler) {
    ASSERT_TRUE(controls().setOption("Option13", true));
    const TuningState before = window.state();
    trace.clear();
    ASSERT_TRUE(controls().setOption("Option13", true));
    EXPECT_THAT(trace, ElementsAre("Option13"));
    EXPECT_EQ(window.state(), before);
    trace.clear();
    ASSERT_TRUE(controls().setListText("Combo3", "DSL Or Cable Modem (16 Megabit And Up)"));
    EXPECT_TRUE(trace.empty());
}

TEST_F(WindowModelTest, TextsThatAreNoEntryFailAndChangeNothing) {
    ASSERT_TRUE(controls().setListText("Combo3", "Satellite (2 Megabit And Up)"));
    const TuningState before = window.state();
    trace.clear();
    for (const char* text : {"satellite (2 megabit and up)", "Satellite", "",
                             "Satellite (2 Megabit And Up) ", "2 Megabit And Up"}) {
        EXPECT_FALSE(controls().setListText("Combo3", text)) << text;
    }
    EXPECT_FALSE(controls().setListText("QOS", "150"));
    EXPECT_FALSE(controls().setListText("Combo1", "0"));
    EXPECT_TRUE(trace.empty());
    EXPECT_EQ(window.state(), before);
    EXPECT_EQ(controls().listText("Combo3"), "Satellite (2 Megabit And Up)");
    EXPECT_EQ(controls().listText("QOS"), "");
}

TEST_F(WindowModelTest, ConnectionAndAdvancedChoicesLeaveEachOthersFields) {
    ASSERT_TRUE(controls().setOption("TTL128", true));
    ASSERT_TRUE(controls().setOption("Option38", true));
    ASSERT_TRUE(controls().setOption("Option16", true));
    EXPECT_EQ(window.state().Ttl, 128);
    EXPECT_EQ(window.state().SizReqBuf, 16384);  // fits its 16 bits
    EXPECT_EQ(window.state().Rwin, 2337720);     // not narrowed to 16 bits
    const std::string list = controls().listText("Combo3");
    trace.clear();
    ASSERT_TRUE(controls().setOption("TCP2", true));
    EXPECT_THAT(trace, ElementsAre("TCP2"));
    EXPECT_EQ(window.state().Tcp1323Opts, 2);
    EXPECT_EQ(window.state().Rwin, 2337720);
    EXPECT_EQ(controls().listText("Combo3"), list);
}

TEST_F(WindowModelTest, EveryAdvancedControlGivesItsValueAndExcludesItsGroup) {
    for (const auto& group : advancedGroups()) {
        for (const auto& choice : group.choices) {
            ASSERT_TRUE(controls().setOption(std::string(choice.control), true));
            EXPECT_EQ(tuningFieldValue(window.state(), group.field), choice.value)
                << choice.control;
            EXPECT_EQ(controls().selectedOption(std::string(group.id)), choice.control);
        }
    }
    // The two default thresholds differ: 1025 and 1024.
    controls().setOption("Option33", true);
    controls().setOption("Option34", true);
    EXPECT_EQ(window.state().FastCopyReceiveThreshold, 1025);
    EXPECT_EQ(window.state().FastSendDatagramThreshold, 1024);
}

TEST_F(WindowModelTest, DeselectingClearsWithoutRunningTheHandler) {
    ASSERT_TRUE(controls().setOption("Option30", false));
    EXPECT_FALSE(controls().option("Option30"));
    EXPECT_EQ(controls().selectedOption("Connection"), "");
    EXPECT_TRUE(trace.empty());
    EXPECT_FALSE(controls().setOption("NoSuchControl", true));
}

TEST_F(WindowModelTest, ObserversHearEveryChange) {
    std::vector<std::string> changed;
    const int token = controls().subscribe([&](const std::string& e) { changed.push_back(e); });
    controls().setOption("Option13", true);
    // The new connection's receive window is a change of its own.
    EXPECT_THAT(changed, ElementsAre("Option30", "Option13", names::kRwinValue, "Combo3"));
    controls().unsubscribe(token);
    controls().setText(firefox::kCurrentCaption, "x");
    EXPECT_EQ(changed.size(), 4u);
}

TEST(ControlModelElements, AnUndeclaredElementIsRefusedLoudlyAndNothingIsCreated) {
    ControlModel controls;
    controls.addElement("Label25");
    controls.addOption("Option1", "group", "One");
    controls.addList("Combo1", {"1", "2"});
    int announced = 0;
    controls.subscribe([&](const std::string&) { ++announced; });

    // A misspelt name: every reader and writer throws, naming it.
    EXPECT_THROW(controls.setText("Lable25", "x"), std::out_of_range);
    EXPECT_THROW(controls.setVisible("Lable25", true), std::out_of_range);
    EXPECT_THROW(controls.setEnabled("Lable25", true), std::out_of_range);
    EXPECT_THROW(controls.text("Lable25"), std::out_of_range);
    EXPECT_THROW(controls.visible("Lable25"), std::out_of_range);
    EXPECT_THROW(controls.enabled("Lable25"), std::out_of_range);
    try {
        controls.setText("Lable25", "x");
    } catch (const std::out_of_range& e) {
        EXPECT_NE(std::string(e.what()).find("Lable25"), std::string::npos);
    }
    EXPECT_FALSE(controls.hasElement("Lable25"));
    EXPECT_EQ(announced, 0);

    // Declared elements, options and lists carry the flags; never set, a flag reads its fallback.
    EXPECT_TRUE(controls.visible("Label25", true));
    EXPECT_FALSE(controls.enabled("Option1", false));
    controls.setVisible("Label25", false);
    controls.setEnabled("Option1", false);
    controls.setText("Combo1", "caption");
    EXPECT_FALSE(controls.visible("Label25", true));
    EXPECT_FALSE(controls.enabled("Option1", true));
    EXPECT_EQ(controls.text("Combo1"), "caption");
    EXPECT_EQ(announced, 3);
}

TEST(WindowModelElements, EveryElementAFrontEndBindsIsDeclared) {
    WindowModel model;
    std::vector<const char*> names(monitor_page::kTexts.begin(), monitor_page::kTexts.end());
    names.insert(names.end(), frame::kPages.begin(), frame::kPages.end());
    names.insert(names.end(), frame::kHeaders.begin(), frame::kHeaders.end());
    for (const auto& pair : frame::kHomeIcons)
        names.insert(names.end(), {pair.resting, pair.highlighted});
    for (const auto& pair : frame::kButtons)
        names.insert(names.end(), {pair.resting, pair.highlighted});
    names.insert(names.end(),
                 {frame::kBottomStrip, frame::kBackground, firefox::kCurrentCaption,
                  firefox::kOptimizedLabel, firefox::kDefaultLabel, firefox::kOptimizedText,
                  firefox::kDefaultText, firefox::kEnableButton, firefox::kDisableButton});
    for (const char* name : names) EXPECT_TRUE(model.controls().hasElement(name)) << name;
}

}  // namespace
}  // namespace quorvex
