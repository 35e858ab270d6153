#pragma once

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "browser/preference_sets.h"
#include "cli/command_line_program.h"
#include "settings/ini_file_settings_storage.h"
#include "support/command_fakes.h"
#include "support/command_world.h"
#include "undo/record_store.h"
#include "undo/test_registries.h"

namespace quorvex::testing {

// The command line over a registry of the chosen kind, with its settings file, records and
// Firefox profiles in a temporary folder.
struct CommandLineWorld {
    explicit CommandLineWorld(const TestRegistryKind& kind) : registry(kind.make(temp.path())) {
        locations.program = temp.path() / "program";
        writeFile(locations.program / "pipeline.js", kOptimizedPreferences);
        writeFile(locations.program / "unpipeline.js", kDefaultPreferences);
        locations.variables = {{"APPDATA", (temp.path() / "appdata").string()}};
    }
    int run(std::vector<std::string> args) {
        out.str({});
        err.str({});
        cli::CommandLineParts parts{registry->backend(), settings, locations, clock, records};
        return cli::runCommandLine(args, parts, out, err);
    }
    std::vector<std::string> outLines() const {
        std::vector<std::string> lines;
        std::istringstream in(out.str());
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
    std::filesystem::path profile() const {
        return temp.path() / "appdata" / "Mozilla" / "Firefox" / "Profiles" / "a.default";
    }
    void set(Hive hive, const std::string& path, const std::string& name, std::uint32_t type,
             std::vector<std::uint8_t> data) {
        RegKey key = 0;
        ASSERT_EQ(registry->backend().createKey(hive, path, key), kRegOk);
        ASSERT_EQ(registry->backend().setValue(key, name, type, data), kRegOk);
        registry->backend().closeKey(key);
    }

    TempDir temp;
    std::unique_ptr<TestRegistry> registry;
    IniFileSettingsStorage settings{temp.path() / "config" / "Quorvex.ini"};
    undo::RecordStore records{temp.path() / "data"};
    FakeLocations locations;
    FixedClock clock;
    std::ostringstream out;
    std::ostringstream err;
};

inline std::vector<std::uint8_t> sz(std::string_view text) {
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

}  // namespace quorvex::testing
