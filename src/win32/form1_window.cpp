#include "win32/form1_window.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "model/frame_description.h"
#include "model/frame_elements.h"
#include "model/settings_description.h"
#include "model/window_model.h"
#include "win32/dpi.h"
#include "win32/label_ctrl.h"
#include "win32/layout_values.h"
#include "win32/page_ctrl.h"
#include "win32/picture_ctrl.h"
#include "win32/push_button_ctrl.h"
#include "win32/undo_menu.h"
#include "win32/window_icon.h"

namespace quorvex::win32 {

namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
// Posted once after the shown pictures and pages changed.
constexpr UINT kUpdateCommandStops = WM_APP + 1;

}  // namespace

Form1Window::Form1Window(WindowModel& model, Form1Events events)
    : model_(model), events_(std::move(events)) {}

Form1Window::~Form1Window() {
    // The bindings refer to the controls: they go first.
    binder_.reset();
}

Wnd& Form1Window::adopt(std::unique_ptr<Wnd> control, const std::string& name) {
    Wnd& result = *control;
    // Each new control goes below its earlier siblings: a control made earlier lies above.
    SetWindowPos(result.hwnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (!name.empty()) elements_[name] = &result;
    owned_.push_back(std::move(control));
    return result;
}

void Form1Window::showUndoMenu(const UndoMenuActions& actions) {
    installUndoMenus(hwnd(), actions);
}

bool Form1Window::create() {
    CustomArgs args;
    args.className = L"QuorvexForm1";
    args.title = layout::kWindowTitle;
    args.style = kStyle;
    if (!createCustom(args)) return false;
    const SIZE frame = frameSizeFor(layout::kClientWidth, layout::kClientHeight, kStyle, 0, dpi());
    SetWindowPos(hwnd(), nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER);
    setFontOf(*this, fontOf(layout::kWindowFont));
    binder_ = std::make_unique<ModelBinder>(model_.controls());
    // Pages first, so that they lie above every window-level picture.
    buildPages();
    buildWindowLevel();
    pairKeyboard();
    addTooltips();
    return true;
}

void Form1Window::show() {
    if (!centred_) {
        centred_ = true;
        RECT frame;
        GetWindowRect(hwnd(), &frame);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        GetMonitorInfoW(MonitorFromWindow(hwnd(), MONITOR_DEFAULTTOPRIMARY), &monitor);
        const RECT& work = monitor.rcWork;
        const int width = frame.right - frame.left;
        const int height = frame.bottom - frame.top;
        SetWindowPos(hwnd(), nullptr, work.left + (work.right - work.left - width) / 2,
                     work.top + (work.bottom - work.top - height) / 2, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER);
    }
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
}

Wnd* Form1Window::element(const std::string& name) const {
    const auto it = elements_.find(name);
    return it == elements_.end() ? nullptr : it->second;
}

std::string Form1Window::currentPage() const {
    for (const char* name : frame::kPages)
        if (Wnd* panel = element(name); panel && panel->isVisible()) return name;
    return {};
}

ProgressBarCtrl& Form1Window::bar(int number) {
    return *bars_[std::clamp(number, 1, 4) - 1];
}

BarSink& Form1Window::progressBar(int number) {
    return bar(number);
}

SampleSink& Form1Window::histogram(int number) {
    return number >= 2 ? *histogram2_ : *histogram1_;
}

void Form1Window::applyIcon() {
    ApplyWindowIcon(hwnd(), L"AAA", true);
}

void Form1Window::refresh() {
    binder_->refreshAll();
}

void Form1Window::setFontOf(Wnd& control, const WindowFont& font) {
    control.setFont(fonts_.get(font, dpi()));
    fontsInUse_.emplace_back(&control, font);
}

PageCtrl& Form1Window::page(const std::string& name, COLORREF background, const Bounds& bounds) {
    auto panel = std::make_unique<PageCtrl>();
    panel->create({hwnd(), name, background});
    panel->setBounds(bounds);
    PageCtrl& result = add(std::move(panel), name);
    result.onHover = [this, name] {
        if (events_.onHover) events_.onHover(name);
    };
    return result;
}

PictureCtrl& Form1Window::picture(HWND parent, const std::string& name, const std::string& art,
                                  const Bounds& bounds, const std::string& caption) {
    auto control = std::make_unique<PictureCtrl>();
    PictureCtrl::CreateArgs args;
    args.parent = parent;
    args.name = name;
    args.art = art;
    args.caption = caption;
    args.command = !caption.empty();
    control->create(args);
    control->setBounds(bounds);
    control->setVisible(true);
    PictureCtrl& result = add(std::move(control), name);
    result.onHover = [this, name] {
        if (events_.onHover) events_.onHover(name);
    };
    if (!caption.empty()) result.onClick = [this, name] { command(name); };
    return result;
}

LabelCtrl& Form1Window::label(HWND parent, const std::string& text, const Bounds& bounds,
                              const WindowFont& font, COLORREF colour, COLORREF background,
                              bool centred) {
    auto control = std::make_unique<LabelCtrl>();
    control->create({parent, text, colour, background,
                     centred ? LabelCtrl::Align::Centre : LabelCtrl::Align::Left});
    control->setBounds(bounds);
    setFontOf(*control, font);
    return add(std::move(control), {});
}

void Form1Window::command(const std::string& name) {
    // A key can reach a command its page covers (the focus stays where it was): it does not run.
    if (!commandReachable(name)) return;
    if (events_.onCommand) events_.onCommand(name);
}

void Form1Window::buildWindowLevel() {
    // Topmost first, as they stack: the strip, then the pictures from the top down. The strip
    // has no art: it only senses the pointer, and what lies beneath shows through it.
    PictureCtrl& label53 =
        picture(hwnd(), frame::kBottomStrip, {}, boundsOf(layout::kBottomStripRect));
    binder_->bindVisible(frame::kBottomStrip, label53);
    for (auto it = layout::kWindowPictures.rbegin(); it != layout::kWindowPictures.rend(); ++it) {
        PictureCtrl& made =
            picture(hwnd(), it->name, it->art, boundsOf(it->rect), it->command ? it->command : "");
        made.setVisible(it->visibleAtLoad || it->name == std::string_view(frame::kBackground));
        binder_->bindVisible(it->name, made);
    }
}

void Form1Window::pairKeyboard() {
    // The pointer reaches a command through the command picture that hovering the resting one
    // reveals; the keyboard reaches it through whichever of the two is showing.
    std::vector<frame::HoverPair> pairs(frame::kHomeIcons.begin(), frame::kHomeIcons.end());
    pairs.insert(pairs.end(), frame::kButtons.begin(), frame::kButtons.end());
    for (const auto& pair : pairs) {
        auto* resting = static_cast<PictureCtrl*>(element(pair.resting));
        auto* target = static_cast<PictureCtrl*>(element(pair.highlighted));
        if (!resting || !target) continue;
        commandPairs_.push_back({resting, target});
        stopWatch_.push_back(resting);
        stopWatch_.push_back(target);
        if (resting == target) continue;
        resting->setText(target->text());
        resting->setFocusHeir(target);
        const std::string name = pair.highlighted;
        resting->onActivate = [this, name] { command(name); };
    }
    for (const char* page : frame::kPages) stopWatch_.push_back(element(page));
    for (const char* header : frame::kHeaders) stopWatch_.push_back(element(header));
    binder_->onAnyChange([this] { scheduleCommandStops(); });
}

void Form1Window::addTooltips() {
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(), nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    if (!tooltips_) return;
    std::vector<std::string> names;
    for (const CommandPair& pair : commandPairs_) {
        names.push_back(pair.command->name());
        if (pair.resting != pair.command) names.push_back(pair.resting->name());
    }
    for (const layout::Button& b : layout::kFirefoxButtons) names.emplace_back(b.name);
    for (const std::string& name : names)
        if (Wnd* control = element(name)) addTooltip(*control);
}

void Form1Window::addTooltip(Wnd& control) {
    if (!tooltips_) return;
    std::wstring text = wide(control.text());
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(control.hwnd());
    tool.lpszText = text.data();
    SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    control.setTooltips(tooltips_);
}

void Form1Window::scheduleCommandStops() {
    // Cheap: the shown flags live in this process. The work waits until a command has made
    // all its changes.
    std::vector<bool> shown;
    shown.reserve(stopWatch_.size());
    for (Wnd* w : stopWatch_) shown.push_back(w && w->isVisible());
    if (shown == stopsShown_) return;
    stopsShown_ = std::move(shown);
    if (stopsPending_) return;
    stopsPending_ = true;
    PostMessageW(hwnd(), kUpdateCommandStops, 0, 0);
}

bool Form1Window::commandReachable(const std::string& name) const {
    Wnd* target = element(name);
    if (!target || !target->isEnabled()) return false;
    // Shown within the window, whether or not the window itself shows yet.
    for (HWND w = target->hwnd(); w && w != hwnd(); w = GetParent(w))
        if (!(GetWindowLongPtrW(w, GWL_STYLE) & WS_VISIBLE)) return false;
    HWND resting = target->hwnd();
    for (const CommandPair& pair : commandPairs_)
        if (pair.command == target) resting = pair.resting->hwnd();
    // The topmost shown window at the command's centre, from the main window down.
    RECT r;
    GetWindowRect(target->hwnd(), &r);
    const POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    HWND level = hwnd();
    for (;;) {
        POINT at = centre;
        ScreenToClient(level, &at);
        const HWND hit = ChildWindowFromPointEx(level, at, CWP_SKIPINVISIBLE);
        if (hit == target->hwnd() || hit == resting) return true;
        if (!hit || hit == level || !IsChild(hit, target->hwnd())) return false;
        level = hit;
    }
}

void Form1Window::updateCommandStops() {
    stopsPending_ = false;
    const HWND focus = GetFocus();
    bool focusLost = false;
    for (const CommandPair& pair : commandPairs_) {
        PictureCtrl* holder = nullptr;
        if (commandReachable(pair.command->name()))
            holder = pair.resting->isVisible() ? pair.resting : pair.command;
        for (PictureCtrl* picture : {pair.resting, pair.command}) {
            const LONG_PTR style = GetWindowLongPtrW(picture->hwnd(), GWL_STYLE);
            const LONG_PTR wanted = picture == holder ? style | WS_TABSTOP : style & ~WS_TABSTOP;
            if (wanted != style) SetWindowLongPtrW(picture->hwnd(), GWL_STYLE, wanted);
            if (focus != picture->hwnd() || picture == holder) continue;
            if (holder)
                SetFocus(holder->hwnd());
            else
                focusLost = true;
        }
    }
    // Keys must not reach a command that cannot run: the focus moves on to the next stop.
    if (focusLost) {
        const HWND next = GetNextDlgTabItem(hwnd(), focus, FALSE);
        SetFocus(next && next != focus ? next : hwnd());
    }
}

void Form1Window::buildPages() {
    // What each page makes when it first shows.
    const std::map<std::string_view, PageBuilder> builders{
        {frame::kInternetPage, &Form1Window::buildInternetSettings},
        {frame::kAdvancedPage, &Form1Window::buildAdvancedSettings},
        {frame::kLanPage, &Form1Window::buildLocalAreaNetwork},
        {frame::kExplorerPage, &Form1Window::buildInternetExplorer},
        {frame::kFirefoxPage, &Form1Window::buildMozillaFirefox},
        {frame::kMonitorPage, &Form1Window::buildMonitorTexts}};
    for (const layout::Page& description : layout::kPageTable) {
        const COLORREF fill = description.fill.systemWindow ? GetSysColor(COLOR_WINDOW)
                                                            : colourOf(description.fill.colour);
        const std::string_view name = description.name;
        PageCtrl& panel = page(description.name, fill, boundsOf(description.rect));
        // The home page shows at once and the monitor's graphs and bars take samples from the
        // start; the rest of a page (a settings page's many controls, the monitor's captions and
        // figures) is made when it first shows.
        if (name == frame::kHomePage) {
            panel.setVisible(true);
            buildHomePage(panel);
            continue;
        }
        if (name == frame::kMonitorPage) buildMonitorGraphs(panel);
        pending_.emplace(description.name, PendingPage{&panel, builders.at(name)});
    }
    for (const char* name : frame::kPages)
        binder_->bindVisible(name, *element(name),
                             [this, page = std::string(name)] { buildContents(page); });
}

void Form1Window::buildContents(const std::string& page) {
    const auto it = pending_.find(page);
    if (it == pending_.end()) return;
    const PendingPage pending = it->second;
    pending_.erase(it);
    // Each control binds to the model as it is made, and so shows the model's state at once.
    (this->*pending.build)(*pending.panel);
}

void Form1Window::buildEveryPage() {
    while (!pending_.empty()) buildContents(std::string(pending_.begin()->first));
}

LRESULT Form1Window::wndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kUpdateCommandStops) {
        updateCommandStops();
        return 0;
    }
    if (message == WM_DPICHANGED) {
        onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    }
    return Wnd::wndProc(message, wParam, lParam);
}

void Form1Window::onDpiChanged(int dpi, const RECT& suggested) {
    SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    for (auto& control : owned_) control->applyDpi();
    for (auto& [control, font] : fontsInUse_) control->setFont(fonts_.get(font, dpi));
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_ERASE);
}

void Form1Window::onPaint(HDC dc, const RECT& client) {
    HBRUSH brush = CreateSolidBrush(colourOf(layout::kWindowGrey));
    FillRect(dc, &client, brush);
    DeleteObject(brush);
}

bool Form1Window::onClose() {
    if (events_.onClose) events_.onClose();
    return false;
}

}  // namespace quorvex::win32
