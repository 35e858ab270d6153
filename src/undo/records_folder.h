#pragma once

#include <filesystem>

namespace quorvex::undo {

// The folder where the per-user records live: %LOCALAPPDATA%\Quorvex on Windows,
// $XDG_DATA_HOME/Quorvex or ~/.local/share/Quorvex elsewhere (beside the registry file).
// Empty when the system names no such place.
std::filesystem::path defaultRecordsFolder();

}  // namespace quorvex::undo
