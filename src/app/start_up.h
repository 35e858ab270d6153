#pragma once

#include <memory>

#include "app/control_factory.h"
#include "app/form1.h"
#include "app/frm_splash.h"

namespace quorvex {

class EventPump;
class WindowModel;

// The program's two windows: the splash shown first, and the main window that the splash
// creates and loads hidden at its first tick. The Program hands in the actions.
class StartUp {
  public:
    StartUp(WindowModel& model, EventPump& pump, Form1Actions actions,
            ControlFactory factory = defaultControlFactory(), SplashTimings timings = {});
    ~StartUp();

    // Shows the splash and starts its timers.
    void start() { splash_->start(); }

    frmSplash& splash() { return *splash_; }
    // The main window, or nullptr before the splash has created it.
    Form1* mainWindow() { return form_.get(); }

  private:
    Form1& createdMainWindow();

    WindowModel& model_;
    EventPump& pump_;
    Form1Actions actions_;
    ControlFactory factory_;
    std::unique_ptr<Form1> form_;
    std::unique_ptr<frmSplash> splash_;
};

}  // namespace quorvex
