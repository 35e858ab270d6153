#pragma once

#include "settings/settings_storage.h"
#include "tuning/registry_backend.h"
#include "undo/record_store.h"

namespace quorvex::undo {

enum class Recovery {
    Nothing,      // no command was interrupted
    Finished,     // the record the marker names is back in place and the marker is gone
    NotFinished,  // the record could not be read or put back whole; the marker stays
};

// Run at start-up, before the window reads its settings. Where a registry cannot write a
// command in one transaction, a crash can leave the values part old and part new; the marker
// the command left beside the records then names the record that gives a whole state (the one
// taken before a tuning command, or the one an undo or restore was putting back). Its values
// and settings are put back, as an undo does, and the marker removed.
Recovery finishInterruptedCommand(RegistryBackend& registry, SettingsStorage& settings,
                                  const RecordStore& records);

}  // namespace quorvex::undo
