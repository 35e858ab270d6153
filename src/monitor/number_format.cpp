#include "monitor/number_format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace quorvex::monitor {

namespace {

// Exact half-to-even rounding, independent of the floating-point environment.
double RoundHalfEven(double value) {
    const double down = std::floor(value);
    const double diff = value - down;
    if (diff < 0.5) return down;
    if (diff > 0.5) return down + 1.0;
    return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}

std::string GroupDigits(std::string_view digits, const std::string& separator) {
    std::string out;
    out.reserve(digits.size() + digits.size() / 3 * separator.size());
    const std::size_t lead = digits.size() % 3;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (i + 3 - lead) % 3 == 0) out += separator;
        out += digits[i];
    }
    return out;
}

}  // namespace

std::string FormatNumber(double value, const NumberPattern& pattern, const NumberLocale& locale) {
    if (!std::isfinite(value)) return {};
    // Fixed notation of a finite double needs at most 309 integer digits plus the decimals.
    std::array<char, 400> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                         std::fabs(value), std::chars_format::fixed,
                                         pattern.decimals);
    if (ec != std::errc{}) return {};
    std::string_view digits(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    std::string_view integer = digits;
    std::string_view fraction;
    if (const auto dot = digits.find('.'); dot != std::string_view::npos) {
        integer = digits.substr(0, dot);
        fraction = digits.substr(dot + 1);
    }
    // Drop the leading zero to_chars writes for values below one; the pattern pads again.
    while (integer.size() > 1 && integer.front() == '0') integer.remove_prefix(1);
    if (integer == "0") integer = {};

    std::string intText(integer);
    if (static_cast<int>(intText.size()) < pattern.minIntegerDigits)
        intText.insert(0, static_cast<std::size_t>(pattern.minIntegerDigits) - intText.size(), '0');

    const bool isZero = integer.empty() && fraction.find_first_not_of('0') == std::string_view::npos;
    std::string out;
    if (value < 0 && !isZero) out += '-';
    out += pattern.grouped ? GroupDigits(intText, locale.grouping) : intText;
    if (pattern.decimals > 0) {
        out += locale.decimal;
        out += fraction;
    }
    out += pattern.suffix;
    return out;
}

std::string FormatPlain(double value, const NumberLocale& locale) {
    if (!std::isfinite(value)) return {};
    std::array<char, 400> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                         std::chars_format::fixed);
    if (ec != std::errc{}) return {};
    std::string out(buffer.data(), end);
    if (const auto dot = out.find('.'); dot != std::string::npos)
        out.replace(dot, 1, locale.decimal);
    if (out == "-0") out = "0";
    return out;
}

std::optional<double> ParseNumber(std::string_view text, const NumberLocale& locale) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    std::string plain;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-') plain += '-';
        ++i;
    }
    bool digits = false;
    bool inFraction = false;
    while (i < text.size()) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            plain += c;
            digits = true;
            ++i;
        } else if (!locale.decimal.empty() && !inFraction &&
                   text.substr(i).starts_with(locale.decimal)) {
            plain += '.';
            inFraction = true;
            i += locale.decimal.size();
        } else if (!locale.grouping.empty() && !inFraction && digits &&
                   text.substr(i).starts_with(locale.grouping)) {
            i += locale.grouping.size();
        } else {
            return std::nullopt;
        }
    }
    if (!digits) return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec != std::errc{} || end != plain.data() + plain.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::int32_t> RoundToInt32(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double r = RoundHalfEven(value);
    if (r < static_cast<double>(std::numeric_limits<std::int32_t>::min()) ||
        r > static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return static_cast<std::int32_t>(r);
}

std::optional<std::int64_t> RoundToInt64(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double r = RoundHalfEven(value);
    // 2^63 is exactly representable; every double below it converts without overflow.
    constexpr double kLimit = 9223372036854775808.0;
    if (r < -kLimit || r >= kLimit) return std::nullopt;
    return static_cast<std::int64_t>(r);
}

std::optional<std::int32_t> TextToInt32(std::string_view text, const NumberLocale& locale) {
    const auto value = ParseNumber(text, locale);
    if (!value) return std::nullopt;
    return RoundToInt32(*value);
}

}  // namespace quorvex::monitor
