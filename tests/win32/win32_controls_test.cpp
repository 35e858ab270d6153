// The pieces of the Windows front end below the main window: scaling, texts, timers and the
// owner-drawn controls' sinks.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>

#include "win32/artwork.h"
#include "win32/dpi.h"
#include "win32/event_pump.h"
#include "win32/histogram_ctrl.h"
#include "win32/progress_bar_ctrl.h"
#include "win32/text_ctrl.h"
#include "win32/window_timer.h"
#include "win32/wnd.h"

namespace quorvex::win32 {
namespace {

TEST(Win32ScalingTest, ScalesEdgesFrom96Dpi) {
    struct Case {
        int dpi;
        RECT expected;
    };
    // The window's client area and a page panel at 100 %, 150 % and 200 %.
    for (const Case& c : {Case{96, {24, 240, 473, 467}}, Case{144, {36, 360, 710, 701}},
                          Case{192, {48, 480, 946, 934}}}) {
        const RECT r = scaledRect(24, 240, 449, 227, c.dpi);
        EXPECT_EQ(r.left, c.expected.left) << c.dpi;
        EXPECT_EQ(r.top, c.expected.top) << c.dpi;
        EXPECT_EQ(r.right, c.expected.right) << c.dpi;
        EXPECT_EQ(r.bottom, c.expected.bottom) << c.dpi;
    }
    // Neighbours stay neighbours at a fractional scale.
    EXPECT_EQ(scaledRect(0, 0, 13, 5, 120).right, scaledRect(13, 0, 10, 5, 120).left);
}

TEST(Win32ScalingTest, FramesAFixedClientAreaAtEveryScale) {
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    const SIZE at96 = frameSizeFor(498, 607, style, 0, 96);
    const SIZE at192 = frameSizeFor(498, 607, style, 0, 192);
    EXPECT_GT(at96.cx, 498);
    EXPECT_GT(at96.cy, 607);
    EXPECT_GE(at192.cx, 2 * 498);
    EXPECT_GE(at192.cy, 2 * 607);
}

TEST(Win32TextTest, ConvertsUtf8AndLineEnds) {
    EXPECT_EQ(utf8(wide("Grüße \xe2\x82\xac")), "Grüße \xe2\x82\xac");
    EXPECT_EQ(wide("").size(), 0u);
    EXPECT_EQ(withCrLf("a\nb\r\nc\n"), "a\r\nb\r\nc\r\n");
    EXPECT_EQ(withCrLf(""), "");
}

// Runs the event pump while `more` holds, at most for `limit`.
template <typename Condition>
void pumpWhile(Win32EventPump& pump, Condition more, std::chrono::milliseconds limit) {
    const auto until = std::chrono::steady_clock::now() + limit;
    while (more() && std::chrono::steady_clock::now() < until) {
        pump.processEvents();
        Sleep(5);
    }
}

TEST(Win32EventPumpTest, RunsWaitingMessagesAndLooksAgainAfterAQuietSpell) {
    Win32EventPump pump;
    int seen = 0;
    pump.setMessageFilter([&](const MSG& message) {
        if (message.message != WM_APP) return false;
        ++seen;
        return true;
    });
    PostThreadMessageW(GetCurrentThreadId(), WM_APP, 0, 0);
    PostThreadMessageW(GetCurrentThreadId(), WM_APP, 0, 0);
    pump.processEvents();
    EXPECT_EQ(seen, 2);

    // Right after an empty look the queue may be left for a moment, never for longer.
    PostThreadMessageW(GetCurrentThreadId(), WM_APP, 0, 0);
    pump.processEvents();
    Sleep(static_cast<DWORD>(Win32EventPump::kQuietSpell.count()) + 10);
    pump.processEvents();
    EXPECT_EQ(seen, 3);
}

TEST(Win32TimerTest, RepeatsUntilStoppedAndFiresOnceWhenSingleShot) {
    Win32EventPump pump;
    int repeating = 0;
    int single = 0;
    WindowTimer every([&] { ++repeating; });
    WindowTimer once([&] { ++single; });
    every.start(std::chrono::milliseconds(10), true);
    once.start(std::chrono::milliseconds(10), false);
    pumpWhile(
        pump, [&] { return (repeating < 3 || single < 1); }, std::chrono::milliseconds(2000));
    EXPECT_GE(repeating, 3);
    EXPECT_EQ(single, 1);
    EXPECT_FALSE(once.isActive());
    EXPECT_TRUE(every.isActive());
    every.stop();
    const int stoppedAt = repeating;
    pumpWhile(
        pump, [] { return true; }, std::chrono::milliseconds(50));
    EXPECT_EQ(repeating, stoppedAt);
}

TEST(Win32TimerTest, ATimerMayBeStoppedAndRestartedFromItsOwnTick) {
    Win32EventPump pump;
    int ticks = 0;
    WindowTimer* self = nullptr;
    WindowTimer timer([&] {
        ++ticks;
        self->stop();
        if (ticks < 3) self->start(std::chrono::milliseconds(10), false);
    });
    self = &timer;
    timer.start(std::chrono::milliseconds(10), false);
    pumpWhile(
        pump, [&] { return ticks < 3; }, std::chrono::milliseconds(2000));
    EXPECT_EQ(ticks, 3);
    EXPECT_FALSE(timer.isActive());
}

TEST(Win32TimerTest, ASingleShotTimerRestartedFromItsTickKeepsTicking) {
    Win32EventPump pump;
    int ticks = 0;
    bool activeInTick = true;
    WindowTimer* self = nullptr;
    WindowTimer timer([&] {
        ++ticks;
        activeInTick = self->isActive();
        // Events pumped longer than the interval bring no second tick of the same firing.
        pumpWhile(
            pump, [] { return true; }, std::chrono::milliseconds(40));
        if (ticks < 3) self->start(std::chrono::milliseconds(10), false);
    });
    self = &timer;
    timer.start(std::chrono::milliseconds(10), false);
    pumpWhile(
        pump, [&] { return ticks < 3; }, std::chrono::milliseconds(2000));
    pumpWhile(
        pump, [&] { return true; }, std::chrono::milliseconds(60));
    EXPECT_EQ(ticks, 3);
    EXPECT_FALSE(activeInTick);
    EXPECT_FALSE(timer.isActive());
}

// A shown top-level window to hold a control, with nothing left to paint.
struct ShownParent {
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    ~ShownParent() { DestroyWindow(window); }
};

bool waitsForPaint(HWND window) {
    return GetUpdateRect(window, nullptr, FALSE) != FALSE;
}

TEST(Win32ControlsTest, ABarRepaintsOnlyWhenItsFigureChangesAndNotWhileHidden) {
    ShownParent parent;
    ProgressBarCtrl bar;
    ASSERT_TRUE(bar.create({parent.window, "XP_ProgressBar1", layout::kShareBar}));
    bar.setBounds({8, 8, 17, 100});
    UpdateWindow(parent.window);
    ASSERT_FALSE(waitsForPaint(bar.hwnd()));

    ASSERT_TRUE(bar.setValue(50));
    EXPECT_TRUE(waitsForPaint(bar.hwnd()));
    UpdateWindow(parent.window);
    ASSERT_TRUE(bar.setValue(50));
    EXPECT_FALSE(waitsForPaint(bar.hwnd()));

    ShowWindow(parent.window, SW_HIDE);
    ASSERT_TRUE(bar.setValue(60));
    EXPECT_EQ(bar.value(), 60);
    EXPECT_FALSE(waitsForPaint(bar.hwnd()));
}

TEST(Win32ControlsTest, AGraphRepaintsOnlyWhenASampleChangesIt) {
    ShownParent parent;
    HistogramCtrl graph;
    ASSERT_TRUE(graph.create({parent.window, "ucHistogram1"}));
    graph.setBounds({8, 8, 200, 100});
    for (int i = 0; i < 120; ++i) graph.NextPoint(0);
    UpdateWindow(parent.window);

    graph.NextPoint(0);  // a flat line stays flat
    EXPECT_FALSE(waitsForPaint(graph.hwnd()));
    graph.NextPoint(40);
    EXPECT_TRUE(waitsForPaint(graph.hwnd()));
    EXPECT_EQ(graph.sampleCount(), 122u);
}

TEST(Win32ControlsTest, AHiddenGraphTakesItsSamplesAndDrawsThemWhenShown) {
    ShownParent parent;
    HistogramCtrl hidden, shown;
    ASSERT_TRUE(hidden.create({parent.window, "ucHistogram1"}));
    ASSERT_TRUE(shown.create({parent.window, "ucHistogram2"}));
    hidden.setBounds({8, 8, 120, 80});
    shown.setBounds({140, 8, 120, 80});
    ShowWindow(hidden.hwnd(), SW_HIDE);
    UpdateWindow(parent.window);
    const auto before = hidden.graph().drawCount();

    // The splash's zero feeding and a spike: nothing is drawn or invalidated while unseen.
    for (int i = 0; i < 100; ++i)
        for (HistogramCtrl* graph : {&hidden, &shown}) graph->NextPoint(i % 10 == 0 ? 60 : 0);
    EXPECT_FALSE(waitsForPaint(hidden.hwnd()));
    EXPECT_EQ(hidden.sampleCount(), 100u);

    // Looked at, it shows what a graph drawn sample by sample shows.
    ShowWindow(hidden.hwnd(), SW_SHOW);
    EXPECT_TRUE(waitsForPaint(hidden.hwnd()));
    UpdateWindow(parent.window);
    EXPECT_EQ(hidden.graph().drawCount(), before + 1);
    EXPECT_TRUE(hidden.graph().picHist().samePixels(shown.graph().picHist()));
}

// Opaque art is drawn straight to the window with nothing composited beneath it: a picture with
// see-through parts must never be taken for one.
TEST(Win32ArtworkTest, KnowsWhetherAPictureHidesAllBeneathIt) {
    struct Row {
        std::string art;
        int dpi;
        bool opaque;
    };
    // The buttons leave a see-through margin below them.
    for (const Row& row :
         {Row{"background", 96, true}, Row{"background", 192, true}, Row{"button_apply", 96, false},
          Row{"button_monitor_hover", 192, false}, Row{"no_such_picture", 96, false}}) {
        Artwork art;
        art.load(row.art, row.dpi);
        EXPECT_EQ(art.opaque(), row.opaque) << row.art << " at " << row.dpi;
        art.unload();
        EXPECT_FALSE(art.opaque()) << row.art;
    }
}

}  // namespace
}  // namespace quorvex::win32
