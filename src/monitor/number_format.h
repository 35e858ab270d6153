#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvex::monitor {

// The user's number separators. The core takes them as plain values; the window passes the
// user's locale.
struct NumberLocale {
    std::string decimal = ".";
    std::string grouping = ",";
};

// A display pattern such as "00.00000" or "###,###,###,###,#0.#0 Kbits/s": at least
// `minIntegerDigits` digits before the separator, exactly `decimals` after it, thousands grouping
// when `grouped`, then `suffix` copied literally.
struct NumberPattern {
    int minIntegerDigits = 1;
    int decimals = 0;
    bool grouped = false;
    std::string_view suffix;
};

namespace patterns {
inline constexpr NumberPattern kWhole{1, 0, false, ""};              // "0"
inline constexpr NumberPattern kOneDecimal{1, 1, false, ""};         // "0.0"
inline constexpr NumberPattern kRate{2, 1, false, ""};               // "00.0"
inline constexpr NumberPattern kStepKb{2, 4, false, ""};             // "00.0000"
inline constexpr NumberPattern kTotalKb{2, 5, false, ""};            // "00.00000"
inline constexpr NumberPattern kGrouped{1, 0, true, ""};             // "###,###,###,###,#0"
inline constexpr NumberPattern kKbits{1, 2, true, " Kbits/s"};       // "...#0.#0 Kbits/s"
inline constexpr NumberPattern kMbit{1, 2, true, " Mbit/s"};         // "...#0.#0 Mbit/s"
inline constexpr NumberPattern kKbPerSecond{1, 1, false, " KB/s"};   // "0.0 KB/s"
inline constexpr NumberPattern kMbPerSecond{1, 1, false, " MB/s"};   // "0.0 MB/s"
inline constexpr NumberPattern kKbsOneDecimal{1, 1, false, " KBs"};  // "0.0 KBs"
inline constexpr NumberPattern kKbs{1, 2, false, " KBs"};            // "0.00 KBs"
inline constexpr NumberPattern kMbs{1, 2, false, " MBs"};            // "0.00 MBs"
inline constexpr NumberPattern kGbs{1, 2, false, " GBs"};            // "0.00 GBs"
inline constexpr NumberPattern kTbs{1, 2, false, " TBs"};            // "0.00 TBs"
}  // namespace patterns

// Renders `value` rounded to the pattern's decimals from its 15-significant-digit decimal form,
// halves away from zero. A value that rounds to zero carries no "-". Not-a-number and infinities
// give "".
std::string FormatNumber(double value, const NumberPattern& pattern, const NumberLocale& locale);

// Full-precision plain text of a value (shortest text that reads back to the same double), with
// the locale's decimal separator and no grouping: how running totals are kept.
std::string FormatPlain(double value, const NumberLocale& locale);

// Reads a number written with the locale's separators: optional sign, digits with optional
// grouping separators, optional decimal part; blanks around it are allowed. Anything else fails.
std::optional<double> ParseNumber(std::string_view text, const NumberLocale& locale);

// Rounds to the nearest integer, halves to even; empty when the result does not fit.
std::optional<std::int32_t> RoundToInt32(double value);
std::optional<std::int64_t> RoundToInt64(double value);

// A text taken as an integer: parsed, then rounded halves to even.
std::optional<std::int32_t> TextToInt32(std::string_view text, const NumberLocale& locale);

}  // namespace quorvex::monitor
