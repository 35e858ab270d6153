#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "tuning/registry_backend.h"

namespace quorvex {

// One value a command could not write, and why (kept as it was at that write: later calls to
// the backend describe their own refusals).
struct RefusedValue {
    std::string valueName;
    RegistryFailure failure;
};

// How a command's closing words speak of its values.
struct ValuesWording {
    std::string_view values;  // "registry values"
    std::string_view done;    // "written"
    std::string_view inFile;  // before a file's name: "to"
};
inline constexpr ValuesWording kRegistryValuesWritten{"registry values", "written", "to"};
inline constexpr ValuesWording kTuningValuesPutBack{"tuning values", "put back", "in"};

// How many values are named in a message before "and N more".
inline constexpr std::size_t kNamedRefusals = 3;

// Whether running as administrator is the cure: every refusal came from the registry itself
// (no file), each was access denied, and the process does not already run elevated.
bool administratorWouldHelp(const std::vector<RefusedValue>& refused, bool elevated);

// "16 of the 18 registry values could not be written. Run Quorvex as administrator and try
// again." when that would help; otherwise the file (when one refused), a few of the values and
// the system's reasons: "1 of the 18 registry values could not be written ("MaxCmds"): The
// device is not ready."
std::string refusedValuesMessage(const ValuesWording& wording, std::size_t total,
                                 const std::vector<RefusedValue>& refused, bool elevated);

// The closing box when the values went to a file for Windows: which file, and how to merge it.
std::string carryToWindowsMessage(const ValuesWording& wording, std::size_t total,
                                  const std::string& file);

}  // namespace quorvex
