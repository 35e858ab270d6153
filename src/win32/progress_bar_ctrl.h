#pragma once

#include <cstdint>
#include <string>

#include "controls/xp_progress_bar.h"
#include "model/monitor_description.h"
#include "monitor/meter_sinks.h"
#include "win32/dib_surface.h"
#include "win32/gdi_text_renderer.h"
#include "win32/wnd.h"

namespace quorvex::win32 {

// A utilisation bar ("XP_ProgressBar1" to "XP_ProgressBar4"): XpProgressBar keeps the properties
// and paints into a DIB section, its text through GDI. Min 0, Max 100; the program assigns Value
// only.
class ProgressBarCtrl : public Wnd, public BarSink {
  public:
    struct CreateArgs {
        HWND parent = nullptr;
        std::string name;
        layout::BarDesign design;
    };
    bool create(const CreateArgs& args);

    bool setValue(std::int32_t value) override;
    std::int32_t value() const { return bar_.Percent(); }
    const XpProgressBar& bar() const { return bar_; }

  protected:
    bool paints() const override { return true; }
    void onPaint(HDC dc, const RECT& client) override;

  private:
    XpProgressBar bar_;
    DibSurface surface_;
    GdiTextRenderer text_;
};

}  // namespace quorvex::win32
