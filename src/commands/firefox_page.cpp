#include "commands/firefox_page.h"

#include "model/firefox_elements.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"

namespace quorvex {

namespace {

struct FlagControl {
    const char* key;
    const char* element;
    bool isVisibility;  // else the enabled flag
};

constexpr FlagControl kFlags[] = {
    {"3", firefox::kOptimizedLabel, true},
    {"4", firefox::kDefaultLabel, true},
    {"5", firefox::kEnableButton, false},
    {"6", firefox::kDisableButton, false},
};

bool flag(const ControlModel& controls, const FlagControl& f) {
    return f.isVisibility ? controls.visible(f.element) : controls.enabled(f.element);
}

void setFlag(ControlModel& controls, const FlagControl& f, bool value) {
    if (f.isVisibility)
        controls.setVisible(f.element, value);
    else
        controls.setEnabled(f.element, value);
}

}  // namespace

FirefoxPageState firefoxPageState(const ControlModel& controls) {
    return {flag(controls, kFlags[0]), flag(controls, kFlags[1]), flag(controls, kFlags[2]),
            flag(controls, kFlags[3])};
}

void showFirefoxPageState(ControlModel& controls, const FirefoxPageState& state) {
    controls.setVisible(firefox::kOptimizedLabel, state.optimizedLabelShown);
    controls.setVisible(firefox::kOptimizedText, state.optimizedLabelShown);
    controls.setVisible(firefox::kDefaultLabel, state.defaultLabelShown);
    controls.setVisible(firefox::kDefaultText, state.defaultLabelShown);
    controls.setEnabled(firefox::kDisableButton, state.disableButtonEnabled);
    controls.setEnabled(firefox::kEnableButton, state.enableButtonEnabled);
}

void saveFirefoxPageState(SettingsStorage& storage, const ControlModel& controls) {
    for (const auto& f : kFlags)
        WriteSetting(storage, sections::kFirefox, f.key, encodeBool(flag(controls, f)));
}

void restoreFirefoxPageState(ControlModel& controls, const SettingsStorage& storage) {
    for (const auto& f : kFlags)
        if (const auto value =
                decodeBool(ReadSetting(storage, sections::kFirefox, f.key, flag(controls, f))))
            setFlag(controls, f, *value);
}

std::string firefoxNotTunedMessage(const PreferenceSetOutcome& outcome) {
    if (outcome.copied > 0) return {};
    if (!outcome.failure.empty()) return "Firefox could not be tuned: " + outcome.failure + ".";
    return kNoFirefoxProfileMessage;
}

bool applyFirefoxConfiguration(CommandContext& context, const FirefoxPageState& state) {
    const bool optimized = state == FirefoxPageState::optimized();
    const PreferenceSetOutcome outcome =
        optimized ? ApplyOptimizedFirefoxPrefs(context.locations, context.clock)
                  : ApplyDefaultFirefoxPrefs(context.locations, context.clock);
    const std::string message = firefoxNotTunedMessage(outcome);
    if (!message.empty()) {
        context.prompts.showMessage({message, MessageButtons::Ok, MessageIcon::Error});
        return false;
    }
    showFirefoxPageState(context.window.controls(), state);
    return true;
}

namespace {

void switchConfiguration(CommandContext& context, const FirefoxPageState& state) {
    if (!applyFirefoxConfiguration(context, state)) return;
    saveFirefoxPageState(context.settings, context.window.controls());
    context.settings.flush();
}

}  // namespace

void enableOptimizedConfiguration(CommandContext& context) {
    switchConfiguration(context, FirefoxPageState::optimized());
}

void disableOptimizedConfiguration(CommandContext& context) {
    switchConfiguration(context, FirefoxPageState::defaults());
}

}  // namespace quorvex
