#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "platform/user_folders.h"

namespace quorvex {

namespace {

std::optional<std::string> variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

std::optional<std::string> passwordDatabaseHome() {
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_dir)
        return std::nullopt;
    return std::string(found->pw_dir);
}

}  // namespace

UserFolders systemUserFolders() {
    return userFoldersFrom(variable("HOME"), variable("XDG_DATA_HOME"), variable("XDG_CONFIG_HOME"),
                           passwordDatabaseHome);
}

}  // namespace quorvex
