#include "win32/elevated_console_writer.h"

#include <sddl.h>

#include <memory>
#include <system_error>

#include "platform/file_access.h"
#include "platform/win32_system_error.h"
#include "undo/elevated_hand_over.h"
#include "win32/shell_execute.h"

namespace quorvex::win32 {

namespace {

// The results file holds a line of bounded length per write.
constexpr std::uint64_t kMaxResultsBytes = 1 << 20;

std::string utf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
    if (size > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(),
                            size, nullptr, nullptr);
    return out;
}

// A new folder of this user's own under the temporary folder (whose access the user alone has).
std::filesystem::path makePrivateFolder(DWORD& error) {
    wchar_t temp[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    if (length == 0 || length > MAX_PATH) {
        error = GetLastError();
        return {};
    }
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        // Digits and dashes, each byte its own wide character: std::to_wstring would bring the
        // C library's wide printf, 11 KB, into the program for this name alone.
        const std::string name = "quorvex-elevated-" + std::to_string(GetCurrentProcessId()) + "-" +
                                 std::to_string(GetTickCount64()) + "-" + std::to_string(attempt);
        const std::filesystem::path folder =
            std::filesystem::path(temp) / std::wstring(name.begin(), name.end());
        if (CreateDirectoryW(folder.c_str(), nullptr)) return folder;
        error = GetLastError();
        if (error != ERROR_ALREADY_EXISTS) return {};
    }
    return {};
}

RegistryFailure failure(const std::string& reason, long status) {
    return {{}, reason, status};
}

}  // namespace

std::string currentUserSid() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return {};
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::string sid;
    if (size > 0) {
        const auto buffer = std::make_unique<std::uint8_t[]>(size);
        wchar_t* text = nullptr;
        if (GetTokenInformation(token, TokenUser, buffer.get(), size, &size) &&
            ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer.get())->User.Sid, &text)) {
            sid = utf8(text);
            LocalFree(text);
        }
    }
    CloseHandle(token);
    return sid;
}

std::filesystem::path consoleProgramBeside() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return L"quorvex.com";
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return std::filesystem::path(path).parent_path() / L"quorvex.com";
}

HeldBackResults ElevatedConsoleWriter::write(const std::vector<HeldBackWrite>& writes) {
    try {
        if (writes.empty()) return {};
        DWORD error = 0;
        const std::filesystem::path folder = makePrivateFolder(error);
        if (folder.empty())
            return refuseAll(writes.size(),
                             failure("the folder to hand the values over in cannot be made: " +
                                         systemErrorText(error),
                                     static_cast<long>(error)));
        HeldBackResults results = handOver(folder, writes);
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
        return results;
    } catch (...) {
        return refuseAll(writes.size(), failure("the values could not be handed over", 0));
    }
}

HeldBackResults ElevatedConsoleWriter::handOver(const std::filesystem::path& folder,
                                                const std::vector<HeldBackWrite>& writes) {
    const FileResult written =
        replaceFileAtomically(folder / undo::kHandOverFile, undo::handOverText({userSid_, writes}),
                              ".quorvex-hand-over-");
    if (!written)
        return refuseAll(writes.size(),
                         failure("the values could not be handed over: " + written.reason, 0));

    // The folder has no trailing backslash, so the closing quote is not escaped.
    const std::wstring parameters = L"write-elevated \"" + folder.wstring() + L"\"";
    SHELLEXECUTEINFOW start{};
    start.cbSize = sizeof start;
    start.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    start.hwnd = owner_;
    start.lpVerb = L"runas";
    start.lpFile = program_.c_str();
    start.lpParameters = parameters.c_str();
    start.nShow = SW_HIDE;
    if (!shellExecute(start)) {
        const DWORD error = GetLastError();
        if (error == ERROR_CANCELLED)
            return refuseAll(writes.size(),
                             failure(std::string(kElevationDeclinedReason), kElevationDeclined));
        return refuseAll(writes.size(), failure("Quorvex could not be started as administrator: " +
                                                    systemErrorText(error),
                                                static_cast<long>(error)));
    }
    DWORD exitCode = 0;
    if (start.hProcess) {
        WaitForSingleObject(start.hProcess, INFINITE);
        GetExitCodeProcess(start.hProcess, &exitCode);
        CloseHandle(start.hProcess);
    }
    std::string text;
    const FileResult read = readRegularFile(folder / undo::kResultsFile, kMaxResultsBytes, text);
    const auto results = read ? undo::parseResults(text, writes.size()) : std::nullopt;
    if (results) return *results;
    return refuseAll(writes.size(),
                     failure("Quorvex, started as administrator, gave no answer (exit status " +
                                 std::to_string(exitCode) + ")",
                             0));
}

}  // namespace quorvex::win32
