#pragma once

#include <QPointer>

#include "app/control_factory.h"
#include "app/form1.h"
#include "app/splash_window.h"
#include "shell/window_interfaces.h"

namespace quorvex {

// The Qt widgets of the two windows and Qt's timers, made when the shell asks for them.
class QtFrontEnd : public FrontEnd {
  public:
    explicit QtFrontEnd(ControlFactory factory = defaultControlFactory())
        : factory_(std::move(factory)) {}

    std::unique_ptr<Timer> createTimer(std::function<void()> onTick) override;
    std::unique_ptr<SplashWindow> createSplash() override;
    std::unique_ptr<MainWindow> createMainWindow(WindowModel& model,
                                                 MainWindowCommands& commands) override;
    void openFolder(const std::filesystem::path& folder) override;

    // The widgets made last; null before they are made and after they are gone.
    frmSplash* splash() const { return splash_; }
    Form1* mainWindow() const { return mainWindow_; }

  private:
    ControlFactory factory_;
    QPointer<frmSplash> splash_;
    QPointer<Form1> mainWindow_;
};

}  // namespace quorvex
