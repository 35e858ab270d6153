#include "monitor/number_format.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "monitor/decimal_text.h"

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

// The digits and the power of ten of the first of them, from scientific text ("1.25e+03");
// nothing from anything else.
void SplitScientific(std::string_view text, std::string& digits, int& exponent) {
    digits.clear();
    exponent = 0;
    const auto e = text.find('e');
    if (e == std::string_view::npos || e < 1) return;
    for (char c : text.substr(0, e))
        if (c >= '0' && c <= '9') digits += c;
    const auto exp = text.substr(e + 1);
    const char* first = exp.data() + (exp.starts_with('+') ? 1 : 0);
    std::from_chars(first, exp.data() + exp.size(), exponent);
}

// Splits a non-negative value into integer and fraction digits, rounded to `decimals` places from
// its 15-significant-digit decimal form, halves away from zero, as people round what they read:
// 2147.475 gives 2147.48 although the nearest double lies just below the half.
void RoundDecimal(double value, int decimals, std::string& integer, std::string& fraction) {
    std::string digits;
    int exponent = 0;
    SplitScientific(ScientificText(value, 14), digits, exponent);
    int point = exponent + 1;  // digits before the decimal point
    const int keep = point + decimals;
    if (keep < 0 || digits.empty()) {
        digits.assign(static_cast<std::size_t>(decimals), '0');
        point = 0;
    } else if (keep < static_cast<int>(digits.size())) {
        const bool up = digits[static_cast<std::size_t>(keep)] >= '5';
        digits.resize(static_cast<std::size_t>(keep));
        if (up) {
            int i = keep - 1;
            while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9')
                digits[static_cast<std::size_t>(i--)] = '0';
            if (i >= 0) {
                ++digits[static_cast<std::size_t>(i)];
            } else {
                digits.insert(digits.begin(), '1');
                ++point;
            }
        }
    } else {
        digits.append(static_cast<std::size_t>(keep) - digits.size(), '0');
    }
    if (point <= 0) {
        integer.clear();
        fraction = std::string(static_cast<std::size_t>(-point), '0') + digits;
    } else {
        integer = digits.substr(0, static_cast<std::size_t>(point));
        fraction = digits.substr(static_cast<std::size_t>(point));
    }
    const auto nonZero = integer.find_first_not_of('0');
    integer.erase(0, nonZero == std::string::npos ? integer.size() : nonZero);
}

}  // namespace

std::string FormatNumber(double value, const NumberPattern& pattern, const NumberLocale& locale) {
    if (!std::isfinite(value)) return {};
    std::string integer;
    std::string fraction;
    RoundDecimal(std::fabs(value), pattern.decimals, integer, fraction);

    std::string intText(integer);
    if (static_cast<int>(intText.size()) < pattern.minIntegerDigits)
        intText.insert(0, static_cast<std::size_t>(pattern.minIntegerDigits) - intText.size(), '0');

    const bool isZero = integer.empty() && fraction.find_first_not_of('0') == std::string::npos;
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
    // The shortest digits that read back, laid out without an exponent.
    std::string digits;
    int exponent = 0;
    SplitScientific(ScientificText(value, std::nullopt), digits, exponent);
    if (digits.empty()) return {};
    std::string out;
    if (exponent < 0) {
        out = "0" + locale.decimal + std::string(static_cast<std::size_t>(-exponent - 1), '0') +
              digits;
    } else if (static_cast<std::size_t>(exponent) + 1 >= digits.size()) {
        out = digits + std::string(static_cast<std::size_t>(exponent) + 1 - digits.size(), '0');
    } else {
        out = digits.substr(0, static_cast<std::size_t>(exponent) + 1) + locale.decimal +
              digits.substr(static_cast<std::size_t>(exponent) + 1);
    }
    if (value < 0) out.insert(0, "-");
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
    return ReadDecimalText(plain);
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
