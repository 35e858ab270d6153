#pragma once

#include <string>

#include "controls/chameleon_button.h"
#include "model/settings_description.h"
#include "win32/dib_surface.h"
#include "win32/gdi_text_renderer.h"
#include "win32/wnd.h"

namespace quorvex::win32 {

// The owner-drawn push button ("chameleonButton2", "chameleonButton3"): ChameleonButton runs the
// pointer and key rules and draws its designed look into a DIB section, caption through GDI; the
// window forwards its messages. Reached with Tab, run by a click or by Space on its release.
class PushButtonCtrl : public Wnd, private ChameleonButtonWindow {
  public:
    struct CreateArgs {
        HWND parent = nullptr;
        std::string name;
        std::string caption;
        COLORREF containerBack = RGB(255, 255, 255);
        layout::ButtonDesign design = layout::kFirefoxButtonDesign;
    };
    bool create(const CreateArgs& args);

    const std::string& name() const { return name_; }
    bool hovered() const { return button_.isHovering(); }
    bool pressed() const { return button_.isDrawnPressed(); }
    const ChameleonButton& button() const { return button_; }
    Event onClick;

  protected:
    LRESULT wndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool paints() const override { return true; }
    void onPaint(HDC dc, const RECT& client) override;
    void onMouseMove(int x, int y) override;
    void onMouseLeave() override;
    void onLeftDown(int x, int y) override;
    void onLeftUp(int x, int y) override;

  private:
    // The window the core button draws for.
    int surfaceWidth() const override;
    int surfaceHeight() const override;
    ColorRef containerBack() const override { return containerBack_; }
    ColorRef containerText() const override { return colour::kBlack; }
    void showImage() override {
        if (!painting_) invalidate();
    }
    void clicked() override {
        if (onClick) onClick();
    }

    bool inside(int x, int y) const;

    std::string name_;
    ColorRef containerBack_ = 0;
    DibSurface surface_;
    GdiTextRenderer text_;
    int drawnDpi_ = 0;
    bool painting_ = false;
    ChameleonButton button_{*this, text_};
};

}  // namespace quorvex::win32
