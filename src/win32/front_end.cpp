#include "win32/front_end.h"

#include <windows.h>

#include <string>

#include "shell/main_window_commands.h"
#include "win32/event_pump.h"
#include "win32/form1_window.h"
#include "win32/shell_execute.h"
#include "win32/splash_window.h"
#include "win32/undo_menu.h"
#include "win32/window_timer.h"

namespace quorvex::win32 {

std::unique_ptr<Timer> Win32FrontEnd::createTimer(std::function<void()> onTick) {
    return std::make_unique<WindowTimer>(std::move(onTick));
}

std::unique_ptr<SplashWindow> Win32FrontEnd::createSplash() {
    auto splash = std::make_unique<SplashWnd>();
    splash->create();
    return splash;
}

std::unique_ptr<MainWindow> Win32FrontEnd::createMainWindow(WindowModel& model,
                                                            MainWindowCommands& commands) {
    Form1Events events;
    events.onCommand = [&commands](const std::string& element) { commands.click(element); };
    events.onHover = [&commands](const std::string& element) { commands.pointerOver(element); };
    events.onClose = [this, &commands] {
        commands.windowClosed();
        if (finished_) finished_();
    };
    auto window = std::make_unique<Form1Window>(model, std::move(events));
    window->create();
    events_.setDialogWindow(window->hwnd());
    events_.setMessageFilter([handle = window->hwnd()](const MSG& message) {
        return runUndoShortcut(handle, message, keyHeld);
    });
    return window;
}

void Win32FrontEnd::openFolder(const std::filesystem::path& folder) {
    const std::wstring target = folder.wstring();
    SHELLEXECUTEINFOW open{};
    open.cbSize = sizeof open;
    open.lpVerb = L"open";
    open.lpFile = target.c_str();
    open.nShow = SW_SHOWNORMAL;
    shellExecute(open);
}

}  // namespace quorvex::win32
