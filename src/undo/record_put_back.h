#pragma once

#include <vector>

#include "commands/refused_values.h"
#include "settings/settings_storage.h"
#include "tuning/registry_backend.h"
#include "undo/change_record.h"

namespace quorvex::undo {

// Puts every value of the record back as recorded, all in one batch of the backend. Returns
// the values that could not be put back, with why: every one of them, for the commit's reason,
// when the batch could not be committed.
std::vector<RefusedValue> putValuesBack(RegistryBackend& registry, const ChangeRecord& record);

// Writes every recorded setting back, removes those that did not exist then, and saves.
void putSettingsBack(SettingsStorage& settings, const ChangeRecord& record);

}  // namespace quorvex::undo
