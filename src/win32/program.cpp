#include "win32/program.h"

#include <chrono>
#include <string_view>

#include "browser/preference_sets.h"
#include "settings/window_settings.h"

namespace quorvex::win32 {

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

Program::Program(ProgramParts parts)
    : parts_(parts),
      commands_(CommandContext{model_, parts.registry, parts.settings, parts.prompts, parts.events,
                               parts.locations, parts.clock}),
      showTimer_([this] { showMainWindow(); }) {
    model_.controls().setText("Text4", pageText(kOptimizedPreferences));
    model_.controls().setText("Text5", pageText(kDefaultPreferences));
}

Program::~Program() {
    showTimer_.stop();
    form_.reset();
}

void Program::start() {
    splash_.create();
    splash_.show();
    showTimer_.start(std::chrono::milliseconds(4000), false);
}

Form1Window& Program::createdMainWindow() {
    if (form_) return *form_;
    Form1Events events;
    events.onCommand = [this](const std::string& element) { onCommand(element); };
    events.onHover = [this](const std::string& element) { onHover(element); };
    events.onClose = [this] {
        splash_.close();
        if (finished_) finished_();
    };
    form_ = std::make_unique<Form1Window>(model_, std::move(events));
    form_->create();
    if (mainWindowCreated_) mainWindowCreated_(*form_);
    runStep([this] { restoreWindowState(model_, parts_.settings); });
    form_->refresh();
    return *form_;
}

void Program::showMainWindow() {
    createdMainWindow().show();
    splash_.close();
}

void Program::onCommand(const std::string& element) {
    if (element == "Image20") commands_.automaticOptimization();
    if (element == "Image21") commands_.advancedApply();
    if (element == "chameleonButton2") commands_.enableOptimizedFirefox();
    if (element == "chameleonButton3") commands_.disableOptimizedFirefox();
}

void Program::onHover(const std::string&) {}

}  // namespace quorvex::win32
