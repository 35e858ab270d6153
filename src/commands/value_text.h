#pragma once

#include <optional>
#include <string>

#include "tuning/registry_backend.h"
#include "tuning/registry_data.h"

namespace quorvex {

// A value as the command line shows it: a REG_SZ as its text, a REG_DWORD as its decimal
// number, another type as "(type N, M bytes)"; nothing for a value that does not exist.
std::optional<std::string> valueText(const std::optional<RegValue>& value);
// The same, "(none)" for a value that does not exist.
std::string shownValue(const std::optional<RegValue>& value);

// "HKEY_LOCAL_MACHINE\System\...": the key as `reg query` names it.
std::string fullKeyName(Hive hive, std::string_view keyPath);

// The system's reason, after the file that holds the values when there is one.
std::string failureText(const RegistryFailure& failure);

}  // namespace quorvex
