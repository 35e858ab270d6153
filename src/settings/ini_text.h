#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvex {

// One group of an INI file: its keys and texts, in file order.
struct IniSection {
    std::string name;
    std::vector<std::pair<std::string, std::string>> entries;
    friend bool operator==(const IniSection&, const IniSection&) = default;
};
using IniSections = std::vector<IniSection>;

// The INI text as Qt's QSettings writes it (UTF-8, LF, "[Section]" then "key=value", values
// escaped and quoted where QSettings does), so a file written by either reads in both.
std::string formatIniText(const IniSections& sections);

// Reads such a text: comments (";" or "#"), blank lines, keys before any section (group
// "General"), quoted and escaped values, a comma list joined with ", ". Nothing for a text that
// is not one: not UTF-8 (UTF-16 included), a NUL, a section line without its "]", a line that
// is neither a section nor "key=value", an empty key, an unterminated quote.
std::optional<IniSections> parseIniText(std::string_view text);

// Sets one value, adding the section and the key at the end when they are missing.
void setIniValue(IniSections& sections, const std::string& section, const std::string& key,
                 const std::string& value);
const std::string* findIniValue(const IniSections& sections, const std::string& section,
                                const std::string& key);

}  // namespace quorvex
