#pragma once

#include <string>
#include <vector>

#include "platform/prompts.h"

namespace quorvex::cli {

// The boxes of a command run from the command line: every question is answered Yes (the
// command line itself is the confirmation), every other box is kept to be printed, and the
// restart is never offered (a script decides when to restart).
class ScriptedPrompts : public Prompts {
  public:
    MessageAnswer showMessage(const MessageRequest& request) override {
        if (request.buttons == MessageButtons::YesNo) return MessageAnswer::Yes;
        messages.push_back(request.text);
        return MessageAnswer::Ok;
    }
    void offerRestart() override {}

    std::vector<std::string> messages;
};

}  // namespace quorvex::cli
