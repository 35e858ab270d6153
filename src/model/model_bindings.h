#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace quorvex {

class ControlModel;

// Keeps controls and the display-free control model in step, both ways, for any toolkit: each
// binding is a small function that shows the model's state in one control, run whenever the
// model announces a change of its element; the handlers it returns forward the user's clicks and
// picks to the model (which runs the element's handler). The front ends wrap it in adapters that
// only make their controls and pass their setters in. Controls must outlive their bindings, or
// the setters must guard against a control that is gone.
class ModelBindings {
  public:
    explicit ModelBindings(ControlModel& model);
    ~ModelBindings();
    ModelBindings(const ModelBindings&) = delete;
    ModelBindings& operator=(const ModelBindings&) = delete;

    ControlModel& model() { return model_; }

    // An option button of the model's option `name`: `setChecked` shows its state now and after
    // each change. Returns the click handler: it selects the option, which runs the handler also
    // when the option was selected already, and keeps the button checked.
    std::function<void()> bindOption(const std::string& name,
                                     std::function<void(bool checked)> setChecked);
    // A pick-only list of the model's list `name` (its entries: model().listEntries(name)):
    // `setIndex` shows the selected entry (-1 for none). Returns the pick handler, given the
    // picked entry's text; a negative index is ignored.
    std::function<void(int index, const std::string& text)> bindList(
        const std::string& name, std::function<void(int index)> setIndex);
    // A label that shows the element's text once the model announces one: until then it keeps
    // the text it was made with.
    void bindAnnouncedText(const std::string& element,
                           std::function<void(const std::string& text)> setText);
    // A text box that shows the element's text now and after each change.
    void bindText(const std::string& element, std::function<void(const std::string& text)> setText);
    // A control that follows the element's visible / enabled flag; `current` is the control's
    // own state, kept while the model has never set the flag.
    void bindVisible(const std::string& element, std::function<bool()> current,
                     std::function<void(bool)> setVisible);
    void bindEnabled(const std::string& element, std::function<bool()> current,
                     std::function<void(bool)> setEnabled);
    // Runs now, on every change the model announces, and on refreshAll().
    void onAnyChange(std::function<void()> callback);

    // Brings every bound control in line with the model (after changes it did not announce).
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

}  // namespace quorvex
