#pragma once

#include <string>

#include "win32/wnd.h"

namespace quorvex::win32 {

// A page panel ("Picture2", "Picture16"...) or the bottom strip ("Label53"): a child window of a
// solid colour holding the page's controls, whose notifications it passes back to them.
class PageCtrl : public Wnd {
  public:
    struct CreateArgs {
        HWND parent = nullptr;
        std::string name;
        COLORREF background = RGB(66, 66, 66);
    };
    ~PageCtrl() override;
    bool create(const CreateArgs& args);

    const std::string& name() const { return name_; }
    COLORREF background() const { return background_; }
    Event onHover;

  protected:
    bool paints() const override { return true; }
    void onPaint(HDC dc, const RECT& client) override;
    void onMouseMove(int, int) override;

  private:
    std::string name_;
    COLORREF background_ = 0;
    HBRUSH brush_ = nullptr;
};

}  // namespace quorvex::win32
