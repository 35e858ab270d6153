#include "shell/shell.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "model/firefox_elements.h"
#include "model/frame_elements.h"
#include "monitor/traffic_meter.h"
#include "shell/meter_pace.h"
#include "shell_fakes.h"
#include "support/command_fakes.h"
#include "undo/record_store.h"
#include "undo/undo_commands.h"

namespace quorvex {
namespace {

using namespace std::chrono_literals;
using ::testing::Contains;
using ::testing::Each;
using ::testing::ElementsAre;

// The shell with fake windows and timers, a memory registry and settings, and no Firefox.
struct ShellRun {
    ShellRun() { interfaces.set(50'000, 20'000); }

    Shell& shell() {
        if (!shell_) {
            shell_ = std::make_unique<Shell>(
                ShellParts{{registry, settings, prompts, pump, locations, clock}, interfaces},
                frontEnd);
            shell_->setNumberLocale({".", ","});
        }
        return *shell_;
    }
    shell_testing::FakeTimer& timer2() { return *frontEnd.timers.at(0); }
    shell_testing::FakeTimer& timer1() { return *frontEnd.timers.at(1); }
    shell_testing::FakeMainWindow& window() { return *frontEnd.mainWindow; }
    bool visible(const char* element) { return shell().model().controls().visible(element); }

    MemoryRegistryBackend registry;
    testing::RecordingSettingsStorage settings;
    testing::FakePrompts prompts;
    testing::FakeEventPump pump;
    testing::FakeLocations locations;
    monitor_testing::FakeClock clock;
    monitor_testing::FakeTableSource interfaces;
    shell_testing::FakeFrontEnd frontEnd;
    std::unique_ptr<Shell> shell_;
};

TEST(Shell, StartShowsTheSplashAndStartsBothTimersWithNothingElseMade) {
    ShellRun run;
    run.shell().start();
    EXPECT_THAT(run.frontEnd.log, ElementsAre("splash created", "splash shown"));
    EXPECT_TRUE(run.timer2().isActive());
    EXPECT_TRUE(run.timer2().repeating);
    EXPECT_EQ(run.timer2().interval, 100ms);
    EXPECT_TRUE(run.timer1().isActive());
    EXPECT_FALSE(run.timer1().repeating);
    EXPECT_EQ(run.timer1().interval, 4000ms);
    EXPECT_EQ(run.shell().mainWindow(), nullptr);
    EXPECT_TRUE(run.shell().splashLoaded());
}

TEST(Shell, FirstTimer2TickCreatesAndLoadsTheMainWindowHiddenThenFeedsZeros) {
    ShellRun run;
    run.shell().start();
    run.timer2().fire();
    EXPECT_THAT(run.frontEnd.log,
                ElementsAre("splash created", "splash shown", "main created", "icon", "refresh"));
    EXPECT_TRUE(run.shell().mainWindowLoaded());
    EXPECT_FALSE(run.window().shown);
    EXPECT_NE(run.shell().meter(), nullptr);
    EXPECT_TRUE(run.visible(frame::kBackground));
    // The restore ran: a fresh store gives the default connection.
    EXPECT_EQ(run.shell().model().controls().listText("Combo3"),
              "Restore Windows Default Settings");
    EXPECT_EQ(run.window().graph1.samples, std::vector<std::int32_t>(200, 0));
    EXPECT_EQ(run.window().graph2.samples, std::vector<std::int32_t>(200, 0));
    EXPECT_EQ(run.pump.runs, 200);

    // Every tick feeds again; the window is made once.
    run.timer2().fire();
    EXPECT_EQ(run.window().graph1.samples.size(), 400u);
    EXPECT_EQ(std::count(run.frontEnd.log.begin(), run.frontEnd.log.end(), "main created"), 1);
}

TEST(Shell, Timer1ShowsTheLoadedMainWindowThenUnloadsTheSplashAndItsTimers) {
    ShellRun run;
    run.shell().start();
    run.timer2().fire();
    run.frontEnd.log.clear();
    run.timer1().fire();
    EXPECT_THAT(run.frontEnd.log, ElementsAre("main shown", "splash closed"));
    EXPECT_FALSE(run.timer1().isActive());
    EXPECT_FALSE(run.timer2().isActive());
    EXPECT_FALSE(run.shell().splashLoaded());
    // A graph shown for the first time holds zeros only.
    EXPECT_THAT(run.window().graph1.samples, Each(0));
}

TEST(Shell, Timer1BeforeAnyTimer2TickCreatesAndLoadsFirst) {
    ShellRun run;
    run.shell().start();
    run.timer1().fire();
    EXPECT_THAT(run.frontEnd.log, ElementsAre("splash created", "splash shown", "main created",
                                              "icon", "refresh", "main shown", "splash closed"));
    EXPECT_TRUE(run.shell().mainWindowLoaded());
}

TEST(Shell, Timer1InsideTheZeroLoopLetsTheLoopFinish) {
    ShellRun run;
    run.shell().start();
    run.pump.onProcess = [&] {
        if (run.pump.runs == 50) run.timer1().fire();
    };
    run.timer2().fire();
    EXPECT_TRUE(run.window().shown);
    EXPECT_FALSE(run.shell().splashLoaded());
    EXPECT_EQ(run.window().graph1.samples.size(), 200u);
    EXPECT_EQ(run.window().graph2.samples.size(), 200u);
    // The splash unloaded: no further ticks.
    run.timer2().fire();
    EXPECT_EQ(run.window().graph1.samples.size(), 200u);
}

TEST(Shell, AFailingLoadStepIsSkippedAndTheRestRuns) {
    ShellRun run;
    run.frontEnd.iconFails = true;
    run.shell().start();
    run.timer2().fire();
    EXPECT_TRUE(run.shell().mainWindowLoaded());
    EXPECT_TRUE(run.visible(frame::kBackground));
    EXPECT_NE(run.shell().ipHelper(), nullptr);
    EXPECT_THAT(run.frontEnd.log, Contains("refresh"));
}

// The undo commands are wired in the shell, once for both front ends: the window is given its
// menu while it loads, and each item runs its command.
TEST(Shell, OfferedUndoCommandsReachTheWindowsMenuAndEachItemRunsItsCommand) {
    ShellRun run;
    testing::TempDir temp;
    const undo::RecordStore records(temp.path() / "records");
    undo::UndoCommands undo(run.shell().commands(), records);
    run.shell().offerUndo(undo);
    run.shell().start();
    run.timer2().fire();
    EXPECT_EQ(std::count(run.frontEnd.log.begin(), run.frontEnd.log.end(), "undo menu"), 1);
    const UndoMenuActions& menu = run.window().undoMenu;

    menu.openRecordsFolder();
    EXPECT_EQ(run.frontEnd.opened, std::vector<std::filesystem::path>{undo.recordsFolder()});
    EXPECT_TRUE(std::filesystem::is_directory(undo.recordsFolder()));
    // No record yet: each put-back command says so in a box; the check reads and reports.
    for (const auto& item :
         {menu.undoLastChange, menu.restoreOriginalSettings, menu.checkAppliedValues}) {
        const std::size_t before = run.prompts.shown.size();
        item();
        EXPECT_EQ(run.prompts.shown.size(), before + 1);
    }
}

TEST(Shell, AWindowOfAShellWithoutUndoCommandsGetsNoUndoMenu) {
    ShellRun run;
    run.shell().start();
    run.timer2().fire();
    EXPECT_THAT(run.frontEnd.log, ::testing::Not(Contains("undo menu")));
}

TEST(Shell, TheLoadRestoresTheStoredChoices) {
    ShellRun run;
    run.settings.write("Values", "Connection", "DSL Or Cable Modem (16 Megabit And Up)");
    run.settings.write("Firefox", "3", "True");
    run.settings.write("Firefox", "4", "False");
    run.shell().start();
    run.timer2().fire();
    const ControlModel& controls = run.shell().model().controls();
    EXPECT_TRUE(controls.option("Option13"));
    EXPECT_EQ(run.shell().model().state().Mtu, 1492);
    EXPECT_TRUE(controls.visible(firefox::kOptimizedLabel));
    EXPECT_FALSE(controls.visible(firefox::kDefaultLabel));
}

TEST(Shell, ClosingTheMainWindowUnloadsALoadedSplashOnceAndSavesNothing) {
    ShellRun run;
    run.shell().start();
    run.timer2().fire();
    run.frontEnd.log.clear();
    run.shell().window().windowClosed();
    run.shell().window().windowClosed();
    EXPECT_THAT(run.frontEnd.log, ElementsAre("splash closed"));
    EXPECT_FALSE(run.timer1().isActive());
    EXPECT_TRUE(run.settings.log.empty());
}

TEST(Shell, OpenMonitorRunsTheMeterEachSecondAndBackStopsItAndFlattensTheGraphs) {
    ShellRun run;
    run.clock.advance(990ms);
    run.shell().start();
    run.timer1().fire();
    MainWindowCommands& window = run.shell().window();
    window.openMonitor();
    ASSERT_NE(run.shell().meterPace(), nullptr);
    EXPECT_TRUE(run.shell().meterPace()->isActive());
    shell_testing::FakeTimer& pace = *run.frontEnd.timers.at(2);
    pace.fire();
    EXPECT_EQ(run.interfaces.reads, 1);
    run.clock.advance(1000ms);
    pace.fire();
    EXPECT_EQ(run.interfaces.reads, 2);
    const std::size_t before = run.window().graph1.samples.size();

    window.backFromMonitor();
    EXPECT_FALSE(run.shell().meterPace()->isActive());
    EXPECT_FALSE(run.shell().meter()->Running());
    EXPECT_EQ(window.currentPage(), frame::kHomePage);
    EXPECT_FALSE(run.visible(frame::kBackButton));
    EXPECT_EQ(run.window().graph1.samples.size(), before + 200);
    EXPECT_EQ(run.window().graph2.samples.size(), run.window().graph1.samples.size());
    EXPECT_THAT(std::vector<std::int32_t>(run.window().graph1.samples.end() - 200,
                                          run.window().graph1.samples.end()),
                Each(0));
}

TEST(Shell, APageClickedDuringBackFromMonitorIsShownAtOnceAndTheLoopGoesOn) {
    ShellRun run;
    run.shell().start();
    run.timer1().fire();
    MainWindowCommands& window = run.shell().window();
    window.openMonitor();
    const std::size_t before = run.window().graph2.samples.size();
    int pumps = 0;
    std::string pageDuringLoop;
    run.pump.onProcess = [&] {
        if (++pumps == 10) {
            window.showAdvancedSettings();
            pageDuringLoop = window.currentPage();
        }
    };
    window.backFromMonitor();
    EXPECT_EQ(pageDuringLoop, frame::kAdvancedPage);
    EXPECT_EQ(window.currentPage(), frame::kAdvancedPage);
    EXPECT_EQ(run.window().graph2.samples.size(), before + 200);
}

TEST(Shell, TheFirefoxPageShowsBothPreferenceTextsAndItsButtonsRunTheCommands) {
    ShellRun run;
    const ControlModel& controls = run.shell().model().controls();
    EXPECT_NE(controls.text(firefox::kOptimizedText).find("user_pref"), std::string::npos);
    EXPECT_NE(controls.text(firefox::kDefaultText).find("user_pref"), std::string::npos);
    EXPECT_EQ(controls.text(firefox::kOptimizedText).find('\r'), std::string::npos);

    // With no Firefox profile the button says so and the page stays as it is.
    run.shell().window().click(firefox::kEnableButton);
    EXPECT_FALSE(controls.visible(firefox::kOptimizedLabel));
    ASSERT_EQ(run.prompts.shown.size(), 1u);
    EXPECT_EQ(run.prompts.shown[0].text, "No Firefox profile was found, so Firefox was not tuned.");
    EXPECT_EQ(run.settings.value("Firefox", "3"), "<missing>");

    testing::TempDir appdata;
    std::filesystem::create_directories(appdata.path() / "Mozilla" / "Firefox" / "Profiles" / "p");
    run.locations.variables = {{"APPDATA", appdata.path().string()}};
    run.shell().window().click(firefox::kEnableButton);
    EXPECT_TRUE(controls.visible(firefox::kOptimizedLabel));
    EXPECT_EQ(run.settings.value("Firefox", "3"), "True");
    run.shell().window().click(firefox::kDisableButton);
    EXPECT_TRUE(controls.visible(firefox::kDefaultLabel));
    EXPECT_EQ(run.settings.value("Firefox", "3"), "False");
}

}  // namespace
}  // namespace quorvex
