#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tuning/registry_backend.h"
#include "tuning/registry_types.h"

namespace quorvex::modRegistry {

// Makes sure the key exists. Returns the platform status, which callers only use to say why a
// value written next was refused.
long CreateKey(RegistryBackend& backend, const std::string& keyPath, Hive hive);

// Writes one value into an existing key. Returns whether it was written: false for a key that
// would not open, a refused write or a text that is no number for REG_DWORD, and then `why`
// (when given) says why. Never throws.
bool SetValue(RegistryBackend& backend, Hive hive, const std::string& keyPath,
              const std::string& valueName, const RegData& data, std::uint32_t type,
              RegistryFailure* why = nullptr);

// Writes one value into an open key; returns the platform status (0 on success).
// A text that is no decimal 32-bit number for REG_DWORD writes nothing and returns
// kRegInvalidData; any type other than REG_SZ and REG_DWORD writes nothing and returns 0.
long WriteValue(RegistryBackend& backend, RegKey key, const std::string& valueName,
                std::uint32_t type, const RegData& data);

// The bytes WriteValue hands the platform, or nothing for a conversion failure or a type it
// does not write.
std::optional<std::vector<std::uint8_t>> encodeValue(std::uint32_t type, const RegData& data);

// Strict decimal parse: the whole text, an optional leading '-', within the signed 32-bit range.
std::optional<std::int32_t> parseDecimal32(const std::string& text);

}  // namespace quorvex::modRegistry
