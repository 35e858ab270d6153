#include <array>
#include <charconv>
#include <cmath>

#include "monitor/decimal_text.h"

namespace quorvex::monitor {

std::string ScientificText(double value, std::optional<int> decimals) {
    std::array<char, 64> buffer{};
    const auto [end, ec] = decimals ? std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                                    value, std::chars_format::scientific, *decimals)
                                    : std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                                    value, std::chars_format::scientific);
    if (ec != std::errc{}) return {};
    return std::string(buffer.data(), end);
}

std::optional<double> ReadDecimalText(std::string_view text) {
    double value = 0;
    const auto [end, ec] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (ec != std::errc{} || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

}  // namespace quorvex::monitor
