#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/prompts.h"

namespace quorvex {

// A window handle (HWND) as an integer, so that this header needs no <windows.h>.
using WindowHandle = std::uintptr_t;

// The shell library, loaded for as long as this object lives.
class Win32ShellLibrary {
  public:
    Win32ShellLibrary();
    ~Win32ShellLibrary();
    Win32ShellLibrary(const Win32ShellLibrary&) = delete;
    Win32ShellLibrary& operator=(const Win32ShellLibrary&) = delete;

    bool loaded() const { return module_ != nullptr; }
    // The restart prompt, which the shell exports by ordinal 59 only; null when missing.
    // Signature: int (WINAPI*)(HWND owner, PCWSTR text, DWORD exitFlags).
    void* restartPromptAddress() const;

  private:
    void* module_ = nullptr;
};

// The restart prompt's exit flags: restart the computer (2), forcing applications to close (4).
inline constexpr std::uint32_t kRestartForced = 6;

// Message boxes through MessageBoxW (texts given in UTF-8) and the system's restart prompt.
class Win32Prompts : public Prompts {
  public:
    // Shows a restart prompt for an owner window, with a prompt text (null: the system's own)
    // and exit flags. The real one (the shell's) is handed in by the program alone.
    using RestartPrompt =
        std::function<void(WindowHandle owner, const wchar_t* text, std::uint32_t exitFlags)>;

    // Shows one message box (MessageBoxW's arguments) and gives its result; tests hand in a
    // fake to see the exact text Windows is given.
    using MessageBoxCall = std::function<int(WindowHandle owner, const std::wstring& text,
                                             const std::wstring& title, std::uint32_t style)>;

    // Without a message box of its own, MessageBoxW.
    Win32Prompts(WindowHandle owner, RestartPrompt restart, MessageBoxCall box = nullptr);

    MessageAnswer showMessage(const MessageRequest& request) override;
    // Calls the restart prompt with the owner window, a null text and kRestartForced; its result
    // is not looked at.
    void offerRestart() override;

    void setOwner(WindowHandle owner) { owner_ = owner; }
    WindowHandle owner() const { return owner_; }

  private:
    WindowHandle owner_;
    RestartPrompt restart_;
    MessageBoxCall box_;
};

// MessageBoxW's style flags for a request: buttons, icon and default button.
std::uint32_t messageBoxStyle(const MessageRequest& request);
// The answer for MessageBoxW's result (IDOK, IDYES, IDNO, or anything else: closed).
MessageAnswer messageBoxAnswer(int result);

}  // namespace quorvex
