#pragma once

#include <optional>
#include <string>

#include "platform/clock.h"
#include "settings/settings_storage.h"
#include "tuning/change_recorder.h"
#include "tuning/registry_backend.h"
#include "undo/change_record.h"
#include "undo/record_store.h"

namespace quorvex::undo {

// Every tracked value and setting as it is now. Nothing, with the box text in `failure`, when a
// value cannot be read: a record with a gap could not put back what was there.
std::optional<ChangeRecord> takeRecord(RegistryBackend& registry, const SettingsStorage& settings,
                                       const Clock& clock, std::string& failure);

// The tuning commands' records: the previous record before every command, and the original
// record before the first one (never replaced afterwards). Where the registry's batches are no
// transactions, the marker that a command is under way follows the records and goes when the
// command's writes have ended.
class UndoRecorder : public ChangeRecorder {
  public:
    explicit UndoRecorder(const RecordStore& records) : records_(records) {}
    std::optional<std::string> recordBeforeFirstWrite(const CommandContext& context) override;
    void writesEnded(const CommandContext& context) override;

  private:
    const RecordStore& records_;
};

// The box text when a value cannot be read for the record: the file and the system's reason,
// or the value, its key and the reason when the registry itself refused.
std::string valueNotReadMessage(const ValueAddress& address, const RegistryFailure& why);

// The box text when a record cannot be written.
std::string recordNotWrittenMessage(const std::filesystem::path& path, const std::string& reason);
// The box text when the marker that a command is under way cannot be written.
std::string markerNotWrittenMessage(const std::filesystem::path& path, const std::string& reason);

}  // namespace quorvex::undo
