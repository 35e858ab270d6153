#pragma once

#include "browser/locations.h"
#include "model/control_model.h"
#include "platform/clock.h"
#include "settings/settings_storage.h"

namespace quorvex {

// The four flags of the Firefox page; the program only ever sets them together.
struct FirefoxPageState {
    bool optimizedLabelShown;   // Label25 visible, key "3"
    bool defaultLabelShown;     // Label26 visible, key "4"
    bool enableButtonEnabled;   // chameleonButton2 enabled, key "5"
    bool disableButtonEnabled;  // chameleonButton3 enabled, key "6"

    static constexpr FirefoxPageState optimized() { return {true, false, false, true}; }
    static constexpr FirefoxPageState defaults() { return {false, true, true, false}; }
    friend bool operator==(const FirefoxPageState&, const FirefoxPageState&) = default;
};

FirefoxPageState firefoxPageState(const ControlModel& controls);
// Sets the four flags and makes Text4 and Text5 follow Label25 and Label26.
void showFirefoxPageState(ControlModel& controls, const FirefoxPageState& state);
// Writes "Firefox" "3" to "6", read back from the controls.
void saveFirefoxPageState(SettingsStorage& storage, const ControlModel& controls);
// Sets the four flags from the store, each on its own (a contradicting store is shown as it
// stands); the text boxes are left to the page navigation.
void restoreFirefoxPageState(ControlModel& controls, const SettingsStorage& storage);

// The page's two buttons: copy the set into every profile, switch the page and save the flags,
// whatever the copying achieved.
void enableOptimizedConfiguration(ControlModel& controls, SettingsStorage& storage,
                                  const Locations& locations, const Clock& clock);
void disableOptimizedConfiguration(ControlModel& controls, SettingsStorage& storage,
                                   const Locations& locations, const Clock& clock);

}  // namespace quorvex
