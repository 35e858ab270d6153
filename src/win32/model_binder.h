#pragma once

#include <functional>
#include <string>

#include "model/model_bindings.h"

namespace quorvex::win32 {

class DropDownCtrl;
class LabelCtrl;
class RadioCtrl;
class TextCtrl;
class Wnd;

// The Win32 adapter of ModelBindings: passes each control's setters and events in. Controls must
// outlive the binder's bindings (the window owns both).
class ModelBinder {
  public:
    explicit ModelBinder(ControlModel& model) : bindings_(model) {}

    // The option button of the model's option `name`: clicking selects it (running the handler
    // also when it was selected already).
    void bindOption(const std::string& name, RadioCtrl& button);
    // A pick-only list with the model list's entries.
    void bindList(const std::string& name, DropDownCtrl& list);
    // The control shows the element's text whenever the model announces a change of it.
    void bindText(const std::string& element, LabelCtrl& label);
    void bindText(const std::string& element, TextCtrl& text);
    // The control follows the element's visible / enabled flag.
    void bindVisible(const std::string& element, Wnd& control);
    // The same, running `beforeShowing` each time before the control is shown (a page makes its
    // contents the first time).
    void bindVisible(const std::string& element, Wnd& control, std::function<void()> beforeShowing);
    void bindEnabled(const std::string& element, Wnd& control);
    // Runs on every change the model announces, and on refreshAll().
    void onAnyChange(std::function<void()> callback) { bindings_.onAnyChange(std::move(callback)); }

    // Brings every bound control in line with the model.
    void refreshAll() { bindings_.refreshAll(); }

  private:
    ModelBindings bindings_;
};

}  // namespace quorvex::win32
