#pragma once

#include <optional>
#include <string>

namespace quorvex {

struct CommandContext;

// Takes what a tuning command is about to overwrite, so that it can be put back later. Runs
// after the command's confirmation and before its first write.
class ChangeRecorder {
  public:
    virtual ~ChangeRecorder() = default;
    // Nothing when the record is kept; otherwise the text of the box that stops the command.
    virtual std::optional<std::string> recordBeforeFirstWrite(const CommandContext& context) = 0;
    // The command whose record was kept has made its last write.
    virtual void writesEnded(const CommandContext& context) { (void)context; }
};

}  // namespace quorvex
