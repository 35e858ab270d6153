#include <windows.h>

#include <string>

#include "platform/file_lock.h"
#include "platform/win32_system_error.h"

namespace quorvex {

FileLock::FileLock(const std::filesystem::path& lockFile, std::chrono::milliseconds wait) {
    // FILE_FLAG_OPEN_REPARSE_POINT: a link is opened itself, never followed, and then refused.
    const HANDLE file =
        ::CreateFileW(lockFile.c_str(), GENERIC_READ | GENERIC_WRITE,
                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error_ = systemErrorText(::GetLastError());
        return;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileType(file) != FILE_TYPE_DISK || !::GetFileInformationByHandle(file, &info) ||
        (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))) {
        error_ = "not a regular file";
        ::CloseHandle(file);
        return;
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
    // A blocking LockFileEx cannot be given a time limit: try again and again until the wait is
    // over.
    const auto deadline = std::chrono::steady_clock::now() + wait;
    DWORD pause = 2;
    while (true) {
        OVERLAPPED whole{};
        if (::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                         &whole))
            break;
        const DWORD error = ::GetLastError();
        if (error != ERROR_LOCK_VIOLATION && error != ERROR_IO_PENDING) {
            error_ = systemErrorText(error);
            return;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            error_ = kLockHeldReason;
            busy_ = true;
            return;
        }
        ::Sleep(pause);
        pause = pause < 50 ? pause * 2 : 50;
    }
    held_ = true;
}

FileLock::~FileLock() {
    if (handle_ == -1) return;
    const HANDLE file = reinterpret_cast<HANDLE>(handle_);
    if (held_) {
        OVERLAPPED whole{};
        ::UnlockFileEx(file, 0, 1, 0, &whole);
    }
    ::CloseHandle(file);
}

}  // namespace quorvex
