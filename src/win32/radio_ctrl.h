#pragma once

#include <string>

#include "win32/wnd.h"

namespace quorvex::win32 {

// An option button; the first of a group starts a new group for arrow-key movement.
class RadioCtrl : public Wnd {
  public:
    struct CreateArgs {
        HWND parent = nullptr;
        std::string caption;
        bool firstOfGroup = false;
        COLORREF background = RGB(255, 255, 255);
    };
    ~RadioCtrl() override;
    bool create(const CreateArgs& args);

    void setChecked(bool checked);
    bool isChecked() const;
    Event onClick;

  protected:
    bool onCommandReflected(WORD code, LRESULT& result) override;
    HBRUSH onColorReflected(HDC dc) override;

  private:
    COLORREF background_ = 0;
    HBRUSH brush_ = nullptr;
};

}  // namespace quorvex::win32
