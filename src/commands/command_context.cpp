#include "commands/command_context.h"

#include <string>

namespace quorvex {

std::string failedRowsMessage(int failedRows, const std::optional<RegistryFailure>& failure) {
    const std::string refused =
        std::to_string(failedRows) + " of the 18 registry values could not be written";
    if (failure) return refused + " to " + failure->location + ": " + failure->reason + ".";
    return refused + ". Run Quorvex as administrator and try again.";
}

bool recordBeforeFirstWrite(const CommandContext& context) {
    if (!context.recorder) return true;
    const auto failure = context.recorder->recordBeforeFirstWrite(context);
    if (!failure) return true;
    context.prompts.showMessage({*failure, MessageButtons::Ok, MessageIcon::Error});
    return false;
}

void finishTuningCommand(Prompts& prompts, int failedRows,
                         const std::optional<RegistryFailure>& failure) {
    if (failedRows == 0) {
        prompts.offerRestart();
        return;
    }
    MessageRequest box;
    box.text = failedRowsMessage(failedRows, failure);
    box.buttons = MessageButtons::Ok;
    box.icon = MessageIcon::Error;
    prompts.showMessage(box);
}

}  // namespace quorvex
