#include "app/form1.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "app/art_picture.h"
#include "app/model_binder.h"
#include "app/page_panel.h"
#include "app/window_fonts.h"
#include "app/window_icon.h"
#include "model/frame_description.h"
#include "model/frame_elements.h"
#include "model/window_model.h"
#include "shell/main_window_commands.h"

namespace quorvex {

namespace {

QString art(const char* name) {
    return QStringLiteral(":/artwork/") + QLatin1String(name) + QStringLiteral(".svg");
}

}  // namespace

Form1::Form1(WindowModel& model, MainWindowCommands& commands, const ControlFactory& factory,
             QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      model_(model),
      commands_(commands),
      factory_(factory) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QLatin1String(layout::kWindowTitle));
    setFixedSize(kClientWidth, kClientHeight);
    setFont(windowFont());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(static_cast<int>(colour::red(layout::kWindowGrey)),
                                              static_cast<int>(colour::green(layout::kWindowGrey)),
                                              static_cast<int>(colour::blue(layout::kWindowGrey))));
    setPalette(palette);
    setAutoFillBackground(true);

    binder_ = new ModelBinder(model_.controls(), this);
    // Later siblings lie above earlier ones: the window-level pictures go in bottom first, the
    // pages after them, so every page lies above them all.
    buildWindowLevel();
    buildHomePage();
    buildPages();
    buildMonitorPage();
    wireModelVisibility();
    wireHover();
    wireKeyboard();
}

Form1::~Form1() = default;

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

void Form1::clickable(ArtPicture* target, const char* caption) {
    const std::string name = target->objectName().toStdString();
    // One cursor for every clickable picture: its bitmap is decoded once, not once a picture.
    if (link_.shape() != Qt::BitmapCursor) link_ = linkCursor();
    target->setCursor(link_);
    target->setToolTip(QLatin1String(caption));
    target->setAccessibleName(QLatin1String(caption));
    connect(target, &ArtPicture::clicked, this, [this, name] { commands_.click(name); });
}

void Form1::buildWindowLevel() {
    const auto rectOf = [](const layout::Rect& r) { return QRect(r.x, r.y, r.width, r.height); };
    for (const layout::Picture& p : layout::kWindowPictures) {
        ArtPicture* made = picture(QLatin1String(p.name), art(p.art), rectOf(p.rect), this);
        made->setVisible(p.visibleAtLoad);
        if (p.command) clickable(made, p.command);
    }
    auto* strip = new PagePanel(QLatin1String(frame::kBottomStrip), QColor(), this);
    strip->setGeometry(rectOf(layout::kBottomStripRect));
    remember(strip);
}

// The frame's pictures, pages and headers show what the model's visible flags say.
void Form1::wireModelVisibility() {
    using namespace frame;
    std::vector<const char*> names{kBottomStrip, kBackground};
    names.insert(names.end(), kHeaders.begin(), kHeaders.end());
    names.insert(names.end(), kPages.begin(), kPages.end());
    for (const auto& pair : kHomeIcons) names.insert(names.end(), {pair.resting, pair.highlighted});
    for (const auto& pair : kButtons) names.insert(names.end(), {pair.resting, pair.highlighted});
    for (const char* name : names)
        if (QWidget* widget = elements_.value(QLatin1String(name)))
            binder_->bindVisible(name, widget);
}

// Every pointer movement over an element goes to the window's hover rules.
void Form1::wireHover() {
    for (QWidget* widget : std::as_const(elements_)) {
        const std::string name = widget->objectName().toStdString();
        auto hovered = [this, name] { commands_.pointerOver(name); };
        if (auto* picture = qobject_cast<ArtPicture*>(widget))
            connect(picture, &ArtPicture::hovered, this, hovered);
        else if (auto* panel = qobject_cast<PagePanel*>(widget))
            connect(panel, &PagePanel::hovered, this, hovered);
    }
}

void Form1::wireKeyboard() {
    // The pointer reaches a command through the highlighted picture that hovering the resting
    // one reveals; the keyboard reaches it through whichever of the two is showing.
    std::vector<frame::HoverPair> pairs(frame::kHomeIcons.begin(), frame::kHomeIcons.end());
    pairs.insert(pairs.end(), frame::kButtons.begin(), frame::kButtons.end());
    for (const auto& [restingName, targetName] : pairs) {
        auto* resting = qobject_cast<ArtPicture*>(elements_.value(QLatin1String(restingName)));
        auto* target = qobject_cast<ArtPicture*>(elements_.value(QLatin1String(targetName)));
        if (!resting || !target) continue;
        resting->setKeyboardTarget(target);
        target->setKeyboardTarget(target);
        resting->setAccessibleName(target->accessibleName());
        resting->setToolTip(target->toolTip());
        // The resting picture hides its twin wholly until the pointer reveals it (the home
        // button is its own resting picture).
        if (resting != target) target->setCoveredBy(resting);
    }
}

QWidget* Form1::element(const QString& name) const {
    if (QWidget* found = elements_.value(name)) return found;
    // The controls of the pages not made yet are made at the first question for one of them.
    for (PagePanel* panel : lazyPages_) panel->buildContents();
    return elements_.value(name);
}

QString Form1::currentPage() const {
    return QString::fromStdString(commands_.currentPage());
}

BarSink& Form1::progressBar(int number) {
    return *bars_[std::clamp(number, 1, 4) - 1].sink;
}

void Form1::applyIcon() {
    ApplyWindowIcon(this, QStringLiteral("AAA"), true);
}

void Form1::refresh() {
    binder_->refreshAll();
}

void Form1::makeLater(PagePanel* panel, std::function<void()> build) {
    lazyPages_.push_back(panel);
    panel->setContents([this, build = std::move(build)] {
        useWindowFonts();
        build();
    });
}

void Form1::useWindowFonts() {
    // Before the first text is measured, and no sooner: the splash shows no text, and finding the
    // fonts reads the whole font configuration.
    if (fontsReady_) return;
    fontsReady_ = true;
    registerTahomaFallback();
}

void Form1::setVisible(bool visible) {
    if (visible) {
        useWindowFonts();
        // The page showing is made just before the window shows.
        for (PagePanel* panel : lazyPages_)
            if (!panel->isHidden()) panel->buildContents();
    }
    QWidget::setVisible(visible);
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
    commands_.windowClosed();
    event->accept();
}

}  // namespace quorvex
