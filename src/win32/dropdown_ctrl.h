#pragma once

#include <string>
#include <vector>

#include "win32/wnd.h"

namespace quorvex::win32 {

// A pick-only list (a drop-down list box).
class DropDownCtrl : public Wnd {
  public:
    struct CreateArgs {
        HWND parent = nullptr;
        std::string name;  // its accessible name
        std::vector<std::string> items;
    };
    bool create(const CreateArgs& args);

    void setItems(const std::vector<std::string>& items);
    // -1 selects nothing.
    void setCurrentIndex(int index);
    int currentIndex() const;
    std::string itemText(int index) const;
    int count() const;
    // The user picked an entry.
    Event onSelectionChanged;

  protected:
    bool onCommandReflected(WORD code, LRESULT& result) override;
};

}  // namespace quorvex::win32
