#pragma once

#include <cstdint>
#include <string>

#include "monitor/meter_sinks.h"
#include "win32/dib_surface.h"
#include "win32/wnd.h"

namespace quorvex::win32 {

// A utilisation bar ("XP_ProgressBar1" to "XP_ProgressBar4"), owner-drawn into a DIB section.
class ProgressBarCtrl : public Wnd, public BarSink {
  public:
    struct CreateArgs {
        HWND parent = nullptr;
        std::string name;
        bool vertical = false;
    };
    bool create(const CreateArgs& args);

    bool setValue(std::int32_t value) override;
    std::int32_t value() const { return value_; }

  protected:
    bool paints() const override { return true; }
    void onPaint(HDC dc, const RECT& client) override;

  private:
    std::int32_t value_ = 0;
    bool vertical_ = false;
    DibSurface surface_;
};

}  // namespace quorvex::win32
