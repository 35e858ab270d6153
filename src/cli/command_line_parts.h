#pragma once

#include "browser/locations.h"
#include "platform/clock.h"
#include "platform/process_elevation.h"
#include "settings/settings_storage.h"
#include "tuning/registry_backend.h"
#include "undo/record_store.h"

namespace quorvex::cli {

// The parts of the outside world the commands reach: the same registry, settings, records,
// Firefox locations and clock the window uses (real ones from main(), temporary ones in tests).
struct CommandLineParts {
    RegistryBackend& registry;
    SettingsStorage& settings;
    const Locations& locations;
    const Clock& clock;
    const undo::RecordStore& records;
    // Whether the process runs elevated; none counts as not elevated.
    const ProcessElevation* elevation = nullptr;
};

// Exit statuses of the commands.
inline constexpr int kExitSuccess = 0;
// A value was not written or put back, verify found a difference, or the command stopped.
inline constexpr int kExitFailure = 1;
// The command line was not understood.
inline constexpr int kExitUsage = 2;

}  // namespace quorvex::cli
