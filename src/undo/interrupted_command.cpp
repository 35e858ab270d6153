#include "undo/interrupted_command.h"

#include "commands/command_context.h"
#include "undo/record_put_back.h"

namespace quorvex::undo {

Recovery finishInterruptedCommand(RegistryBackend& registry, SettingsStorage& settings,
                                  const RecordStore& records) {
    bool damaged = false;
    const auto kind = records.interruptedCommand(damaged);
    // A marker of ours is written whole or not at all: one that names nothing is not ours.
    if (!kind) return Recovery::Nothing;
    const RecordLoad load = records.load(*kind);
    if (load.status != RecordLoad::Status::Ok) return Recovery::NotFinished;
    bool whole = false;
    runStep([&] { whole = putValuesBack(registry, load.record).empty(); });
    putSettingsBack(settings, load.record);
    if (!whole) return Recovery::NotFinished;
    records.markCommandEnded();
    return Recovery::Finished;
}

}  // namespace quorvex::undo
