#pragma once

#include <cstdint>
#include <string>

#include "controls/histogram_graph.h"
#include "monitor/meter_sinks.h"
#include "win32/dib_surface.h"
#include "win32/wnd.h"

namespace quorvex::win32 {

// The scrolling traffic graph ("ucHistogram1", "ucHistogram2"): the shared graph drawn into a
// DIB section and copied out on WM_PAINT.
class HistogramCtrl : public Wnd, public SampleSink {
  public:
    struct CreateArgs {
        HWND parent = nullptr;
        std::string name;
    };
    bool create(const CreateArgs& args);

    void NextPoint(std::int32_t value) override;
    // Samples received since creation.
    std::uint64_t sampleCount() const { return samples_; }
    // With any drawing left for later done, as painting would do it.
    const HistogramGraph& graph() const {
        graph_.drawPending();
        return graph_;
    }

  protected:
    bool paints() const override { return true; }
    void onPaint(HDC dc, const RECT& client) override;
    void onSize(int width, int height) override;

  private:
    mutable HistogramGraph graph_{monitorHistogramDesignBag()};  // drawn when looked at
    DibSurface surface_;
    std::uint64_t samples_ = 0;
};

}  // namespace quorvex::win32
