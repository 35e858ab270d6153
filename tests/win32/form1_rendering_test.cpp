// The main window as it reaches the screen: every pixel of the client area painted in every page,
// nothing left from an earlier page under transparent art, and every caption whole in its
// rectangle with the real Tahoma.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/frame_elements.h"
#include "model/window_model.h"
#include "win32/dib_surface.h"
#include "win32/dpi.h"
#include "win32/form1_window.h"
#include "win32/form1_window_fixture.h"

namespace quorvex::win32 {
namespace {

// A colour no page, picture or caption uses: what still shows it after a repaint was painted by
// no one.
constexpr COLORREF kUnpainted = RGB(255, 0, 255);
constexpr std::uint32_t kUnpaintedPixel = 0xFF00FF;

// The window tests' window, shown on the screen.
class Form1RenderingTest : public Form1WindowTest {
  protected:
    Form1RenderingTest() {
        model.controls().setVisible(frame::kBackground, true);  // as the load does
        // Away from the window, so that no hover changes a picture while it is looked at.
        SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
        SetWindowPos(window->hwnd(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ShowWindow(window->hwnd(), SW_SHOWNA);
        settle();
    }

    // Shows a page as the navigation commands do; the back button's resting picture stays as it
    // was when the page is not the monitor (Back leaves it until the pointer passes).
    void showPage(const char* page, const char* header) {
        ControlModel& c = model.controls();
        for (const char* p : frame::kPages) c.setVisible(p, std::string_view(p) == page);
        const bool monitor = std::string_view(page) == frame::kMonitorPage;
        if (monitor)
            for (const char* h : frame::kHeaders) c.setVisible(h, false);
        if (header) c.setVisible(header, true);
        c.setVisible(frame::kBackResting, monitor || c.visible(frame::kBackResting));
        c.setVisible(frame::kBackButton, monitor);
        settle();
    }
    // The client area as the window has painted it so far.
    std::vector<std::uint32_t> capture() {
        RedrawWindow(window->hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        settle();
        RECT client;
        GetClientRect(window->hwnd(), &client);
        DibSurface surface;
        EXPECT_TRUE(surface.resize(client.right, client.bottom));
        HDC dc = GetDC(window->hwnd());
        BitBlt(surface.dc(), 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
        ReleaseDC(window->hwnd(), dc);
        GdiFlush();
        std::vector<std::uint32_t> pixels(surface.pixels(),
                                          surface.pixels() + client.right * client.bottom);
        for (auto& p : pixels) p &= 0xFFFFFF;
        return pixels;
    }
    // Covers the whole client area, children included, in the unpainted colour, and has every
    // window paint itself again.
    std::vector<std::uint32_t> repaintedFromScratch() {
        HDC dc = GetDCEx(window->hwnd(), nullptr, DCX_CACHE);
        RECT client;
        GetClientRect(window->hwnd(), &client);
        HBRUSH brush = CreateSolidBrush(kUnpainted);
        FillRect(dc, &client, brush);
        DeleteObject(brush);
        ReleaseDC(window->hwnd(), dc);
        RedrawWindow(window->hwnd(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        return capture();
    }
    int width() const { return scaled(Form1Window::kClientWidth, window->dpi()); }
    // The first pixels that differ, as "x,y", for the failure message.
    std::string differences(const std::vector<std::uint32_t>& a,
                            const std::vector<std::uint32_t>& b) const {
        std::string where;
        int count = 0;
        for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
            if (a[i] == b[i]) continue;
            if (++count <= 8)
                where += std::to_string(i % width()) + "," + std::to_string(i / width()) + " ";
        }
        return std::to_string(count) + " pixels differ: " + where;
    }
};

struct PageCase {
    const char* page;
    const char* header;
};
const PageCase kEveryPage[] = {
    {frame::kHomePage, nullptr},
    {frame::kInternetPage, frame::kInternetHeader},
    {frame::kAdvancedPage, frame::kAdvancedHeader},
    {frame::kLanPage, frame::kLanHeader},
    {frame::kExplorerPage, frame::kExplorerHeader},
    {frame::kFirefoxPage, frame::kFirefoxHeader},
    {frame::kMonitorPage, nullptr},
};

TEST_F(Form1RenderingTest, EveryPagePaintsEveryPixelOfTheWindow) {
    ASSERT_TRUE(created);
    for (const PageCase& c : kEveryPage) {
        showPage(c.page, c.header);
        const std::vector<std::uint32_t> pixels = repaintedFromScratch();
        int unpainted = 0;
        std::string first;
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            if (pixels[i] != kUnpaintedPixel) continue;
            if (++unpainted == 1)
                first = std::to_string(i % width()) + "," + std::to_string(i / width());
        }
        EXPECT_EQ(unpainted, 0) << c.page << ": the first at " << first;
    }
}

// What a page shows after the way there equals what it shows painted from scratch: nothing of
// an earlier page stays under a transparent part.
TEST_F(Form1RenderingTest, NoPixelOfAnEarlierPageStaysUnderTransparentArt) {
    ASSERT_TRUE(created);
    // Back from the monitor: its captions stood beside the apply button and behind the icons.
    showPage(frame::kMonitorPage, nullptr);
    capture();
    showPage(frame::kHomePage, nullptr);
    model.controls().setVisible(frame::kBackButton, false);
    settle();
    std::vector<std::uint32_t> afterBack = capture();
    EXPECT_EQ(afterBack, repaintedFromScratch()) << differences(afterBack, repaintedFromScratch());
    // A settings page from the home page: the round home button over the page's header.
    showPage(frame::kInternetPage, frame::kInternetHeader);
    const std::vector<std::uint32_t> settings = capture();
    EXPECT_EQ(settings, repaintedFromScratch()) << differences(settings, repaintedFromScratch());
}

TEST_F(Form1RenderingTest, HoverRepaintsOnlyTheButtonsItChanges) {
    ASSERT_TRUE(created);
    // The apply button's resting picture goes, the monitor button's comes back: the band shows
    // the same as when painted from scratch in that state.
    model.controls().setVisible(frame::kMonitorResting, false);
    settle();
    capture();
    model.controls().setVisible(frame::kApplyResting, false);
    model.controls().setVisible(frame::kMonitorResting, true);
    settle();
    const std::vector<std::uint32_t> hovered = capture();
    EXPECT_EQ(hovered, repaintedFromScratch()) << differences(hovered, repaintedFromScratch());
}

// The family of the font a DC really uses for a face, which this Wine replaces by another when it
// lacks it.
std::wstring realFamily(HDC dc) {
    const UINT size = GetOutlineTextMetricsW(dc, 0, nullptr);
    if (size == 0) return {};
    std::vector<char> buffer(size);
    auto* metrics = reinterpret_cast<OUTLINETEXTMETRICW*>(buffer.data());
    GetOutlineTextMetricsW(dc, size, metrics);
    return reinterpret_cast<const wchar_t*>(buffer.data() +
                                            reinterpret_cast<std::size_t>(metrics->otmpFamilyName));
}

TEST_F(Form1RenderingTest, EveryCaptionFitsItsRectangleWithTheRealTahoma) {
    ASSERT_TRUE(created);
    HDC probe = GetDC(window->hwnd());
    SelectObject(probe, reinterpret_cast<HFONT>(SendMessageW(window->hwnd(), WM_GETFONT, 0, 0)));
    const std::wstring family = realFamily(probe);
    ReleaseDC(window->hwnd(), probe);
    if (family != L"Tahoma")
        GTEST_SKIP() << "Tahoma comes out as " << utf8(family)
                     << ": cmake/wine-fonts.sh puts Wine's own into the prefix";
    struct Caption {
        HWND window;
        int room;  // pixels the text may take
        int mark;  // pixels an option button's mark takes before its text
    };
    window->buildEveryPage();
    std::vector<Caption> captions;
    EnumChildWindows(
        window->hwnd(),
        [](HWND child, LPARAM found) -> BOOL {
            wchar_t kind[32] = {};
            GetClassNameW(child, kind, static_cast<int>(std::size(kind)));
            RECT client;
            GetClientRect(child, &client);
            const std::wstring_view name = kind;
            const int dpi = dpiOf(child);
            int room = -1;
            int mark = 0;
            if (name == L"Static") room = client.right;
            // An option button's text follows its mark and the gap after it.
            if (name == L"Button") {
                mark = scaled(17, dpi);
                room = client.right - mark;
            }
            // The push button's caption rectangle: the face inset by 4 pixels.
            if (name == L"QuorvexPushButton") room = client.right - scaled(8, dpi);
            if (room >= 0 && GetWindowTextLengthW(child) > 0)
                reinterpret_cast<std::vector<Caption>*>(found)->push_back({child, room, mark});
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&captions));
    ASSERT_GT(captions.size(), 100u);
    for (const Caption& c : captions) {
        wchar_t text[256] = {};
        GetWindowTextW(c.window, text, static_cast<int>(std::size(text)));
        HDC dc = GetDC(c.window);
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(c.window, WM_GETFONT, 0, 0)));
        SIZE size{};
        GetTextExtentPoint32W(dc, text, lstrlenW(text), &size);
        ReleaseDC(c.window, dc);
        // An option button knows the room its mark and text need.
        SIZE ideal{};
        if (c.mark && SendMessageW(c.window, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)))
            size.cx = ideal.cx - c.mark;
        EXPECT_LE(size.cx, c.room)
            << "\"" << utf8(text) << "\" is cut by " << size.cx - c.room << " px";
    }
}

}  // namespace
}  // namespace quorvex::win32
