#include "platform/win32_prompts.h"

#include <windows.h>

#include <string>

namespace quorvex {
namespace {

HWND windowOf(WindowHandle handle) {
    return reinterpret_cast<HWND>(handle);
}

std::wstring wideText(const std::string& utf8) {
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(length > 0 ? static_cast<std::size_t>(length) : 0, L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                            length);
    return wide;
}

}  // namespace

Win32ShellLibrary::Win32ShellLibrary() : module_(LoadLibraryA("shell32.dll")) {}

Win32ShellLibrary::~Win32ShellLibrary() {
    if (module_) FreeLibrary(static_cast<HMODULE>(module_));
}

void* Win32ShellLibrary::restartPromptAddress() const {
    if (!module_) return nullptr;
    return reinterpret_cast<void*>(
        GetProcAddress(static_cast<HMODULE>(module_), MAKEINTRESOURCEA(59)));
}

Win32Prompts::Win32Prompts(WindowHandle owner, RestartPrompt restart, MessageBoxCall box)
    : owner_(owner), restart_(std::move(restart)), box_(std::move(box)) {}

// The texts are UTF-8 (the system's own error messages among them, in the user's language).
MessageAnswer Win32Prompts::showMessage(const MessageRequest& request) {
    const std::wstring text = wideText(request.text);
    const std::wstring title = wideText(request.title);
    const std::uint32_t style = messageBoxStyle(request);
    const int result = box_ ? box_(owner_, text, title, style)
                            : MessageBoxW(windowOf(owner_), text.c_str(), title.c_str(), style);
    return messageBoxAnswer(result);
}

void Win32Prompts::offerRestart() {
    if (restart_) restart_(owner_, nullptr, kRestartForced);
}

std::uint32_t messageBoxStyle(const MessageRequest& request) {
    UINT style = MB_APPLMODAL;
    if (request.buttons == MessageButtons::YesNo) {
        style |= MB_YESNO;
        style |= request.defaultNo ? MB_DEFBUTTON2 : MB_DEFBUTTON1;
    } else {
        style |= MB_OK;
    }
    switch (request.icon) {
        case MessageIcon::None:
            break;
        case MessageIcon::Error:
            style |= MB_ICONERROR;
            break;
        case MessageIcon::Question:
            style |= MB_ICONQUESTION;
            break;
        case MessageIcon::Information:
            style |= MB_ICONINFORMATION;
            break;
        case MessageIcon::Warning:
            style |= MB_ICONWARNING;
            break;
    }
    return style;
}

MessageAnswer messageBoxAnswer(int result) {
    switch (result) {
        case IDOK:
            return MessageAnswer::Ok;
        case IDYES:
            return MessageAnswer::Yes;
        case IDNO:
            return MessageAnswer::No;
        default:
            return MessageAnswer::Closed;
    }
}

}  // namespace quorvex
