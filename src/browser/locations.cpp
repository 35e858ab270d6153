#include "browser/locations.h"

namespace quorvex {

namespace {

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

}  // namespace

std::optional<std::string> environmentValue(const Locations& locations, std::string_view name) {
    for (const auto& [key, value] : locations.environment())
        if (equalsNoCase(key, name)) return value;
    return std::nullopt;
}

std::vector<std::filesystem::path> linuxProfileRoots(const std::filesystem::path& home,
                                                     const std::string& xdgConfigHome) {
    // A relative XDG_CONFIG_HOME is invalid by its own rules and is ignored.
    const std::filesystem::path config =
        !xdgConfigHome.empty() && std::filesystem::path(xdgConfigHome).is_absolute()
            ? std::filesystem::path(xdgConfigHome)
            : home / ".config";
    return {
        home / ".mozilla" / "firefox",
        config / "mozilla" / "firefox",
        home / "snap" / "firefox" / "common" / ".mozilla" / "firefox",
        home / ".var" / "app" / "org.mozilla.firefox" / ".mozilla" / "firefox",
    };
}

std::vector<std::filesystem::path> macProfileRoots(const std::filesystem::path& home) {
    return {home / "Library" / "Application Support" / "Firefox" / "Profiles"};
}

}  // namespace quorvex
