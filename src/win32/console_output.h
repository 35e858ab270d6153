#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace quorvex::win32 {

// Writes UTF-8 text to a standard handle: as wide characters to a console (whatever its code
// page), as the UTF-8 bytes themselves to a file or a pipe. False when it could not be written.
bool writeStandardText(HANDLE handle, std::string_view utf8);

// The process's arguments after the program name, in UTF-8.
std::vector<std::string> commandLineArguments();

}  // namespace quorvex::win32
