#pragma once

#include <QCursor>
#include <QHash>
#include <QString>
#include <QWidget>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/control_factory.h"
#include "model/frame_description.h"

class QComboBox;
class QRadioButton;
class QVBoxLayout;

namespace quorvex {

struct AdvancedGroup;
class ArtPicture;
class MainWindowCommands;
class ModelBinder;
class PagePanel;
class WindowModel;

// The main window: a fixed surface of pictures holding the home page, five settings pages and
// the traffic monitor, one page shown at a time. It renders the WindowModel's controls (their
// texts and visible flags), forwards every choice to the model and every click and pointer
// movement to the window's commands; it holds no rule of its own.
class Form1 : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kClientWidth = layout::kClientWidth;
    static constexpr int kClientHeight = layout::kClientHeight;
    Form1(WindowModel& model, MainWindowCommands& commands,
          const ControlFactory& factory = defaultControlFactory(), QWidget* parent = nullptr);
    ~Form1() override;

    // Load step 1: the application icon on the window and its topmost owner.
    void applyIcon();
    // Brings every bound widget in line with the model.
    void refresh();

    SampleSink& histogram1() { return *histogram1_.sink; }
    SampleSink& histogram2() { return *histogram2_.sink; }
    // XP_ProgressBar1 to XP_ProgressBar4.
    BarSink& progressBar(int number);

    // Any element of the window by its name ("Image23", "Picture3", "Combo3", "Label54"...).
    // A control of a page not shown yet is made first.
    QWidget* element(const QString& name) const;
    // The page panel shown now (the window keeps no other record of it).
    QString currentPage() const;

    void setVisible(bool visible) override;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildWindowLevel();
    void buildHomePage();
    void buildHomeTexts(PagePanel* home);
    void buildPages();
    void buildInternetSettings(PagePanel* panel);
    void buildAdvancedSettings(PagePanel* panel);
    void buildLocalAreaNetwork(PagePanel* panel);
    void buildInternetExplorer(PagePanel* panel);
    void buildMozillaFirefox(PagePanel* panel);
    QRadioButton* option(std::string_view name, const std::string& caption, QWidget* parent,
                         const layout::Font& font);
    QComboBox* list(const char* name, QWidget* parent);
    QVBoxLayout* groupColumn(const AdvancedGroup& group, QWidget* parent, bool enabledFirst);
    void buildMonitorPage();
    void buildMonitorTexts(PagePanel* panel);
    void wireModelVisibility();
    void wireHover();
    void wireKeyboard();

    ArtPicture* picture(const QString& name, const QString& art, const QRect& rect,
                        QWidget* parent);
    PagePanel* page(const QString& name, const QColor& background, const QRect& rect);
    // `build` makes the panel's controls when it is first shown (or one of them is asked for).
    void makeLater(PagePanel* panel, std::function<void()> build);
    void useWindowFonts();
    void remember(QWidget* widget);
    void clickable(ArtPicture* picture, const char* name);

    WindowModel& model_;
    MainWindowCommands& commands_;
    ControlFactory factory_;
    ModelBinder* binder_ = nullptr;
    QHash<QString, QWidget*> elements_;
    // Pages whose controls are made when first shown: the settings pages, and the home page's
    // texts.
    std::vector<PagePanel*> lazyPages_;
    QCursor link_;
    HistogramControl histogram1_;
    HistogramControl histogram2_;
    BarControl bars_[4];
    bool centred_ = false;
    bool fontsReady_ = false;
};

}  // namespace quorvex
