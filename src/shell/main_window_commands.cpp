#include "shell/main_window_commands.h"

#include "model/firefox_elements.h"
#include "model/frame_elements.h"
#include "tuning/command_context.h"
#include "tuning/control_model.h"

namespace quorvex {

MainWindowCommands::MainWindowCommands(ControlModel& controls, MainWindowActions actions)
    : controls_(controls), actions_(std::move(actions)) {
    using namespace frame;
    for (const char* name : {kBottomStrip, kHomeButton, kApplyResting, kApplyButton,
                             kMonitorResting, kMonitorButton, kHomePage})
        controls_.setVisible(name, true);
    // The background shows from the load on.
    for (const char* name : {kBackResting, kBackButton, kBackground})
        controls_.setVisible(name, false);
    for (const char* name : kHeaders) controls_.setVisible(name, false);
    for (const char* name : kSettingsPages) controls_.setVisible(name, false);
    controls_.setVisible(kMonitorPage, false);
    for (const auto& icon : kHomeIcons) {
        controls_.setVisible(icon.resting, true);
        controls_.setVisible(icon.highlighted, true);
    }
}

void MainWindowCommands::showPage(std::string_view panel) {
    for (const char* name : frame::kPages) controls_.setVisible(name, panel == name);
}

void MainWindowCommands::showHeader(std::string_view header) {
    for (const char* name : frame::kHeaders) controls_.setVisible(name, header == name);
}

std::string MainWindowCommands::currentPage() const {
    for (const char* name : frame::kPages)
        if (controls_.visible(name)) return name;
    return {};
}

void MainWindowCommands::showInternetSettings() {
    showPage(frame::kInternetPage);
    showHeader(frame::kInternetHeader);
}

void MainWindowCommands::showAdvancedSettings() {
    showPage(frame::kAdvancedPage);
    showHeader(frame::kAdvancedHeader);
}

void MainWindowCommands::showLocalAreaNetwork() {
    showPage(frame::kLanPage);
    showHeader(frame::kLanHeader);
}

void MainWindowCommands::showInternetExplorer() {
    showPage(frame::kExplorerPage);
    showHeader(frame::kExplorerHeader);
}

void MainWindowCommands::showMozillaFirefox() {
    showPage(frame::kFirefoxPage);
    showHeader(frame::kFirefoxHeader);
    synchroniseFirefoxTexts();
}

void MainWindowCommands::synchroniseFirefoxTexts() {
    // The visible preference text follows the visible label; with both labels shown the
    // optimized text wins, with neither the texts stay as they are.
    using namespace firefox;
    if (controls_.visible(kDefaultLabel, false)) {
        controls_.setVisible(kOptimizedText, false);
        controls_.setVisible(kDefaultText, true);
    }
    if (controls_.visible(kOptimizedLabel, false)) {
        controls_.setVisible(kDefaultText, false);
        controls_.setVisible(kOptimizedText, true);
    }
}

void MainWindowCommands::showHome() {
    showPage(frame::kHomePage);
}

void MainWindowCommands::openMonitor() {
    showPage(frame::kMonitorPage);
    showHeader({});
    controls_.setVisible(frame::kBackResting, true);
    controls_.setVisible(frame::kBackButton, true);
    run(actions_.startMeter);
}

void MainWindowCommands::backFromMonitor() {
    showPage(frame::kHomePage);
    controls_.setVisible(frame::kBackButton, false);
    run(actions_.stopMeter);
    // Events run between the samples: a page clicked meanwhile is shown at once.
    run(actions_.flattenGraphs);
}

void MainWindowCommands::automaticOptimization() {
    run(actions_.automaticOptimization);
}

void MainWindowCommands::advancedApply() {
    run(actions_.advancedApply);
}

void MainWindowCommands::enableOptimizedFirefox() {
    run(actions_.enableFirefox);
}

void MainWindowCommands::disableOptimizedFirefox() {
    run(actions_.disableFirefox);
}

bool MainWindowCommands::click(std::string_view element) {
    using Command = void (MainWindowCommands::*)();
    struct Click {
        const char* element;
        Command command;
    };
    static constexpr Click kClicks[] = {
        {frame::kInternetIcon, &MainWindowCommands::showInternetSettings},
        {frame::kAdvancedIcon, &MainWindowCommands::showAdvancedSettings},
        {frame::kLanIcon, &MainWindowCommands::showLocalAreaNetwork},
        {frame::kExplorerIcon, &MainWindowCommands::showInternetExplorer},
        {frame::kFirefoxIcon, &MainWindowCommands::showMozillaFirefox},
        {frame::kAutomaticIcon, &MainWindowCommands::automaticOptimization},
        {frame::kHomeButton, &MainWindowCommands::showHome},
        {frame::kApplyButton, &MainWindowCommands::advancedApply},
        {frame::kMonitorButton, &MainWindowCommands::openMonitor},
        {frame::kBackButton, &MainWindowCommands::backFromMonitor},
        {firefox::kEnableButton, &MainWindowCommands::enableOptimizedFirefox},
        {firefox::kDisableButton, &MainWindowCommands::disableOptimizedFirefox},
    };
    for (const auto& click : kClicks) {
        if (element != click.element) continue;
        (this->*click.command)();
        return true;
    }
    return false;
}

void MainWindowCommands::showHomeRestingIcons() {
    for (const auto& icon : frame::kHomeIcons) controls_.setVisible(icon.resting, true);
}

void MainWindowCommands::showBottomResting() {
    controls_.setVisible(frame::kApplyResting, true);
    controls_.setVisible(frame::kMonitorResting, true);
}

void MainWindowCommands::pointerOver(std::string_view element) {
    using namespace frame;
    for (const auto& icon : kHomeIcons) {
        if (element != icon.resting) continue;
        // Only the apply button's resting picture comes back here, not the monitor button's.
        controls_.setVisible(icon.resting, false);
        controls_.setVisible(kApplyResting, true);
        return;
    }
    for (const char* page : kSettingsPages)
        if (element == page) return showBottomResting();

    const bool monitorShown = controls_.visible(kMonitorPage);
    if (element == kApplyResting) {
        controls_.setVisible(kApplyResting, false);
        controls_.setVisible(kMonitorResting, true);
    } else if (element == kMonitorResting) {
        controls_.setVisible(kMonitorResting, false);
        controls_.setVisible(kApplyResting, true);
    } else if (element == kBackResting) {
        controls_.setVisible(kBackResting, false);
    } else if (element == kHomePage) {
        showHomeRestingIcons();
        showBottomResting();
    } else if (element == kMonitorPage) {
        controls_.setVisible(kBackResting, true);
    } else if (element == kBottomStrip) {
        showHomeRestingIcons();
        showBottomResting();
        if (monitorShown) controls_.setVisible(kBackResting, true);
    } else if (element == kBackground) {
        showBottomResting();
        if (monitorShown) controls_.setVisible(kBackResting, true);
    }
}

void MainWindowCommands::windowClosed() {
    if (unloaded_) return;
    unloaded_ = true;
    run(actions_.unload);
}

void MainWindowCommands::run(const std::function<void()>& action) {
    if (action) runStep(action);
}

}  // namespace quorvex
