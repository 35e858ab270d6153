#pragma once

#include <string>

#include "browser/firefox_profiles.h"
#include "commands/command_context.h"
#include "model/control_model.h"
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

inline constexpr const char* kNoFirefoxProfileMessage =
    "No Firefox profile was found, so Firefox was not tuned.";
// What a box says when no profile received the set; empty when one did.
std::string firefoxNotTunedMessage(const PreferenceSetOutcome& outcome);

// Copies the set that goes with `state` (the optimized set for the Optimized combination, else
// the default set) into every Firefox profile. When at least one profile received it, the page
// shows `state` and the result is true. Otherwise the page is left as it was, an error box
// titled "Quorvex" says why Firefox was not tuned, and the result is false.
bool applyFirefoxConfiguration(CommandContext& context, const FirefoxPageState& state);

// The page's two buttons: apply the configuration and save the four flags; when no profile
// received the set, the box of applyFirefoxConfiguration and nothing else (the page and the
// saved flags keep showing what the profiles hold).
void enableOptimizedConfiguration(CommandContext& context);
void disableOptimizedConfiguration(CommandContext& context);

}  // namespace quorvex
