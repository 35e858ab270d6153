#pragma once

#include <windows.h>

namespace quorvex::win32 {

// The hand shown over every picture command: the executable's 32 × 32 cursor resource
// "LINKCURSOR" (hot spot at column 13, row 5), or the system's hand where it is missing.
HCURSOR linkCursor();

}  // namespace quorvex::win32
