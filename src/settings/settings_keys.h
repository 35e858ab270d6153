#pragma once

#include <span>
#include <string_view>

#include "tuning/tuning_state.h"

namespace quorvex {

// Section names of the settings store.
namespace sections {
inline constexpr const char* kConnection = "Connection";
inline constexpr const char* kAdvanced = "Advanced";
inline constexpr const char* kValues = "Values";
inline constexpr const char* kFirefox = "Firefox";
}  // namespace sections

// One option control and the Boolean key that holds whether it is selected.
struct OptionKey {
    std::string_view section;
    std::string_view key;
    std::string_view control;
};

// The 48 option keys in the order every writer saves them and the start-up restore reads them:
// the connection controls by ascending key (without "48"), the ten numbered advanced keys,
// "Connection" "48", then the named advanced keys.
std::span<const OptionKey> optionKeys();

// A list control and the key that holds its text.
struct ListKey {
    std::string_view section;
    std::string_view key;
    std::string_view list;
};

// "HTTP0" (Combo1), "HTTP1" (Combo2), "QOS": the order the tuning commands save them.
std::span<const ListKey> numberListKeys();
inline constexpr ListKey kConnectionListKey{"Values", "Connection", "Combo3"};

// A TuningState field and its "Values" key ("1" to "11"; NoRecentDocsNetHood has none).
struct ValueKey {
    std::string_view key;
    TuningField field;
};
std::span<const ValueKey> valueKeys();

}  // namespace quorvex
