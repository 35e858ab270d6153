#pragma once

#include <windows.h>

#include <shellapi.h>

namespace quorvex::win32 {

// ShellExecuteExW through shell32 loaded on first use: the library and the many it brings in
// stay out of the process until something is opened or started. False, with the last error
// set, when it fails or shell32 cannot be loaded.
bool shellExecute(SHELLEXECUTEINFOW& info);

}  // namespace quorvex::win32
