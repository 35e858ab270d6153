#include <windows.h>

#include <string>
#include <system_error>

#include "undo/record_files.h"

namespace quorvex::undo {

namespace {

std::string systemMessage(DWORD error) {
    return std::system_category().message(static_cast<int>(error));
}

class Handle {
  public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() { close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    bool close() {
        if (!valid()) return true;
        const bool closed = CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

  private:
    HANDLE handle_;
};

}  // namespace

bool replaceFileAtomically(const std::filesystem::path& path, const std::string& bytes,
                           std::string& reason) {
    const std::filesystem::path folder = path.parent_path().empty() ? "." : path.parent_path();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        reason = ec.message();
        return false;
    }
    // A name of our own in the same folder: CREATE_NEW fails rather than reuse another file.
    std::wstring temporary;
    HANDLE created = INVALID_HANDLE_VALUE;
    for (unsigned attempt = 0; attempt < 100 && created == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = path.wstring() + L".tmp." + std::to_wstring(GetCurrentProcessId()) + L"." +
                    std::to_wstring(GetTickCount() + attempt);
        created = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
        if (created == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) break;
    }
    Handle file(created);
    if (!file.valid()) {
        reason = systemMessage(GetLastError());
        return false;
    }
    DWORD written = 0;
    bool ok = WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                        nullptr) != 0 &&
              written == bytes.size() && FlushFileBuffers(file.get()) != 0;
    DWORD error = ok ? 0 : GetLastError();
    if (!file.close() && ok) {
        ok = false;
        error = GetLastError();
    }
    if (ok && !MoveFileExW(temporary.c_str(), path.wstring().c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ok = false;
        error = GetLastError();
    }
    if (!ok) {
        DeleteFileW(temporary.c_str());
        reason = systemMessage(error);
        return false;
    }
    return true;
}

std::filesystem::path defaultRecordsFolder() {
    wchar_t buffer[MAX_PATH + 1];
    const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", buffer, MAX_PATH + 1);
    if (length == 0 || length > MAX_PATH) return {};
    return std::filesystem::path(std::wstring(buffer, length)) / "Quorvex";
}

}  // namespace quorvex::undo
