#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace quorvex {
class ControlModel;
}

namespace quorvex::win32 {

class DropDownCtrl;
class LabelCtrl;
class RadioCtrl;
class TextCtrl;
class Wnd;

// Keeps the controls and the window model in step, both ways: a click or a pick goes to the
// model (which runs its handler), and every change the model announces is shown by the controls
// bound to that element. Controls must outlive the binder's bindings (the window owns both).
class ModelBinder {
  public:
    explicit ModelBinder(ControlModel& model);
    ~ModelBinder();
    ModelBinder(const ModelBinder&) = delete;
    ModelBinder& operator=(const ModelBinder&) = delete;

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
    void bindEnabled(const std::string& element, Wnd& control);
    // Runs on every change the model announces, and on refreshAll().
    void onAnyChange(std::function<void()> callback);

    // Brings every bound control in line with the model.
    void refreshAll();

  private:
    void changed(const std::string& element);
    void add(const std::string& element, std::function<void()> refresh, bool onRefreshAll = true);

    struct Binding {
        std::function<void()> refresh;
        bool onRefreshAll;
    };
    ControlModel& model_;
    int token_ = 0;
    std::multimap<std::string, Binding> bindings_;
    std::vector<std::function<void()>> anyChange_;
};

}  // namespace quorvex::win32
