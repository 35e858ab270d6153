#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

#include "app/control_factory.h"

namespace quorvex {

class ArtPicture;
class EventPump;
class ModelBinder;
class PagePanel;
class WindowModel;

// What the window's commands do beyond the pages; the Program fills them in, each may stay
// empty.
struct Form1Actions {
    // Load step 3: creates the traffic monitor's statistics source for the window's life.
    std::function<void()> createTrafficSource;
    // After load steps 1 to 3: brings the window back to the choices last applied.
    std::function<void()> restoreSettings;
    std::function<void()> automaticOptimization;  // Image20
    std::function<void()> advancedApply;          // Image21
    std::function<void()> startMeter;             // Open monitor: reset labels, start the timer
    std::function<void()> stopMeter;              // Back from monitor: stop the timer
    std::function<void()> enableFirefox;          // "Enable Optimized Configuration"
    std::function<void()> disableFirefox;         // "Disable Optimized Configuration"
};

// The main window: a fixed surface of pictures holding the home page, five settings pages and
// the traffic monitor, one page shown at a time. It renders the WindowModel's controls and
// forwards every choice to it.
class Form1 : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kClientWidth = 498;
    static constexpr int kClientHeight = 607;
    // Zero samples fed to both graphs when leaving the monitor.
    static constexpr int kZeroLoop = 200;

    Form1(WindowModel& model, EventPump& pump, Form1Actions actions = {},
          const ControlFactory& factory = defaultControlFactory(), QWidget* parent = nullptr);
    ~Form1() override;

    // The load handler: window icon, background picture, statistics source, then the restore.
    // Runs once; later calls do nothing.
    void load();
    bool isLoaded() const { return loaded_; }

    // The splash window, closed when this window unloads if it is still open.
    void setSplash(QWidget* splash) { splash_ = splash; }

    SampleSink& histogram1() { return *histogram1_.sink; }
    SampleSink& histogram2() { return *histogram2_.sink; }
    // XP_ProgressBar1 to XP_ProgressBar4.
    BarSink& progressBar(int number);

    // Any element of the window by its name ("Image23", "Picture3", "Combo3", "Label54"...).
    QWidget* element(const QString& name) const { return elements_.value(name); }
    // The page panel shown now (the window keeps no other record of it).
    QString currentPage() const;

    // Navigation commands.
    void showInternetSettings();
    void showAdvancedSettings();
    void showLocalAreaNetwork();
    void showInternetExplorer();
    void showMozillaFirefox();
    void showHome();
    void openMonitor();
    void backFromMonitor();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildWindowLevel();
    void buildHomePage();
    void buildPages();
    void buildMonitorPage();
    void wireHoverRules();
    void wireKeyboard();

    ArtPicture* picture(const QString& name, const QString& art, const QRect& rect,
                        QWidget* parent);
    PagePanel* page(const QString& name, const QColor& background, const QRect& rect);
    void remember(QWidget* widget);
    void setElementVisible(const QString& name, bool visible);
    void showPage(const QString& panel);
    void showHeader(const QString& header);
    void showHomeRestingIcons();
    void synchroniseFirefoxTexts();
    void unload();
    static void run(const std::function<void()>& action);

    WindowModel& model_;
    EventPump& pump_;
    Form1Actions actions_;
    ControlFactory factory_;
    ModelBinder* binder_ = nullptr;
    QHash<QString, QWidget*> elements_;
    HistogramControl histogram1_;
    HistogramControl histogram2_;
    BarControl bars_[4];
    QPointer<QWidget> splash_;
    bool loaded_ = false;
    bool centred_ = false;
    bool unloaded_ = false;
};

}  // namespace quorvex
