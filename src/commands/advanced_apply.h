#pragma once

#include <span>

#include "commands/command_context.h"
#include "tuning/registry_write_plan.h"

namespace quorvex {

inline constexpr const char* kConfirmAdvancedMessage =
    "Are you sure you want to proceed with applying these optimizations?";

// The eighteen writes of the advanced apply: the automatic optimization's plan, except that
// row 9 writes "MaxDupAcks" as text under the MSTCP parameters.
std::span<const PlanRow> advancedWritePlan();

// Applies the hand-chosen settings: confirmation, every choice saved, the registry written,
// then the restart prompt. Changes no control and no TuningState field; never throws.
void runAdvancedApply(CommandContext& context);

}  // namespace quorvex
