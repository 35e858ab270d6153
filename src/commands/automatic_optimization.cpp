#include "commands/automatic_optimization.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "commands/firefox_page.h"
#include "commands/window_settings.h"
#include "tuning/optimization_profile.h"
#include "tuning/registry_write_plan.h"

namespace quorvex {

namespace {

// What the command changes on the window right before a plan row: a choice control of the set
// with its field, or one of the three number lists.
enum class Before { Nothing, Choice, Qos, Http11, Http10 };
struct Interleave {
    Before what;
    TuningField field;
};

using F = TuningField;
constexpr std::array<Interleave, 18> kBeforeRow{{
    {Before::Nothing, F::Mtu},                       // 1
    {Before::Choice, F::Ttl},                        // 2
    {Before::Choice, F::Tcp1323Opts},                // 3
    {Before::Nothing, F::Mtu},                       // 4
    {Before::Nothing, F::Mtu},                       // 5
    {Before::Nothing, F::Mtu},                       // 6
    {Before::Nothing, F::Mtu},                       // 7
    {Before::Choice, F::SackOpts},                   // 8
    {Before::Choice, F::MaxDupAcks},                 // 9
    {Before::Choice, F::FastCopyReceiveThreshold},   // 10
    {Before::Choice, F::FastSendDatagramThreshold},  // 11
    {Before::Choice, F::SizReqBuf},                  // 12
    {Before::Choice, F::MaxCmds},                    // 13
    {Before::Nothing, F::Mtu},                       // 14
    {Before::Choice, F::NoRecentDocsNetHood},        // 15
    {Before::Qos, F::Mtu},                           // 16
    {Before::Http11, F::Mtu},                        // 17
    {Before::Http10, F::Mtu},                        // 18
}};

void putInPlace(WindowModel& window, const ProfileSet& set, const Interleave& step) {
    ControlModel& controls = window.controls();
    switch (step.what) {
        case Before::Nothing:
            break;
        case Before::Choice: {
            const ProfileChoice& choice = set.choice(step.field);
            controls.setOption(std::string(choice.control), true);
            setTuningField(window.state(), choice.field, choice.value);
            break;
        }
        case Before::Qos:
            controls.setListText(names::kQosList, std::string(set.qos));
            break;
        case Before::Http11:
            controls.setListText(names::kHttp11List, std::string(set.http11));
            break;
        case Before::Http10:
            controls.setListText(names::kHttp10List, std::string(set.http10));
            break;
    }
}

// Selects the entry's option control and gives the TuningState its MTU, MSS and receive window.
void selectConnection(WindowModel& window, const ConnectionType& entry) {
    window.controls().setOption(std::string(entry.optionControl), true);
    window.state().Mtu = entry.mtu;
    window.state().Mss = static_cast<std::int16_t>(window.state().Mtu - 40);
    window.state().Rwin = entry.rwin;
}

// Brings the set's choices in place row by row; the values not written go to `refused`.
void applySet(CommandContext& context, const ProfileSet& set, std::vector<RefusedValue>& refused) {
    const auto plan = optimizationWritePlan();
    for (std::size_t i = 0; i < plan.size(); ++i) {
        runStep([&] { putInPlace(context.window, set, kBeforeRow[i]); });
        writePlanRow(context, plan[i], refused);
    }
}

std::string connectionText(const WindowModel& window) {
    return window.controls().listText(names::kConnectionList);
}

}  // namespace

void runAutomaticOptimization(CommandContext& context) {
    try {
        WindowModel& window = context.window;
        if (connectionText(window).empty()) {
            context.prompts.showMessage(
                {kChooseConnectionMessage, MessageButtons::Ok, MessageIcon::Error});
            return;
        }
        if (context.prompts.showMessage({kConfirmAutomaticMessage, MessageButtons::YesNo,
                                         MessageIcon::None}) != MessageAnswer::Yes)
            return;
        // One transaction from the record to the last write: the record sees the state the
        // writes replace, and a crash leaves all of them or none.
        RegistryBatch batch(context.registry);
        if (!recordBeforeFirstWrite(context)) return;

        const ConnectionType& restore = connectionType(ConnectionKind::RestoreDefaults);
        std::vector<RefusedValue> refused;
        if (connectionText(window) != restore.fullName) {
            runStep([&] {
                const std::string text = connectionText(window);
                for (const auto& entry : connectionCatalogue())
                    if (entry.kind != ConnectionKind::RestoreDefaults && entry.fullName == text)
                        selectConnection(window, entry);
            });
            applySet(context, recommendedSet(), refused);
            // Firefox reads user.js at its own next start, so a Firefox that was not tuned is
            // told in a box of its own and the restart offer stays with the registry values.
            if (context.tuneFirefox)
                runStep([&] { applyFirefoxConfiguration(context, FirefoxPageState::optimized()); });
        }
        if (connectionText(window) == restore.fullName) {
            runStep([&] { selectConnection(window, restore); });
            applySet(context, defaultSet(), refused);
            if (context.tuneFirefox)
                runStep([&] { applyFirefoxConfiguration(context, FirefoxPageState::defaults()); });
        }

        commitWrites(batch, optimizationWritePlan(), refused, context.observer);

        runStep([&] { context.events.processEvents(); });

        runStep([&] { saveFirefoxPageState(context.settings, window.controls()); });
        runStep([&] { saveOptionStates(context.settings, window.controls()); });
        runStep([&] { saveNumberLists(context.settings, window.controls()); });
        runStep([&] { saveConnectionText(context.settings, window.controls()); });
        // The numbers too: older "Values" of an advanced apply would override these selections
        // at the next start.
        runStep([&] { saveTuningValues(context.settings, window.state()); });
        runStep([&] { context.settings.flush(); });
        writesEnded(context);

        finishTuningCommand(context, refused);
    } catch (...) {
        // A command never lets a failure escape into the window's event loop.
    }
}

}  // namespace quorvex
