#include <array>
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "monitor/decimal_text.h"

namespace quorvex::monitor {

namespace {

// printf's "%.*e", with '.' whatever the C locale's decimal point.
std::string printed(double value, int decimals) {
    std::array<char, 64> buffer{};
    const int length = std::snprintf(buffer.data(), buffer.size(), "%.*e", decimals, value);
    if (length <= 0 || static_cast<std::size_t>(length) >= buffer.size()) return {};
    std::string text(buffer.data(), static_cast<std::size_t>(length));
    if (decimals > 0) {
        const std::size_t point = text.front() == '-' ? 2 : 1;
        const std::size_t next = text.find_first_of("0123456789", point);
        if (next != std::string::npos) text.replace(point, next - point, ".");
    }
    return text;
}

// strtod over the whole text, which spells the decimal point '.'.
std::optional<double> read(std::string text) {
    if (const auto dot = text.find('.'); dot != std::string::npos)
        text.replace(dot, 1, std::localeconv()->decimal_point);
    errno = 0;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size()) return std::nullopt;
    if (errno == ERANGE && (value == 0.0 || !std::isfinite(value))) return std::nullopt;
    return value;
}

}  // namespace

std::string ScientificText(double value, std::optional<int> decimals) {
    if (!std::isfinite(value)) return {};
    if (decimals) return printed(value, *decimals);
    // The fewest digits that read back: whenever some text of that many digits does, the
    // correctly rounded one does.
    for (int digits = 0; digits < 16; ++digits) {
        std::string text = printed(value, digits);
        if (read(text) == value) return text;
    }
    return printed(value, 16);
}

std::optional<double> ReadDecimalText(std::string_view text) {
    bool digits = false;
    bool point = false;
    for (std::size_t i = text.starts_with('-') ? 1 : 0; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9') {
            digits = true;
        } else if (text[i] == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digits) return std::nullopt;
    const auto value = read(std::string(text));
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return value;
}

}  // namespace quorvex::monitor
