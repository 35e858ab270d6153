#include <system_error>

#include "platform/folder_access.h"

namespace quorvex {

namespace fs = std::filesystem;

Entry entryAt(const fs::path& path, bool followLinks) {
    std::error_code ec;
    const fs::file_status status =
        followLinks ? fs::status(path, ec) : fs::symlink_status(path, ec);
    if (status.type() == fs::file_type::not_found) return {};
    if (ec) return {EntryKind::Unknown, ec.message()};
    switch (status.type()) {
        case fs::file_type::regular:
            return {EntryKind::File, {}};
        case fs::file_type::directory:
            return {EntryKind::Folder, {}};
        case fs::file_type::symlink:
            return {EntryKind::Link, {}};
        case fs::file_type::none:
            return {EntryKind::Unknown, "unknown file type"};
        default:
            return {EntryKind::Other, {}};
    }
}

bool createFolders(const fs::path& folder, std::string& reason) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) reason = ec.message();
    return !ec;
}

bool removeFile(const fs::path& path) {
    std::error_code ec;
    fs::remove(path, ec);
    return !ec;
}

std::vector<fs::path> subfolders(const fs::path& folder, std::string& reason) {
    std::vector<fs::path> found;
    std::error_code ec;
    fs::directory_iterator it(folder, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        std::error_code entryError;
        if (it->is_directory(entryError)) found.push_back(it->path());
    }
    if (ec) reason = ec.message();
    return found;
}

fs::path sameFolderIdentity(const fs::path& folder) {
    std::error_code ec;
    auto identity = fs::weakly_canonical(folder, ec);
    return ec ? folder : identity;
}

}  // namespace quorvex
