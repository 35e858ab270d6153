#pragma once

#include <chrono>
#include <functional>
#include <memory>

#include "commands/outside_world.h"
#include "commands/tuning_commands.h"
#include "model/window_model.h"
#include "monitor/number_format.h"
#include "monitor/zero_feed.h"
#include "shell/main_window_commands.h"
#include "shell/undo_menu.h"
#include "shell/window_interfaces.h"

namespace quorvex {

class CIpHelper;
class InterfaceTableSource;
class Locations;
class MeterPace;
class TrafficMeter;

namespace undo {
class UndoCommands;
}

// The outside world of the window: what the commands reach, and the interface statistics the
// traffic monitor reads.
struct ShellParts : OutsideWorld {
    InterfaceTableSource& interfaces;
};

// Timings of the start-up; tests shorten them.
struct ShellTimings {
    std::chrono::milliseconds zeroFeedInterval{100};  // Timer2
    std::chrono::milliseconds showMainWindow{4000};   // Timer1
    int zeroLoop = monitor::kZeroLoop;                // samples per Timer2 tick and graph
};

// The program without its toolkit: the window model and commands, the splash sequence (Timer2
// feeding zeros and creating the main window hidden at its first tick, Timer1 showing it), the
// main window's load and unload, and the traffic meter with its once-a-second pace. The front
// end only draws the two windows and reports what the user does.
class Shell {
  public:
    // `frontEnd` draws the windows; it outlives the shell.
    Shell(ShellParts parts, FrontEnd& frontEnd, ShellTimings timings = {});
    ~Shell();
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    // Shows the splash and starts its timers; the rest follows from them.
    void start();

    // Runs once the main window exists, early in its load while it is hidden (to make it the
    // owner of the message boxes, say).
    void setMainWindowCreated(std::function<void(MainWindow&)> hook) {
        mainWindowCreated_ = std::move(hook);
    }
    // The undo commands in the main window's menus, with "Open Records Folder" showing their
    // folder through the front end. Call before start(); `undo` outlives the shell.
    void offerUndo(undo::UndoCommands& undo);
    // The number separators the meter writes and reads with.
    void setNumberLocale(monitor::NumberLocale locale);

    WindowModel& model() { return model_; }
    TuningCommands& commands() { return commands_; }
    MainWindowCommands& window() { return window_; }
    // Null before start(); kept after it has unloaded, until the shell goes.
    SplashWindow* splash() { return splash_.get(); }
    bool splashLoaded() const { return splashLoaded_; }
    // Null until the splash has created the main window.
    MainWindow* mainWindow() { return mainWindow_.get(); }
    bool mainWindowLoaded() const { return loaded_; }
    // Null until the main window has loaded.
    CIpHelper* ipHelper() { return ipHelper_.get(); }
    TrafficMeter* meter() { return meter_.get(); }
    MeterPace* meterPace() { return meterPace_.get(); }
    // The splash's timers; null before start().
    Timer* timer1() { return timer1_.get(); }
    Timer* timer2() { return timer2_.get(); }

  private:
    MainWindowActions windowActions();
    MainWindow& loadedMainWindow();
    void loadMainWindow();
    void createTrafficSource();
    void onTimer2();
    void onTimer1();
    void closeSplash();
    void unloadMainWindow();
    void flattenGraphs(int count);

    ShellParts parts_;
    FrontEnd& frontEnd_;
    ShellTimings timings_;
    WindowModel model_;
    TuningCommands commands_;
    MainWindowCommands window_;
    monitor::NumberLocale locale_;
    std::function<void(MainWindow&)> mainWindowCreated_;
    UndoMenuActions undoActions_;
    bool offersUndo_ = false;
    std::unique_ptr<CIpHelper> ipHelper_;
    std::unique_ptr<TrafficMeter> meter_;
    std::unique_ptr<MeterPace> meterPace_;
    std::unique_ptr<Timer> timer1_;
    std::unique_ptr<Timer> timer2_;
    // Last, so that the windows go before the meter that feeds them.
    std::unique_ptr<MainWindow> mainWindow_;
    std::unique_ptr<SplashWindow> splash_;
    bool loaded_ = false;
    bool splashLoaded_ = false;
};

}  // namespace quorvex
