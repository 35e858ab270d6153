#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "browser/preference_sets.h"
#include "commands/tuning_commands.h"
#include "commands/window_settings.h"
#include "support/command_fakes.h"
#include "support/registry_reading.h"

namespace quorvex::testing {

inline void writeFile(const std::filesystem::path& path, std::string_view bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "<missing>";
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A whole program around the commands: a window restored from its store, a memory registry,
// fake prompts, and a program folder and an application-data folder inside a temporary folder.
struct CommandWorld {
    CommandWorld() {
        locations.program = temp.path() / "program";
        writeFile(locations.program / "pipeline.js", kOptimizedPreferences);
        writeFile(locations.program / "unpipeline.js", kDefaultPreferences);
        locations.variables = {{"APPDATA", (temp.path() / "appdata").string()}};
        restoreWindowState(window, storage);
    }
    std::filesystem::path profiles() const {
        return temp.path() / "appdata" / "Mozilla" / "Firefox" / "Profiles";
    }
    // One Firefox profile, so that a command tunes Firefox without a box of its own.
    void addProfile() const { std::filesystem::create_directories(profiles() / "a.default"); }
    void choose(std::string_view fullName) {
        window.controls().setListText("Combo3", std::string(fullName));
    }
    std::string reg(Hive hive, const std::string& path, const std::string& name) const {
        return regText(registry.data(), hive, path, name);
    }
    std::string lm(const std::string& path, const std::string& name) const {
        return reg(Hive::LocalMachine, path, name);
    }
    std::string cu(const std::string& path, const std::string& name) const {
        return reg(Hive::CurrentUser, path, name);
    }

    TempDir temp;
    WindowModel window;
    ObservedRegistryBackend registry;
    RecordingSettingsStorage storage;
    FakePrompts prompts;
    FakeEventPump events;
    FakeLocations locations;
    FixedClock clock;
    FakeElevation elevation;
    TuningCommands commands{CommandContext{
        {registry, storage, prompts, events, locations, clock}, window, nullptr, &elevation}};
};

// The box a tuning command shows instead of the restart prompt when values were refused.
inline void expectRefusedValuesBox(const FakePrompts& prompts, const std::string& text) {
    EXPECT_EQ(prompts.restarts, 0);
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[1].text, text);
    EXPECT_EQ(prompts.shown[1].icon, MessageIcon::Error);
    EXPECT_EQ(prompts.shown[1].buttons, MessageButtons::Ok);
}

// How many commands ended with every value in place: by the restart prompt, or, where the
// values go to a file for Windows, by the box that names the file (and never a restart).
inline int completedCommands(const FakePrompts& prompts, const RegistryBackend& registry) {
    const auto file = registry.fileForWindows();
    if (!file) return prompts.restarts;
    EXPECT_EQ(prompts.restarts, 0);
    int boxes = 0;
    for (const auto& box : prompts.shown)
        if (box.icon == MessageIcon::Information &&
            box.text.find(" " + *file + ". They take effect only in a Windows registry") !=
                std::string::npos)
            ++boxes;
    return boxes;
}

inline constexpr const char* kMstcp = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
inline constexpr const char* kNetTrans =
    "System\\CurrentControlSet\\Services\\Class\\NetTrans\\0000";
inline constexpr const char* kIpMtuKey =
    "System\\CurrentControlSet\\Services\\Class\\NetTrans\\0000\\NDI\\params\\IPMTU";
inline constexpr const char* kTcpip = "System\\CurrentControlSet\\Services\\Tcpip\\Parameters";
inline constexpr const char* kMstcpParameters =
    "System\\CurrentControlSet\\Services\\VXD\\MSTCP\\Parameters";
inline constexpr const char* kAfd = "System\\CurrentControlSet\\Services\\AFD\\Parameters";
inline constexpr const char* kLanman =
    "System\\CurrentControlSet\\Services\\LanmanWorkstation\\Parameters";
inline constexpr const char* kExplorer =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
inline constexpr const char* kPsched = "SOFTWARE\\Policies\\Microsoft\\Windows\\Psched";
inline constexpr const char* kInternet =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

}  // namespace quorvex::testing

namespace quorvex::testing {

// A standard user on current Windows: nothing under HKEY_LOCAL_MACHINE may be changed, and
// neither may the current user's Explorer policies key, which only administrators may change.
inline void refuseAsStandardUser(MemoryRegistryBackend& registry) {
    registry.refuseWrites(Hive::LocalMachine);
    registry.refuseKey(Hive::CurrentUser, kExplorer);
}

}  // namespace quorvex::testing
