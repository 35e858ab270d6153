#include <cstdlib>
#include <string>

#include "browser/locations.h"

extern char** environ;

namespace quorvex {

std::filesystem::path SystemLocations::programFolder() const {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) return exe.parent_path();
    return std::filesystem::current_path(ec);
}

std::vector<std::pair<std::string, std::string>> SystemLocations::environment() const {
    std::vector<std::pair<std::string, std::string>> variables;
    for (char** entry = environ; entry && *entry; ++entry) {
        const std::string text(*entry);
        const auto equals = text.find('=');
        if (equals == std::string::npos || equals == 0) continue;
        variables.emplace_back(text.substr(0, equals), text.substr(equals + 1));
    }
    return variables;
}

std::vector<std::filesystem::path> SystemLocations::platformProfileRoots() const {
    const char* home = std::getenv("HOME");
    // Without a home folder there is nowhere to look; never fall back to the root.
    if (!home || !*home || !std::filesystem::path(home).is_absolute()) return {};
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
#ifdef __APPLE__
    (void)xdg;
    return macProfileRoots(home);
#else
    return linuxProfileRoots(home, xdg ? xdg : "");
#endif
}

}  // namespace quorvex
