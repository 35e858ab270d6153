#include "commands/value_text.h"

namespace quorvex {

std::optional<std::string> valueText(const std::optional<RegValue>& value) {
    if (!value) return std::nullopt;
    const auto& data = value->data;
    if (value->type == kRegSz) {
        std::string text(data.begin(), data.end());
        while (!text.empty() && text.back() == '\0') text.pop_back();
        return text;
    }
    if (value->type == kRegDword && data.size() == 4) {
        const std::uint32_t n = data[0] | (data[1] << 8) | (data[2] << 16) |
                                (static_cast<std::uint32_t>(data[3]) << 24);
        return std::to_string(n);
    }
    return "(type " + std::to_string(value->type) + ", " + std::to_string(data.size()) + " bytes)";
}

std::string shownValue(const std::optional<RegValue>& value) {
    return valueText(value).value_or("(none)");
}

std::string fullKeyName(Hive hive, std::string_view keyPath) {
    return std::string(hiveName(hive)) + "\\" + std::string(keyPath);
}

std::string failureText(const RegistryFailure& failure) {
    if (failure.location.empty()) return failure.reason;
    return failure.location + ": " + failure.reason;
}

}  // namespace quorvex
