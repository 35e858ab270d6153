#include "undo/undo_recorder.h"

#include "commands/command_context.h"
#include "undo/registry_values.h"

namespace quorvex::undo {

std::string valueNotReadMessage(const ValueAddress& address, const RegistryFailure& why) {
    // A file that cannot be read fails every value alike: the file is what matters.
    if (!why.location.empty())
        return "Quorvex could not read " + why.location +
               " to keep a record of the tuning values: " + why.reason + ". Nothing was changed.";
    return "Quorvex could not read the value \"" + address.valueName + "\" under " +
           hiveName(address.hive) + "\\" + address.keyPath +
           " to keep a record of it: " + why.reason + ". Nothing was changed.";
}

std::optional<ChangeRecord> takeRecord(RegistryBackend& registry, const SettingsStorage& settings,
                                       const Clock& clock, std::string& failure) {
    ChangeRecord record;
    record.recorded = clock.now();
    for (const auto& address : trackedValues()) {
        std::optional<RegValue> value;
        const long status = readValue(registry, address, value);
        if (status != kRegOk) {
            failure = valueNotReadMessage(address, registry.describeFailure(status));
            return std::nullopt;
        }
        record.values.push_back({address, std::move(value)});
    }
    for (const auto& address : trackedSettings()) {
        RecordedSetting setting{address, settings.read(address.section, address.key), {}};
        if (!setting.text)
            if (auto other = settings.readOther(address.section, address.key))
                setting.other = RegValue{address.key, other->type, std::move(other->data)};
        record.settings.push_back(std::move(setting));
    }
    return record;
}

std::string recordNotWrittenMessage(const std::filesystem::path& path, const std::string& reason) {
    return "Quorvex could not write its record of the tuning values to " + path.string() + ": " +
           reason + ". Nothing was changed.";
}

std::string markerNotWrittenMessage(const std::filesystem::path& path, const std::string& reason) {
    return "Quorvex could not write " + path.string() +
           ", which lets it finish the change after a crash: " + reason + ". Nothing was changed.";
}

std::optional<std::string> UndoRecorder::recordBeforeFirstWrite(const CommandContext& context) {
    std::string failure;
    const auto record = takeRecord(context.registry, context.settings, context.clock, failure);
    if (!record) return failure;
    std::string reason;
    if (!records_.exists(RecordKind::Original) &&
        !records_.save(RecordKind::Original, *record, reason))
        return recordNotWrittenMessage(records_.path(RecordKind::Original), reason);
    if (!records_.save(RecordKind::Previous, *record, reason))
        return recordNotWrittenMessage(records_.path(RecordKind::Previous), reason);
    // A crash from here on is rolled back at the next start, to the record just kept.
    if (!context.registry.batchesAreTransactions() &&
        !records_.markCommandUnderWay(RecordKind::Previous, reason))
        return markerNotWrittenMessage(records_.markerPath(), reason);
    return std::nullopt;
}

void UndoRecorder::writesEnded(const CommandContext& context) {
    if (!context.registry.batchesAreTransactions()) records_.markCommandEnded();
}

}  // namespace quorvex::undo
