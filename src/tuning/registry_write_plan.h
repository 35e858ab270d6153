#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "tuning/list_texts.h"
#include "tuning/registry_backend.h"
#include "tuning/registry_types.h"
#include "tuning/tuning_state.h"

namespace quorvex {

// Where a row's data comes from at the moment of its write: a TuningState field (an integer
// of the field's width) or the current text of a list.
struct PlanSource {
    enum class Kind { Field, List } kind;
    TuningField field;
    std::string_view list;

    static constexpr PlanSource ofField(TuningField f) { return {Kind::Field, f, {}}; }
    static constexpr PlanSource ofList(std::string_view name) {
        return {Kind::List, TuningField::Mtu, name};
    }
};

struct PlanRow {
    int number;  // 1-based
    Hive hive;
    std::string_view keyPath;
    std::string_view valueName;
    std::uint32_t type;
    PlanSource source;
};

// How many values each tuning command writes.
inline constexpr std::size_t kPlanRows = 18;

// The eighteen writes of the automatic optimization, in order.
std::span<const PlanRow> optimizationWritePlan();

RegData planRowData(const PlanRow& row, const TuningState& state, const ListTexts& controls);

// CreateKey for the row's hive and path, then SetValue with its current source value.
// Returns whether the value was written; when not, `why` (when given) says why: the key's
// refusal when it could not be created, since the write then fails for that alone.
bool runPlanRow(RegistryBackend& backend, const PlanRow& row, const TuningState& state,
                const ListTexts& controls, RegistryFailure* why = nullptr);

// Runs every row in order, as one batch; returns how many rows were not written (all of them
// when the batch's commit failed).
int runWritePlan(RegistryBackend& backend, std::span<const PlanRow> plan, const TuningState& state,
                 const ListTexts& controls);

}  // namespace quorvex
