#include "shell/shell.h"

#include <string>
#include <string_view>

#include "browser/preference_sets.h"
#include "commands/command_context.h"
#include "commands/window_settings.h"
#include "model/firefox_elements.h"
#include "model/frame_elements.h"
#include "monitor/interface_snapshot.h"
#include "monitor/traffic_meter.h"
#include "shell/meter_pace.h"

namespace quorvex {

namespace {

// A preference set as the page's text box shows it: one line per line of the file.
std::string pageText(std::string_view preferences) {
    std::string text;
    text.reserve(preferences.size());
    for (char c : preferences)
        if (c != '\r') text += c;
    return text;
}

}  // namespace

Shell::Shell(ShellParts parts, FrontEnd& frontEnd, ShellTimings timings)
    : parts_(parts),
      frontEnd_(frontEnd),
      timings_(timings),
      commands_(CommandContext{parts, model_}),
      window_(model_.controls(), windowActions()) {
    // The Firefox page shows the full text of each preference set.
    model_.controls().setText(firefox::kOptimizedText, pageText(kOptimizedPreferences));
    model_.controls().setText(firefox::kDefaultText, pageText(kDefaultPreferences));
}

Shell::~Shell() {
    if (meterPace_) meterPace_->stop();
    if (timer1_) timer1_->stop();
    if (timer2_) timer2_->stop();
    // The splash goes first: the main window's unload closes it if it is still open.
    splash_.reset();
    mainWindow_.reset();
}

void Shell::start() {
    if (splash_) return;
    splash_ = frontEnd_.createSplash();
    splashLoaded_ = true;
    timer2_ = frontEnd_.createTimer([this] { onTimer2(); });
    timer1_ = frontEnd_.createTimer([this] { onTimer1(); });
    splash_->show();
    // Both timers run from the moment the splash is shown until it closes.
    timer2_->start(timings_.zeroFeedInterval, /*repeating=*/true);
    timer1_->start(timings_.showMainWindow, /*repeating=*/false);
}

void Shell::offerUndo(undo::UndoCommands& undo) {
    undoActions_ = undoMenuActions(
        undo, [this](const std::filesystem::path& folder) { frontEnd_.openFolder(folder); });
    offersUndo_ = true;
}

void Shell::setNumberLocale(monitor::NumberLocale locale) {
    locale_ = locale;
    if (meter_) meter_->SetLocale(std::move(locale));
}

MainWindowActions Shell::windowActions() {
    MainWindowActions actions;
    actions.automaticOptimization = [this] { commands_.automaticOptimization(); };
    actions.advancedApply = [this] { commands_.advancedApply(); };
    actions.startMeter = [this] {
        if (meter_) meter_->Start();
    };
    // Back from monitor flattens the graphs itself, after this.
    actions.stopMeter = [this] {
        if (meter_) meter_->Stop(/*flattenGraphs=*/false);
    };
    actions.flattenGraphs = [this] { flattenGraphs(monitor::kZeroLoop); };
    actions.enableFirefox = [this] { commands_.enableOptimizedFirefox(); };
    actions.disableFirefox = [this] { commands_.disableOptimizedFirefox(); };
    actions.unload = [this] { unloadMainWindow(); };
    return actions;
}

void Shell::flattenGraphs(int count) {
    if (!mainWindow_) return;
    // The window object lives as long as the shell, so the loop may finish against it even when
    // the window closes meanwhile.
    MainWindow& window = *mainWindow_;
    monitor::feedZeros(window.histogram(1), window.histogram(2), parts_.events, count);
}

void Shell::onTimer2() {
    // The first tick creates and loads the main window. Closing the splash in the middle of the
    // loop (Timer1) does not cut it short.
    loadedMainWindow();
    flattenGraphs(timings_.zeroLoop);
}

void Shell::onTimer1() {
    loadedMainWindow().show();
    closeSplash();
}

void Shell::closeSplash() {
    if (!splashLoaded_) return;
    splashLoaded_ = false;
    // Unloading stops both timers; the window object stays until the shell goes, since a Timer2
    // loop may still be running below this.
    if (timer1_) timer1_->stop();
    if (timer2_) timer2_->stop();
    splash_->close();
}

void Shell::unloadMainWindow() {
    // Nothing is saved here. Releasing the shell library is the front end's, when it has one.
    closeSplash();
}

MainWindow& Shell::loadedMainWindow() {
    if (!mainWindow_) {
        mainWindow_ = frontEnd_.createMainWindow(model_, window_);
        loadMainWindow();
    }
    return *mainWindow_;
}

// The load handler, once, while the window is hidden.
void Shell::loadMainWindow() {
    MainWindow& window = *mainWindow_;
    if (mainWindowCreated_) runStep([&] { mainWindowCreated_(window); });
    if (offersUndo_) runStep([&] { window.showUndoMenu(undoActions_); });
    runStep([&] { window.applyIcon(); });
    runStep([&] { model_.controls().setVisible(frame::kBackground, true); });
    runStep([&] { createTrafficSource(); });
    runStep([&] { restoreWindowState(model_, parts_.settings); });
    loaded_ = true;
    model_.showRwin();
    window.refresh();
}

// One statistics source for the window's life, and the meter that reads it into the monitor page.
void Shell::createTrafficSource() {
    MainWindow& window = *mainWindow_;
    ipHelper_ = std::make_unique<CIpHelper>(parts_.interfaces, parts_.prompts);
    meter_ = std::make_unique<TrafficMeter>(
        model_.controls(), *ipHelper_,
        MeterDisplays{window.histogram(1), window.histogram(2), window.progressBar(1),
                      window.progressBar(4), window.progressBar(2), window.progressBar(3)},
        parts_.events, locale_);
    meterPace_ = std::make_unique<MeterPace>(frontEnd_, parts_.clock, [this] {
        if (meter_) meter_->UpdateTrafficMeter();
    });
    meter_->SetTimerSwitch([this](bool on) {
        if (on)
            meterPace_->start();
        else
            meterPace_->stop();
    });
}

}  // namespace quorvex
