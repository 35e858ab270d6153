#pragma once

#include <QString>

#include <functional>
#include <memory>

#include "app/control_factory.h"
#include "app/form1.h"
#include "app/front_end.h"
#include "app/splash_window.h"
#include "shell/shell.h"

namespace quorvex {

// The Qt program: the shell's rules drawn with Qt widgets, numbers in the user's locale.
class Program {
  public:
    explicit Program(ShellParts parts, ControlFactory factory = defaultControlFactory(),
                     ShellTimings timings = {});
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Shows the splash; the rest follows from its timers.
    void start() { shell_.start(); }

    // Runs once the main window exists, early in its load while it is hidden (to make it the
    // owner of the message boxes, say).
    void setMainWindowCreated(std::function<void(Form1&)> hook);
    void setNumberLocale(monitor::NumberLocale locale) {
        shell_.setNumberLocale(std::move(locale));
    }

    Shell& shell() { return shell_; }
    WindowModel& model() { return shell_.model(); }
    TuningCommands& commands() { return shell_.commands(); }
    // Null before start().
    frmSplash* splash() { return frontEnd_.splash(); }
    // Null until the splash has created the main window.
    Form1* mainWindow() { return frontEnd_.mainWindow(); }

  private:
    // First, so that the windows it made go after the shell that holds them.
    QtFrontEnd frontEnd_;
    Shell shell_;
};

}  // namespace quorvex
