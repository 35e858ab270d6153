#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace quorvex {

class ControlModel;

// What the main window's commands do beyond showing and hiding its elements; the shell fills
// them in, each may stay empty.
struct MainWindowActions {
    std::function<void()> automaticOptimization;  // Image20
    std::function<void()> advancedApply;          // Image21
    std::function<void()> startMeter;             // Open monitor: reset the labels, start the pace
    std::function<void()> stopMeter;              // Back from monitor: stop the pace
    std::function<void()> flattenGraphs;          // Back from monitor: the zero-feeding loop
    std::function<void()> enableFirefox;          // chameleonButton2
    std::function<void()> disableFirefox;         // chameleonButton3
    std::function<void()> unload;                 // the main window closes
};

// The main window's navigation commands and hover rules, written on the ControlModel's visible
// flags, which every front end renders. The current page is whichever page panel is visible.
// A command whose action throws is cut short there; nothing escapes to the front end.
class MainWindowCommands {
  public:
    // Sets the window-level elements, pages and headers to their visibility at load.
    MainWindowCommands(ControlModel& controls, MainWindowActions actions);

    void showInternetSettings();  // Image6
    void showAdvancedSettings();  // Image3
    void showLocalAreaNetwork();  // Image2
    void showInternetExplorer();  // Image4
    void showMozillaFirefox();    // Image5
    void showHome();              // Image12
    void openMonitor();           // Image23
    void backFromMonitor();       // Image25
    void automaticOptimization();
    void advancedApply();
    void enableOptimizedFirefox();
    void disableOptimizedFirefox();

    // Runs the command of a clicked element ("Image6", "Image25", "chameleonButton2"...); false
    // for an element that has none.
    bool click(std::string_view element);
    // The hover rule of the element the pointer moved over; others change nothing. Each rule may
    // run any number of times.
    void pointerOver(std::string_view element);
    // The window is closing: the unload action runs once.
    void windowClosed();

    // The page panel shown now ("Picture2", "Picture3"...), or empty.
    std::string currentPage() const;

  private:
    void showPage(std::string_view panel);
    void showHeader(std::string_view header);
    void showHomeRestingIcons();
    void showBottomResting();
    void synchroniseFirefoxTexts();
    static void run(const std::function<void()>& action);

    ControlModel& controls_;
    MainWindowActions actions_;
    bool unloaded_ = false;
};

}  // namespace quorvex
