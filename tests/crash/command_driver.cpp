// Runs one command against a registry file store, settings file and records folder in a given
// folder, as the program would, and prints where it is, so that a script can kill it mid-way
// and check what the store holds afterwards. Never a restart: the prompts here offer none.
//
//   quorvex_command_driver <folder> auto <catalogue index>      automatic optimization
//   quorvex_command_driver <folder> advanced <catalogue index>  advanced apply of that profile
//   quorvex_command_driver <folder> undo | restore
//   quorvex_command_driver <folder> dump                        the store, as one canonical text
//
// Prints "begin" when the command takes the store, "commit" right before it replaces it, and
// "done" when the command has ended. Exit status 0 when every value was written or put back.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "browser/locations.h"
#include "browser/preference_sets.h"
#include "commands/tuning_commands.h"
#include "commands/window_settings.h"
#include "platform/clock.h"
#include "platform/event_pump.h"
#include "platform/file_access.h"
#include "platform/prompts.h"
#include "settings/ini_file_settings_storage.h"
#include "tuning/file_registry_backend.h"
#include "tuning/optimization_profile.h"
#include "tuning/reg_file_format.h"
#include "undo/record_store.h"
#include "undo/undo_commands.h"
#include "undo/undo_recorder.h"

namespace {

using namespace quorvex;
namespace fs = std::filesystem;

void say(const char* line) {
    std::fputs(line, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// The store, saying when a command takes it and when it replaces it.
class TracedStore : public FileRegistryBackend {
  public:
    using FileRegistryBackend::FileRegistryBackend;
    long beginBatch() override {
        say("begin");
        return FileRegistryBackend::beginBatch();
    }
    long commitBatch() override {
        say("commit");
        return FileRegistryBackend::commitBatch();
    }
};

// Yes to every question; remembers the last box.
class AnsweringPrompts : public Prompts {
  public:
    MessageAnswer showMessage(const MessageRequest& request) override {
        last = request;
        return request.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
    void offerRestart() override { restartOffered = true; }
    MessageRequest last{};
    bool restartOffered = false;
};

// The preference sets in the folder's "program" folder, and no Firefox profile.
class DriverLocations : public Locations {
  public:
    explicit DriverLocations(fs::path program) : program_(std::move(program)) {}
    fs::path programFolder() const override { return program_; }
    std::vector<std::pair<std::string, std::string>> environment() const override { return {}; }
    std::vector<fs::path> platformProfileRoots() const override { return {}; }

  private:
    fs::path program_;
};

void writeProgramFolder(const fs::path& folder) {
    fs::create_directories(folder);
    for (const auto& [name, text] : {std::pair{kOptimizedPreferencesFile, kOptimizedPreferences},
                                     std::pair{kDefaultPreferencesFile, kDefaultPreferences}}) {
        std::ofstream out(folder / std::string(name), std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
}

int dump(const fs::path& store) {
    std::string text;
    bool missing = false;
    const FileResult read =
        readRegularFile(store, FileRegistryBackend::kMaxStoreBytes, text, &missing);
    if (missing) {
        say("<no store>");
        return 0;
    }
    const auto parsed = read ? parseRegFile(text) : std::nullopt;
    if (!parsed) {
        say("<unreadable store>");
        return 1;
    }
    std::fputs(formatRegFile(*parsed).c_str(), stdout);
    return 0;
}

// The window as the user leaves it for an advanced apply: the profile's choices selected.
void chooseProfile(WindowModel& window, const ConnectionType& entry) {
    window.controls().setListText(names::kConnectionList, std::string(entry.fullName));
    const auto profile = optimizationProfile(entry.kind);
    window.state() = profileState(profile);
    for (const auto& choice : profile.set->choices)
        window.controls().setOption(std::string(choice.control), true);
    window.controls().setListText(names::kQosList, std::string(profile.set->qos));
    window.controls().setListText(names::kHttp11List, std::string(profile.set->http11));
    window.controls().setListText(names::kHttp10List, std::string(profile.set->http10));
}

int usage() {
    std::fputs(
        "usage: quorvex_command_driver <folder> auto|advanced <index> | undo | restore | "
        "dump\n",
        stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return usage();
    const fs::path folder = fs::absolute(argv[1]);
    const std::string_view command = argv[2];
    const fs::path store = folder / "registry.reg";
    if (command == "dump") return dump(store);

    const ConnectionType* entry = nullptr;
    if (command == "auto" || command == "advanced") {
        const auto& catalogue = connectionCatalogue();
        const long index = argc > 3 ? std::strtol(argv[3], nullptr, 10) : -1;
        if (index < 0 || index >= static_cast<long>(catalogue.size())) return usage();
        entry = &catalogue[static_cast<std::size_t>(index)];
    } else if (command != "undo" && command != "restore") {
        return usage();
    }

    writeProgramFolder(folder / "program");
    TracedStore registry(store.string());
    IniFileSettingsStorage settings(folder / "Quorvex.ini");
    AnsweringPrompts prompts;
    NullEventPump events;
    DriverLocations locations(folder / "program");
    SystemClock clock;
    undo::RecordStore records(folder / "records");
    undo::UndoRecorder recorder(records);
    WindowModel window;
    restoreWindowState(window, settings);
    TuningCommands commands(
        CommandContext{{registry, settings, prompts, events, locations, clock}, window, &recorder});
    undo::UndoCommands undoCommands(commands, records);

    if (command == "auto") {
        window.controls().setListText(names::kConnectionList, std::string(entry->fullName));
        commands.automaticOptimization();
    } else if (command == "advanced") {
        chooseProfile(window, *entry);
        commands.advancedApply();
    } else if (command == "undo") {
        undoCommands.undoLastChange();
    } else {
        undoCommands.restoreOriginalSettings();
    }
    say("done");
    const bool written = prompts.last.icon == MessageIcon::Information &&
                         prompts.last.text.find("only in a Windows registry") != std::string::npos;
    if (!written) std::fprintf(stderr, "%s\n", prompts.last.text.c_str());
    return written ? 0 : 1;
}
