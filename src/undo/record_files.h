#pragma once

// What the records need of the file system, per platform.

#include <filesystem>
#include <string>

namespace quorvex::undo {

// Replaces the file with `bytes` so that it is either the old file or the whole new one, also
// after a crash or a power cut: a new temporary file in the same folder, written, flushed and
// renamed over the file. Makes the folder when it is missing. False, with the system's reason
// in `reason` and the old file untouched, when any step fails.
bool replaceFileAtomically(const std::filesystem::path& path, const std::string& bytes,
                           std::string& reason);

// The folder where the per-user records live: %LOCALAPPDATA%\Quorvex on Windows,
// $XDG_DATA_HOME/Quorvex or ~/.local/share/Quorvex elsewhere. Empty when the environment
// names no such place.
std::filesystem::path defaultRecordsFolder();

}  // namespace quorvex::undo
