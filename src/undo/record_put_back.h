#pragma once

#include <vector>

#include "commands/refused_values.h"
#include "commands/value_write_observer.h"
#include "settings/settings_storage.h"
#include "tuning/registry_backend.h"
#include "undo/change_record.h"

namespace quorvex::undo {

// Puts every value of the record back as recorded, all in one batch of the backend. Returns
// the values that could not be put back, with why: every one of them, for the commit's reason,
// when the batch could not be committed.
// The observer, when there is one, is told about each value.
std::vector<RefusedValue> putValuesBack(RegistryBackend& registry, const ChangeRecord& record,
                                        ValueWriteObserver* observer = nullptr);

// Writes every recorded setting back, removes those that did not exist then, and saves.
void putSettingsBack(SettingsStorage& settings, const ChangeRecord& record);

}  // namespace quorvex::undo
