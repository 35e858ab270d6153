#include "app/front_end.h"

#include <QDesktopServices>
#include <QUrl>

#include "app/qt_timer.h"
#include "app/undo_menu.h"

namespace quorvex {

namespace {

class QtSplashWindow : public SplashWindow {
  public:
    void show() override { window.showCentred(); }
    void close() override { window.close(); }
    frmSplash window;
};

class QtMainWindow : public MainWindow {
  public:
    QtMainWindow(WindowModel& model, MainWindowCommands& commands, const ControlFactory& factory)
        : window(model, commands, factory) {}
    void applyIcon() override { window.applyIcon(); }
    void refresh() override { window.refresh(); }
    void show() override { window.show(); }
    SampleSink& histogram(int number) override {
        return number >= 2 ? window.histogram2() : window.histogram1();
    }
    BarSink& progressBar(int number) override { return window.progressBar(number); }
    void showUndoMenu(const UndoMenuActions& actions) override { installUndoMenu(window, actions); }
    Form1 window;
};

}  // namespace

std::unique_ptr<Timer> QtFrontEnd::createTimer(std::function<void()> onTick) {
    return std::make_unique<QtTimer>(std::move(onTick));
}

std::unique_ptr<SplashWindow> QtFrontEnd::createSplash() {
    auto splash = std::make_unique<QtSplashWindow>();
    splash_ = &splash->window;
    return splash;
}

std::unique_ptr<MainWindow> QtFrontEnd::createMainWindow(WindowModel& model,
                                                         MainWindowCommands& commands) {
    auto window = std::make_unique<QtMainWindow>(model, commands, factory_);
    mainWindow_ = &window->window;
    return window;
}

void QtFrontEnd::openFolder(const std::filesystem::path& folder) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(folder.string())));
}

}  // namespace quorvex
