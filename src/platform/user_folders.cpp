#include "platform/user_folders.h"

namespace quorvex {

namespace {

// An absolute folder that is not the root itself ("/", "//", "/." all are).
std::optional<std::filesystem::path> usableFolder(const std::optional<std::string>& text) {
    if (!text || text->empty() || (*text)[0] != '/') return std::nullopt;
    const std::filesystem::path folder = std::filesystem::path(*text).lexically_normal();
    if (!folder.has_relative_path()) return std::nullopt;
    return folder;
}

}  // namespace

UserFolders userFoldersFrom(const std::optional<std::string>& home,
                            const std::optional<std::string>& xdgDataHome,
                            const std::optional<std::string>& xdgConfigHome,
                            const std::function<std::optional<std::string>()>& accountHome) {
    std::optional<std::filesystem::path> homeFolder = usableFolder(home);
    if (!homeFolder && accountHome) homeFolder = usableFolder(accountHome());
    UserFolders folders;
    if (const auto data = usableFolder(xdgDataHome)) {
        folders.data = *data;
    } else if (homeFolder) {
        folders.data = *homeFolder / ".local" / "share";
    }
    if (const auto config = usableFolder(xdgConfigHome)) {
        folders.config = *config;
    } else if (homeFolder) {
        folders.config = *homeFolder / ".config";
    }
    return folders;
}

std::filesystem::path registryStorePath(const UserFolders& folders) {
    return folders.data.empty() ? std::filesystem::path{}
                                : folders.data / "Quorvex" / "registry.reg";
}

std::filesystem::path settingsFilePath(const UserFolders& folders) {
    return folders.config.empty() ? std::filesystem::path{}
                                  : folders.config / "Quorvex" / "Quorvex.ini";
}

}  // namespace quorvex
