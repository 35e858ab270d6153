#include "commands/command_context.h"

#include <string>

namespace quorvex {

std::string failedRowsMessage(int failedRows) {
    return std::to_string(failedRows) +
           " of the 18 registry values could not be written. Run Quorvex as administrator and "
           "try again.";
}

void finishTuningCommand(Prompts& prompts, int failedRows) {
    if (failedRows == 0) {
        prompts.offerRestart();
        return;
    }
    MessageRequest box;
    box.text = failedRowsMessage(failedRows);
    box.buttons = MessageButtons::Ok;
    box.icon = MessageIcon::Error;
    prompts.showMessage(box);
}

}  // namespace quorvex
