#pragma once

#include "commands/command_context.h"

namespace quorvex {

// What the window's clicks run: Image20 ("Everything Automatically"), Image21 (apply) and the
// two Firefox page buttons. While one of the two tuning commands runs (its message boxes and
// its event-pump step included), a second click on Image20 or Image21 starts nothing.
class TuningCommands {
  public:
    explicit TuningCommands(CommandContext context) : context_(context) {}

    // False when the click was ignored because a tuning command is already running.
    bool automaticOptimization();
    bool advancedApply();
    bool running() const { return running_; }

    void enableOptimizedFirefox();
    void disableOptimizedFirefox();

    CommandContext& context() { return context_; }

  private:
    template <typename Command>
    bool guarded(Command command);

    CommandContext context_;
    bool running_ = false;
};

}  // namespace quorvex
