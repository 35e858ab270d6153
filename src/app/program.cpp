#include "app/program.h"

#include <string>
#include <string_view>

#include "app/start_up.h"
#include "browser/preference_sets.h"
#include "monitor/c_ip_helper.h"
#include "monitor/meter_timer.h"
#include "monitor/qt_number_locale.h"
#include "monitor/traffic_meter.h"
#include "settings/window_settings.h"

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

Program::Program(ProgramParts parts, ControlFactory factory, SplashTimings timings)
    : parts_(parts),
      commands_(CommandContext{model_, parts.registry, parts.settings, parts.prompts, parts.events,
                               parts.locations, parts.clock}),
      locale_(NumberLocaleFrom()) {
    // The Firefox page shows the full text of each preference set.
    model_.controls().setText("Text4", pageText(kOptimizedPreferences));
    model_.controls().setText("Text5", pageText(kDefaultPreferences));
    startUp_ =
        std::make_unique<StartUp>(model_, parts_.events, actions(), std::move(factory), timings);
}

Program::~Program() {
    if (meterTimer_) meterTimer_->stop();
    startUp_.reset();
}

void Program::start() {
    startUp_->start();
}

frmSplash& Program::splash() {
    return startUp_->splash();
}

Form1* Program::mainWindow() {
    return startUp_ ? startUp_->mainWindow() : nullptr;
}

void Program::setNumberLocale(monitor::NumberLocale locale) {
    locale_ = locale;
    if (meter_) meter_->SetLocale(std::move(locale));
}

Form1Actions Program::actions() {
    Form1Actions actions;
    actions.createTrafficSource = [this] { createTrafficSource(); };
    actions.restoreSettings = [this] { restoreWindowState(model_, parts_.settings); };
    actions.automaticOptimization = [this] { commands_.automaticOptimization(); };
    actions.advancedApply = [this] { commands_.advancedApply(); };
    actions.startMeter = [this] {
        if (meter_) meter_->Start();
    };
    // The window's Back command flattens the graphs after this.
    actions.stopMeter = [this] {
        if (meter_) meter_->Stop(/*flattenGraphs=*/false);
    };
    actions.enableFirefox = [this] { commands_.enableOptimizedFirefox(); };
    actions.disableFirefox = [this] { commands_.disableOptimizedFirefox(); };
    return actions;
}

// Load step 3: one statistics source for the window's life, and the meter that reads it into
// the monitor page.
void Program::createTrafficSource() {
    Form1* form = mainWindow();
    if (!form) return;
    if (mainWindowCreated_) mainWindowCreated_(*form);
    ipHelper_ = std::make_unique<CIpHelper>(parts_.interfaces, parts_.prompts);
    meter_ = std::make_unique<TrafficMeter>(
        model_.controls(), *ipHelper_,
        MeterDisplays{form->histogram1(), form->histogram2(), form->progressBar(1),
                      form->progressBar(4), form->progressBar(2), form->progressBar(3)},
        parts_.events, locale_);
    meterTimer_ = std::make_unique<MeterTimer>(parts_.clock, [this] {
        if (meter_) meter_->UpdateTrafficMeter();
    });
    meter_->SetTimerSwitch([this](bool on) {
        if (on)
            meterTimer_->start();
        else
            meterTimer_->stop();
    });
}

}  // namespace quorvex
