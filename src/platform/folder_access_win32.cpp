#include <windows.h>

#include "platform/folder_access.h"
#include "platform/win32_system_error.h"

namespace quorvex {

namespace fs = std::filesystem;

namespace {

bool isMissing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
           error == ERROR_INVALID_NAME || error == ERROR_BAD_NETPATH || error == ERROR_BAD_PATHNAME;
}

Entry kindOf(DWORD attributes) {
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return {EntryKind::Folder, {}};
    if (attributes & FILE_ATTRIBUTE_DEVICE) return {EntryKind::Other, {}};
    return {EntryKind::File, {}};
}

// An open handle on what a link leads to, for its attributes and its final name.
HANDLE openTarget(const fs::path& path) {
    return CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

}  // namespace

Entry entryAt(const fs::path& path, bool followLinks) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (isMissing(error)) return {};
        return {EntryKind::Unknown, systemErrorText(error)};
    }
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return kindOf(attributes);
    if (!followLinks) return {EntryKind::Link, {}};
    const HANDLE target = openTarget(path);
    if (target == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (isMissing(error)) return {};
        return {EntryKind::Unknown, systemErrorText(error)};
    }
    BY_HANDLE_FILE_INFORMATION information{};
    const bool read = GetFileInformationByHandle(target, &information) != 0;
    const DWORD error = GetLastError();
    CloseHandle(target);
    if (!read) return {EntryKind::Unknown, systemErrorText(error)};
    return kindOf(information.dwFileAttributes);
}

bool createFolders(const fs::path& folder, std::string& reason) {
    const Entry there = entryAt(folder, true);
    if (there.kind == EntryKind::Folder) return true;
    if (there.kind == EntryKind::Missing && folder.has_relative_path() &&
        folder.parent_path() != folder && !createFolders(folder.parent_path(), reason))
        return false;
    if (CreateDirectoryW(folder.c_str(), nullptr)) return true;
    const DWORD error = GetLastError();
    // Another process may have made it in the meantime.
    if (error == ERROR_ALREADY_EXISTS && entryAt(folder, true).kind == EntryKind::Folder)
        return true;
    reason = systemErrorText(error);
    return false;
}

bool removeFile(const fs::path& path) {
    if (DeleteFileW(path.c_str())) return true;
    return isMissing(GetLastError());
}

std::vector<fs::path> subfolders(const fs::path& folder, std::string& reason) {
    std::vector<fs::path> found;
    WIN32_FIND_DATAW entry{};
    const HANDLE search = FindFirstFileW((folder / L"*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND) reason = systemErrorText(error);
        return found;
    }
    do {
        const std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..") continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) found.push_back(folder / name);
    } while (FindNextFileW(search, &entry));
    const DWORD error = GetLastError();
    FindClose(search);
    if (error != ERROR_NO_MORE_FILES) reason = systemErrorText(error);
    return found;
}

fs::path sameFolderIdentity(const fs::path& folder) {
    const HANDLE target = openTarget(folder);
    if (target == INVALID_HANDLE_VALUE) return folder;
    std::wstring name(MAX_PATH, L'\0');
    DWORD length = GetFinalPathNameByHandleW(target, name.data(), static_cast<DWORD>(name.size()),
                                             FILE_NAME_NORMALIZED);
    if (length >= name.size()) {
        name.resize(length + 1);
        length = GetFinalPathNameByHandleW(target, name.data(), static_cast<DWORD>(name.size()),
                                           FILE_NAME_NORMALIZED);
    }
    CloseHandle(target);
    if (length == 0 || length >= name.size()) return folder;
    name.resize(length);
    return fs::path(name);
}

}  // namespace quorvex
