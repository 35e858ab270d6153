#pragma once

#include <QString>

#include <functional>
#include <memory>

#include "app/control_factory.h"
#include "app/form1.h"
#include "app/frm_splash.h"
#include "monitor/number_format.h"
#include "tuning/tuning_commands.h"
#include "tuning/window_model.h"

namespace quorvex {

class CIpHelper;
class InterfaceTableSource;
class Locations;
class MeterTimer;
class StartUp;
class TrafficMeter;

// Every part of the outside world the program reaches. main() hands in the real ones; tests
// hand in fakes and temporary stores, so nothing of theirs reaches the real system.
struct ProgramParts {
    RegistryBackend& registry;
    SettingsStorage& settings;
    Prompts& prompts;
    EventPump& events;
    const Locations& locations;
    const Clock& clock;
    InterfaceTableSource& interfaces;
};

// The one program a person uses: the window model, the tuning commands, the splash and main
// window, and the traffic meter with its once-a-second pace, wired to the given parts.
class Program {
  public:
    explicit Program(ProgramParts parts, ControlFactory factory = defaultControlFactory(),
                     SplashTimings timings = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Shows the splash; the rest follows from its timers.
    void start();

    // Runs once the main window exists, early in its load while it is hidden (to make it the
    // owner of the message boxes, say).
    void setMainWindowCreated(std::function<void(Form1&)> hook) {
        mainWindowCreated_ = std::move(hook);
    }
    // The number separators the meter writes and reads with (the user's locale by default).
    void setNumberLocale(monitor::NumberLocale locale);

    WindowModel& model() { return model_; }
    TuningCommands& commands() { return commands_; }
    StartUp& startUp() { return *startUp_; }
    frmSplash& splash();
    // Null until the splash has created the main window.
    Form1* mainWindow();
    // Null until the main window has loaded.
    CIpHelper* ipHelper() { return ipHelper_.get(); }
    TrafficMeter* meter() { return meter_.get(); }
    MeterTimer* meterTimer() { return meterTimer_.get(); }

  private:
    Form1Actions actions();
    void createTrafficSource();

    ProgramParts parts_;
    WindowModel model_;
    TuningCommands commands_;
    monitor::NumberLocale locale_;
    std::function<void(Form1&)> mainWindowCreated_;
    std::unique_ptr<CIpHelper> ipHelper_;
    std::unique_ptr<TrafficMeter> meter_;
    std::unique_ptr<MeterTimer> meterTimer_;
    // Last, so that the windows go before the meter that feeds them.
    std::unique_ptr<StartUp> startUp_;
};

}  // namespace quorvex
