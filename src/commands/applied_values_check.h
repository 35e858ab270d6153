#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/settings_storage.h"
#include "tuning/registry_backend.h"
#include "tuning/registry_data.h"
#include "tuning/registry_write_plan.h"

namespace quorvex {

// One of the eighteen values: what the saved choices would write and what the registry holds.
struct CheckedValue {
    const PlanRow* row;
    std::optional<RegValue> expected;  // nothing when the saved text is no number for the type
    std::optional<RegValue> live;      // nothing when the value (or its key) does not exist
    std::optional<RegistryFailure> unreadable;  // when the value could not be read
    bool matches = false;
};

struct AppliedValuesCheck {
    // Whether a tuning command has saved its choices (a connection kind) at all; without them
    // there is nothing to compare with, and `values` is empty.
    bool choicesSaved = false;
    std::vector<CheckedValue> values;  // in plan order
    std::size_t differences() const;
};

// Compares the live values of the eighteen plan rows with what the tuning commands would write
// from the saved choices, as the window restores them at its start. A REG_SZ matches whatever
// zero bytes end it; a value of another type never matches. Reads only; never throws.
AppliedValuesCheck checkAppliedValues(RegistryBackend& registry, const SettingsStorage& settings);

// The check in words, a line each: every value that differs ("<key> <name>: expected 4, found
// (none)"), then how many differ of how many; one line when no choices are saved.
std::vector<std::string> appliedValuesReport(const AppliedValuesCheck& check);

}  // namespace quorvex
