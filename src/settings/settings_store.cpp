#include "settings/settings_store.h"

#include <charconv>
#include <limits>

#include "platform/ascii_case.h"

namespace quorvex {

std::string encodeBool(bool value) {
    return value ? "True" : "False";
}

std::string encodeInt(std::int64_t value) {
    return std::to_string(value);
}

std::optional<bool> decodeBool(std::string_view text) {
    if (equalsIgnoringAsciiCase(text, "true")) return true;
    if (equalsIgnoringAsciiCase(text, "false")) return false;
    return std::nullopt;
}

std::optional<std::int32_t> decodeInt(std::string_view text, int widthBits) {
    if (text.empty() || text.front() == '+') return std::nullopt;
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    const std::int64_t max = widthBits == 16 ? std::numeric_limits<std::int16_t>::max()
                                             : std::numeric_limits<std::int32_t>::max();
    const std::int64_t min = widthBits == 16 ? std::numeric_limits<std::int16_t>::min()
                                             : std::numeric_limits<std::int32_t>::min();
    if (value < min || value > max) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::string ReadSetting(const SettingsStorage& storage, const std::string& section,
                        const std::string& key, const std::string& fallback) {
    if (auto stored = storage.read(section, key)) return *stored;
    return fallback;
}

std::string ReadSetting(const SettingsStorage& storage, const std::string& section,
                        const std::string& key, const char* fallback) {
    return ReadSetting(storage, section, key, std::string(fallback));
}

std::string ReadSetting(const SettingsStorage& storage, const std::string& section,
                        const std::string& key, bool fallback) {
    return ReadSetting(storage, section, key, encodeBool(fallback));
}

std::string ReadSetting(const SettingsStorage& storage, const std::string& section,
                        const std::string& key, std::int32_t fallback) {
    return ReadSetting(storage, section, key, encodeInt(fallback));
}

bool WriteSetting(SettingsStorage& storage, const std::string& section, const std::string& key,
                  const std::string& value) {
    return storage.write(section, key, value);
}

}  // namespace quorvex
