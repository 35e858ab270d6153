#include "browser/firefox_page.h"

#include "browser/firefox_profiles.h"
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

void enableOptimizedConfiguration(ControlModel& controls, SettingsStorage& storage,
                                  const Locations& locations, const Clock& clock) {
    ApplyOptimizedFirefoxPrefs(locations, clock);
    showFirefoxPageState(controls, FirefoxPageState::optimized());
    saveFirefoxPageState(storage, controls);
    storage.flush();
}

void disableOptimizedConfiguration(ControlModel& controls, SettingsStorage& storage,
                                   const Locations& locations, const Clock& clock) {
    ApplyDefaultFirefoxPrefs(locations, clock);
    showFirefoxPageState(controls, FirefoxPageState::defaults());
    saveFirefoxPageState(storage, controls);
    storage.flush();
}

}  // namespace quorvex
