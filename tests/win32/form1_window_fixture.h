#pragma once

// The main window created hidden, with the window model it shows and what it reports: the
// fixture of the Windows window tests.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/frame_elements.h"
#include "model/window_model.h"
#include "win32/dpi.h"
#include "win32/form1_window.h"

namespace quorvex::win32 {

class Form1WindowTest : public ::testing::Test {
  protected:
    Form1WindowTest() {
        Form1Events events;
        events.onCommand = [this](const std::string& name) { commands.push_back(name); };
        events.onHover = [this](const std::string& name) { hovers.push_back(name); };
        window = std::make_unique<Form1Window>(model, std::move(events));
        created = window->create();
    }

    HWND handle(const std::string& name) const {
        Wnd* control = window->element(name);
        return control ? control->hwnd() : nullptr;
    }
    bool shown(const std::string& name) const {
        Wnd* control = window->element(name);
        return control && control->isVisible();
    }
    void click(const std::string& name) {
        SendMessageW(handle(name), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageW(handle(name), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    }
    void key(const std::string& name, WPARAM code) {
        SendMessageW(handle(name), WM_KEYDOWN, code, 0);
    }
    bool tabStop(const std::string& name) const {
        return (GetWindowLongPtrW(handle(name), GWL_STYLE) & WS_TABSTOP) != 0;
    }
    // Runs the messages the window posted to itself.
    static void settle() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    // Shows a page as the navigation commands do: one panel, its header, and on the monitor
    // page the back button.
    void showPage(const char* page, const char* header) {
        ControlModel& c = model.controls();
        for (const char* p : frame::kPages) c.setVisible(p, std::string_view(p) == page);
        if (header || std::string_view(page) == frame::kMonitorPage)
            for (const char* h : frame::kHeaders)
                c.setVisible(h, header && std::string_view(h) == header);
        const bool monitor = std::string_view(page) == frame::kMonitorPage;
        c.setVisible(frame::kBackResting, monitor);
        c.setVisible(frame::kBackButton, monitor);
        settle();
    }
    // The topmost visible child of `parent` at a point of the main window's client area.
    HWND topmostAt(HWND parent, int x, int y) const {
        POINT at{scaled(x, window->dpi()), scaled(y, window->dpi())};
        MapWindowPoints(window->hwnd(), parent, &at, 1);
        return ChildWindowFromPointEx(parent, at, CWP_SKIPINVISIBLE);
    }

    WindowModel model;
    std::vector<std::string> commands;
    std::vector<std::string> hovers;
    std::unique_ptr<Form1Window> window;
    bool created = false;
};

}  // namespace quorvex::win32
