#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/folder_hold.h"

namespace quorvex {

FolderHold::FolderHold(const std::filesystem::path& folder) {
    // O_NOFOLLOW refuses a link as the last part of the path.
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        error_ = errno == ELOOP || errno == ENOTDIR ? "it is a link, or not a folder"
                                                    : std::strerror(errno);
        return;
    }
    handle_ = fd;
}

FolderHold::~FolderHold() {
    if (handle_ >= 0) ::close(static_cast<int>(handle_));
}

}  // namespace quorvex
