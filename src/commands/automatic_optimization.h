#pragma once

#include "commands/command_context.h"

namespace quorvex {

inline constexpr const char* kConfirmAutomaticMessage =
    "Are you sure you want to proceed with Automatic Optimization?";

// "Everything Automatically": puts the profile of the connection kind chosen in Combo3 in
// place (controls, TuningState, eighteen registry values, Firefox profiles), saves the window
// state and offers a restart. Nothing is thrown out of it.
void runAutomaticOptimization(CommandContext& context);

}  // namespace quorvex
