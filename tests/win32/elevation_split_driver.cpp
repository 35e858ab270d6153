// The window's tuning and undo commands as the program runs them for a user without
// administrator rights, on the real registry of a throwaway Wine prefix: the writes that need
// rights go to quorvex.com, started with the "runas" verb. Wine shows no consent prompt, so the
// split itself is what scripts/elevation-windows.sh checks with reg query.
// Usage: quorvex_elevation_split PROGRAM SID apply|undo
//   PROGRAM  the console program to hand over to (a missing one shows what the window writes alone)
//   SID      the user the hand-over names, or "token" for this process's own user
// Prints "user SID", every box as "box: text", and "restart offered". Never restarts anything.
#include <cstdio>
#include <string>

#include "browser/locations.h"
#include "cli/scripted_prompts.h"
#include "commands/automatic_optimization.h"
#include "commands/tuning_commands.h"
#include "commands/window_settings.h"
#include "platform/clock.h"
#include "platform/event_pump.h"
#include "settings/win32_registry_settings_storage.h"
#include "tuning/elevated_rows_backend.h"
#include "tuning/win32_registry_backend.h"
#include "undo/record_store.h"
#include "undo/records_folder.h"
#include "undo/undo_commands.h"
#include "undo/undo_recorder.h"
#include "win32/console_output.h"
#include "win32/elevated_console_writer.h"

namespace {

// Wine runs every process elevated; the window of a standard user is not.
class NotElevated : public quorvex::ProcessElevation {
  public:
    bool elevated() const override { return false; }
};

// Says Yes to every question and prints every box; a restart is only reported.
class PrintingPrompts : public quorvex::Prompts {
  public:
    quorvex::MessageAnswer showMessage(const quorvex::MessageRequest& request) override {
        std::printf("box: %s\n", request.text.c_str());
        return request.buttons == quorvex::MessageButtons::YesNo ? quorvex::MessageAnswer::Yes
                                                                 : quorvex::MessageAnswer::Ok;
    }
    void offerRestart() override { std::printf("restart offered\n"); }
};

}  // namespace

int main() {
    const auto arguments = quorvex::win32::commandLineArguments();
    if (arguments.size() != 3 || (arguments[2] != "apply" && arguments[2] != "undo")) {
        std::fprintf(stderr, "usage: quorvex_elevation_split PROGRAM SID apply|undo\n");
        return 2;
    }
    const std::string sid =
        arguments[1] == "token" ? quorvex::win32::currentUserSid() : arguments[1];
    std::printf("user %s\n", sid.c_str());

    quorvex::Win32RegistryBackend systemRegistry;
    const NotElevated elevation;
    quorvex::win32::ElevatedConsoleWriter writer(
        std::filesystem::path(std::u8string(arguments[0].begin(), arguments[0].end())), sid);
    quorvex::ElevatedRowsBackend registry(systemRegistry, &elevation, &writer);
    quorvex::Win32RegistrySettingsStorage settings;
    PrintingPrompts prompts;
    quorvex::NullEventPump events;
    quorvex::SystemLocations locations;
    quorvex::SystemClock clock;
    const quorvex::undo::RecordStore records(quorvex::undo::defaultRecordsFolder());
    quorvex::undo::UndoRecorder recorder(records);
    quorvex::WindowModel window;
    quorvex::restoreWindowState(window, settings);
    window.controls().setListText(quorvex::names::kConnectionList,
                                  "DSL Or Cable Modem (16 Megabit And Up)");
    quorvex::CommandContext context{
        {registry, settings, prompts, events, locations, clock}, window, &recorder, &elevation};
    context.tuneFirefox = false;
    quorvex::TuningCommands commands(context);
    quorvex::undo::UndoCommands undo(commands, records);
    const bool ran =
        arguments[2] == "apply" ? commands.automaticOptimization() : undo.undoLastChange();
    std::fflush(stdout);
    return ran ? 0 : 1;
}
