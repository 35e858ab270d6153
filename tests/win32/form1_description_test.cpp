// The Windows main window held to the window's one description, as the Qt window tests hold
// theirs: where every element stands, its fonts and colours, which pictures show the link
// cursor, and the design of the bars and push buttons.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "model/firefox_elements.h"
#include "model/frame_description.h"
#include "model/frame_elements.h"
#include "model/monitor_description.h"
#include "model/settings_description.h"
#include "win32/dpi.h"
#include "win32/form1_window_fixture.h"
#include "win32/gdi_text_renderer.h"
#include "win32/link_cursor.h"
#include "win32/picture_ctrl.h"
#include "win32/push_button_ctrl.h"
#include "win32/window_fonts.h"

namespace quorvex::win32 {
namespace {

// Where an element stands in its parent, in 96-dpi pixels.
layout::Rect placeOf(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}
layout::Rect scaledPlace(const layout::Rect& r, int dpi) {
    const RECT s = scaledRect(r.x, r.y, r.width, r.height, dpi);
    return {s.left, s.top, s.right - s.left, s.bottom - s.top};
}

TEST_F(Form1WindowTest, ElementsStandWhereTheDescriptionPutsThemAndShowAsItSays) {
    window->buildEveryPage();  // the settings pages are otherwise made when first shown
    const int dpi = window->dpi();
    auto expectAt = [&](const std::string& name, const layout::Rect& designed) {
        ASSERT_NE(handle(name), nullptr) << name;
        EXPECT_EQ(placeOf(handle(name)), scaledPlace(designed, dpi)) << name;
    };
    for (const layout::Picture& p : layout::kWindowPictures) {
        expectAt(p.name, p.rect);
        // The background shows once the load has run; the rest as the table says.
        if (std::string_view(p.name) != frame::kBackground) {
            EXPECT_EQ(shown(p.name), p.visibleAtLoad) << p.name;
        }
    }
    expectAt(frame::kBottomStrip, layout::kBottomStripRect);
    EXPECT_TRUE(shown(frame::kBottomStrip));
    for (const layout::Page& page : layout::kPageTable) {
        expectAt(page.name, page.rect);
        EXPECT_EQ(shown(page.name), std::string_view(page.name) == frame::kHomePage) << page.name;
    }
    for (const layout::HomeIcon& icon : layout::kHomeIconTable) {
        expectAt(icon.resting, icon.picture);
        expectAt(icon.highlighted, icon.picture);
        EXPECT_TRUE(shown(icon.resting) && shown(icon.highlighted)) << icon.caption;
    }
    for (const layout::Graph& g : layout::kMonitorGraphs) expectAt(g.name, g.rect);
    for (const layout::Bar& b : layout::kMonitorBars) expectAt(b.name, b.rect);
    for (const layout::Text& t : layout::kMonitorTexts)
        if (t.name) expectAt(t.name, t.rect);
    for (const layout::Button& b : layout::kFirefoxButtons) expectAt(b.name, b.rect);
    for (const char* text : layout::kFirefoxTexts) expectAt(text, layout::kFirefoxTextRect);
}

// The font a control was given, as the window made it.
LOGFONTW fontOfControl(HWND control) {
    LOGFONTW lf{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(lf), &lf);
    return lf;
}
void expectFont(HWND control, const layout::Font& font, int dpi, const std::string& what) {
    const LOGFONTW lf = fontOfControl(control);
    EXPECT_EQ(utf8(lf.lfFaceName), font.face) << what;
    EXPECT_EQ(lf.lfHeight, fontHeight(font.points, dpi)) << what;
    EXPECT_EQ(lf.lfWeight >= FW_BOLD, font.bold) << what;
}

TEST_F(Form1WindowTest, CaptionsAndFiguresHaveTheirFontsAndColours) {
    window->buildEveryPage();  // the settings pages are otherwise made when first shown
    const int dpi = window->dpi();
    // The colour a label writes in: what it sets when its parent asks how to paint it.
    auto colourOf = [](HWND label) {
        HDC dc = GetDC(label);
        SendMessageW(GetParent(label), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(label));
        const COLORREF colour = GetTextColor(dc);
        ReleaseDC(label, dc);
        return colour;
    };
    GdiTextRenderer measuring;  // at the design's 96 dpi, as the page measures
    const int pageWidth = layout::kPageTable.front().rect.width;
    for (const layout::HomeIcon& icon : layout::kHomeIconTable) {
        const HWND caption =
            FindWindowExW(handle(frame::kHomePage), nullptr, L"Static", wide(icon.caption).c_str());
        ASSERT_NE(caption, nullptr) << icon.caption;
        expectFont(caption, layout::kIconCaptionFont, dpi, icon.caption);
        EXPECT_EQ(colourOf(caption), static_cast<COLORREF>(layout::kCaptionGrey)) << icon.caption;
        // Centred under its icon, as wide as its text, kept inside the page.
        EXPECT_EQ(GetWindowLongPtrW(caption, GWL_STYLE) & SS_TYPEMASK, SS_CENTER) << icon.caption;
        const layout::Font& font = layout::kIconCaptionFont;
        const int textWidth =
            measuring.measure(FontSpec{font.face, font.points, font.bold}, icon.caption).width;
        EXPECT_EQ(placeOf(caption),
                  scaledPlace(layout::captionArea(icon.captionRect, pageWidth, textWidth), dpi))
            << icon.caption;
    }
    for (const layout::Text& t : layout::kMonitorTexts) {
        const HWND label = t.name ? handle(t.name)
                                  : FindWindowExW(handle(frame::kMonitorPage), nullptr, L"Static",
                                                  wide(t.text).c_str());
        ASSERT_NE(label, nullptr) << t.text;
        // The figures show their starting texts until the meter first runs.
        if (t.name) {
            EXPECT_EQ(window->element(t.name)->text(), t.text);
        }
        expectFont(label, t.font, dpi, t.text);
        EXPECT_EQ(colourOf(label), static_cast<COLORREF>(t.colour)) << t.text;
    }
    for (const layout::Button& b : layout::kFirefoxButtons)
        expectFont(handle(b.name), layout::kFirefoxButtonDesign.font, dpi, b.name);
}

TEST_F(Form1WindowTest, CommandPicturesShowTheLinkCursorAndRestingPicturesTheArrow) {
    auto cursorOver = [this](const std::string& name) {
        SetCursor(nullptr);
        SendMessageW(handle(name), WM_SETCURSOR, reinterpret_cast<WPARAM>(handle(name)),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    ASSERT_NE(linkCursor(), nullptr);
    for (const layout::Picture& p : layout::kWindowPictures)
        EXPECT_EQ(cursorOver(p.name) == linkCursor(), p.command != nullptr) << p.name;
    for (const layout::HomeIcon& icon : layout::kHomeIconTable) {
        EXPECT_EQ(cursorOver(icon.highlighted), linkCursor()) << icon.highlighted;
        EXPECT_NE(cursorOver(icon.resting), linkCursor()) << icon.resting;
    }
    EXPECT_NE(cursorOver(frame::kBottomStrip), linkCursor());
}

TEST_F(Form1WindowTest, BarsAndPushButtonsTakeTheirDesign) {
    window->buildEveryPage();  // the settings pages are otherwise made when first shown
    for (std::size_t i = 0; i < layout::kMonitorBars.size(); ++i) {
        const layout::BarDesign& d = layout::kMonitorBars[i].design;
        const XpProgressBar& bar = window->bar(static_cast<int>(i) + 1).bar();
        SCOPED_TRACE(layout::kMonitorBars[i].name);
        EXPECT_EQ(bar.Color(), d.colour);
        EXPECT_EQ(bar.Orientation(), d.vertical ? 1 : 0);
        EXPECT_EQ(bar.Scrolling(), static_cast<std::int32_t>(d.style));
        EXPECT_EQ(bar.font(), (FontSpec{d.font.face, d.font.points, d.font.bold}));
        EXPECT_EQ(window->bar(static_cast<int>(i) + 1).hwnd(),
                  handle(layout::kMonitorBars[i].name));
    }
    const layout::ButtonDesign& d = layout::kFirefoxButtonDesign;
    for (const layout::Button& b : layout::kFirefoxButtons) {
        SCOPED_TRACE(b.name);
        const auto& button = static_cast<PushButtonCtrl&>(*window->element(b.name));
        const ChameleonButtonProperties& p = button.button().properties();
        EXPECT_EQ(p.ButtonType, static_cast<int>(d.look));
        EXPECT_EQ(p.ColorScheme, static_cast<int>(d.scheme));
        EXPECT_EQ(p.BackColor, d.face);
        EXPECT_EQ(p.BackOver, d.face);
        EXPECT_EQ(p.ForeColor, d.text);
        EXPECT_EQ(p.MaskColor, d.mask);
        EXPECT_EQ(p.ShowFocusRect, d.focusRect);
        EXPECT_EQ(p.Caption, b.caption);
    }
    // The disable button stands above the enable button and starts disabled.
    EXPECT_FALSE(window->element(firefox::kDisableButton)->isEnabled());
    EXPECT_TRUE(window->element(firefox::kEnableButton)->isEnabled());
}

TEST_F(Form1WindowTest, TheFocusRectangleSurroundsTheVisibleButtonNotItsTransparentMargin) {
    for (const char* name : {frame::kApplyButton, frame::kMonitorButton, frame::kBackButton}) {
        auto& picture = static_cast<PictureCtrl&>(*window->element(name));
        RECT client;
        GetClientRect(picture.hwnd(), &client);
        const RECT visible = picture.visiblePart();
        RECT inside;
        EXPECT_TRUE(IntersectRect(&inside, &visible, &client) && EqualRect(&inside, &visible))
            << name;
        // The drawn button leaves a transparent margin below it, where the next one begins.
        EXPECT_LT(visible.bottom - visible.top, client.bottom) << name;
        EXPECT_GT(visible.right - visible.left, client.right / 2) << name;
    }
    // The strip has no art: all of it is what it stands for.
    auto& strip = static_cast<PictureCtrl&>(*window->element(frame::kBottomStrip));
    RECT client;
    GetClientRect(strip.hwnd(), &client);
    const RECT all = strip.visiblePart();
    EXPECT_TRUE(EqualRect(&all, &client));
}

}  // namespace
}  // namespace quorvex::win32
