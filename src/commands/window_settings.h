#pragma once

#include "model/control_model.h"
#include "model/window_model.h"
#include "settings/settings_storage.h"
#include "tuning/tuning_state.h"

namespace quorvex {

// Writers of the window's state, each in the store's key order; a refused write is skipped
// and the next one runs.

// The 48 option controls, as "True" or "False".
void saveOptionStates(SettingsStorage& storage, const ControlModel& controls);
// "HTTP0" = Combo1, "HTTP1" = Combo2, "QOS" = QOS.
void saveNumberLists(SettingsStorage& storage, const ControlModel& controls);
// "Values" "Connection" = the text of Combo3.
void saveConnectionText(SettingsStorage& storage, const ControlModel& controls);
// "Values" "1" to "11".
void saveTuningValues(SettingsStorage& storage, const TuningState& state);

// Steps 4 to 11 of the window load: the number lists' start texts, then every option
// control, list, TuningState field and the Firefox page flags from the store, each read with
// the current state as fallback. A missing key or a text that does not convert changes
// nothing. The window runs its own earlier steps (icon, background, statistics) first.
void restoreWindowState(WindowModel& window, const SettingsStorage& storage);

}  // namespace quorvex
