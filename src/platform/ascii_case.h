#pragma once

#include <string>
#include <string_view>

namespace quorvex {

// The one letter-case rule of the program: A to Z match a to z, every other byte (UTF-8
// included) only itself, whatever the locale. Registry paths and names, settings words,
// environment variable names and control property keys all compare this way.
constexpr char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string asciiLower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = asciiLower(c);
    return out;
}

constexpr bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (asciiLower(a[i]) != asciiLower(b[i])) return false;
    return true;
}

}  // namespace quorvex
