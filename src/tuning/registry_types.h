#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace quorvex {

// The two predefined roots the tuning commands write under (their Win32 handle values).
enum class Hive : std::uint32_t {
    CurrentUser = 0x80000001u,
    LocalMachine = 0x80000002u,
};

inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegDword = 4;
// Query value, set value, create sub-key, enumerate sub-keys, notify, create link.
inline constexpr std::uint32_t kRegAccess = 0x3F;

// Status codes, as the platform reports them (0 is success).
inline constexpr long kRegOk = 0;
inline constexpr long kRegNotFound = 2;
inline constexpr long kRegAccessDenied = 5;
inline constexpr long kRegInvalidHandle = 6;
inline constexpr long kRegInvalidData = 13;
inline constexpr long kRegWriteFault = 29;

// What a caller hands to SetValue: an integer from the TuningState or a list's text.
using RegData = std::variant<std::int32_t, std::string>;

// "HKEY_LOCAL_MACHINE" or "HKEY_CURRENT_USER".
const char* hiveName(Hive hive);

}  // namespace quorvex
