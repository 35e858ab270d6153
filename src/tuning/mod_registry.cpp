#include "tuning/mod_registry.h"

#include <charconv>

namespace quorvex {

const char* hiveName(Hive hive) {
    return hive == Hive::CurrentUser ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
}

namespace modRegistry {

std::optional<std::int32_t> parseDecimal32(const std::string& text) {
    if (text.empty()) return std::nullopt;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    // from_chars takes '-' but not '+' nor spaces, which is the strictness wanted here.
    std::int32_t value = 0;
    auto [end, ec] = std::from_chars(first, last, value, 10);
    if (ec != std::errc{} || end != last) return std::nullopt;
    return value;
}

std::optional<std::vector<std::uint8_t>> encodeValue(std::uint32_t type, const RegData& data) {
    if (type == kRegSz) {
        std::string text = std::holds_alternative<std::int32_t>(data)
                               ? std::to_string(std::get<std::int32_t>(data))
                               : std::get<std::string>(data);
        std::vector<std::uint8_t> bytes(text.begin(), text.end());
        bytes.push_back(0);
        return bytes;
    }
    if (type == kRegDword) {
        std::int32_t number = 0;
        if (const auto* i = std::get_if<std::int32_t>(&data)) {
            number = *i;
        } else {
            auto parsed = parseDecimal32(std::get<std::string>(data));
            if (!parsed) return std::nullopt;
            number = *parsed;
        }
        const auto u = static_cast<std::uint32_t>(number);
        return std::vector<std::uint8_t>{
            static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
            static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)};
    }
    return std::nullopt;
}

long CreateKey(RegistryBackend& backend, const std::string& keyPath, Hive hive) {
    RegKey key = 0;
    const long status = backend.createKey(hive, keyPath, key);
    if (status == kRegOk) backend.closeKey(key);
    return status;
}

long WriteValue(RegistryBackend& backend, RegKey key, const std::string& valueName,
                std::uint32_t type, const RegData& data) {
    if (type != kRegSz && type != kRegDword) return kRegOk;
    auto bytes = encodeValue(type, data);
    if (!bytes) return kRegInvalidData;
    return backend.setValue(key, valueName, type, *bytes);
}

bool SetValue(RegistryBackend& backend, Hive hive, const std::string& keyPath,
              const std::string& valueName, const RegData& data, std::uint32_t type,
              RegistryFailure* why) {
    RegistryFailure failure;
    RegKey key = 0;
    const long opened = backend.openKey(hive, keyPath, key);
    if (opened != kRegOk) {
        failure = backend.describeFailure(opened);
    } else if (type != kRegSz && type != kRegDword) {
        // No failure of the platform, but nothing was stored.
        failure = {{}, "values of type " + std::to_string(type) + " are not written", kRegOk};
        backend.closeKey(key);
    } else if (!encodeValue(type, data)) {
        failure = {{}, "\"" + std::get<std::string>(data) + "\" is not a number", kRegInvalidData};
        backend.closeKey(key);
    } else {
        const long status = WriteValue(backend, key, valueName, type, data);
        // Described before the key is closed: closing is a call of its own.
        if (status != kRegOk) failure = backend.describeFailure(status);
        backend.closeKey(key);
        if (status == kRegOk) return true;
    }
    if (why) *why = std::move(failure);
    return false;
}

}  // namespace modRegistry
}  // namespace quorvex
