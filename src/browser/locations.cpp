#include "browser/locations.h"

#include "platform/ascii_case.h"

namespace quorvex {

std::optional<std::string> environmentValue(const Locations& locations, std::string_view name) {
    for (const auto& [key, value] : locations.environment())
        if (equalsIgnoringAsciiCase(key, name)) return value;
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
