#include "model/model_bindings.h"

#include "model/control_model.h"

namespace quorvex {

ModelBindings::ModelBindings(ControlModel& model) : model_(model) {
    token_ = model_.subscribe([this](const std::string& element) { changed(element); });
}

ModelBindings::~ModelBindings() {
    model_.unsubscribe(token_);
}

void ModelBindings::add(const std::string& element, std::function<void()> refresh,
                        bool onRefreshAll) {
    if (onRefreshAll) refresh();
    bindings_.emplace(element, Binding{std::move(refresh), onRefreshAll});
}

std::function<void()> ModelBindings::bindOption(const std::string& name,
                                                std::function<void(bool)> setChecked) {
    auto sync = [this, name, setChecked = std::move(setChecked)] {
        setChecked(model_.option(name));
    };
    add(name, sync);
    return [this, name, sync] {
        model_.setOption(name, true);
        sync();  // a click on the selected button announces nothing, but it must stay checked
    };
}

std::function<void(int, const std::string&)> ModelBindings::bindList(
    const std::string& name, std::function<void(int)> setIndex) {
    auto sync = [this, name, setIndex = std::move(setIndex)] { setIndex(model_.listIndex(name)); };
    add(name, sync);
    return [this, name, sync](int index, const std::string& text) {
        if (index < 0) return;
        model_.setListText(name, text);
        sync();  // an entry the model refuses leaves the list showing the selected one
    };
}

void ModelBindings::bindAnnouncedText(const std::string& element,
                                      std::function<void(const std::string&)> setText) {
    add(
        element, [this, element, setText = std::move(setText)] { setText(model_.text(element)); },
        false);
}

void ModelBindings::bindText(const std::string& element,
                             std::function<void(const std::string&)> setText) {
    add(element, [this, element, setText = std::move(setText)] { setText(model_.text(element)); });
}

void ModelBindings::bindVisible(const std::string& element, std::function<bool()> current,
                                std::function<void(bool)> setVisible) {
    add(element, [this, element, current = std::move(current), setVisible = std::move(setVisible)] {
        setVisible(model_.visible(element, current()));
    });
}

void ModelBindings::bindEnabled(const std::string& element, std::function<bool()> current,
                                std::function<void(bool)> setEnabled) {
    add(element, [this, element, current = std::move(current), setEnabled = std::move(setEnabled)] {
        setEnabled(model_.enabled(element, current()));
    });
}

void ModelBindings::onAnyChange(std::function<void()> callback) {
    callback();
    anyChange_.push_back(std::move(callback));
}

void ModelBindings::changed(const std::string& element) {
    auto [first, last] = bindings_.equal_range(element);
    for (auto it = first; it != last; ++it) it->second.refresh();
    for (const auto& callback : anyChange_) callback();
}

void ModelBindings::refreshAll() {
    for (const auto& [element, binding] : bindings_)
        if (binding.onRefreshAll) binding.refresh();
    for (const auto& callback : anyChange_) callback();
}

}  // namespace quorvex
