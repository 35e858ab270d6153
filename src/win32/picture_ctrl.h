#pragma once

#include <string>

#include "win32/artwork.h"
#include "win32/wnd.h"

namespace quorvex::win32 {

// A picture of the window's artwork ("Image13", "Image21"...), composited over what lies beneath
// it; without art it is a see-through strip that only senses the pointer ("Label53"). A command
// picture shows the link cursor, is reached with Tab and runs onClick on a click or on Enter or
// Space.
class PictureCtrl : public Wnd {
  public:
    struct CreateArgs {
        HWND parent = nullptr;
        std::string name;      // the element's name
        std::string art;       // the artwork's name; empty: see-through
        std::string caption;   // accessible name and tooltip; empty for a plain picture
        bool command = false;  // shows the link cursor
        bool tabStop = false;  // reached with Tab (commands and the resting pictures over them)
        COLORREF fallback = RGB(66, 66, 66);  // shown where the artwork is missing
    };
    bool create(const CreateArgs& args);

    const std::string& name() const { return name_; }
    bool composites() const override { return true; }
    // The part of the client area the art covers (the whole area without art): where the focus
    // rectangle goes.
    RECT visiblePart();
    // A click (or Enter / Space) on the picture.
    Event onClick;
    // The pointer moved over the picture.
    Event onHover;
    // Enter / Space while it has the focus; by default the click. A resting picture forwards
    // to the command picture it stands for.
    Event onActivate;

  protected:
    LRESULT wndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool paints() const override { return true; }
    void onPaint(HDC dc, const RECT& client) override;
    void onPrint(HDC dc, const RECT& client) override;
    void onMouseMove(int, int) override;
    void onLeftDown(int, int) override;
    void onLeftUp(int x, int y) override;
    bool onKeyDown(WPARAM key) override;

  private:
    std::string name_;
    std::string art_;
    bool command_ = false;
    bool pressed_ = false;
    COLORREF fallback_ = 0;
    Artwork artwork_;
};

}  // namespace quorvex::win32
