#pragma once

#include <cstdint>
#include <deque>
#include <string>

#include "monitor/meter_sinks.h"
#include "win32/dib_surface.h"
#include "win32/wnd.h"

namespace quorvex::win32 {

// The scrolling traffic graph ("ucHistogram1", "ucHistogram2"), owner-drawn into a DIB section.
class HistogramCtrl : public Wnd, public SampleSink {
  public:
    struct CreateArgs {
        HWND parent = nullptr;
        std::string name;
    };
    bool create(const CreateArgs& args);

    void NextPoint(std::int32_t value) override;
    std::size_t sampleCount() const { return samples_.size(); }

  protected:
    bool paints() const override { return true; }
    void onPaint(HDC dc, const RECT& client) override;

  private:
    void render(int width, int height);

    std::deque<std::int32_t> samples_;
    DibSurface surface_;
};

}  // namespace quorvex::win32
