#pragma once

#include "shell/window_interfaces.h"
#include "win32/artwork.h"
#include "win32/wnd.h"

namespace quorvex::win32 {

// The start-up window: borderless, white, 502 × 271, centred, showing the splash artwork.
class SplashWnd : public Wnd, public SplashWindow {
  public:
    static constexpr int kWidth = 502;
    static constexpr int kHeight = 271;

    bool create();
    // Shows the splash centred on the primary screen.
    void show() override;
    // Closes it (unloads it): it cannot be shown again.
    void close() override;
    bool isOpen() const { return hwnd() != nullptr; }

    Event onClosed;
    // The first paint, for start-up figures.
    Event onFirstPaint;

  protected:
    bool paints() const override { return true; }
    void onPaint(HDC dc, const RECT& client) override;
    void onDestroy() override;

  private:
    Artwork artwork_;
    bool painted_ = false;
};

}  // namespace quorvex::win32
