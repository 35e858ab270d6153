// The contents of the main window's pages: the home icons, the settings pages bound to the
// window model, and the monitor page's labels, graphs and bars.
#include <array>
#include <string>
#include <vector>

#include "tuning/advanced_choices.h"
#include "tuning/connection_catalogue.h"
#include "tuning/window_model.h"
#include "win32/dropdown_ctrl.h"
#include "win32/form1_window.h"
#include "win32/label_ctrl.h"
#include "win32/page_ctrl.h"
#include "win32/picture_ctrl.h"
#include "win32/push_button_ctrl.h"
#include "win32/radio_ctrl.h"
#include "win32/text_ctrl.h"

namespace quorvex::win32 {

namespace {

constexpr COLORREF kCaptionGrey = RGB(224, 224, 224);
const WindowFont kPageFont{"Tahoma", 8.25, false};
const WindowFont kPageBold{"Tahoma", 8.25, true};
const WindowFont kSmallFont{"Tahoma", 7.5, false};
const WindowFont kSmallBold{"Tahoma", 7.5, true};

std::string markedCaption(const AdvancedChoice& choice) {
    const std::string_view mark = markText(choice.mark);
    return mark.empty() ? std::string(choice.caption)
                        : std::string(choice.caption) + " " + std::string(mark);
}

const AdvancedGroup& groupNamed(std::string_view id) {
    for (const auto& group : advancedGroups())
        if (group.id == id) return group;
    return advancedGroups().front();
}

COLORREF windowColour() {
    return GetSysColor(COLOR_WINDOW);
}

COLORREF textColour() {
    return GetSysColor(COLOR_WINDOWTEXT);
}

}  // namespace

RadioCtrl& Form1Window::option(HWND parent, const std::string& name, const std::string& caption,
                               const Bounds& bounds, const WindowFont& font, bool firstOfGroup) {
    auto control = std::make_unique<RadioCtrl>();
    control->create({parent, caption, firstOfGroup, windowColour()});
    control->setBounds(bounds);
    setFontOf(*control, font);
    RadioCtrl& result = add(std::move(control), name);
    binder_->bindOption(name, result);
    return result;
}

DropDownCtrl& Form1Window::list(HWND parent, const std::string& name, const Bounds& bounds) {
    auto control = std::make_unique<DropDownCtrl>();
    control->create({parent, name, {}});
    // The height includes the dropped-down list.
    control->setBounds({bounds.x, bounds.y, bounds.width, 200});
    setFontOf(*control, kPageFont);
    DropDownCtrl& result = add(std::move(control), name);
    binder_->bindList(name, result);
    return result;
}

void Form1Window::buildHomePage(PageCtrl& home) {
    struct Icon {
        int x, y;
        const char* resting;
        const char* highlighted;
        const char* art;
        const char* caption;
        Bounds captionBounds;
    };
    const std::array<Icon, 6> icons{{
        {32, 32, "Image13", "Image6", "internet", "Internet Settings", {16, 112, 113, 17}},
        {200, 32, "Image14", "Image3", "advanced", "Advanced Settings", {160, 112, 145, 17}},
        {360, 32, "Image15", "Image2", "lan", "Local Area Network", {312, 112, 169, 17}},
        {32, 168, "Image16", "Image5", "firefox", "Mozilla Firefox", {8, 248, 129, 17}},
        {192, 168, "Image17", "Image4", "explorer", "Internet Explorer", {168, 248, 129, 17}},
        {360,
         168,
         "Image18",
         "Image20",
         "automatic",
         "Everything Automatically",
         {304, 248, 185, 17}},
    }};
    const WindowFont captionFont{"Tahoma", 9.75, true};
    for (const auto& icon : icons) {
        const Bounds rect{icon.x, icon.y, 72, 72};
        const std::string art = std::string("icon_") + icon.art;
        // The resting picture lies above: the first movement over it reveals the command.
        picture(home.hwnd(), icon.resting, art, rect);
        picture(home.hwnd(), icon.highlighted, art + "_hover", rect, icon.caption);
        binder_->bindVisible(icon.resting, *element(icon.resting));
        binder_->bindVisible(icon.highlighted, *element(icon.highlighted));
        Bounds caption = icon.captionBounds;
        // Wider than designed, so that a caption in a wider fallback font stays whole.
        caption.x -= 8;
        caption.width += 16;
        caption.height += 2;
        label(home.hwnd(), icon.caption, caption, captionFont, kCaptionGrey, home.background(),
              true);
    }
    label(home.hwnd(), "Please Choose Your Internet / Network Connection Type:", {24, 282, 433, 18},
          WindowFont{"Tahoma", 9.0, false}, kCaptionGrey, home.background());
    list(home.hwnd(), names::kConnectionList, {24, 302, 433, 24});
}

void Form1Window::buildInternetSettings(PageCtrl& panel) {
    // 27 choices in three columns, by group.
    constexpr int kRow = 14;
    const int columns[3] = {6, 154, 300};
    const int widths[3] = {146, 144, 146};
    int y[3] = {5, 5, 5};
    auto groupAt = [&](int column, ConnectionGroup group) {
        label(panel.hwnd(), std::string(groupHeading(group)),
              {columns[column], y[column], widths[column], 13}, kSmallBold, textColour(),
              windowColour());
        y[column] += kRow;
        bool first = column == 0 && group == ConnectionGroup::DslOrCable;
        for (const auto& entry : connectionCatalogue()) {
            if (entry.group != group) continue;
            option(panel.hwnd(), std::string(entry.optionControl), std::string(entry.caption),
                   {columns[column], y[column], widths[column], 13}, kSmallFont, first);
            first = false;
            y[column] += kRow;
        }
        y[column] += 4;
    };
    groupAt(0, ConnectionGroup::DslOrCable);
    groupAt(1, ConnectionGroup::Wireless);
    groupAt(1, ConnectionGroup::Satellite);
    groupAt(2, ConnectionGroup::DialUp);
    groupAt(2, ConnectionGroup::ClosedNetworks);
    const ConnectionType& restore = connectionType(ConnectionKind::RestoreDefaults);
    option(panel.hwnd(), std::string(restore.optionControl), std::string(restore.caption),
           {columns[2], y[2], widths[2], 13}, kSmallFont, false);

    const int qosY = 196;
    label(panel.hwnd(), "Bandwidth Reserved For QoS:", {6, qosY + 3, 160, 14}, kPageBold,
          textColour(), windowColour());
    list(panel.hwnd(), names::kQosList, {168, qosY, 52, 21});
    label(panel.hwnd(), "%", {224, qosY + 3, 14, 14}, kPageFont, textColour(), windowColour());
    label(panel.hwnd(), "(Recommended: 0%) (Default: 20%)", {240, qosY + 3, 200, 14}, kPageFont,
          textColour(), windowColour());
}

void Form1Window::buildAdvancedSettings(PageCtrl& panel) {
    constexpr int kRow = 15;
    auto groupAt = [&](std::string_view id, int x, int y, int width) {
        const AdvancedGroup& group = groupNamed(id);
        label(panel.hwnd(), std::string(group.heading), {x, y, width, 14}, kPageBold, textColour(),
              windowColour());
        bool first = true;
        for (const auto& choice : group.choices) {
            y += kRow;
            option(panel.hwnd(), std::string(choice.control), markedCaption(choice),
                   {x + 4, y, width - 4, 14}, kPageFont, first);
            first = false;
        }
        return y + kRow;
    };
    int left = 6;
    left = groupAt("FastCopyReceiveThreshold", 8, left, 214) + 4;
    left = groupAt("SackOpts", 8, left, 214) + 4;
    left = groupAt("MaxDupAcks", 8, left, 214) + 4;
    int right = groupAt("FastSendDatagramThreshold", 228, 6, 214) + 4;
    right = groupAt("Tcp1323Opts", 228, right, 214) + 4;

    const AdvancedGroup& ttl = groupNamed("Ttl");
    const int ttlY = std::max(left, right) + 2;
    label(panel.hwnd(), std::string(ttl.heading), {8, ttlY, 90, 14}, kPageBold, textColour(),
          windowColour());
    int x = 100;
    bool first = true;
    for (const auto& choice : ttl.choices) {
        const std::string caption = markedCaption(choice);
        const int width = 24 + static_cast<int>(caption.size()) * 6;
        option(panel.hwnd(), std::string(choice.control), caption, {x, ttlY, width, 14}, kPageFont,
               first);
        first = false;
        x += width + 6;
    }
    const int rwinY = ttlY + 18;
    label(panel.hwnd(), "RWIN:", {8, rwinY, 40, 14}, kPageBold, textColour(), windowColour());
    LabelCtrl& rwin =
        label(panel.hwnd(), "", {50, rwinY, 120, 14}, kPageFont, textColour(), windowColour());
    elements_["RwinValue"] = &rwin;
    binder_->onAnyChange([this, &rwin] { rwin.setText(std::to_string(model_.state().Rwin)); });
}

void Form1Window::buildLocalAreaNetwork(PageCtrl& panel) {
    int y = 10;
    for (const char* id : {"NoRecentDocsNetHood", "SizReqBuf", "MaxCmds"}) {
        const AdvancedGroup& group = groupNamed(id);
        label(panel.hwnd(), std::string(group.heading), {12, y, 420, 14}, kPageBold, textColour(),
              windowColour());
        // "Enabled" before "Disabled".
        std::vector<const AdvancedChoice*> choices;
        for (const auto& choice : group.choices) choices.push_back(&choice);
        if (choices.size() == 2 && choices[1]->caption == "Enabled")
            std::swap(choices[0], choices[1]);
        bool first = true;
        for (const AdvancedChoice* choice : choices) {
            y += 16;
            option(panel.hwnd(), std::string(choice->control), markedCaption(*choice),
                   {16, y, 416, 15}, kPageFont, first);
            first = false;
        }
        y += 16 + 12;
    }
}

void Form1Window::buildInternetExplorer(PageCtrl& panel) {
    struct Http {
        const char* heading;
        const char* list;
        const char* hint;
    };
    int y = 12;
    for (const Http& http : {Http{"Maximum HTTP 1.0 Server Connections:", names::kHttp10List,
                                  "(Recommended: 10) (Default: 4)"},
                             Http{"Maximum HTTP 1.1 Server Connections:", names::kHttp11List,
                                  "(Recommended: 10) (Default: 2)"}}) {
        label(panel.hwnd(), http.heading, {12, y, 420, 14}, kPageBold, textColour(),
              windowColour());
        y += 20;
        label(panel.hwnd(), "Simultaneous Connections:", {12, y + 3, 140, 14}, kPageFont,
              textColour(), windowColour());
        list(panel.hwnd(), http.list, {154, y, 52, 21});
        label(panel.hwnd(), http.hint, {212, y + 3, 220, 14}, kPageFont, textColour(),
              windowColour());
        y += 40;
    }
}

void Form1Window::buildMozillaFirefox(PageCtrl& panel) {
    label(panel.hwnd(), "Current Configuration: ", {8, 6, 140, 16}, kPageBold, textColour(),
          windowColour());
    elements_["Label15"] = owned_.back().get();
    for (const auto& [name, text] : {std::pair{"Label25", "Optimized Configuration"},
                                     std::pair{"Label26", "Default Configuration"}}) {
        LabelCtrl& state =
            label(panel.hwnd(), text, {149, 6, 260, 16}, kPageFont, textColour(), windowColour());
        elements_[name] = &state;
        binder_->bindVisible(name, state);
    }
    for (const char* name : {"Text4", "Text5"}) {
        auto control = std::make_unique<TextCtrl>();
        control->create({panel.hwnd(), name});
        control->setBounds({8, 26, 433, 130});
        setFontOf(*control, kPageFont);
        TextCtrl& text = add(std::move(control), name);
        binder_->bindText(name, text);
        binder_->bindVisible(name, text);
    }
    struct Button {
        const char* name;
        const char* caption;
        Bounds bounds;
    };
    for (const Button& b :
         {Button{"chameleonButton3", "Disable Optimized Configuration", {8, 162, 433, 30}},
          Button{"chameleonButton2", "Enable Optimized Configuration", {8, 196, 433, 30}}}) {
        auto control = std::make_unique<PushButtonCtrl>();
        control->create({panel.hwnd(), b.name, b.caption});
        control->setBounds(b.bounds);
        setFontOf(*control, kPageFont);
        PushButtonCtrl& button = add(std::move(control), b.name);
        const std::string name = b.name;
        button.onClick = [this, name] { command(name); };
        binder_->bindEnabled(name, button);
    }
}

void Form1Window::buildMonitorPage(PageCtrl& panel) {
    struct Text {
        const char* name;  // empty for a fixed caption
        const char* text;
        Bounds bounds;
        COLORREF colour;
        bool bold;
        double points;
        bool centred;
    };
    const COLORREF light = RGB(224, 224, 224), value = RGB(192, 192, 192), dim = RGB(128, 128, 128),
                   white = RGB(255, 255, 255);
    const Text texts[] = {
        {"", "Download Capacity Utilization:", {8, 8, 190, 13}, light, true, 8.25, false},
        {"", "Upload Capacity Utilization:", {248, 8, 190, 13}, light, true, 8.25, false},
        {"Label45", "100%", {201, 24, 33, 12}, white, false, 6.75, true},
        {"Label44", "0%", {200, 208, 33, 13}, white, false, 8.25, true},
        {"Label46", "100%", {442, 24, 33, 12}, white, false, 6.75, true},
        {"Label47", "0%", {442, 208, 33, 13}, white, false, 8.25, true},
        {"", "You Are Downloading At:", {8, 232, 150, 13}, light, true, 8.25, false},
        {"lblDownloadSpeedTop", "0.0 KB/S", {160, 232, 80, 13}, value, false, 8.25, false},
        {"", "You Are Uploading At:", {248, 232, 150, 13}, light, true, 8.25, false},
        {"lblUploadSpeedTop", "0.0 KB/S", {400, 232, 80, 13}, value, false, 8.25, false},
        {"", "At An Average Rate Of:", {8, 248, 150, 13}, light, true, 8.25, false},
        {"Label77", "0.0 KB/S", {160, 248, 80, 13}, value, false, 8.25, false},
        {"", "At An Average Rate Of:", {248, 248, 150, 13}, light, true, 8.25, false},
        {"Label78", "0.0 KB/S", {400, 248, 80, 13}, value, false, 8.25, false},
        {"", "You Have Downloaded:", {8, 264, 150, 13}, dim, true, 8.25, false},
        {"Label54", "0.00 KBs", {160, 264, 80, 13}, dim, false, 8.25, false},
        {"", "You Have Uploaded:", {248, 264, 150, 13}, dim, true, 8.25, false},
        {"Label62", "0.00 KBs", {400, 264, 80, 13}, dim, false, 8.25, false},
        {"", "Best Download Speed:", {8, 296, 150, 13}, light, true, 8.25, false},
        {"MaximumDownload", "0.0 KB/S", {160, 296, 80, 13}, value, false, 8.25, false},
        {"", "Best Upload Speed:", {248, 296, 150, 13}, light, true, 8.25, false},
        {"MaximumUpload", "0.0 KB/S", {400, 296, 80, 13}, value, false, 8.25, false},
        {"", "Total Bits Downloaded:", {8, 336, 158, 13}, light, true, 8.25, false},
        {"Label79", "0.00", {168, 336, 124, 13}, light, false, 8.25, false},
        {"Label83", "0%", {440, 336, 35, 13}, dim, false, 8.25, true},
        {"", "Total Bits Uploaded:", {8, 352, 158, 13}, light, true, 8.25, false},
        {"Label81", "0.00", {168, 352, 124, 13}, light, false, 8.25, false},
        {"Label84", "0%", {440, 352, 35, 13}, dim, false, 8.25, true},
        {"", "Overall Bits Transferred:", {8, 368, 158, 13}, light, true, 8.25, false},
        {"Label52", "0.00", {168, 368, 124, 13}, light, false, 8.25, false},
        {"", "Best Connection Achieved:", {8, 400, 182, 16}, light, true, 9.75, false},
        {"Label30", "0.00 Kbits/s", {192, 400, 200, 16}, value, false, 9.75, false},
    };
    for (const Text& t : texts) {
        const WindowFont font{t.points == 6.75 ? "Verdana" : "Tahoma", t.points, t.bold};
        LabelCtrl& l =
            label(panel.hwnd(), t.text, t.bounds, font, t.colour, panel.background(), t.centred);
        if (*t.name) {
            elements_[t.name] = &l;
            binder_->bindText(t.name, l);
        }
    }
    struct Rule {
        Bounds bounds;
        COLORREF colour;
    };
    for (const Rule& rule : {Rule{{8, 288, 228, 1}, value}, Rule{{248, 288, 228, 1}, value},
                             Rule{{8, 323, 473, 1}, RGB(92, 92, 92)}}) {
        auto line = std::make_unique<PageCtrl>();
        line->create({panel.hwnd(), "", rule.colour});
        line->setBounds(rule.bounds);
        line->setVisible(true);
        add(std::move(line), {});
    }

    auto histogram = [&](const char* name, const Bounds& bounds) {
        auto control = std::make_unique<HistogramCtrl>();
        control->create({panel.hwnd(), name});
        control->setBounds(bounds);
        return &add(std::move(control), name);
    };
    histogram1_ = histogram("ucHistogram1", {8, 24, 191, 201});
    histogram2_ = histogram("ucHistogram2", {240, 24, 191, 201});
    struct BarPlace {
        const char* name;
        Bounds bounds;
        bool vertical;
    };
    const BarPlace bars[4] = {
        {"XP_ProgressBar1", {296, 338, 137, 9}, false},
        {"XP_ProgressBar2", {207, 40, 17, 161}, true},
        {"XP_ProgressBar3", {448, 40, 17, 161}, true},
        {"XP_ProgressBar4", {296, 355, 137, 9}, false},
    };
    for (int i = 0; i < 4; ++i) {
        auto control = std::make_unique<ProgressBarCtrl>();
        control->create({panel.hwnd(), bars[i].name, bars[i].vertical});
        control->setBounds(bars[i].bounds);
        bars_[i] = &add(std::move(control), bars[i].name);
    }
}

}  // namespace quorvex::win32
