#include "commands/advanced_apply.h"

#include <array>
#include <string>
#include <vector>

#include "commands/window_settings.h"

namespace quorvex {

namespace {

std::array<PlanRow, 18> makeAdvancedPlan() {
    std::array<PlanRow, 18> plan{};
    const auto base = optimizationWritePlan();
    for (std::size_t i = 0; i < plan.size() && i < base.size(); ++i) plan[i] = base[i];
    plan[8] = {9,
               Hive::LocalMachine,
               "System\\CurrentControlSet\\Services\\VXD\\MSTCP\\Parameters",
               "MaxDupAcks",
               kRegSz,
               PlanSource::ofField(TuningField::MaxDupAcks)};
    return plan;
}

const std::array<PlanRow, 18> kAdvancedPlan = makeAdvancedPlan();

}  // namespace

std::span<const PlanRow> advancedWritePlan() {
    return kAdvancedPlan;
}

void runAdvancedApply(CommandContext& context) {
    try {
        // Without a connection kind MTU, MSS and receive window are 0 (a damaged store): writing
        // them would cut the network off.
        if (context.window.controls().listText(names::kConnectionList).empty()) {
            context.prompts.showMessage(
                {kChooseConnectionMessage, MessageButtons::Ok, MessageIcon::Error});
            return;
        }
        if (context.prompts.showMessage({kConfirmAdvancedMessage, MessageButtons::YesNo,
                                         MessageIcon::None}) != MessageAnswer::Yes)
            return;
        // One transaction from the record to the last write: the record sees the state the
        // writes replace, and a crash leaves all of them or none.
        RegistryBatch batch(context.registry);
        if (!recordBeforeFirstWrite(context)) return;

        const WindowModel& window = context.window;
        runStep([&] { saveOptionStates(context.settings, window.controls()); });
        runStep([&] { saveNumberLists(context.settings, window.controls()); });
        // Also the connection list's text, so that after a restart the pages show the entry
        // applied last, by whichever command ran later.
        runStep([&] { saveConnectionText(context.settings, window.controls()); });
        runStep([&] { saveTuningValues(context.settings, window.state()); });
        runStep([&] { context.settings.flush(); });

        std::vector<RefusedValue> refused;
        for (const auto& row : advancedWritePlan()) writePlanRow(context, row, refused);
        commitWrites(batch, advancedWritePlan(), refused, context.observer);
        writesEnded(context);

        finishTuningCommand(context, refused);
    } catch (...) {
        // A command never lets a failure escape into the window's event loop.
    }
}

}  // namespace quorvex
