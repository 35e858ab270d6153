#include "commands/command_context.h"

#include <optional>
#include <string>

#include "tuning/mod_registry.h"

namespace quorvex {

namespace {

void reportPlanRow(const CommandContext& context, const PlanRow& row,
                   const RegistryFailure* failure) {
    std::optional<RegValue> intended;
    const auto bytes = modRegistry::encodeValue(
        row.type, planRowData(row, context.window.state(), context.window.controls()));
    if (bytes) intended = RegValue{std::string(row.valueName), row.type, *bytes};
    context.observer->afterWrite({row.hive, row.keyPath, row.valueName, intended, failure});
}

}  // namespace

bool recordBeforeFirstWrite(const CommandContext& context) {
    if (!context.recorder) return true;
    const auto failure = context.recorder->recordBeforeFirstWrite(context);
    if (!failure) return true;
    context.prompts.showMessage({*failure, MessageButtons::Ok, MessageIcon::Error});
    return false;
}

void writesEnded(const CommandContext& context) {
    if (context.recorder) runStep([&] { context.recorder->writesEnded(context); });
}

void finishWriting(const CommandContext& context, const ValuesWording& wording, std::size_t total,
                   const std::vector<RefusedValue>& refused) {
    if (refused.empty()) {
        if (const auto file = context.registry.fileForWindows()) {
            context.prompts.showMessage({carryToWindowsMessage(wording, total, *file),
                                         MessageButtons::Ok, MessageIcon::Information});
            return;
        }
        context.prompts.offerRestart();
        return;
    }
    const bool elevated = context.elevation && context.elevation->elevated();
    context.prompts.showMessage({refusedValuesMessage(wording, total, refused, elevated),
                                 MessageButtons::Ok, MessageIcon::Error});
}

void finishTuningCommand(const CommandContext& context, const std::vector<RefusedValue>& refused) {
    finishWriting(context, kRegistryValuesWritten, kPlanRows, refused);
}

void commitWrites(RegistryBatch& batch, const std::vector<std::string>& values,
                  std::vector<RefusedValue>& refused, ValueWriteObserver* observer) {
    if (batch.commit() == kRegOk) {
        for (const auto& refusal : batch.refusedAtCommit()) {
            refused.push_back({refusal.valueName, refusal.failure});
            if (observer) runStep([&] { observer->refusedAtCommit(refusal); });
        }
        return;
    }
    refused.clear();
    for (const auto& value : values) refused.push_back({value, batch.failure()});
    if (observer) runStep([&] { observer->writesRefused(batch.failure()); });
}

void commitWrites(RegistryBatch& batch, std::span<const PlanRow> plan,
                  std::vector<RefusedValue>& refused, ValueWriteObserver* observer) {
    std::vector<std::string> values;
    for (const auto& row : plan) values.emplace_back(row.valueName);
    commitWrites(batch, values, refused, observer);
}

void writePlanRow(CommandContext& context, const PlanRow& row, std::vector<RefusedValue>& refused) {
    // Kept when the row fails before the registry is reached.
    RegistryFailure why{{}, "the value could not be prepared", 0};
    bool written = false;
    if (context.observer)
        runStep([&] { context.observer->beforeWrite(row.hive, row.keyPath, row.valueName); });
    runStep([&] {
        written = runPlanRow(context.registry, row, context.window.state(),
                             context.window.controls(), &why);
    });
    if (context.observer) runStep([&] { reportPlanRow(context, row, written ? nullptr : &why); });
    if (!written) refused.push_back({std::string(row.valueName), std::move(why)});
}

}  // namespace quorvex
