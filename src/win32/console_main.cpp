#include <windows.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "browser/locations.h"
#include "cli/command_line_program.h"
#include "cli/elevated_write.h"
#include "platform/clock.h"
#include "platform/win32_process_elevation.h"
#include "settings/win32_registry_settings_storage.h"
#include "tuning/win32_registry_backend.h"
#include "undo/record_store.h"
#include "undo/records_folder.h"
#include "win32/console_output.h"

namespace {

// `quorvex` alone, typed at a prompt, finds this program first: it opens the window, as
// double-clicking Quorvex.exe does, and returns at once.
int openWindow() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return quorvex::cli::kExitFailure;
    std::wstring program(path, length);
    program = program.substr(0, program.find_last_of(L"\\/") + 1) + L"Quorvex.exe";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        quorvex::win32::writeStandardText(GetStdHandle(STD_ERROR_HANDLE),
                                          "quorvex: Quorvex.exe could not be started\n");
        return quorvex::cli::kExitFailure;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return quorvex::cli::kExitSuccess;
}

// The window's writes that need administrator rights, in the hand-over folder it names; this copy
// runs elevated. HKEY_CURRENT_USER is the hive of the user the hand-over names.
int writeElevated(const std::string& folder) {
    std::ostringstream err;
    const int status = quorvex::cli::runElevatedWrite(
        std::filesystem::path(std::u8string(folder.begin(), folder.end())),
        [](const std::string& userSid, std::string&) {
            return std::make_unique<quorvex::Win32RegistryBackend>(userSid);
        },
        err);
    quorvex::win32::writeStandardText(GetStdHandle(STD_ERROR_HANDLE), err.str());
    return status;
}

}  // namespace

// The console program beside Quorvex.exe: the administrators' commands on the real registry,
// settings and records, the same parts WinMain makes, with no window and no restart.
int main() {
    const auto arguments = quorvex::win32::commandLineArguments();
    if (arguments.empty()) return openWindow();
    if (arguments.size() == 2 && arguments[0] == quorvex::cli::kWriteElevatedCommand)
        return writeElevated(arguments[1]);

    quorvex::Win32RegistryBackend registry;
    quorvex::Win32RegistrySettingsStorage settings;
    quorvex::SystemLocations locations;
    quorvex::SystemClock clock;
    const quorvex::undo::RecordStore records(quorvex::undo::defaultRecordsFolder());
    const quorvex::Win32ProcessElevation elevation;
    quorvex::cli::CommandLineParts parts{registry, settings, locations, clock, records, &elevation};
    std::ostringstream out;
    std::ostringstream err;
    const int status = quorvex::cli::runCommandLine(arguments, parts, out, err);
    quorvex::win32::writeStandardText(GetStdHandle(STD_OUTPUT_HANDLE), out.str());
    quorvex::win32::writeStandardText(GetStdHandle(STD_ERROR_HANDLE), err.str());
    return status;
}
