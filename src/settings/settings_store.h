#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/settings_storage.h"

namespace quorvex {

// The application name every setting lives under.
inline constexpr std::string_view kSettingsApplication = "Quorvex";

// Text encodings of stored values: a Boolean is "True" or "False", an integer plain decimal
// digits with a leading "-" when negative, a list text unchanged.
std::string encodeBool(bool value);
std::string encodeInt(std::int64_t value);
// "True"/"False" in any letter case; anything else is a conversion failure.
std::optional<bool> decodeBool(std::string_view text);
// The whole text as a decimal integer within a signed field of `widthBits` (16 or 32) bits.
std::optional<std::int32_t> decodeInt(std::string_view text, int widthBits);

// The stored text, or the fallback encoded like a write when the key is missing.
std::string ReadSetting(const SettingsStorage& storage, const std::string& section,
                        const std::string& key, const std::string& fallback);
// Keeps a text literal from turning into the Boolean overload.
std::string ReadSetting(const SettingsStorage& storage, const std::string& section,
                        const std::string& key, const char* fallback);
std::string ReadSetting(const SettingsStorage& storage, const std::string& section,
                        const std::string& key, bool fallback);
std::string ReadSetting(const SettingsStorage& storage, const std::string& section,
                        const std::string& key, std::int32_t fallback);

// Stores the text; returns whether the storage accepted it (callers go on either way).
bool WriteSetting(SettingsStorage& storage, const std::string& section, const std::string& key,
                  const std::string& value);

}  // namespace quorvex
