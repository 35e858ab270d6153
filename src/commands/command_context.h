#pragma once

#include <span>
#include <string>
#include <vector>

#include "browser/locations.h"
#include "commands/outside_world.h"
#include "commands/refused_values.h"
#include "commands/value_write_observer.h"
#include "model/window_model.h"
#include "platform/clock.h"
#include "platform/event_pump.h"
#include "platform/process_elevation.h"
#include "platform/prompts.h"
#include "settings/settings_storage.h"
#include "tuning/change_recorder.h"
#include "tuning/registry_backend.h"
#include "tuning/registry_batch.h"
#include "tuning/registry_write_plan.h"

namespace quorvex {

// Everything a tuning command reaches: the seams to the outside world and the window it reads
// and changes.
struct CommandContext : OutsideWorld {
    WindowModel& window;
    // Takes the undo records; none in a program or test that keeps no records.
    ChangeRecorder* recorder = nullptr;
    // Whether the process runs elevated; none counts as not elevated.
    const ProcessElevation* elevation = nullptr;
    // Told about each value written; none in the window, which reports in its closing box.
    ValueWriteObserver* observer = nullptr;
    // Whether "Everything Automatically" copies its preference set into the Firefox profiles.
    bool tuneFirefox = true;
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

// Tells the recorder that the command's writes, its saved settings included, have ended.
void writesEnded(const CommandContext& context);

// How a command that writes `total` values ends. With every value written: the restart
// prompt, or, when the values went to a file for a Windows computer, a box that names the file
// and how to merge it there (no restart here would apply them). Otherwise no restart is offered
// (it would apply nothing) and an error box says how many values were refused and why.
void finishWriting(const CommandContext& context, const ValuesWording& wording, std::size_t total,
                   const std::vector<RefusedValue>& refused);

// The last step of both tuning commands, for their eighteen values.
void finishTuningCommand(const CommandContext& context, const std::vector<RefusedValue>& refused);

// Ends the batch that holds a command's writes. When its commit fails none of them lasted, so
// every value the command writes (`values`) is refused, for the commit's reason; when it
// succeeds, the values the commit could not write after all are added to `refused`.
// The observer, when there is one, hears of it too.
void commitWrites(RegistryBatch& batch, const std::vector<std::string>& values,
                  std::vector<RefusedValue>& refused, ValueWriteObserver* observer = nullptr);
// The same for the values of a write plan.
void commitWrites(RegistryBatch& batch, std::span<const PlanRow> plan,
                  std::vector<RefusedValue>& refused, ValueWriteObserver* observer = nullptr);

// Runs one row of a command's write plan; a refused value is added to `refused`.
void writePlanRow(CommandContext& context, const PlanRow& row, std::vector<RefusedValue>& refused);

}  // namespace quorvex
