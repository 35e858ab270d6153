#include "app/form1.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "app/art_picture.h"
#include "app/model_binder.h"
#include "app/page_panel.h"
#include "app/window_fonts.h"
#include "app/window_icon.h"
#include "platform/event_pump.h"
#include "tuning/window_model.h"

namespace quorvex {

namespace {

const QColor kWindowGrey(66, 66, 66);

struct HomeIcon {
    const char* resting;
    const char* highlighted;
    const char* art;
};
// Resting pictures and their highlighted twins, in the order of the six home icons.
constexpr std::array<HomeIcon, 6> kHomeIcons{{
    {"Image13", "Image6", "internet"},
    {"Image14", "Image3", "advanced"},
    {"Image15", "Image2", "lan"},
    {"Image16", "Image5", "firefox"},
    {"Image17", "Image4", "explorer"},
    {"Image18", "Image20", "automatic"},
}};

constexpr std::array<const char*, 5> kHeaders{{"Image9", "Image8", "Image7", "Image11", "Image10"}};
constexpr std::array<const char*, 7> kPages{
    {"Picture2", "Picture16", "Picture11", "Picture9", "Picture1", "Picture15", "Picture3"}};
constexpr std::array<const char*, 5> kSettingsPages{
    {"Picture16", "Picture11", "Picture9", "Picture1", "Picture15"}};

QString art(const char* name) {
    return QStringLiteral(":/artwork/") + QLatin1String(name) + QStringLiteral(".svg");
}

}  // namespace

Form1::Form1(WindowModel& model, EventPump& pump, Form1Actions actions,
             const ControlFactory& factory, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      model_(model),
      pump_(pump),
      actions_(std::move(actions)),
      factory_(factory) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quorvex"));
    setFixedSize(kClientWidth, kClientHeight);
    setFont(windowFont());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kWindowGrey);
    setPalette(palette);
    setAutoFillBackground(true);

    binder_ = new ModelBinder(model_.controls(), this);
    // Later siblings lie above earlier ones: the window-level pictures go in bottom first, the
    // pages after them, so every page lies above them all.
    buildWindowLevel();
    buildHomePage();
    buildPages();
    buildMonitorPage();
    wireHoverRules();
    wireKeyboard();
}

Form1::~Form1() {
    unload();
}

void Form1::remember(QWidget* widget) {
    elements_.insert(widget->objectName(), widget);
}

ArtPicture* Form1::picture(const QString& name, const QString& artPath, const QRect& rect,
                           QWidget* parent) {
    auto* picture = new ArtPicture(name, artPath, parent);
    picture->setGeometry(rect);
    remember(picture);
    return picture;
}

PagePanel* Form1::page(const QString& name, const QColor& background, const QRect& rect) {
    auto* panel = new PagePanel(name, background, this);
    panel->setGeometry(rect);
    panel->hide();
    remember(panel);
    return panel;
}

void Form1::buildWindowLevel() {
    struct Clickable {
        const char* name;
        const char* caption;
        std::function<void()> command;
    };
    picture(QStringLiteral("Image1"), art("background"), {0, 0, 500, 600}, this)->hide();

    const QRect lowerSlot(13, 536, 478, 65);
    const QRect upperSlot(13, 480, 478, 65);
    picture(QStringLiteral("Image23"), art("button_monitor_hover"), lowerSlot, this);
    picture(QStringLiteral("Image24"), art("button_monitor"), lowerSlot, this);
    picture(QStringLiteral("Image25"), art("button_back_hover"), lowerSlot, this)->hide();
    picture(QStringLiteral("Image26"), art("button_back"), lowerSlot, this)->hide();
    picture(QStringLiteral("Image21"), art("button_apply_hover"), upperSlot, this);
    picture(QStringLiteral("Image19"), art("button_apply"), upperSlot, this);

    const QRect headerRect(16, 152, 470, 325);
    picture(QStringLiteral("Image10"), art("header_explorer"), headerRect, this)->hide();
    picture(QStringLiteral("Image11"), art("header_firefox"), headerRect, this)->hide();
    picture(QStringLiteral("Image7"), art("header_lan"), headerRect, this)->hide();
    picture(QStringLiteral("Image8"), art("header_advanced"), headerRect, this)->hide();
    picture(QStringLiteral("Image9"), art("header_internet"), headerRect, this)->hide();
    picture(QStringLiteral("Image12"), art("home"), {440, 168, 30, 30}, this);

    auto* strip = new PagePanel(QStringLiteral("Label53"), QColor(), this);
    strip->setGeometry(0, 592, 497, 17);
    remember(strip);

    const Clickable clickables[] = {
        {"Image12", "Home", [this] { showHome(); }},
        {"Image21", "Apply Settings", [this] { run(actions_.advancedApply); }},
        {"Image23", "Open Traffic Monitor", [this] { openMonitor(); }},
        {"Image25", "Back To Main Menu", [this] { backFromMonitor(); }},
    };
    for (const auto& c : clickables) {
        auto* target = static_cast<ArtPicture*>(element(QLatin1String(c.name)));
        target->setCursor(linkCursor());
        target->setToolTip(QLatin1String(c.caption));
        target->setAccessibleName(QLatin1String(c.caption));
        connect(target, &ArtPicture::clicked, this, c.command);
    }
}

void Form1::wireHoverRules() {
    auto hovered = [this](const char* name, auto rule) {
        QWidget* widget = element(QLatin1String(name));
        if (auto* picture = qobject_cast<ArtPicture*>(widget))
            connect(picture, &ArtPicture::hovered, this, rule);
        else if (auto* panel = qobject_cast<PagePanel*>(widget))
            connect(panel, &PagePanel::hovered, this, rule);
    };
    auto showBottomResting = [this] {
        setElementVisible(QStringLiteral("Image19"), true);
        setElementVisible(QStringLiteral("Image24"), true);
    };
    auto monitorShown = [this] { return !element(QStringLiteral("Picture3"))->isHidden(); };

    for (const auto& icon : kHomeIcons) {
        const QString resting = QLatin1String(icon.resting);
        // Only the apply button's resting picture comes back here, not the monitor button's.
        hovered(icon.resting, [this, resting] {
            setElementVisible(resting, false);
            setElementVisible(QStringLiteral("Image19"), true);
        });
    }
    hovered("Image19", [this] {
        setElementVisible(QStringLiteral("Image19"), false);
        setElementVisible(QStringLiteral("Image24"), true);
    });
    hovered("Image24", [this] {
        setElementVisible(QStringLiteral("Image24"), false);
        setElementVisible(QStringLiteral("Image19"), true);
    });
    hovered("Image26", [this] { setElementVisible(QStringLiteral("Image26"), false); });
    hovered("Picture2", [this, showBottomResting] {
        showHomeRestingIcons();
        showBottomResting();
    });
    for (const char* settingsPage : kSettingsPages) hovered(settingsPage, showBottomResting);
    hovered("Picture3", [this] { setElementVisible(QStringLiteral("Image26"), true); });
    hovered("Label53", [this, showBottomResting, monitorShown] {
        showHomeRestingIcons();
        showBottomResting();
        if (monitorShown()) setElementVisible(QStringLiteral("Image26"), true);
    });
    hovered("Image1", [this, showBottomResting, monitorShown] {
        showBottomResting();
        if (monitorShown()) setElementVisible(QStringLiteral("Image26"), true);
    });
}

void Form1::wireKeyboard() {
    // The pointer reaches a command through the highlighted picture that hovering the resting
    // one reveals; the keyboard reaches it through whichever of the two is showing.
    std::vector<std::pair<QString, QString>> pairs;
    for (const auto& icon : kHomeIcons)
        pairs.emplace_back(QLatin1String(icon.resting), QLatin1String(icon.highlighted));
    pairs.emplace_back(QStringLiteral("Image19"), QStringLiteral("Image21"));
    pairs.emplace_back(QStringLiteral("Image24"), QStringLiteral("Image23"));
    pairs.emplace_back(QStringLiteral("Image26"), QStringLiteral("Image25"));
    pairs.emplace_back(QStringLiteral("Image12"), QStringLiteral("Image12"));
    for (const auto& [restingName, targetName] : pairs) {
        auto* resting = qobject_cast<ArtPicture*>(element(restingName));
        auto* target = qobject_cast<ArtPicture*>(element(targetName));
        if (!resting || !target) continue;
        resting->setKeyboardTarget(target);
        target->setKeyboardTarget(target);
        resting->setAccessibleName(target->accessibleName());
        resting->setToolTip(target->toolTip());
    }
}

void Form1::setElementVisible(const QString& name, bool visible) {
    if (QWidget* widget = element(name)) widget->setVisible(visible);
}

void Form1::showHomeRestingIcons() {
    for (const auto& icon : kHomeIcons) setElementVisible(QLatin1String(icon.resting), true);
}

void Form1::showPage(const QString& panel) {
    for (const char* name : kPages)
        setElementVisible(QLatin1String(name), panel == QLatin1String(name));
}

void Form1::showHeader(const QString& header) {
    for (const char* name : kHeaders)
        setElementVisible(QLatin1String(name), header == QLatin1String(name));
}

QString Form1::currentPage() const {
    for (const char* name : kPages)
        if (!element(QLatin1String(name))->isHidden()) return QLatin1String(name);
    return {};
}

void Form1::showInternetSettings() {
    showPage(QStringLiteral("Picture16"));
    showHeader(QStringLiteral("Image9"));
}

void Form1::showAdvancedSettings() {
    showPage(QStringLiteral("Picture11"));
    showHeader(QStringLiteral("Image8"));
}

void Form1::showLocalAreaNetwork() {
    showPage(QStringLiteral("Picture9"));
    showHeader(QStringLiteral("Image7"));
}

void Form1::showInternetExplorer() {
    showPage(QStringLiteral("Picture1"));
    showHeader(QStringLiteral("Image10"));
}

void Form1::showMozillaFirefox() {
    showPage(QStringLiteral("Picture15"));
    showHeader(QStringLiteral("Image11"));
    synchroniseFirefoxTexts();
}

void Form1::synchroniseFirefoxTexts() {
    // The visible preference text follows the visible label; with both labels shown the
    // optimized text wins, with neither the texts stay as they are.
    ControlModel& controls = model_.controls();
    if (controls.visible("Label26", false)) controls.setVisible("Text4", false);
    if (controls.visible("Label26", false)) controls.setVisible("Text5", true);
    if (controls.visible("Label25", false)) controls.setVisible("Text5", false);
    if (controls.visible("Label25", false)) controls.setVisible("Text4", true);
}

void Form1::showHome() {
    showPage(QStringLiteral("Picture2"));
}

void Form1::openMonitor() {
    showPage(QStringLiteral("Picture3"));
    showHeader(QString());
    setElementVisible(QStringLiteral("Image26"), true);
    setElementVisible(QStringLiteral("Image25"), true);
    run(actions_.startMeter);
}

void Form1::backFromMonitor() {
    showPage(QStringLiteral("Picture2"));
    setElementVisible(QStringLiteral("Image25"), false);
    run(actions_.stopMeter);
    // Events run between the samples: a page clicked meanwhile is shown at once.
    QPointer<Form1> self(this);
    for (int i = 0; i < kZeroLoop && self; ++i) {
        histogram1_.sink->NextPoint(0);
        pump_.processEvents();
        if (!self) break;
        histogram2_.sink->NextPoint(0);
    }
}

BarSink& Form1::progressBar(int number) {
    return *bars_[std::clamp(number, 1, 4) - 1].sink;
}

void Form1::load() {
    if (loaded_) return;
    loaded_ = true;
    ApplyWindowIcon(this, QStringLiteral("AAA"), true);
    setElementVisible(QStringLiteral("Image1"), true);
    run(actions_.createTrafficSource);
    run(actions_.restoreSettings);
    binder_->refreshAll();
}

void Form1::run(const std::function<void()>& action) {
    // A failing step is skipped; the next one runs.
    if (!action) return;
    try {
        action();
    } catch (...) {
    }
}

void Form1::showEvent(QShowEvent* event) {
    if (!centred_) {
        centred_ = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    QWidget::showEvent(event);
}

void Form1::closeEvent(QCloseEvent* event) {
    unload();
    event->accept();
}

void Form1::unload() {
    if (unloaded_) return;
    unloaded_ = true;
    // Nothing is saved here. The shell library of other platforms has no counterpart in Qt.
    if (splash_) splash_->close();
}

}  // namespace quorvex
