#pragma once

#include <cstdint>
#include <string>

#include "tuning/registry_data.h"

namespace quorvex::testing {

// A stored value as text: REG_SZ as its characters, REG_DWORD as "#" and its decimal number,
// "<missing>" when there is none.
inline std::string regText(const RegistryData& data, Hive hive, const std::string& path,
                           const std::string& name) {
    const RegValue* value = data.value(hive, path, name);
    if (!value) return "<missing>";
    if (value->type == kRegSz) {
        std::string text(value->data.begin(), value->data.end());
        if (!text.empty() && text.back() == '\0') text.pop_back();
        return text;
    }
    if (value->type == kRegDword && value->data.size() == 4) {
        std::uint32_t u = 0;
        for (int i = 3; i >= 0; --i) u = (u << 8) | value->data[static_cast<std::size_t>(i)];
        return "#" + std::to_string(static_cast<std::int32_t>(u));
    }
    return "<type " + std::to_string(value->type) + ">";
}

}  // namespace quorvex::testing
