#include "shell/main_window_commands.h"

#include <gmock/gmock.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/firefox_elements.h"
#include "model/frame_elements.h"
#include "tuning/window_model.h"

namespace quorvex {
namespace {

using ::testing::ElementsAre;
using namespace frame;

class MainWindowCommandsTest : public ::testing::Test {
  protected:
    MainWindowCommandsTest() {
        actions.automaticOptimization = [this] { calls.push_back("automaticOptimization"); };
        actions.advancedApply = [this] { calls.push_back("advancedApply"); };
        actions.startMeter = [this] { calls.push_back("startMeter"); };
        actions.stopMeter = [this] { calls.push_back("stopMeter"); };
        actions.flattenGraphs = [this] { calls.push_back("flattenGraphs"); };
        actions.enableFirefox = [this] { calls.push_back("enableFirefox"); };
        actions.disableFirefox = [this] { calls.push_back("disableFirefox"); };
        actions.unload = [this] { calls.push_back("unload"); };
    }
    MainWindowCommands& commands() {
        if (!commands_) commands_ = std::make_unique<MainWindowCommands>(controls(), actions);
        return *commands_;
    }
    ControlModel& controls() { return model.controls(); }
    bool shown(const char* element) { return controls().visible(element); }
    std::vector<std::string> shownOf(const std::vector<const char*>& elements) {
        std::vector<std::string> result;
        for (const char* element : elements)
            if (shown(element)) result.emplace_back(element);
        return result;
    }

    WindowModel model;
    MainWindowActions actions;
    std::vector<std::string> calls;
    std::unique_ptr<MainWindowCommands> commands_;
};

TEST_F(MainWindowCommandsTest, VisibilityAtLoad) {
    commands();
    for (const char* element : {kBottomStrip, kHomeButton, kApplyResting, kApplyButton,
                                kMonitorResting, kMonitorButton, kHomePage})
        EXPECT_TRUE(shown(element)) << element;
    for (const char* element : {kBackResting, kBackButton, kInternetHeader, kAdvancedHeader,
                                kLanHeader, kFirefoxHeader, kExplorerHeader, kInternetPage,
                                kAdvancedPage, kLanPage, kExplorerPage, kFirefoxPage, kMonitorPage})
        EXPECT_FALSE(shown(element)) << element;
    for (const auto& icon : kHomeIcons) {
        EXPECT_TRUE(shown(icon.resting));
        EXPECT_TRUE(shown(icon.highlighted));
    }
    EXPECT_EQ(commands().currentPage(), kHomePage);
}

TEST_F(MainWindowCommandsTest, EachClickShowsItsPageAndHeader) {
    struct Case {
        const char* click;
        const char* page;
        const char* header;  // nullptr: no header shown
    };
    const Case cases[] = {
        {kInternetIcon, kInternetPage, kInternetHeader},
        {kAdvancedIcon, kAdvancedPage, kAdvancedHeader},
        {kLanIcon, kLanPage, kLanHeader},
        {kExplorerIcon, kExplorerPage, kExplorerHeader},
        {kFirefoxIcon, kFirefoxPage, kFirefoxHeader},
        {kMonitorButton, kMonitorPage, nullptr},
    };
    for (const auto& c : cases) {
        commands().showHome();
        EXPECT_TRUE(commands().click(c.click)) << c.click;
        EXPECT_THAT(shownOf({kPages.begin(), kPages.end()}), ElementsAre(c.page)) << c.click;
        const auto headers = shownOf({kHeaders.begin(), kHeaders.end()});
        if (c.header)
            EXPECT_THAT(headers, ElementsAre(c.header)) << c.click;
        else
            EXPECT_TRUE(headers.empty()) << c.click;
    }
}

TEST_F(MainWindowCommandsTest, HomeLeavesTheHeaderAndMonitorCommandsRunTheMeter) {
    commands().click(kLanIcon);
    commands().click(kHomeButton);
    EXPECT_EQ(commands().currentPage(), kHomePage);
    EXPECT_TRUE(shown(kLanHeader));

    commands().click(kMonitorButton);
    EXPECT_TRUE(shown(kBackResting));
    EXPECT_TRUE(shown(kBackButton));
    commands().click(kBackButton);
    EXPECT_EQ(commands().currentPage(), kHomePage);
    EXPECT_FALSE(shown(kBackButton));
    EXPECT_THAT(calls, ElementsAre("startMeter", "stopMeter", "flattenGraphs"));
}

TEST_F(MainWindowCommandsTest, CommandsWithoutPageChangeAndUnknownClicks) {
    commands().click(kAdvancedIcon);
    for (const char* element :
         {kAutomaticIcon, kApplyButton, firefox::kEnableButton, firefox::kDisableButton})
        EXPECT_TRUE(commands().click(element));
    EXPECT_FALSE(commands().click(kApplyResting));
    EXPECT_FALSE(commands().click("Image99"));
    EXPECT_EQ(commands().currentPage(), kAdvancedPage);
    EXPECT_THAT(calls, ElementsAre("automaticOptimization", "advancedApply", "enableFirefox",
                                   "disableFirefox"));
}

TEST_F(MainWindowCommandsTest, AFailingActionIsContainedAndTheCommandGoesOn) {
    actions.stopMeter = [] { throw std::runtime_error("stuck"); };
    commands().openMonitor();
    commands().backFromMonitor();
    EXPECT_EQ(commands().currentPage(), kHomePage);
    EXPECT_THAT(calls, ElementsAre("startMeter", "flattenGraphs"));
}

TEST_F(MainWindowCommandsTest, HoverRules) {
    struct Case {
        const char* over;
        bool monitorShown;
        std::vector<std::string> shownAfter;  // of the resting pictures below
    };
    // Start of every case: every resting picture hidden, the back button's too.
    const std::vector<const char*> resting{
        kInternetIconResting, kAdvancedIconResting, kLanIconResting,
        kFirefoxIconResting,  kExplorerIconResting, kAutomaticIconResting,
        kApplyResting,        kMonitorResting,      kBackResting};
    const std::vector<std::string> icons{kInternetIconResting, kAdvancedIconResting,
                                         kLanIconResting,      kFirefoxIconResting,
                                         kExplorerIconResting, kAutomaticIconResting};
    auto with = [](std::vector<std::string> names, std::vector<std::string> more) {
        names.insert(names.end(), more.begin(), more.end());
        return names;
    };
    const Case cases[] = {
        {kLanIconResting, false, {kApplyResting}},
        {kApplyResting, false, {kMonitorResting}},
        {kMonitorResting, false, {kApplyResting}},
        {kBackResting, true, {}},
        {kHomePage, false, with(icons, {kApplyResting, kMonitorResting})},
        {kInternetPage, false, {kApplyResting, kMonitorResting}},
        {kFirefoxPage, false, {kApplyResting, kMonitorResting}},
        {kMonitorPage, true, {kBackResting}},
        {kBottomStrip, false, with(icons, {kApplyResting, kMonitorResting})},
        {kBottomStrip, true, with(icons, {kApplyResting, kMonitorResting, kBackResting})},
        {kBackground, false, {kApplyResting, kMonitorResting}},
        {kBackground, true, {kApplyResting, kMonitorResting, kBackResting}},
        {"Option13", true, {}},
        {kLanIcon, false, {}},
    };
    for (const auto& c : cases) {
        if (c.monitorShown)
            commands().openMonitor();
        else
            commands().showHome();
        for (const char* name : resting) controls().setVisible(name, false);
        // The element under the pointer starts shown where its rule hides it.
        for (const char* name : {kLanIconResting, kApplyResting, kMonitorResting, kBackResting})
            if (c.over == std::string(name)) controls().setVisible(name, true);
        commands().pointerOver(c.over);
        EXPECT_EQ(shownOf(resting), c.shownAfter) << c.over << (c.monitorShown ? " (monitor)" : "");
    }
}

TEST_F(MainWindowCommandsTest, HoverRulesMayRunAnyNumberOfTimes) {
    commands().pointerOver(kApplyResting);
    commands().pointerOver(kApplyResting);
    EXPECT_FALSE(shown(kApplyResting));
    EXPECT_TRUE(shown(kMonitorResting));
    commands().pointerOver(kMonitorResting);
    EXPECT_TRUE(shown(kApplyResting));
    EXPECT_FALSE(shown(kMonitorResting));
}

TEST_F(MainWindowCommandsTest, FirefoxTextsFollowTheVisibleLabel) {
    struct Case {
        bool optimizedLabel, defaultLabel;
        bool text4Before, text5Before;
        bool text4After, text5After;
    };
    const Case cases[] = {
        {true, false, false, true, true, false},    {false, true, true, false, false, true},
        {true, true, false, false, true, false},  // both labels: the optimized text wins
        {false, false, true, true, true, true},   // neither: the texts stay
        {false, false, false, false, false, false},
    };
    for (const auto& c : cases) {
        controls().setVisible(firefox::kOptimizedLabel, c.optimizedLabel);
        controls().setVisible(firefox::kDefaultLabel, c.defaultLabel);
        controls().setVisible(firefox::kOptimizedText, c.text4Before);
        controls().setVisible(firefox::kDefaultText, c.text5Before);
        commands().click(kFirefoxIcon);
        EXPECT_EQ(shown(firefox::kOptimizedText), c.text4After);
        EXPECT_EQ(shown(firefox::kDefaultText), c.text5After);
    }
}

TEST_F(MainWindowCommandsTest, ClosingUnloadsOnce) {
    commands().windowClosed();
    commands().windowClosed();
    EXPECT_THAT(calls, ElementsAre("unload"));
}

}  // namespace
}  // namespace quorvex
