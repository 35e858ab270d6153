#pragma once

#include <string>

#include "win32/wnd.h"

namespace quorvex::win32 {

// A static text in a colour on its page's background.
class LabelCtrl : public Wnd {
  public:
    enum class Align { Left, Centre };
    struct CreateArgs {
        HWND parent = nullptr;
        std::string text;
        COLORREF colour = RGB(0, 0, 0);
        COLORREF background = RGB(255, 255, 255);
        Align align = Align::Left;
    };
    ~LabelCtrl() override;
    bool create(const CreateArgs& args);

  protected:
    HBRUSH onColorReflected(HDC dc) override;

  private:
    COLORREF colour_ = 0;
    COLORREF background_ = 0;
    HBRUSH brush_ = nullptr;
};

}  // namespace quorvex::win32
