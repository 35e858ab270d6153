#pragma once

#include "browser/locations.h"
#include "model/window_model.h"
#include "platform/clock.h"
#include "platform/event_pump.h"
#include "platform/prompts.h"
#include "settings/settings_storage.h"
#include "tuning/change_recorder.h"
#include "tuning/registry_backend.h"

namespace quorvex {

// Everything a tuning command reaches: the window it reads and changes, and the seams to the
// outside world (real ones made in main(), fakes in tests).
struct CommandContext {
    WindowModel& window;
    RegistryBackend& registry;
    SettingsStorage& settings;
    Prompts& prompts;
    EventPump& events;
    const Locations& locations;
    const Clock& clock;
    // Takes the undo records; none in a program or test that keeps no records.
    ChangeRecorder* recorder = nullptr;
};

// Both tuning commands refuse to run without a connection kind.
inline constexpr const char* kChooseConnectionMessage =
    "Please choose your type of internet / network connection according to the subscription "
    "with your ISP.";

// Runs one step of a command: a step that fails is skipped and the next one runs.
template <typename Step>
void runStep(Step&& step) noexcept {
    try {
        step();
    } catch (...) {
    }
}

// The step of both tuning commands between the confirmation and the first write: the records
// are kept, or a box titled "Quorvex" says why not and the command must stop (false).
bool recordBeforeFirstWrite(const CommandContext& context);

// The last step of both tuning commands. With every registry value written, the restart
// prompt; otherwise no restart is offered (it would apply nothing) and an error box says how
// many of the eighteen values were refused, and which file and why when the registry is a
// file, or else that administrator rights are needed.
void finishTuningCommand(Prompts& prompts, int failedRows,
                         const std::optional<RegistryFailure>& failure);
std::string failedRowsMessage(int failedRows, const std::optional<RegistryFailure>& failure);

}  // namespace quorvex
