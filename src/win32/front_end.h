#pragma once

#include <functional>
#include <memory>

#include "shell/window_interfaces.h"

namespace quorvex::win32 {

class Form1Window;
class Win32EventPump;

// The Windows front end of the shell: its two windows and SetTimer timers.
class Win32FrontEnd : public FrontEnd {
  public:
    explicit Win32FrontEnd(Win32EventPump& events) : events_(events) {}

    std::unique_ptr<Timer> createTimer(std::function<void()> onTick) override;
    std::unique_ptr<SplashWindow> createSplash() override;
    // Keyboard messages of the main window go through the dialog manager (Tab, Enter, arrows).
    std::unique_ptr<MainWindow> createMainWindow(WindowModel& model,
                                                 MainWindowCommands& commands) override;
    void openFolder(const std::filesystem::path& folder) override;

    // Runs when the main window has closed and the program should end.
    void setFinished(std::function<void()> hook) { finished_ = std::move(hook); }

  private:
    Win32EventPump& events_;
    std::function<void()> finished_;
};

}  // namespace quorvex::win32
