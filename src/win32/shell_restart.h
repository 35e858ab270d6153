#pragma once

#include <cstdint>

#include "platform/win32_prompts.h"

namespace quorvex::win32 {

// The real restart request: the shell's restart prompt (shell32 ordinal 59) for the owner
// window, with a prompt text (null: the system's own) and exit flags. Linked into Quorvex.exe
// only, so that no test executable can reach it.
void requestSystemReboot(WindowHandle owner, const wchar_t* text, std::uint32_t exitFlags);

}  // namespace quorvex::win32
