#include <windows.h>

#include "platform/folder_hold.h"
#include "platform/win32_system_error.h"

namespace quorvex {

FolderHold::FolderHold(const std::filesystem::path& folder) {
    // The reparse point itself, not where it leads; no delete sharing while it is held.
    const HANDLE opened = CreateFileW(
        folder.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        error_ = systemErrorText(GetLastError());
        return;
    }
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(opened, &information)) {
        error_ = systemErrorText(GetLastError());
        CloseHandle(opened);
        return;
    }
    const DWORD attributes = information.dwFileAttributes;
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY) || (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        error_ = "it is a link, or not a folder";
        CloseHandle(opened);
        return;
    }
    handle_ = reinterpret_cast<std::intptr_t>(opened);
}

FolderHold::~FolderHold() {
    if (handle_ != -1) CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

}  // namespace quorvex
