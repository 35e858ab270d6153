#pragma once

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "monitor/monitor_fakes.h"
#include "shell/window_interfaces.h"

namespace quorvex::shell_testing {

// A timer that ticks only when the test says so.
class FakeTimer : public Timer {
  public:
    explicit FakeTimer(std::function<void()> onTick) : onTick_(std::move(onTick)) {}
    void start(std::chrono::milliseconds interval, bool repeating) override {
        active_ = true;
        this->interval = interval;
        this->repeating = repeating;
        ++starts;
    }
    void stop() override { active_ = false; }
    bool isActive() const override { return active_; }

    // One tick, as the event loop would deliver it; nothing when the timer is stopped.
    void fire() {
        if (!active_) return;
        if (!repeating) active_ = false;
        onTick_();
    }

    std::chrono::milliseconds interval{-1};
    bool repeating = false;
    int starts = 0;

  private:
    std::function<void()> onTick_;
    bool active_ = false;
};

// Windows that record what the shell asks of them into one shared log.
class FakeSplash : public SplashWindow {
  public:
    explicit FakeSplash(std::vector<std::string>& log) : log_(log) {}
    void show() override { log_.push_back("splash shown"); }
    void close() override { log_.push_back("splash closed"); }

  private:
    std::vector<std::string>& log_;
};

class FakeMainWindow : public MainWindow {
  public:
    explicit FakeMainWindow(std::vector<std::string>& log) : log_(log) {}
    void applyIcon() override {
        log_.push_back("icon");
        if (iconFails) throw std::runtime_error("no icon");
    }
    void refresh() override { log_.push_back("refresh"); }
    void show() override {
        log_.push_back("main shown");
        shown = true;
    }
    SampleSink& histogram(int number) override { return number >= 2 ? graph2 : graph1; }
    BarSink& progressBar(int number) override {
        return bars[static_cast<std::size_t>(std::clamp(number, 1, 4) - 1)];
    }
    void showUndoMenu(const UndoMenuActions& actions) override {
        log_.push_back("undo menu");
        undoMenu = actions;
    }

    UndoMenuActions undoMenu;
    monitor_testing::RecordingSink graph1;
    monitor_testing::RecordingSink graph2;
    monitor_testing::RecordingBar bars[4];
    bool shown = false;
    bool iconFails = false;

  private:
    std::vector<std::string>& log_;
};

class FakeFrontEnd : public FrontEnd {
  public:
    std::unique_ptr<Timer> createTimer(std::function<void()> onTick) override {
        auto timer = std::make_unique<FakeTimer>(std::move(onTick));
        timers.push_back(timer.get());
        return timer;
    }
    std::unique_ptr<SplashWindow> createSplash() override {
        log.push_back("splash created");
        auto window = std::make_unique<FakeSplash>(log);
        splash = window.get();
        return window;
    }
    std::unique_ptr<MainWindow> createMainWindow(WindowModel&, MainWindowCommands&) override {
        log.push_back("main created");
        auto window = std::make_unique<FakeMainWindow>(log);
        window->iconFails = iconFails;
        mainWindow = window.get();
        return window;
    }
    void openFolder(const std::filesystem::path& folder) override { opened.push_back(folder); }

    std::vector<std::filesystem::path> opened;
    std::vector<std::string> log;
    std::vector<FakeTimer*> timers;  // in the order made; owned by their users
    FakeSplash* splash = nullptr;
    FakeMainWindow* mainWindow = nullptr;
    bool iconFails = false;
};

}  // namespace quorvex::shell_testing
