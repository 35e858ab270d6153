#pragma once

#include <string>

#include "win32/dib_surface.h"
#include "win32/wnd.h"

namespace quorvex::win32 {

// The owner-drawn push button ("chameleonButton2", "chameleonButton3"): hover and press looks,
// reached with Tab, run by a click, Enter or Space.
class PushButtonCtrl : public Wnd {
  public:
    struct CreateArgs {
        HWND parent = nullptr;
        std::string name;
        std::string caption;
    };
    bool create(const CreateArgs& args);

    const std::string& name() const { return name_; }
    bool hovered() const { return hovered_; }
    bool pressed() const { return pressed_; }
    Event onClick;

  protected:
    LRESULT wndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool paints() const override { return true; }
    void onPaint(HDC dc, const RECT& client) override;
    void onMouseMove(int x, int y) override;
    void onMouseLeave() override;
    void onLeftDown(int x, int y) override;
    void onLeftUp(int x, int y) override;
    bool onKeyDown(WPARAM key) override;

  private:
    bool inside(int x, int y) const;

    std::string name_;
    bool hovered_ = false;
    bool pressed_ = false;
    DibSurface surface_;
};

}  // namespace quorvex::win32
