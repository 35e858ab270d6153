#pragma once

#include <string>

#include "win32/wnd.h"

namespace quorvex::win32 {

// A read-only, scrolling, multi-line text (the Firefox page's preference texts).
class TextCtrl : public Wnd {
  public:
    struct CreateArgs {
        HWND parent = nullptr;
        std::string name;
    };
    bool create(const CreateArgs& args);

    // Shows `text` (lines separated by "\n"); the window's own text stays its name.
    void setContents(const std::string& text);
    std::string contents() const;

  protected:
    LRESULT wndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    HBRUSH onColorReflected(HDC dc) override;
};

// "\n" line ends as the edit control wants them: "\r\n".
std::string withCrLf(const std::string& text);

}  // namespace quorvex::win32
