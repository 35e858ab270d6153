#include <windows.h>

#include <algorithm>
#include <atomic>

#include "platform/file_access.h"
#include "platform/win32_system_error.h"

namespace quorvex {

namespace {

class Handle {
  public:
    explicit Handle(HANDLE h) : h_(h) {}
    ~Handle() { close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return h_; }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
    void reset(HANDLE h) {
        close();
        h_ = h;
    }
    bool close() {
        if (!valid()) return true;
        const bool ok = ::CloseHandle(h_) != 0;
        h_ = INVALID_HANDLE_VALUE;
        return ok;
    }

  private:
    HANDLE h_;
};

std::wstring randomSuffix() {
    static std::atomic<unsigned long long> counter{0};
    unsigned long long n = ::GetTickCount64() * 2654435761ULL ^
                           (static_cast<unsigned long long>(::GetCurrentProcessId()) << 20) ^
                           (counter.fetch_add(1) * 0x9E3779B97F4A7C15ULL);
    static const wchar_t digits[] = L"0123456789abcdefghijklmnopqrstuvwxyz";
    std::wstring suffix;
    for (int i = 0; i < 6; ++i, n /= 36) suffix += digits[n % 36];
    return suffix;
}

}  // namespace

FileResult readRegularFile(const std::filesystem::path& path, std::uint64_t maxBytes,
                           std::string& text, bool* missing) {
    text.clear();
    if (missing) *missing = false;
    Handle file(::CreateFileW(path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        const DWORD error = ::GetLastError();
        if (missing) *missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return FileResult::failure(systemErrorText(error));
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileType(file.get()) != FILE_TYPE_DISK ||
        !::GetFileInformationByHandle(file.get(), &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return FileResult::failure("not a regular file");
    const std::uint64_t size =
        (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    if (size > maxBytes)
        return FileResult::failure(maxBytes >= (1u << 20) && maxBytes % (1u << 20) == 0
                                       ? "larger than " + std::to_string(maxBytes >> 20) + " MiB"
                                       : "larger than " + std::to_string(maxBytes) + " bytes");
    text.resize(static_cast<std::size_t>(size));
    std::size_t done = 0;
    while (done < text.size()) {
        DWORD got = 0;
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(text.size() - done, 1 << 20));
        if (!::ReadFile(file.get(), text.data() + done, want, &got, nullptr)) {
            const DWORD error = ::GetLastError();
            text.clear();
            return FileResult::failure(systemErrorText(error));
        }
        if (got == 0) break;
        done += got;
    }
    text.resize(done);
    return FileResult::success();
}

FileResult replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                                 std::string_view temporaryPrefix) {
    const std::filesystem::path folder = path.parent_path();
    const std::wstring prefix =
        std::filesystem::path(std::u8string(temporaryPrefix.begin(), temporaryPrefix.end()))
            .wstring();
    std::filesystem::path temporary;
    Handle file(INVALID_HANDLE_VALUE);
    for (int attempt = 0; attempt < 100 && !file.valid(); ++attempt) {
        temporary = folder / (prefix + randomSuffix());
        // CREATE_NEW fails when anything, a link included, already has the name.
        file.reset(::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid() && ::GetLastError() != ERROR_FILE_EXISTS)
            return FileResult::failure(systemErrorText(::GetLastError()));
    }
    if (!file.valid()) return FileResult::failure(systemErrorText(ERROR_FILE_EXISTS));
    DWORD error = 0;
    std::size_t done = 0;
    while (!error && done < bytes.size()) {
        DWORD wrote = 0;
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
        if (!::WriteFile(file.get(), bytes.data() + done, want, &wrote, nullptr))
            error = ::GetLastError();
        done += wrote;
    }
    if (!error && !::FlushFileBuffers(file.get())) error = ::GetLastError();
    if (!file.close() && !error) error = ::GetLastError();
    // Write-through: the call returns once the rename is on disk.
    if (!error && !::MoveFileExW(temporary.c_str(), path.c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = ::GetLastError();
    if (error) {
        ::DeleteFileW(temporary.c_str());
        return FileResult::failure(systemErrorText(error));
    }
    return FileResult::success();
}

int removeStaleTemporaryFiles(const std::filesystem::path& folder, std::string_view temporaryPrefix,
                              std::int64_t minimumAgeSeconds) {
    const std::wstring prefix =
        std::filesystem::path(std::u8string(temporaryPrefix.begin(), temporaryPrefix.end()))
            .wstring();
    WIN32_FIND_DATAW found{};
    HANDLE search = ::FindFirstFileW((folder / (prefix + L"*")).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    FILETIME nowFile{};
    ::GetSystemTimeAsFileTime(&nowFile);
    const auto ticks = [](const FILETIME& t) {
        return (static_cast<std::int64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    int removed = 0;
    do {
        const std::wstring name = found.cFileName;
        if (name.size() <= prefix.size() ||
            (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)))
            continue;
        if ((ticks(nowFile) - ticks(found.ftLastWriteTime)) / 10000000 < minimumAgeSeconds)
            continue;
        if (::DeleteFileW((folder / name).c_str())) ++removed;
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return removed;
}

}  // namespace quorvex
