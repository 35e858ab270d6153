#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace quorvex {

// The per-user folders the program keeps its own files in; an empty path when there is none
// that can be used. Never the root of the file system, never relative to the working folder.
struct UserFolders {
    std::filesystem::path data;    // $XDG_DATA_HOME, else <home>/.local/share
    std::filesystem::path config;  // $XDG_CONFIG_HOME, else <home>/.config
};

// What the folders are made from: the HOME, XDG_DATA_HOME and XDG_CONFIG_HOME variables (unset
// is nothing) and the account's home from the password database, asked only when HOME is unset,
// empty, relative or the root. A relative XDG variable is ignored, as the XDG rules say.
UserFolders userFoldersFrom(const std::optional<std::string>& home,
                            const std::optional<std::string>& xdgDataHome,
                            const std::optional<std::string>& xdgConfigHome,
                            const std::function<std::optional<std::string>()>& accountHome);

// The running process's folders.
UserFolders systemUserFolders();

// "<data>/Quorvex/registry.reg" and "<config>/Quorvex/Quorvex.ini"; empty without the folder.
std::filesystem::path registryStorePath(const UserFolders& folders);
std::filesystem::path settingsFilePath(const UserFolders& folders);

}  // namespace quorvex
