// The main window as a view: created hidden and driven with window messages, it shows the window
// model and reports clicks, pointer movement and keys by element name.
#include "win32/form1_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "model/firefox_elements.h"
#include "model/frame_description.h"
#include "model/frame_elements.h"
#include "model/monitor_description.h"
#include "model/monitor_elements.h"
#include "model/settings_description.h"
#include "model/window_model.h"
#include "tuning/connection_catalogue.h"
#include "win32/dpi.h"
#include "win32/dropdown_ctrl.h"
#include "win32/picture_ctrl.h"
#include "win32/push_button_ctrl.h"
#include "win32/radio_ctrl.h"
#include "win32/text_ctrl.h"

#include "win32/form1_window_fixture.h"

namespace quorvex::win32 {
namespace {

TEST_F(Form1WindowTest, IsAFixedWindowCaptionedQuorvexWithAMinimiseButtonOnly) {
    ASSERT_TRUE(created);
    EXPECT_EQ(window->text(), "Quorvex");
    const LONG_PTR style = GetWindowLongPtrW(window->hwnd(), GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_TRUE(style & WS_CAPTION);
    RECT client;
    GetClientRect(window->hwnd(), &client);
    EXPECT_EQ(client.right, scaled(498, window->dpi()));
    EXPECT_EQ(client.bottom, scaled(607, window->dpi()));
    EXPECT_FALSE(IsWindowVisible(window->hwnd()));
}

TEST_F(Form1WindowTest, HoldsEveryNamedElementAndShowsTheHomePageAlone) {
    window->buildEveryPage();
    for (const char* name : {frame::kBackground,
                             frame::kHomeButton,
                             frame::kApplyResting,
                             frame::kApplyButton,
                             frame::kMonitorButton,
                             frame::kMonitorResting,
                             frame::kBackButton,
                             frame::kBackResting,
                             frame::kLanHeader,
                             frame::kAdvancedHeader,
                             frame::kInternetHeader,
                             frame::kExplorerHeader,
                             frame::kFirefoxHeader,
                             frame::kBottomStrip,
                             frame::kHomePage,
                             frame::kInternetPage,
                             frame::kAdvancedPage,
                             frame::kLanPage,
                             frame::kExplorerPage,
                             frame::kFirefoxPage,
                             frame::kMonitorPage,
                             "Combo3",
                             "QOS",
                             "Combo1",
                             "Combo2",
                             firefox::kOptimizedText,
                             firefox::kDefaultText,
                             firefox::kOptimizedLabel,
                             firefox::kDefaultLabel,
                             firefox::kEnableButton,
                             firefox::kDisableButton,
                             monitor_page::kDownloadGraph,
                             monitor_page::kUploadGraph,
                             monitor_page::kDownloadShareBar,
                             monitor_page::kUploadShareBar,
                             monitor_page::kDownloadedVolume,
                             monitor_page::kBestConnection,
                             monitor_page::kDownloadSpeed,
                             monitor_page::kBestUpload})
        EXPECT_NE(handle(name), nullptr) << name;
    for (const auto& entry : connectionCatalogue())
        EXPECT_NE(handle(std::string(entry.optionControl)), nullptr) << entry.optionControl;
    EXPECT_EQ(window->currentPage(), frame::kHomePage);
    for (const char* header : {frame::kLanHeader, frame::kAdvancedHeader, frame::kInternetHeader,
                               frame::kExplorerHeader, frame::kFirefoxHeader})
        EXPECT_FALSE(shown(header)) << header;
    EXPECT_FALSE(shown(frame::kBackButton));
    EXPECT_FALSE(shown(frame::kBackResting));
}

TEST_F(Form1WindowTest, StacksPagesAboveTheWindowAndRestingPicturesAboveCommands) {
    const HWND form = window->hwnd();
    model.controls().setVisible(frame::kBackground, true);  // as the load does
    // A page over the background picture; the home button over the page headers.
    EXPECT_EQ(topmostAt(form, 100, 200), handle(frame::kHomePage));
    EXPECT_EQ(topmostAt(form, 5, 5), handle(frame::kBackground));
    // The home button lies under the home page; a settings page leaves it free, over its header.
    EXPECT_EQ(topmostAt(form, 450, 175), handle(frame::kHomePage));
    model.controls().setVisible(frame::kHomePage, false);
    model.controls().setVisible(frame::kInternetPage, true);
    model.controls().setVisible(frame::kInternetHeader, true);
    EXPECT_EQ(topmostAt(form, 450, 175), handle(frame::kHomeButton));
    EXPECT_EQ(topmostAt(form, 100, 200), handle(frame::kInternetHeader));
    EXPECT_EQ(topmostAt(form, 100, 300), handle(frame::kInternetPage));
    // The resting pictures lie over the pictures that take the click.
    EXPECT_EQ(topmostAt(handle(frame::kHomePage), 8 + 40, 144 + 40),
              handle(frame::kInternetIconResting));
    EXPECT_EQ(topmostAt(form, 100, 500), handle(frame::kApplyResting));
    EXPECT_EQ(topmostAt(form, 100, 560), handle(frame::kMonitorResting));
    model.controls().setVisible(frame::kBackResting, true);
    EXPECT_EQ(topmostAt(form, 100, 560), handle(frame::kBackResting));
    // The bottom strip over the background.
    EXPECT_EQ(topmostAt(form, 100, 596), handle(frame::kBottomStrip));
}

TEST_F(Form1WindowTest, ReportsPointerMovementByElement) {
    for (const char* name :
         {frame::kInternetIconResting, frame::kAutomaticIconResting, frame::kApplyResting,
          frame::kMonitorResting, frame::kBackResting, frame::kHomePage, frame::kInternetPage,
          frame::kMonitorPage, frame::kBottomStrip, frame::kBackground})
        SendMessageW(handle(name), WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
    EXPECT_EQ(hovers, (std::vector<std::string>{
                          frame::kInternetIconResting, frame::kAutomaticIconResting,
                          frame::kApplyResting, frame::kMonitorResting, frame::kBackResting,
                          frame::kHomePage, frame::kInternetPage, frame::kMonitorPage,
                          frame::kBottomStrip, frame::kBackground}));
}

TEST_F(Form1WindowTest, ClicksOnCommandPicturesAndButtonsAreReportedOthersAreNot) {
    // On the home page: its icons and the bottom band. The home button lies under the page, the
    // back button is hidden, the push buttons stand on a hidden page.
    for (const char* name :
         {frame::kInternetIcon, frame::kAdvancedIcon, frame::kLanIcon, frame::kFirefoxIcon,
          frame::kExplorerIcon, frame::kAutomaticIcon, frame::kHomeButton, frame::kApplyButton,
          frame::kMonitorButton, frame::kBackButton, firefox::kEnableButton})
        click(name);
    click(frame::kInternetIconResting);  // a resting picture
    click(frame::kInternetHeader);       // a page header
    showPage(frame::kFirefoxPage, frame::kFirefoxHeader);
    // The model keeps one of the two push buttons disabled; both are enabled here.
    EnableWindow(handle(firefox::kDisableButton), TRUE);
    EnableWindow(handle(firefox::kEnableButton), TRUE);
    for (const char* name : {frame::kHomeButton, firefox::kEnableButton, firefox::kDisableButton,
                             frame::kInternetIcon})
        click(name);
    EnableWindow(handle(firefox::kEnableButton), FALSE);
    click(firefox::kEnableButton);  // a disabled button
    EXPECT_EQ(commands, (std::vector<std::string>{
                            frame::kInternetIcon, frame::kAdvancedIcon, frame::kLanIcon,
                            frame::kFirefoxIcon, frame::kExplorerIcon, frame::kAutomaticIcon,
                            frame::kApplyButton, frame::kMonitorButton, frame::kHomeButton,
                            firefox::kEnableButton, firefox::kDisableButton}));
}

TEST_F(Form1WindowTest, EnterOrSpaceRunsTheCommandOfTheFocusedPicture) {
    key(frame::kAutomaticIconResting, VK_RETURN);  // resting: runs the picture under it
    key(frame::kInternetIconResting, VK_SPACE);
    key(frame::kApplyButton, VK_RETURN);
    key(frame::kMonitorResting, VK_SPACE);
    key(frame::kInternetIcon, 'A');  // other keys do nothing
    showPage(frame::kFirefoxPage, frame::kFirefoxHeader);
    EnableWindow(handle(firefox::kEnableButton), TRUE);
    key(firefox::kEnableButton, VK_RETURN);  // a push button: Enter does not click it...
    key(firefox::kEnableButton, VK_SPACE);   // ...Space does, when it is released
    SendMessageW(handle(firefox::kEnableButton), WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(commands, (std::vector<std::string>{frame::kAutomaticIcon, frame::kInternetIcon,
                                                  frame::kApplyButton, frame::kMonitorButton,
                                                  firefox::kEnableButton}));
}

TEST_F(Form1WindowTest, EveryCommandHasAnAccessibleNameOnBothItsPictures) {
    window->buildEveryPage();
    struct Named {
        const char* element;
        const char* name;
    };
    for (const Named& n :
         {Named{frame::kInternetIcon, "Internet Settings"},
          Named{frame::kInternetIconResting, "Internet Settings"},
          Named{frame::kAutomaticIcon, "Everything Automatically"},
          Named{frame::kAutomaticIconResting, "Everything Automatically"},
          Named{frame::kHomeButton, "Home"}, Named{frame::kApplyButton, "Apply Settings"},
          Named{frame::kApplyResting, "Apply Settings"},
          Named{frame::kMonitorButton, "Open Traffic Monitor"},
          Named{frame::kBackButton, "Back To Main Menu"},
          Named{firefox::kEnableButton, "Enable Optimized Configuration"},
          Named{firefox::kDisableButton, "Disable Optimized Configuration"}})
        EXPECT_EQ(window->element(n.element)->text(), n.name) << n.element;
}

// Which commands each page lets run, by keys as by the pointer: one tab stop each, on the picture
// that shows; the rest neither stop nor run.
TEST_F(Form1WindowTest, OnlyTheCommandsAPageLeavesInSightAreTabStopsAndRun) {
    struct Row {
        const char* page;
        const char* header;
        std::vector<std::string> reachable;
    };
    const std::vector<std::string> homeIcons{frame::kInternetIcon, frame::kAdvancedIcon,
                                             frame::kLanIcon,      frame::kFirefoxIcon,
                                             frame::kExplorerIcon, frame::kAutomaticIcon};
    std::vector<std::string> home = homeIcons;
    home.insert(home.end(), {frame::kApplyButton, frame::kMonitorButton});
    const Row rows[] = {
        {frame::kHomePage, nullptr, home},
        {frame::kInternetPage,
         frame::kInternetHeader,
         {frame::kHomeButton, frame::kApplyButton, frame::kMonitorButton}},
        {frame::kFirefoxPage,
         frame::kFirefoxHeader,
         {frame::kHomeButton, frame::kApplyButton, frame::kMonitorButton, firefox::kEnableButton}},
        {frame::kMonitorPage, nullptr, {frame::kBackButton}},
    };
    std::vector<std::string> all = homeIcons;
    all.insert(all.end(), {frame::kHomeButton, frame::kApplyButton, frame::kMonitorButton,
                           frame::kBackButton, firefox::kEnableButton, firefox::kDisableButton});
    for (const Row& row : rows) {
        SCOPED_TRACE(row.page);
        showPage(row.page, row.header);
        std::vector<std::string> reachable;
        for (const std::string& name : all)
            if (window->commandReachable(name)) reachable.push_back(name);
        EXPECT_EQ(reachable, row.reachable);
        // Tab stops: one per command that runs, on its resting picture while that shows.
        int pictureStops = 0;
        std::vector<frame::HoverPair> pairs(frame::kHomeIcons.begin(), frame::kHomeIcons.end());
        pairs.insert(pairs.end(), frame::kButtons.begin(), frame::kButtons.end());
        for (const auto& pair : pairs) {
            const bool restingStop = tabStop(pair.resting);
            const bool commandStop = tabStop(pair.highlighted);
            const bool runs = window->commandReachable(pair.highlighted);
            if (std::string_view(pair.resting) == pair.highlighted) {
                EXPECT_EQ(commandStop, runs) << pair.highlighted;
                pictureStops += commandStop;
            } else {
                EXPECT_EQ(restingStop, runs && shown(pair.resting)) << pair.resting;
                EXPECT_EQ(commandStop, runs && !shown(pair.resting)) << pair.highlighted;
                pictureStops += restingStop + commandStop;
            }
        }
        EXPECT_EQ(pictureStops,
                  std::count_if(row.reachable.begin(), row.reachable.end(),
                                [](const std::string& n) { return n.rfind("Image", 0) == 0; }));
        // Enter on every command picture, shown or not: only those in sight run.
        commands.clear();
        for (const auto& pair : pairs) key(pair.highlighted, VK_RETURN);
        for (const std::string& name : commands)
            EXPECT_NE(std::find(row.reachable.begin(), row.reachable.end(), name),
                      row.reachable.end())
                << name;
        commands.clear();
    }
}

TEST_F(Form1WindowTest, ListsAndOptionsFollowTheModelBothWays) {
    window->buildEveryPage();
    auto& combo = static_cast<DropDownCtrl&>(*window->element("Combo3"));
    ASSERT_EQ(combo.count(), static_cast<int>(model.controls().listEntries("Combo3").size()));
    const ConnectionType& dsl = connectionType(ConnectionKind::Dsl16M);

    // The model's change shows in the list and the option button.
    model.controls().setListText("Combo3", std::string(dsl.fullName));
    EXPECT_EQ(combo.itemText(combo.currentIndex()), dsl.fullName);
    auto& option = static_cast<RadioCtrl&>(*window->element(std::string(dsl.optionControl)));
    EXPECT_TRUE(option.isChecked());

    // A pick in the list goes to the model.
    const ConnectionType& gprs = connectionType(ConnectionKind::WirelessGprs);
    const int index = static_cast<int>(
        SendMessageW(combo.hwnd(), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(wide(std::string(gprs.fullName)).c_str())));
    ASSERT_GE(index, 0);
    SendMessageW(combo.hwnd(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(GetParent(combo.hwnd()), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo.hwnd()));
    EXPECT_EQ(model.controls().listText("Combo3"), gprs.fullName);
    EXPECT_FALSE(option.isChecked());

    // A click on an option button goes to the model, which updates the list.
    auto& dslOption = static_cast<RadioCtrl&>(*window->element(std::string(dsl.optionControl)));
    SendMessageW(dslOption.hwnd(), BM_CLICK, 0, 0);
    EXPECT_TRUE(model.controls().option(std::string(dsl.optionControl)));
    EXPECT_EQ(model.controls().listText("Combo3"), dsl.fullName);
    EXPECT_TRUE(dslOption.isChecked());
}

// Only the home and monitor pages are made with the window: the settings pages' many controls
// come when a page first shows, and show what the model says then.
TEST_F(Form1WindowTest, ASettingsPageIsMadeWhenItFirstShowsInTheModelsState) {
    const char* const settings[] = {frame::kInternetPage, frame::kAdvancedPage, frame::kLanPage,
                                    frame::kExplorerPage, frame::kFirefoxPage};
    for (const char* page : settings) EXPECT_EQ(GetWindow(handle(page), GW_CHILD), nullptr) << page;
    EXPECT_EQ(window->element(firefox::kEnableButton), nullptr);
    EXPECT_FALSE(window->commandReachable(firefox::kEnableButton));
    const LRESULT tipsBefore = SendMessageW(window->tooltips(), TTM_GETTOOLCOUNT, 0, 0);

    // The model changes while the pages are not made.
    const ConnectionType& dsl = connectionType(ConnectionKind::Dsl16M);
    const std::string dslOption(dsl.optionControl);
    model.controls().setOption(dslOption, true);
    model.controls().setEnabled(firefox::kEnableButton, false);
    model.controls().setText(firefox::kOptimizedText, "a\nb");

    showPage(frame::kInternetPage, frame::kInternetHeader);
    ASSERT_NE(window->element(dslOption), nullptr);
    EXPECT_TRUE(static_cast<RadioCtrl&>(*window->element(dslOption)).isChecked());
    EXPECT_EQ(GetParent(handle(dslOption)), handle(frame::kInternetPage));
    showPage(frame::kAdvancedPage, frame::kAdvancedHeader);
    ASSERT_NE(window->element(names::kRwinValue), nullptr);
    EXPECT_EQ(window->element(names::kRwinValue)->text(), model.controls().text(names::kRwinValue));
    showPage(frame::kFirefoxPage, frame::kFirefoxHeader);
    ASSERT_NE(window->element(firefox::kEnableButton), nullptr);
    EXPECT_FALSE(window->element(firefox::kEnableButton)->isEnabled());
    EXPECT_EQ(static_cast<TextCtrl&>(*window->element(firefox::kOptimizedText)).contents(),
              "a\r\nb");
    EXPECT_EQ(SendMessageW(window->tooltips(), TTM_GETTOOLCOUNT, 0, 0),
              tipsBefore + static_cast<LRESULT>(layout::kFirefoxButtons.size()));

    // Shown again, a page keeps the controls it was made with; later changes still reach them.
    const HWND option = handle(dslOption);
    showPage(frame::kHomePage, nullptr);
    showPage(frame::kInternetPage, frame::kInternetHeader);
    EXPECT_EQ(handle(dslOption), option);
    model.controls().setOption(
        std::string(connectionType(ConnectionKind::WirelessGprs).optionControl), true);
    EXPECT_FALSE(static_cast<RadioCtrl&>(*window->element(dslOption)).isChecked());
    // Building what is left makes each page once.
    int children = 0;
    for (HWND c = GetWindow(handle(frame::kInternetPage), GW_CHILD); c;
         c = GetWindow(c, GW_HWNDNEXT))
        ++children;
    window->buildEveryPage();
    int after = 0;
    for (HWND c = GetWindow(handle(frame::kInternetPage), GW_CHILD); c;
         c = GetWindow(c, GW_HWNDNEXT))
        ++after;
    EXPECT_EQ(after, children);
    for (const char* page : settings) EXPECT_NE(GetWindow(handle(page), GW_CHILD), nullptr) << page;
}

// The monitor's graphs and bars are made with the window, for the samples fed from the start;
// its captions and figures when it first shows, stacked above the graphs and bars as ever.
TEST_F(Form1WindowTest, TheMonitorsTextsComeWhenItShowsAboveItsGraphsAndBars) {
    const HWND page = handle(frame::kMonitorPage);
    ASSERT_NE(handle(monitor_page::kDownloadGraph), nullptr);
    EXPECT_EQ(handle(monitor_page::kDownloadedVolume), nullptr);
    showPage(frame::kMonitorPage, nullptr);
    ASSERT_NE(handle(monitor_page::kDownloadedVolume), nullptr);
    int labels = 0;
    bool graphOrBarSeen = false;
    for (HWND c = GetWindow(page, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        wchar_t kind[64] = {};
        GetClassNameW(c, kind, static_cast<int>(std::size(kind)));
        const std::wstring_view name = kind;
        if (name.ends_with(L"Static")) {
            ++labels;
            EXPECT_FALSE(graphOrBarSeen) << "a caption below a graph or bar";
        }
        if (name == L"QuorvexHistogram" || name == L"QuorvexProgressBar") graphOrBarSeen = true;
    }
    EXPECT_EQ(labels, static_cast<int>(layout::kMonitorTexts.size()));
    EXPECT_EQ(GetWindow(GetWindow(page, GW_CHILD), GW_HWNDLAST), window->bar(4).hwnd());
}

TEST_F(Form1WindowTest, VisibleEnabledAndTextFlagsOfTheModelAreShown) {
    model.controls().setVisible(frame::kHomePage, false);
    model.controls().setVisible(frame::kFirefoxPage, true);
    EXPECT_EQ(window->currentPage(), frame::kFirefoxPage);
    model.controls().setEnabled(firefox::kEnableButton, false);
    EXPECT_FALSE(window->element(firefox::kEnableButton)->isEnabled());
    // A figure announced before its page was made shows once it is, and follows later ones.
    model.controls().setText(monitor_page::kDownloadedVolume, "1.50 MBs");
    showPage(frame::kMonitorPage, nullptr);
    EXPECT_EQ(window->element(monitor_page::kDownloadedVolume)->text(), "1.50 MBs");
    model.controls().setText(monitor_page::kDownloadedVolume, "2.25 MBs");
    EXPECT_EQ(window->element(monitor_page::kDownloadedVolume)->text(), "2.25 MBs");
    model.controls().setText(firefox::kOptimizedText, "a\nb");
    EXPECT_EQ(static_cast<TextCtrl&>(*window->element(firefox::kOptimizedText)).contents(),
              "a\r\nb");
}

TEST_F(Form1WindowTest, GraphsAndBarsTakeTheMetersFigures) {
    auto& graph = static_cast<HistogramCtrl&>(window->histogram(1));
    graph.NextPoint(0);
    graph.NextPoint(50);
    EXPECT_EQ(graph.sampleCount(), 2u);
    EXPECT_GT(graph.graph().drawCount(), 0u);
    EXPECT_EQ(&window->histogram(7), &window->histogram(2));
    EXPECT_TRUE(window->progressBar(1).setValue(40));
    EXPECT_EQ(window->bar(1).value(), 40);
    // A value whose hundredfold does not fit is refused; the bar keeps its figure.
    EXPECT_FALSE(window->progressBar(1).setValue(INT32_MAX));
    EXPECT_EQ(window->bar(1).value(), 40);
    EXPECT_EQ(&window->progressBar(9), &window->progressBar(4));
}

TEST_F(Form1WindowTest, CommandPicturesAndTheFirefoxButtonsShowTheirCaptionAsATip) {
    ASSERT_NE(window->tooltips(), nullptr);
    auto tipOf = [this](const std::string& name) {
        wchar_t text[128] = {};
        TTTOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.hwnd = window->hwnd();
        tool.uId = reinterpret_cast<UINT_PTR>(handle(name));
        tool.lpszText = text;
        SendMessageW(window->tooltips(), TTM_GETTEXTW, std::size(text),
                     reinterpret_cast<LPARAM>(&tool));
        return utf8(text);
    };
    int tips = 0;
    for (const layout::Picture& p : layout::kWindowPictures) {
        if (!p.command) continue;
        EXPECT_EQ(tipOf(p.name), p.command) << p.name;
        ++tips;
    }
    for (const auto& pair : frame::kButtons) {
        if (std::string_view(pair.resting) == pair.highlighted) continue;
        EXPECT_EQ(tipOf(pair.resting), tipOf(pair.highlighted)) << pair.resting;
        ++tips;
    }
    for (const layout::HomeIcon& icon : layout::kHomeIconTable) {
        EXPECT_EQ(tipOf(icon.highlighted), icon.caption);
        EXPECT_EQ(tipOf(icon.resting), icon.caption);
        tips += 2;
    }
    // The push buttons are made, with their tips, when their page first shows.
    showPage(frame::kFirefoxPage, frame::kFirefoxHeader);
    for (const layout::Button& b : layout::kFirefoxButtons) {
        EXPECT_EQ(tipOf(b.name), b.caption);
        ++tips;
    }
    // Nothing else has a tip: not the background, the headers or the bottom strip.
    EXPECT_EQ(SendMessageW(window->tooltips(), TTM_GETTOOLCOUNT, 0, 0), tips);
    EXPECT_EQ(tipOf(frame::kBackground), "");
}

TEST_F(Form1WindowTest, TheFocusStaysOnACommandWhoseRestingPictureThePointerMoves) {
    ShowWindow(window->hwnd(), SW_SHOWNA);
    settle();
    for (const auto& pair : {frame::kHomeIcons[0], frame::kButtons[0]}) {
        SetFocus(handle(pair.resting));
        ASSERT_EQ(GetFocus(), handle(pair.resting));
        model.controls().setVisible(pair.resting, false);  // as hovering it does
        settle();
        EXPECT_EQ(GetFocus(), handle(pair.highlighted)) << pair.resting;
        EXPECT_TRUE(tabStop(pair.highlighted)) << pair.highlighted;
        model.controls().setVisible(pair.resting, true);
        settle();
    }
}

TEST_F(Form1WindowTest, TabLeavesThePreferenceTextAndTheFocusOutlivesADisabledButton) {
    ShowWindow(window->hwnd(), SW_SHOWNA);
    showPage(frame::kFirefoxPage, frame::kFirefoxHeader);
    model.controls().setVisible(firefox::kOptimizedText, true);
    auto tab = [this] {
        MSG down{GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
        IsDialogMessageW(window->hwnd(), &down);
        settle();
        return GetFocus();
    };
    SetFocus(handle(firefox::kOptimizedText));
    ASSERT_EQ(GetFocus(), handle(firefox::kOptimizedText));
    EXPECT_NE(tab(), handle(firefox::kOptimizedText)) << "Tab stays in the text";

    // The enable button disables itself when clicked: the focus goes on, and Tab still moves it.
    SetFocus(handle(firefox::kEnableButton));
    ASSERT_EQ(GetFocus(), handle(firefox::kEnableButton));
    model.controls().setEnabled(firefox::kEnableButton, false);
    model.controls().setEnabled(firefox::kDisableButton, true);
    const HWND after = GetFocus();
    EXPECT_NE(after, nullptr);
    EXPECT_NE(after, handle(firefox::kEnableButton));
    EXPECT_NE(tab(), after);
}

}  // namespace
}  // namespace quorvex::win32
