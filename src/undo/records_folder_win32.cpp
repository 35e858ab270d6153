#include <windows.h>

#include <string>

#include "undo/records_folder.h"

namespace quorvex::undo {

std::filesystem::path defaultRecordsFolder() {
    wchar_t buffer[MAX_PATH + 1];
    const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", buffer, MAX_PATH + 1);
    if (length == 0 || length > MAX_PATH) return {};
    const std::filesystem::path folder(std::wstring(buffer, length));
    if (!folder.is_absolute()) return {};
    return folder / "Quorvex";
}

}  // namespace quorvex::undo
