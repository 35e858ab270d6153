#include "commands/tuning_commands.h"

#include "commands/advanced_apply.h"
#include "commands/automatic_optimization.h"
#include "commands/firefox_page.h"

namespace quorvex {

template <typename Command>
bool TuningCommands::guarded(Command command) {
    if (running_) return false;
    running_ = true;
    command(context_);
    running_ = false;
    return true;
}

bool TuningCommands::automaticOptimization() {
    return guarded(runAutomaticOptimization);
}

bool TuningCommands::advancedApply() {
    return guarded(runAdvancedApply);
}

void TuningCommands::enableOptimizedFirefox() {
    runStep([&] { enableOptimizedConfiguration(context_); });
}

void TuningCommands::disableOptimizedFirefox() {
    runStep([&] { disableOptimizedConfiguration(context_); });
}

}  // namespace quorvex
