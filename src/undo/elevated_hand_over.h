#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tuning/elevated_writer.h"
#include "tuning/registry_backend.h"

namespace quorvex::undo {

// The writes a process without administrator rights hands to a copy of the program that has
// them, and for whom: the user whose hive stands for HKEY_CURRENT_USER.
struct HandOver {
    std::string userSid;  // "S-1-5-21-..."
    std::vector<HeldBackWrite> writes;
    friend bool operator==(const HandOver&, const HandOver&) = default;
};

// The two files of a hand-over folder: what to write, and what came of it.
inline constexpr std::string_view kHandOverFile = "hand-over.txt";
inline constexpr std::string_view kResultsFile = "results.txt";

// Limits past which a hand-over is refused whole: it names at most the tracked values a few
// times over, each with the data a tuning value can have.
inline constexpr std::size_t kMaxHandOverBytes = 1 << 20;
inline constexpr std::size_t kMaxHandedWrites = 64;
inline constexpr std::size_t kMaxHandedDataBytes = 8192;

// A user's security identifier in its text form: "S-1-", the authority, then 1 to 15
// sub-authorities, decimal digits only (so nothing of it can step out of HKEY_USERS\<SID>).
bool validUserSid(std::string_view sid);

// Whether a hand-over may name the value: one of the values the tuning commands write whose key
// needs administrator rights (every one under HKEY_LOCAL_MACHINE, and the Explorer policies
// value of the current user), spelled as the registry compares names.
bool mayHandOver(Hive hive, std::string_view keyPath, std::string_view valueName);

// Text of a hand-over and of its results, lines of tab-separated fields, data in hexadecimal.
std::string handOverText(const HandOver& handOver);
std::string resultsText(const HeldBackResults& results);

// A hand-over comes from a process without rights to one that has them, so it is read as
// untrusted: anything but a whole, well-formed hand-over of values that mayHandOver allows,
// within the limits above, is refused whole, and `error` says why.
std::optional<HandOver> parseHandOver(std::string_view text, std::string& error);
// Exactly `expected` results, or nothing.
std::optional<HeldBackResults> parseResults(std::string_view text, std::size_t expected);

// Makes the writes on `registry` in one batch, each value stored with its type and data or
// deleted: the elevated side of a hand-over. `registry`'s current user is the hand-over's user.
HeldBackResults makeHandedWrites(RegistryBackend& registry,
                                 const std::vector<HeldBackWrite>& writes);

}  // namespace quorvex::undo
