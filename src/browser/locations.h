#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvex {

// Where the program finds things outside itself: its own folder, the environment and the
// platform's Firefox profile folders. The real one is made in main(); tests use folders of
// their own.
class Locations {
  public:
    virtual ~Locations() = default;
    // The folder that holds the running executable.
    virtual std::filesystem::path programFolder() const = 0;
    // Every environment variable, name and value, names spelled as the platform keeps them.
    virtual std::vector<std::pair<std::string, std::string>> environment() const = 0;
    // The folders where Firefox keeps profiles on this platform when no "appdata" variable is
    // set; empty where that variable is the only way (Windows).
    virtual std::vector<std::filesystem::path> platformProfileRoots() const = 0;
};

// A path from UTF-8 text (the environment's values are UTF-8 on every platform).
inline std::filesystem::path pathFromUtf8(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

// The value of the first variable whose name equals `name` without regard to letter case.
std::optional<std::string> environmentValue(const Locations& locations, std::string_view name);

// Firefox's profile roots on Linux (classic, XDG, snap and flatpak installs) and on macOS.
// An empty `xdgConfigHome` means its default, `home`/.config.
std::vector<std::filesystem::path> linuxProfileRoots(const std::filesystem::path& home,
                                                     const std::string& xdgConfigHome);
std::vector<std::filesystem::path> macProfileRoots(const std::filesystem::path& home);

// The running process's own locations.
class SystemLocations : public Locations {
  public:
    std::filesystem::path programFolder() const override;
    std::vector<std::pair<std::string, std::string>> environment() const override;
    std::vector<std::filesystem::path> platformProfileRoots() const override;
};

}  // namespace quorvex
