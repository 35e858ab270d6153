#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tuning/registry_backend.h"
#include "tuning/registry_types.h"

namespace quorvex {

// One write that needs administrator rights, held back until its batch ends.
struct HeldBackWrite {
    Hive hive;
    std::string keyPath;
    std::string valueName;
    // Deletes the value (a missing key or value counts as done) instead of storing it.
    bool remove = false;
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
    friend bool operator==(const HeldBackWrite&, const HeldBackWrite&) = default;
};

// What came of each held-back write, in the same order: nothing when it was made, or why not.
using HeldBackResults = std::vector<std::optional<RegistryFailure>>;

// Makes writes with administrator rights on behalf of a process that has none (on Windows, a
// copy of the console program started elevated after the user's consent). The key of the current
// user means the user of the process that asks, never the account that gave its consent.
class ElevatedWriter {
  public:
    virtual ~ElevatedWriter() = default;
    // Makes every write in order, as one batch. Never throws.
    virtual HeldBackResults write(const std::vector<HeldBackWrite>& writes) = 0;
};

// The user declined to give administrator rights (ERROR_CANCELLED).
inline constexpr long kElevationDeclined = 1223;
inline constexpr std::string_view kElevationDeclinedReason =
    "Administrator rights were not given, so the values that need them were left untouched";

// Every write refused for the same reason.
inline HeldBackResults refuseAll(std::size_t writes, const RegistryFailure& why) {
    return HeldBackResults(writes, why);
}

}  // namespace quorvex
