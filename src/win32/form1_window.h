#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/frame_description.h"
#include "shell/window_interfaces.h"
#include "win32/histogram_ctrl.h"
#include "win32/model_binder.h"
#include "win32/progress_bar_ctrl.h"
#include "win32/window_fonts.h"
#include "win32/wnd.h"

namespace quorvex {
class WindowModel;
}

namespace quorvex::win32 {

class DropDownCtrl;
class LabelCtrl;
class RadioCtrl;
class PageCtrl;
class PictureCtrl;

// What the window's clicks and pointer movements do; the program fills them in. Each may stay
// empty.
struct Form1Events {
    // A command picture or push button was clicked (or run from the keyboard), by element name:
    // "Image6", "Image20", "Image12", "chameleonButton2"...
    std::function<void(const std::string& element)> onCommand;
    // The pointer moved over an element that senses it ("Image13", "Picture2", "Label53"...).
    std::function<void(const std::string& element)> onHover;
    // The user closes the window.
    std::function<void()> onClose;
};

// The main window: a fixed 498 × 607 surface of pictures holding the home page, five settings
// pages and the traffic monitor. It shows the window model (texts, choices, visible and enabled
// flags) and reports every click and hover; it holds no rule of its own.
class Form1Window : public Wnd, public MainWindow {
  public:
    static constexpr int kClientWidth = layout::kClientWidth;
    static constexpr int kClientHeight = layout::kClientHeight;

    Form1Window(WindowModel& model, Form1Events events);
    ~Form1Window() override;

    // Creates the window, hidden, with its pages; a settings page's contents are made the first
    // time it shows.
    bool create();
    // Makes the contents of every page not shown yet.
    void buildEveryPage();
    // Shows the window, centred on its screen the first time.
    void show() override;
    // The icon resource "AAA" on the window and its topmost owner.
    void applyIcon() override;
    SampleSink& histogram(int number) override;
    BarSink& progressBar(int number) override;
    void showUndoMenu(const UndoMenuActions& actions) override;

    // Any element by its name ("Image23", "Picture3", "Combo3", "Label54"...), or null.
    Wnd* element(const std::string& name) const;
    // The page panel shown now, or empty.
    std::string currentPage() const;
    HistogramCtrl& histogram1() { return *histogram1_; }
    HistogramCtrl& histogram2() { return *histogram2_; }
    // XP_ProgressBar1 to XP_ProgressBar4.
    ProgressBarCtrl& bar(int number);
    ModelBinder& binder() { return *binder_; }
    // Brings every control in line with the model.
    void refresh() override;
    // Whether the command of a picture or push button can be run now: it is shown, enabled and
    // not covered by another page or picture (its own resting picture aside). A command that
    // cannot be run is no tab stop either.
    bool commandReachable(const std::string& name) const;
    // The tooltip window: every command picture, resting or highlighted, and the two push
    // buttons show their caption as a tip.
    HWND tooltips() const { return tooltips_; }

  protected:
    LRESULT wndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool paints() const override { return true; }
    void onPaint(HDC dc, const RECT& client) override;
    bool onClose() override;

  private:
    Wnd& adopt(std::unique_ptr<Wnd> control, const std::string& name);
    template <typename Control>
    Control& add(std::unique_ptr<Control> control, const std::string& name) {
        return static_cast<Control&>(adopt(std::move(control), name));
    }
    RadioCtrl& option(HWND parent, const std::string& name, const std::string& caption,
                      const Bounds& bounds, const WindowFont& font, bool firstOfGroup);
    DropDownCtrl& list(HWND parent, const std::string& name, const Bounds& bounds);
    PageCtrl& page(const std::string& name, COLORREF background, const Bounds& bounds);
    PictureCtrl& picture(HWND parent, const std::string& name, const std::string& art,
                         const Bounds& bounds, const std::string& caption = {});
    LabelCtrl& label(HWND parent, const std::string& text, const Bounds& bounds,
                     const WindowFont& font, COLORREF colour, COLORREF background,
                     bool centred = false);
    void setFontOf(Wnd& control, const WindowFont& font);

    using PageBuilder = void (Form1Window::*)(PageCtrl&);
    void buildPages();
    void buildContents(const std::string& page);
    void buildHomePage(PageCtrl& home);
    void buildInternetSettings(PageCtrl& panel);
    void buildAdvancedSettings(PageCtrl& panel);
    void buildTtlAndRwin(PageCtrl& panel, int top);
    void buildLocalAreaNetwork(PageCtrl& panel);
    void buildInternetExplorer(PageCtrl& panel);
    void buildMozillaFirefox(PageCtrl& panel);
    // The graphs and bars, fed from the start; the captions and figures over them.
    void buildMonitorGraphs(PageCtrl& panel);
    void buildMonitorTexts(PageCtrl& panel);
    void buildWindowLevel();
    void pairKeyboard();
    // After the shown pictures and pages changed: one tab stop per command that can be run,
    // on whichever of its two pictures shows; the focus leaves a command that cannot.
    void addTooltips();
    void addTooltip(Wnd& control);
    void scheduleCommandStops();
    void updateCommandStops();
    void command(const std::string& name);
    void onDpiChanged(int dpi, const RECT& suggested);

    WindowModel& model_;
    Form1Events events_;
    std::unique_ptr<ModelBinder> binder_;
    FontCache fonts_;
    std::vector<std::unique_ptr<Wnd>> owned_;
    std::map<std::string, Wnd*> elements_;
    // Pages whose contents are not made yet.
    struct PendingPage {
        PageCtrl* panel;
        PageBuilder build;
    };
    std::map<std::string, PendingPage> pending_;
    // Controls with the font they were given, to remake it at another DPI.
    std::vector<std::pair<Wnd*, WindowFont>> fontsInUse_;
    HistogramCtrl* histogram1_ = nullptr;
    HistogramCtrl* histogram2_ = nullptr;
    ProgressBarCtrl* bars_[4] = {};
    bool centred_ = false;
    struct CommandPair {
        PictureCtrl* resting;  // the same as `command` for the home button
        PictureCtrl* command;
    };
    std::vector<CommandPair> commandPairs_;
    std::vector<Wnd*> stopWatch_;  // whose shown flags decide the tab stops
    std::vector<bool> stopsShown_;
    bool stopsPending_ = false;
    HWND tooltips_ = nullptr;  // owned by the window, which destroys it
};

}  // namespace quorvex::win32
