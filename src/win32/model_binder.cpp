#include "win32/model_binder.h"

#include "tuning/control_model.h"
#include "win32/dropdown_ctrl.h"
#include "win32/label_ctrl.h"
#include "win32/radio_ctrl.h"
#include "win32/text_ctrl.h"

namespace quorvex::win32 {

ModelBinder::ModelBinder(ControlModel& model) : model_(model) {
    token_ = model_.subscribe([this](const std::string& element) { changed(element); });
}

ModelBinder::~ModelBinder() {
    model_.unsubscribe(token_);
}

void ModelBinder::add(const std::string& element, std::function<void()> refresh,
                      bool onRefreshAll) {
    refresh();
    bindings_.emplace(element, Binding{std::move(refresh), onRefreshAll});
}

void ModelBinder::bindOption(const std::string& name, RadioCtrl& button) {
    auto sync = [this, &button, name] { button.setChecked(model_.option(name)); };
    button.onClick = [this, name, sync] {
        model_.setOption(name, true);
        sync();  // a click on the selected button announces nothing, but it must stay checked
    };
    add(name, sync);
}

void ModelBinder::bindList(const std::string& name, DropDownCtrl& list) {
    list.setItems(model_.listEntries(name));
    auto sync = [this, &list, name] { list.setCurrentIndex(model_.listIndex(name)); };
    list.onSelectionChanged = [this, &list, name, sync] {
        const int index = list.currentIndex();
        if (index < 0) return;
        model_.setListText(name, list.itemText(index));
        sync();
    };
    add(name, sync);
}

void ModelBinder::bindText(const std::string& element, LabelCtrl& label) {
    // Only announced texts are shown: until then the label keeps the text it was made with.
    bindings_.emplace(
        element, Binding{[this, &label, element] { label.setText(model_.text(element)); }, false});
}

void ModelBinder::bindText(const std::string& element, TextCtrl& text) {
    add(element, [this, &text, element] { text.setContents(model_.text(element)); });
}

void ModelBinder::bindVisible(const std::string& element, Wnd& control) {
    add(element, [this, &control, element] {
        control.setVisible(model_.visible(element, control.isVisible()));
    });
}

void ModelBinder::bindEnabled(const std::string& element, Wnd& control) {
    add(element, [this, &control, element] {
        control.setEnabled(model_.enabled(element, control.isEnabled()));
    });
}

void ModelBinder::onAnyChange(std::function<void()> callback) {
    callback();
    anyChange_.push_back(std::move(callback));
}

void ModelBinder::changed(const std::string& element) {
    auto [first, last] = bindings_.equal_range(element);
    for (auto it = first; it != last; ++it) it->second.refresh();
    for (const auto& callback : anyChange_) callback();
}

void ModelBinder::refreshAll() {
    for (const auto& [element, binding] : bindings_)
        if (binding.onRefreshAll) binding.refresh();
    for (const auto& callback : anyChange_) callback();
}

}  // namespace quorvex::win32
