// The whole Windows program on its real windows: the shell's start-up, navigation and hover rules
// reached through window messages, and "Everything Automatically" writing through the real
// registry functions into redirected hives, with the prompts answered by a fake.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "model/firefox_elements.h"
#include "model/frame_elements.h"
#include "monitor/monitor_fakes.h"
#include "platform/win32_registry_sandbox.h"
#include "settings/win32_registry_settings_storage.h"
#include "shell/shell.h"
#include "support/command_world.h"
#include "tuning/connection_catalogue.h"
#include "tuning/win32_registry_backend.h"
#include "win32/dropdown_ctrl.h"
#include "win32/event_pump.h"
#include "win32/form1_window.h"
#include "win32/front_end.h"
#include "win32/push_button_ctrl.h"
#include "win32/splash_window.h"

namespace quorvex::win32 {
namespace {

using quorvex::monitor_testing::FakeClock;
using quorvex::monitor_testing::FakeTableSource;
using quorvex::testing::FakeLocations;
using quorvex::testing::FakePrompts;
using quorvex::testing::TempDir;
using quorvex::testing::writeFile;

std::string currentTestName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return std::string("win32.") + info->test_suite_name() + "." + info->name();
}

class Win32ProgramTest : public ::testing::Test {
  protected:
    Win32ProgramTest() {
        locations.program = temp.path() / "program";
        writeFile(locations.program / "pipeline.js", kOptimizedPreferences);
        writeFile(locations.program / "unpipeline.js", kDefaultPreferences);
        locations.variables = {{"APPDATA", (temp.path() / "appdata").string()}};
        writeFile(profiles() / "abcd.default" / "prefs.js", "// prefs");
        ShellTimings timings;
        timings.zeroFeedInterval = std::chrono::milliseconds(10);
        timings.showMainWindow = std::chrono::milliseconds(60);
        shell = std::make_unique<Shell>(
            ShellParts{{registry, settings, prompts, events, locations, clock}, interfaces},
            frontEnd, timings);
    }
    ~Win32ProgramTest() override { shell.reset(); }

    std::filesystem::path profiles() const {
        return temp.path() / "appdata" / "Mozilla" / "Firefox" / "Profiles";
    }
    // Runs window messages until `done` holds, for at most two seconds.
    bool pumpUntil(const std::function<bool()>& done) {
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (!done()) {
            if (std::chrono::steady_clock::now() > until) return false;
            events.processEvents();
            Sleep(2);
        }
        return true;
    }
    Form1Window& started() {
        shell->start();
        EXPECT_TRUE(pumpUntil([this] { return window() && IsWindowVisible(window()->hwnd()); }));
        return *window();
    }
    Form1Window* window() { return static_cast<Form1Window*>(shell->mainWindow()); }
    HWND handle(const std::string& name) { return window()->element(name)->hwnd(); }
    bool shown(const std::string& name) { return window()->element(name)->isVisible(); }
    void hover(const std::string& name) {
        SendMessageW(handle(name), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    }
    void click(const std::string& name) {
        SendMessageW(handle(name), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageW(handle(name), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }
    // The pointer as a person moves it: input through the system's own hit-testing, which
    // finds the topmost window under the point, rather than messages sent to a chosen window.
    void pointerTo(const std::string& name) {
        RECT r;
        GetWindowRect(handle(name), &r);
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dx = MulDiv((r.left + r.right) / 2, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = MulDiv((r.top + r.bottom) / 2, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
        input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        SendInput(1, &input, sizeof(input));
        settle();
    }
    void pointerClick() {
        for (const DWORD flag : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}) {
            INPUT input{};
            input.type = INPUT_MOUSE;
            input.mi.dwFlags = flag;
            SendInput(1, &input, sizeof(input));
            settle();
        }
    }
    void pressKey(WORD key) {
        for (const DWORD flag : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = key;
            input.ki.dwFlags = flag;
            SendInput(1, &input, sizeof(input));
            settle();
        }
    }
    // Runs the window messages that input has queued.
    void settle() {
        for (int i = 0; i < 10; ++i) {
            events.processEvents();
            Sleep(10);
        }
    }
    void pick(const std::string& list, std::string_view entry) {
        auto& combo = static_cast<DropDownCtrl&>(*window()->element(list));
        const int index = static_cast<int>(
            SendMessageW(combo.hwnd(), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                         reinterpret_cast<LPARAM>(wide(std::string(entry)).c_str())));
        ASSERT_GE(index, 0) << entry;
        SendMessageW(combo.hwnd(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageW(GetParent(combo.hwnd()), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo.hwnd()));
    }

    test::RegistrySandbox sandbox{currentTestName()};
    TempDir temp;
    Win32RegistryBackend registry;
    Win32RegistrySettingsStorage settings;
    FakePrompts prompts;
    Win32EventPump events;
    FakeLocations locations;
    FakeClock clock;
    FakeTableSource interfaces;
    Win32FrontEnd frontEnd{events};
    std::unique_ptr<Shell> shell;
};

TEST_F(Win32ProgramTest, TheSplashLoadsTheMainWindowHiddenThenShowsItWithFlatGraphs) {
    ASSERT_TRUE(sandbox.ready());
    shell->start();
    ASSERT_NE(shell->splash(), nullptr);
    ASSERT_TRUE(pumpUntil([this] { return window() != nullptr; }));
    EXPECT_TRUE(shell->mainWindowLoaded());
    Form1Window& form = started();
    EXPECT_TRUE(IsWindowVisible(form.hwnd()));
    EXPECT_FALSE(static_cast<SplashWnd*>(shell->splash())->isOpen());
    EXPECT_GE(form.histogram1().sampleCount(), 200u);
    EXPECT_GE(form.histogram2().sampleCount(), 200u);
    EXPECT_EQ(form.currentPage(), frame::kHomePage);
    EXPECT_TRUE(shown(frame::kBackground));
}

TEST_F(Win32ProgramTest, PointerMovementFollowsTheHoverRules) {
    ASSERT_TRUE(sandbox.ready());
    started();
    hover(frame::kInternetIconResting);
    EXPECT_FALSE(shown(frame::kInternetIconResting));
    EXPECT_TRUE(shown(frame::kInternetIcon));
    hover(frame::kApplyResting);
    EXPECT_FALSE(shown(frame::kApplyResting));
    EXPECT_TRUE(shown(frame::kMonitorResting));
    hover(frame::kMonitorResting);
    EXPECT_FALSE(shown(frame::kMonitorResting));
    EXPECT_TRUE(shown(frame::kApplyResting));
    hover(frame::kHomePage);
    EXPECT_TRUE(shown(frame::kInternetIconResting));
    EXPECT_TRUE(shown(frame::kMonitorResting));
}

// The graph as drawn now, row by row.
std::vector<std::uint32_t> graphPixels(const HistogramCtrl& graph) {
    const PixelSurface& image = graph.graph().picHist();
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < image.height(); ++y)
        pixels.insert(pixels.end(), image.row(y), image.row(y) + image.width());
    return pixels;
}

TEST_F(Win32ProgramTest, BackFromTheMonitorFlattensBothGraphs) {
    ASSERT_TRUE(sandbox.ready());
    Form1Window& form = started();
    const std::vector<std::uint32_t> flat = graphPixels(form.histogram1());
    click(frame::kMonitorButton);
    ASSERT_EQ(form.currentPage(), frame::kMonitorPage);
    // Traffic, as the meter draws it each second.
    for (int second = 0; second < 30; ++second) {
        form.histogram1().NextPoint(40 + second);
        form.histogram2().NextPoint(10 + second);
    }
    ASSERT_NE(graphPixels(form.histogram1()), flat);
    click(frame::kBackButton);
    EXPECT_EQ(form.currentPage(), frame::kHomePage);
    EXPECT_EQ(graphPixels(form.histogram1()), flat);
    EXPECT_EQ(graphPixels(form.histogram2()), graphPixels(form.histogram1()));
}

TEST_F(Win32ProgramTest, ThePointerOpensTheMonitorAndComesBack) {
    ASSERT_TRUE(sandbox.ready());
    Form1Window& form = started();
    SetForegroundWindow(form.hwnd());
    pointerTo(frame::kMonitorResting);
    pointerClick();
    ASSERT_EQ(form.currentPage(), frame::kMonitorPage);
    // Away and back onto the button that now stands there.
    pointerTo(frame::kInternetHeader);
    pointerTo(frame::kBackResting);
    EXPECT_FALSE(shown(frame::kBackResting));
    pointerClick();
    EXPECT_EQ(form.currentPage(), frame::kHomePage);
}

TEST_F(Win32ProgramTest, PictureClicksShowOnePageAtATime) {
    ASSERT_TRUE(sandbox.ready());
    Form1Window& form = started();
    struct Step {
        const char* click;
        const char* page;
        const char* header;  // shown, or empty
    };
    for (const Step& step :
         {Step{frame::kInternetIcon, frame::kInternetPage, frame::kInternetHeader},
          Step{frame::kHomeButton, frame::kHomePage, ""},
          Step{frame::kAdvancedIcon, frame::kAdvancedPage, frame::kAdvancedHeader},
          Step{frame::kHomeButton, frame::kHomePage, ""},
          Step{frame::kLanIcon, frame::kLanPage, frame::kLanHeader},
          Step{frame::kHomeButton, frame::kHomePage, ""},
          Step{frame::kExplorerIcon, frame::kExplorerPage, frame::kExplorerHeader},
          Step{frame::kHomeButton, frame::kHomePage, ""},
          Step{frame::kFirefoxIcon, frame::kFirefoxPage, frame::kFirefoxHeader},
          Step{frame::kMonitorButton, frame::kMonitorPage, ""},
          Step{frame::kBackButton, frame::kHomePage, ""},
          // Covered or hidden now: the home page covers the home button, the back button is gone.
          Step{frame::kHomeButton, frame::kHomePage, ""},
          Step{frame::kBackButton, frame::kHomePage, ""},
          Step{frame::kAdvancedIcon, frame::kAdvancedPage, frame::kAdvancedHeader},
          Step{frame::kInternetIcon, frame::kAdvancedPage, frame::kAdvancedHeader}}) {
        click(step.click);
        EXPECT_EQ(form.currentPage(), step.page) << step.click;
        if (*step.header) {
            EXPECT_TRUE(shown(step.header)) << step.click;
        }
    }
    EXPECT_FALSE(shown(frame::kBackButton));
}

TEST_F(Win32ProgramTest, ThePointerOpensEachPageThroughTheHomeIconsAndTheHomeButton) {
    ASSERT_TRUE(sandbox.ready());
    Form1Window& form = started();
    SetForegroundWindow(form.hwnd());
    for (const auto& [resting, page] :
         {std::pair{frame::kInternetIconResting, frame::kInternetPage},
          std::pair{frame::kAdvancedIconResting, frame::kAdvancedPage},
          std::pair{frame::kLanIconResting, frame::kLanPage},
          std::pair{frame::kFirefoxIconResting, frame::kFirefoxPage},
          std::pair{frame::kExplorerIconResting, frame::kExplorerPage}}) {
        pointerTo(resting);
        pointerClick();
        EXPECT_EQ(form.currentPage(), page) << resting;
        pointerTo(frame::kHomeButton);
        pointerClick();
        EXPECT_EQ(form.currentPage(), frame::kHomePage) << resting;
    }
}

TEST_F(Win32ProgramTest, EnterOnAFocusedHomeIconOpensItsPage) {
    ASSERT_TRUE(sandbox.ready());
    Form1Window& form = started();
    SetForegroundWindow(form.hwnd());
    SetFocus(handle(frame::kAdvancedIconResting));
    pressKey(VK_RETURN);  // the page changes before Enter's character arrives
    EXPECT_EQ(form.currentPage(), frame::kAdvancedPage);
    // The focus left the hidden home page, and typing on goes on working.
    EXPECT_TRUE(IsWindowVisible(GetFocus()));
    pressKey('A');
    EXPECT_EQ(form.currentPage(), frame::kAdvancedPage);
}

// Keys as a person types them, through the system's input: the push button clicks on Space's
// release, drawn pressed while Space is held and its repeats come; Enter does not click it. Then
// it disables itself and the focus goes on, so Tab keeps moving; Tab never reaches a covered
// command.
TEST_F(Win32ProgramTest, KeysOnThePushButtonsAndOnCommandsAPageCovers) {
    ASSERT_TRUE(sandbox.ready());
    Form1Window& form = started();
    SetForegroundWindow(form.hwnd());
    click(frame::kFirefoxIcon);
    ASSERT_EQ(form.currentPage(), frame::kFirefoxPage);
    ASSERT_TRUE(shown(firefox::kDefaultLabel));
    SetFocus(handle(firefox::kEnableButton));
    pressKey(VK_RETURN);
    EXPECT_TRUE(shown(firefox::kDefaultLabel)) << "Enter clicked the button";
    auto key = [this](DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = VK_SPACE;
        input.ki.dwFlags = flags;
        SendInput(1, &input, sizeof(input));
        settle();
    };
    auto& button = static_cast<PushButtonCtrl&>(*form.element(firefox::kEnableButton));
    for (int press = 0; press < 3; ++press) key(0);  // held: the system repeats the key
    EXPECT_TRUE(button.pressed());
    EXPECT_TRUE(shown(firefox::kDefaultLabel)) << "Space clicked before its release";
    key(KEYEVENTF_KEYUP);
    EXPECT_TRUE(shown(firefox::kOptimizedLabel));
    EXPECT_FALSE(button.pressed());
    const HWND focus = GetFocus();
    EXPECT_TRUE(focus && focus != button.hwnd() && IsWindowVisible(focus));
    pressKey(VK_TAB);
    EXPECT_NE(GetFocus(), focus) << "Tab does nothing";

    // The monitor covers the home and apply buttons and, with the back button, its own: Tab
    // never stops on them.
    click(frame::kMonitorButton);
    ASSERT_EQ(form.currentPage(), frame::kMonitorPage);
    for (int step = 0; step < 8; ++step) {
        pressKey(VK_TAB);
        for (const char* covered : {frame::kHomeButton, frame::kApplyButton, frame::kApplyResting,
                                    frame::kMonitorButton, frame::kMonitorResting})
            EXPECT_NE(GetFocus(), handle(covered)) << covered;
    }
    EXPECT_EQ(form.currentPage(), frame::kMonitorPage);
}

TEST_F(Win32ProgramTest, EverythingAutomaticallyWritesTheRegistryAndOffersTheRestart) {
    ASSERT_TRUE(sandbox.ready());
    started();
    const ConnectionType& dsl = connectionType(ConnectionKind::Dsl100M);
    pick("Combo3", dsl.fullName);
    hover(frame::kAutomaticIconResting);
    ASSERT_TRUE(shown(frame::kAutomaticIcon));
    click(frame::kAutomaticIcon);

    ASSERT_FALSE(prompts.shown.empty());
    EXPECT_EQ(prompts.shown.front().text,
              "Are you sure you want to proceed with Automatic Optimization?");
    EXPECT_EQ(prompts.restarts, 1);
    const HKEY lm = sandbox.localMachine();
    const HKEY cu = sandbox.currentUser();
    const auto ttl =
        test::queryValue(lm, "System\\CurrentControlSet\\Services\\VxD\\MSTCP", "DefaultTTL");
    ASSERT_TRUE(ttl.has_value());
    EXPECT_EQ(ttl->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(std::string(ttl->bytes.begin(), ttl->bytes.end()), std::string("64", 3));
    const auto http =
        test::queryValue(cu, "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings",
                         "MaxConnectionsPerServer");
    ASSERT_TRUE(http.has_value());
    EXPECT_EQ(http->type, static_cast<DWORD>(REG_DWORD));
    // The choice is kept under the program's own key.
    EXPECT_TRUE(test::keyExists(cu, "Software\\Quorvex"));
    // And Firefox got the optimized preferences.
    EXPECT_EQ(quorvex::testing::readFile(profiles() / "abcd.default" / "user.js"),
              kOptimizedPreferences);
}

// Quorvex.exe copied on its own: the enable button says so when no profile was there to
// tune and leaves the page; with a profile it copies the set compiled into the program.
TEST_F(Win32ProgramTest, TheEnableButtonTunesFirefoxFromTheProgramAloneOrSaysWhyNot) {
    ASSERT_TRUE(sandbox.ready());
    std::filesystem::remove_all(locations.program);
    std::filesystem::remove_all(profiles());
    started();
    click(frame::kFirefoxIcon);
    click(firefox::kEnableButton);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "No Firefox profile was found, so Firefox was not tuned.");
    EXPECT_EQ(prompts.shown[0].title, "Quorvex");
    EXPECT_FALSE(shown(firefox::kOptimizedLabel));
    EXPECT_TRUE(shown(firefox::kDefaultLabel));

    std::filesystem::create_directories(profiles() / "abcd.default");
    click(firefox::kEnableButton);
    EXPECT_EQ(prompts.shown.size(), 1u);
    EXPECT_TRUE(shown(firefox::kOptimizedLabel));
    EXPECT_FALSE(shown(firefox::kDefaultLabel));
    EXPECT_EQ(quorvex::testing::readFile(profiles() / "abcd.default" / "user.js"),
              kOptimizedPreferences);
}

TEST_F(Win32ProgramTest, RefusedValuesAreCountedAndNoRestartIsOffered) {
    ASSERT_TRUE(sandbox.ready());
    ASSERT_TRUE(sandbox.refuseLocalMachineWrites());
    started();
    pick("Combo3", connectionType(ConnectionKind::Dsl100M).fullName);
    hover(frame::kAutomaticIconResting);
    click(frame::kAutomaticIcon);
    EXPECT_EQ(prompts.restarts, 0);
    ASSERT_GE(prompts.shown.size(), 2u);
    EXPECT_NE(prompts.shown.back().text.find("of the 18"), std::string::npos)
        << prompts.shown.back().text;
}

}  // namespace
}  // namespace quorvex::win32
