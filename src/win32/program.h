#pragma once

#include <functional>
#include <memory>
#include <string>

#include "tuning/tuning_commands.h"
#include "tuning/window_model.h"
#include "win32/event_pump.h"
#include "win32/form1_window.h"
#include "win32/splash_window.h"
#include "win32/window_timer.h"

namespace quorvex {
class InterfaceTableSource;
}

namespace quorvex::win32 {

// Every part of the outside world the program reaches. WinMain hands in the real ones; tests
// hand in fakes and redirected registry hives, so nothing of theirs reaches the real system.
struct ProgramParts {
    RegistryBackend& registry;
    SettingsStorage& settings;
    Prompts& prompts;
    Win32EventPump& events;
    const Locations& locations;
    const Clock& clock;
    InterfaceTableSource& interfaces;
};

// The Windows program: the window model and the tuning commands shown through the splash and
// the main window.
class Program {
  public:
    explicit Program(ProgramParts parts);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Shows the splash; the rest follows from its timers.
    void start();
    // Runs once the main window exists, while it is still hidden (to make it the owner of the
    // message boxes, say).
    void setMainWindowCreated(std::function<void(Form1Window&)> hook) {
        mainWindowCreated_ = std::move(hook);
    }
    // Runs when the main window closes: the program ends.
    void setFinished(std::function<void()> hook) { finished_ = std::move(hook); }

    WindowModel& model() { return model_; }
    TuningCommands& commands() { return commands_; }
    SplashWnd& splash() { return splash_; }
    // Null until the splash has created it.
    Form1Window* mainWindow() { return form_.get(); }
    // Creates and loads the main window, hidden, unless it exists.
    Form1Window& createdMainWindow();

  private:
    void onCommand(const std::string& element);
    void onHover(const std::string& element);
    void showMainWindow();

    ProgramParts parts_;
    WindowModel model_;
    TuningCommands commands_;
    std::function<void(Form1Window&)> mainWindowCreated_;
    std::function<void()> finished_;
    SplashWnd splash_;
    std::unique_ptr<Form1Window> form_;
    WindowTimer showTimer_;
};

}  // namespace quorvex::win32
