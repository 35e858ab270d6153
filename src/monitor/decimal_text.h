#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvex::monitor {

// The two conversions between doubles and decimal text that the number formats rest on. Each
// platform picks its implementation: the C++ library's where it costs nothing more, the C
// runtime's where the C++ library's tables would double the size of a small program.

// A finite value in scientific form with `decimals` digits after the point ("1.25000e+03"),
// rounded from the exact binary value; with no `decimals`, the fewest digits that read back as
// the same double.
std::string ScientificText(double value, std::optional<int> decimals);

// Plain decimal text ("-12.5", "0.97656": an optional '-', digits, an optional '.' and digits)
// read as the nearest double; empty for anything else or a value out of range.
std::optional<double> ReadDecimalText(std::string_view text);

}  // namespace quorvex::monitor
