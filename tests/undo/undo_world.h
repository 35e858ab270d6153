#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "browser/preference_sets.h"
#include "commands/tuning_commands.h"
#include "commands/window_settings.h"
#include "settings/settings_keys.h"
#include "support/command_fakes.h"
#include "support/command_world.h"
#include "undo/record_store.h"
#include "undo/test_registries.h"
#include "undo/tracked_values.h"
#include "undo/undo_commands.h"
#include "undo/undo_recorder.h"

namespace quorvex::testing {

// What a person would compare: every tracked value (type and data, or absent), every
// tracked setting, and what the window shows.
struct Observed {
    std::vector<std::optional<std::pair<std::uint32_t, std::vector<std::uint8_t>>>> values;
    std::vector<std::optional<std::string>> settings;
    std::vector<std::string> window;
    friend bool operator==(const Observed&, const Observed&) = default;
};

// The program around the tuning and undo commands, on the chosen registry backend, with the
// records in a temporary data folder.
struct UndoWorld {
    explicit UndoWorld(const TestRegistryKind& kind) : registry(kind.make(temp.path())) {
        locations.program = temp.path() / "program";
        writeFile(locations.program / "pipeline.js", kOptimizedPreferences);
        writeFile(locations.program / "unpipeline.js", kDefaultPreferences);
        locations.variables = {{"APPDATA", (temp.path() / "appdata").string()}};
        restoreWindowState(window, storage);
    }

    void choose(std::string_view fullName) {
        window.controls().setListText("Combo3", std::string(fullName));
    }
    std::optional<RegValue> stored(const undo::ValueAddress& address) const {
        return registry->stored(address.hive, address.keyPath, address.valueName);
    }
    void preset(Hive hive, const std::string& path, const std::string& name, std::uint32_t type,
                std::vector<std::uint8_t> data) {
        RegKey key = 0;
        ASSERT_EQ(registry->backend().createKey(hive, path, key), kRegOk);
        ASSERT_EQ(registry->backend().setValue(key, name, type, data), kRegOk);
        registry->backend().closeKey(key);
    }
    // Commands that ended with every value in place (see completedCommands).
    int completed() const { return completedCommands(prompts, registry->backend()); }
    Observed observe() const {
        Observed seen;
        for (const auto& address : undo::trackedValues()) {
            const auto value = stored(address);
            seen.values.push_back(value
                                      ? std::make_optional(std::make_pair(value->type, value->data))
                                      : std::nullopt);
        }
        for (const auto& address : undo::trackedSettings())
            seen.settings.push_back(storage.read(address.section, address.key));
        const ControlModel& controls = window.controls();
        for (const char* list : {"Combo3", "QOS", "Combo1", "Combo2"})
            seen.window.push_back(list + std::string("=") + controls.listText(list));
        for (const OptionKey& option : optionKeys())
            if (controls.option(std::string(option.control)))
                seen.window.push_back(std::string(option.control));
        for (TuningField field : kTuningFields)
            seen.window.push_back(std::string(tuningFieldName(field)) + "=" +
                                  std::to_string(tuningFieldValue(window.state(), field)));
        return seen;
    }

    TempDir temp;
    std::unique_ptr<TestRegistry> registry;
    WindowModel window;
    RecordingSettingsStorage storage;
    FakePrompts prompts;
    FakeEventPump events;
    FakeLocations locations;
    FixedClock clock;
    FakeElevation elevation;
    undo::RecordStore records{temp.path() / "data" / "Quorvex"};
    undo::UndoRecorder recorder{records};
    TuningCommands commands{
        CommandContext{{registry->backend(), storage, prompts, events, locations, clock},
                       window,
                       &recorder,
                       &elevation}};
    undo::UndoCommands undo{commands, records};
};

inline std::vector<std::uint8_t> szBytes(const std::string& text) {
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

inline std::vector<std::uint8_t> dwordBytes(std::uint32_t n) {
    return {static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8),
            static_cast<std::uint8_t>(n >> 16), static_cast<std::uint8_t>(n >> 24)};
}

}  // namespace quorvex::testing
