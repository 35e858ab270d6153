#pragma once

// What the command benchmarks share: prompts that answer every box, locations in a temporary
// folder, and a program folder holding the two Firefox preference sets.
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "browser/locations.h"
#include "browser/preference_sets.h"
#include "platform/prompts.h"

namespace quorvex::bench {

// Every box answered Yes; the restart prompt does nothing.
class YesPrompts : public Prompts {
  public:
    MessageAnswer showMessage(const MessageRequest& request) override {
        return request.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
    void offerRestart() override {}
};

// The program folder, and APPDATA when one is named (no Firefox profiles otherwise).
class BenchLocations : public Locations {
  public:
    std::filesystem::path programFolder() const override { return program; }
    std::vector<std::pair<std::string, std::string>> environment() const override {
        if (appdata.empty()) return {};
        return {{"APPDATA", appdata.string()}};
    }
    std::vector<std::filesystem::path> platformProfileRoots() const override { return {}; }
    std::filesystem::path program, appdata;
};

// Makes `folder` with the optimized and the default preference sets in it.
inline void writeProgramFolder(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    for (const auto& [name, text] : {std::pair{kOptimizedPreferencesFile, kOptimizedPreferences},
                                     std::pair{kDefaultPreferencesFile, kDefaultPreferences}}) {
        std::ofstream out(folder / std::string(name), std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
}

}  // namespace quorvex::bench
