#pragma once

#include <filesystem>
#include <memory>

#include "monitor/meter_sinks.h"
#include "shell/timer.h"
#include "shell/undo_menu.h"

namespace quorvex {

class MainWindowCommands;
class WindowModel;

// The splash window `frmSplash` as the front end draws it: borderless, 502 x 271, white, the
// splash artwork. Its timers belong to the shell.
class SplashWindow {
  public:
    virtual ~SplashWindow() = default;
    // Shows it centred on the screen.
    virtual void show() = 0;
    // Unloads it. Called once; the shell has stopped the splash timers before.
    virtual void close() = 0;
};

// The main window `Form1` as the front end draws it. Every element's text, visible and enabled
// flag come from the WindowModel's ControlModel, which the window renders as it changes; every
// click and pointer movement over an element goes to MainWindowCommands. The window holds no
// rule of its own.
class MainWindow {
  public:
    virtual ~MainWindow() = default;
    // Load step 1: installs the icon resource "AAA" as the large and small icon of the window and
    // of its topmost owner. Failing quietly leaves the default icon.
    virtual void applyIcon() = 0;
    // Brings every element in line with the model, after a load that announced not every change.
    virtual void refresh() = 0;
    // Shows the window (created hidden), centred the first time.
    virtual void show() = 0;
    // `ucHistogram1` (1) and `ucHistogram2` (2); any other number is read as the nearer of them.
    virtual SampleSink& histogram(int number) = 0;
    // `XP_ProgressBar1` to `XP_ProgressBar4`; other numbers are clamped into 1..4.
    virtual BarSink& progressBar(int number) = 0;
    // Offers the undo menu's items (kUndoMenuItems) where users look for them: the window's
    // right-click menu (and its system menu where there is one), with the undo shortcut working
    // anywhere in the window. Called once, while the window is hidden.
    virtual void showUndoMenu(const UndoMenuActions& actions) = 0;
};

// What a front end provides: its two windows and its timers. The windows are made when the
// shell asks, hidden; the front end keeps no other window of its own.
class FrontEnd : public TimerFactory {
  public:
    virtual std::unique_ptr<SplashWindow> createSplash() = 0;
    // Creates the main window hidden, with every element the model declares. `commands` outlives
    // the window; the window reports the user's clicks, pointer movements and its closing there.
    virtual std::unique_ptr<MainWindow> createMainWindow(WindowModel& model,
                                                         MainWindowCommands& commands) = 0;
    // Shows a folder in the system's file browser; quietly does nothing when that fails.
    virtual void openFolder(const std::filesystem::path& folder) = 0;
};

}  // namespace quorvex
