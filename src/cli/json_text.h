#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvex::cli {

// A JSON string literal of UTF-8 `text`, quotes included; control characters escaped.
std::string jsonString(std::string_view text);
// The literal, or null for nothing.
std::string jsonOptional(const std::optional<std::string>& text);

}  // namespace quorvex::cli
