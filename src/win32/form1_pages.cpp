// The contents of the main window's pages, made from the window's description: the home icons,
// the settings pages bound to the window model, and the monitor page's labels, graphs and bars.
#include <algorithm>
#include <string>

#include "model/choice_display.h"
#include "model/frame_description.h"
#include "model/monitor_description.h"
#include "model/settings_description.h"
#include "model/window_model.h"
#include "tuning/advanced_choices.h"
#include "tuning/connection_catalogue.h"
#include "win32/dropdown_ctrl.h"
#include "win32/form1_window.h"
#include "win32/gdi_text_renderer.h"
#include "win32/label_ctrl.h"
#include "win32/layout_values.h"
#include "win32/page_ctrl.h"
#include "win32/picture_ctrl.h"
#include "win32/push_button_ctrl.h"
#include "win32/radio_ctrl.h"
#include "win32/text_ctrl.h"

namespace quorvex::win32 {

namespace {

const WindowFont kPageFont = fontOf(layout::kPageFont);
const WindowFont kPageBold = fontOf(layout::kPageBold);

COLORREF windowColour() {
    return GetSysColor(COLOR_WINDOW);
}

COLORREF textColour() {
    return GetSysColor(COLOR_WINDOWTEXT);
}

Bounds below(const layout::Rect& r, int top) {
    return {r.x, top + r.y, r.width, r.height};
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
    const int pageWidth = layout::kPageTable.front().rect.width;
    // Caption widths at the design's 96 dpi, in the font the captions are drawn with.
    GdiTextRenderer measuring;
    const layout::Font& captionFont = layout::kIconCaptionFont;
    const FontSpec captionFace{captionFont.face, captionFont.points, captionFont.bold};
    for (const auto& icon : layout::kHomeIconTable) {
        // The resting picture lies above: the first movement over it reveals the command.
        picture(home.hwnd(), icon.resting, icon.art, boundsOf(icon.picture));
        picture(home.hwnd(), icon.highlighted, std::string(icon.art) + layout::kHoverArt,
                boundsOf(icon.picture), icon.caption);
        binder_->bindVisible(icon.resting, *element(icon.resting));
        binder_->bindVisible(icon.highlighted, *element(icon.highlighted));
        label(home.hwnd(), icon.caption,
              boundsOf(layout::captionArea(icon.captionRect, pageWidth,
                                           measuring.measure(captionFace, icon.caption).width)),
              fontOf(layout::kIconCaptionFont), colourOf(layout::kCaptionGrey), home.background(),
              true);
    }
    const layout::Text& prompt = layout::kConnectionPrompt;
    label(home.hwnd(), prompt.text, boundsOf(prompt.rect), fontOf(prompt.font),
          colourOf(prompt.colour), home.background());
    list(home.hwnd(), layout::kConnectionListPlace.name,
         boundsOf(layout::kConnectionListPlace.rect));
}

void Form1Window::buildInternetSettings(PageCtrl& panel) {
    const layout::ConnectionPlacement& at = layout::kConnectionPlacement;
    const WindowFont font = fontOf(layout::kConnectionFont);
    const WindowFont headingFont = fontOf(layout::kConnectionHeadingFont);
    bool firstOfGroup = true;
    for (std::size_t c = 0; c < layout::kConnectionColumns.size(); ++c) {
        const layout::ConnectionColumn& column = layout::kConnectionColumns[c];
        int y = at.top;
        auto row = [&] {
            const Bounds bounds{at.columnX[c], y, at.columnWidth[c], at.rowHeight};
            y += at.rowStep;
            return bounds;
        };
        for (int g = 0; g < column.groupCount; ++g) {
            const ConnectionGroup group = column.groups[g];
            label(panel.hwnd(), std::string(groupHeading(group)), row(), headingFont, textColour(),
                  windowColour());
            for (const auto& entry : connectionCatalogue()) {
                if (entry.group != group) continue;
                option(panel.hwnd(), std::string(entry.optionControl), std::string(entry.caption),
                       row(), font, firstOfGroup);
                firstOfGroup = false;
            }
            y += at.groupGap;
        }
        if (column.endsWithRestore) {
            const ConnectionType& restore = connectionType(ConnectionKind::RestoreDefaults);
            option(panel.hwnd(), std::string(restore.optionControl), std::string(restore.caption),
                   row(), font, false);
        }
    }
    const layout::ListRow& qos = layout::kQosRow;
    label(panel.hwnd(), qos.heading, boundsOf(qos.headingRect), kPageBold, textColour(),
          windowColour());
    list(panel.hwnd(), qos.list.name, boundsOf(qos.list.rect));
    label(panel.hwnd(), qos.unit, boundsOf(qos.unitRect), kPageFont, textColour(), windowColour());
    label(panel.hwnd(), qos.hint, boundsOf(qos.hintRect), kPageFont, textColour(), windowColour());
}

void Form1Window::buildAdvancedSettings(PageCtrl& panel) {
    const layout::GroupPlacement& at = layout::kAdvancedPlacement;
    int bottom = 0;
    for (const layout::GroupColumn& column : layout::kAdvancedColumns) {
        int y = at.top;
        for (const char* id : column.groups) {
            if (!id) break;
            const AdvancedGroup& group = layout::groupNamed(id);
            label(panel.hwnd(), std::string(group.heading),
                  {column.x, y, column.width, at.rowHeight}, kPageBold, textColour(),
                  windowColour());
            bool first = true;
            for (const AdvancedChoice* choice : layout::displayOrder(group, false)) {
                y += at.rowStep;
                option(panel.hwnd(), std::string(choice->control), layout::markedCaption(*choice),
                       {column.x + at.indent, y, column.width - at.indent, at.rowHeight}, kPageFont,
                       first);
                first = false;
            }
            y += at.rowStep + at.groupGap;
        }
        bottom = std::max(bottom, y);
    }
    buildTtlAndRwin(panel, bottom);
}

void Form1Window::buildTtlAndRwin(PageCtrl& panel, int top) {
    const layout::ChoiceRow& row = layout::kTtlRow;
    const AdvancedGroup& ttl = layout::groupNamed(layout::kTtlGroup);
    const int ttlY = top + row.gapAbove;
    const int height = layout::kAdvancedPlacement.rowHeight;
    label(panel.hwnd(), std::string(ttl.heading),
          {layout::kAdvancedColumns[0].x, ttlY, row.headingWidth, height}, kPageBold, textColour(),
          windowColour());
    int x = row.firstX;
    bool first = true;
    for (const AdvancedChoice* choice : layout::displayOrder(ttl, false)) {
        const std::string caption = layout::markedCaption(*choice);
        const int width = row.widthFor(static_cast<int>(caption.size()));
        option(panel.hwnd(), std::string(choice->control), caption, {x, ttlY, width, height},
               kPageFont, first);
        first = false;
        x += width + row.gap;
    }
    const int rwinY = ttlY + layout::kRwinBelowTtl;
    label(panel.hwnd(), layout::kRwinCaption, below(layout::kRwinCaptionRect, rwinY), kPageBold,
          textColour(), windowColour());
    LabelCtrl& rwin =
        label(panel.hwnd(), model_.controls().text(names::kRwinValue),
              below(layout::kRwinValueRect, rwinY), kPageFont, textColour(), windowColour());
    elements_[names::kRwinValue] = &rwin;
    binder_->bindText(names::kRwinValue, rwin);
}

void Form1Window::buildLocalAreaNetwork(PageCtrl& panel) {
    const layout::LanPlacement& at = layout::kLanPlacement;
    int y = at.top;
    for (const char* id : layout::kLanGroups) {
        const AdvancedGroup& group = layout::groupNamed(id);
        label(panel.hwnd(), std::string(group.heading), {at.headingX, y, at.headingWidth, 14},
              kPageBold, textColour(), windowColour());
        bool first = true;
        for (const AdvancedChoice* choice : layout::displayOrder(group, true)) {
            y += at.rowStep;
            option(panel.hwnd(), std::string(choice->control), layout::markedCaption(*choice),
                   {at.optionX, y, at.optionWidth, at.optionHeight}, kPageFont, first);
            first = false;
        }
        y += at.rowStep + at.groupGap;
    }
}

void Form1Window::buildInternetExplorer(PageCtrl& panel) {
    const layout::HttpPlacement& at = layout::kHttpPlacement;
    int y = at.top;
    for (const layout::HttpRow& http : layout::kHttpRows) {
        label(panel.hwnd(), http.heading, below(at.heading, y), kPageBold, textColour(),
              windowColour());
        const int controls = y + at.controlsBelowHeading;
        label(panel.hwnd(), layout::kSimultaneousCaption, below(at.caption, controls), kPageFont,
              textColour(), windowColour());
        list(panel.hwnd(), http.list, below(at.list, controls));
        label(panel.hwnd(), http.hint, below(at.hint, controls), kPageFont, textColour(),
              windowColour());
        y += at.rowStep;
    }
}

void Form1Window::buildMozillaFirefox(PageCtrl& panel) {
    elements_[firefox::kCurrentCaption] =
        &label(panel.hwnd(), layout::kCurrentConfiguration, boundsOf(layout::kCurrentCaptionRect),
               kPageBold, textColour(), windowColour());
    for (const layout::FirefoxState& s : layout::kFirefoxStates) {
        LabelCtrl& state = label(panel.hwnd(), s.text, boundsOf(layout::kFirefoxStateRect),
                                 kPageFont, textColour(), windowColour());
        elements_[s.name] = &state;
        binder_->bindVisible(s.name, state);
    }
    for (const char* name : layout::kFirefoxTexts) {
        auto control = std::make_unique<TextCtrl>();
        control->create({panel.hwnd(), name});
        control->setBounds(boundsOf(layout::kFirefoxTextRect));
        setFontOf(*control, kPageFont);
        TextCtrl& text = add(std::move(control), name);
        binder_->bindText(name, text);
        binder_->bindVisible(name, text);
    }
    for (const layout::Button& b : layout::kFirefoxButtons) {
        auto control = std::make_unique<PushButtonCtrl>();
        control->create(
            {panel.hwnd(), b.name, b.caption, panel.background(), layout::kFirefoxButtonDesign});
        control->setBounds(boundsOf(b.rect));
        setFontOf(*control, fontOf(layout::kFirefoxButtonDesign.font));
        PushButtonCtrl& button = add(std::move(control), b.name);
        const std::string name = b.name;
        button.onClick = [this, name] { command(name); };
        binder_->bindEnabled(name, button);
        addTooltip(button);
    }
}

void Form1Window::buildMonitorGraphs(PageCtrl& panel) {
    HistogramCtrl* graphs[2] = {};
    for (std::size_t i = 0; i < layout::kMonitorGraphs.size(); ++i) {
        const layout::Graph& graph = layout::kMonitorGraphs[i];
        auto control = std::make_unique<HistogramCtrl>();
        control->create({panel.hwnd(), graph.name});
        control->setBounds(boundsOf(graph.rect));
        graphs[i] = &add(std::move(control), graph.name);
    }
    histogram1_ = graphs[0];
    histogram2_ = graphs[1];
    for (std::size_t i = 0; i < layout::kMonitorBars.size(); ++i) {
        const layout::Bar& bar = layout::kMonitorBars[i];
        auto control = std::make_unique<ProgressBarCtrl>();
        control->create({panel.hwnd(), bar.name, bar.design});
        control->setBounds(boundsOf(bar.rect));
        bars_[i] = &add(std::move(control), bar.name);
    }
}

void Form1Window::buildMonitorTexts(PageCtrl& panel) {
    for (const layout::Text& t : layout::kMonitorTexts) {
        // A figure the meter announced while the page was not made shows at once.
        const std::string announced = t.name ? model_.controls().text(t.name) : std::string();
        LabelCtrl& l = label(panel.hwnd(), announced.empty() ? t.text : announced, boundsOf(t.rect),
                             fontOf(t.font), colourOf(t.colour), panel.background(),
                             t.align == layout::Align::Centre);
        if (t.name) {
            elements_[t.name] = &l;
            binder_->bindText(t.name, l);
        }
    }
    for (const layout::Rule& rule : layout::kMonitorRules) {
        auto line = std::make_unique<PageCtrl>();
        line->create({panel.hwnd(), "", colourOf(rule.colour)});
        line->setBounds(boundsOf(rule.rect));
        line->setVisible(true);
        add(std::move(line), {});
    }
    // The texts and rules lie above the graphs and bars, as when all were made together.
    for (Wnd* below : {static_cast<Wnd*>(histogram1_), static_cast<Wnd*>(histogram2_),
                       static_cast<Wnd*>(bars_[0]), static_cast<Wnd*>(bars_[1]),
                       static_cast<Wnd*>(bars_[2]), static_cast<Wnd*>(bars_[3])})
        SetWindowPos(below->hwnd(), HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace quorvex::win32
