#include "tuning/control_model.h"

#include <algorithm>
#include <stdexcept>

namespace quorvex {

void ControlModel::addOption(const std::string& name, const std::string& group,
                             const std::string& caption, Handler onChosen, bool selected) {
    options_[name] = Option{group, caption, selected, std::move(onChosen)};
    groups_[group].push_back(name);
}

bool ControlModel::hasOption(const std::string& name) const {
    return options_.contains(name);
}

bool ControlModel::setOption(const std::string& name, bool selected) {
    auto it = options_.find(name);
    if (it == options_.end()) return false;
    if (!selected) {
        if (it->second.selected) {
            it->second.selected = false;
            notify(name);
        }
        return true;
    }
    for (const auto& other : groups_[it->second.group]) {
        if (other == name) continue;
        auto& peer = options_[other];
        if (peer.selected) {
            peer.selected = false;
            notify(other);
        }
    }
    const bool changed = !it->second.selected;
    it->second.selected = true;
    if (changed) notify(name);
    // Copy: a handler may re-enter the model, but never replaces this control.
    Handler handler = it->second.onChosen;
    if (handler) handler();
    return true;
}

bool ControlModel::option(const std::string& name) const {
    auto it = options_.find(name);
    return it != options_.end() && it->second.selected;
}

std::string ControlModel::optionGroup(const std::string& name) const {
    auto it = options_.find(name);
    return it == options_.end() ? std::string{} : it->second.group;
}

std::string ControlModel::optionCaption(const std::string& name) const {
    auto it = options_.find(name);
    return it == options_.end() ? std::string{} : it->second.caption;
}

std::string ControlModel::selectedOption(const std::string& group) const {
    auto g = groups_.find(group);
    if (g == groups_.end()) return {};
    for (const auto& name : g->second)
        if (option(name)) return name;
    return {};
}

std::vector<std::string> ControlModel::optionsInGroup(const std::string& group) const {
    auto g = groups_.find(group);
    return g == groups_.end() ? std::vector<std::string>{} : g->second;
}

void ControlModel::addList(const std::string& name, std::vector<std::string> entries,
                           Handler onChanged) {
    lists_[name] = List{std::move(entries), -1, std::move(onChanged)};
}

bool ControlModel::hasList(const std::string& name) const {
    return lists_.contains(name);
}

bool ControlModel::setListText(const std::string& name, const std::string& text) {
    auto it = lists_.find(name);
    if (it == lists_.end()) return false;
    auto& list = it->second;
    auto found = std::find(list.entries.begin(), list.entries.end(), text);
    if (found == list.entries.end()) return false;
    const int index = static_cast<int>(found - list.entries.begin());
    if (index == list.selected) return true;
    list.selected = index;
    notify(name);
    Handler handler = list.onChanged;
    if (handler) handler();
    return true;
}

std::string ControlModel::listText(const std::string& name) const {
    auto it = lists_.find(name);
    if (it == lists_.end() || it->second.selected < 0) return {};
    return it->second.entries[static_cast<std::size_t>(it->second.selected)];
}

int ControlModel::listIndex(const std::string& name) const {
    auto it = lists_.find(name);
    return it == lists_.end() ? -1 : it->second.selected;
}

const std::vector<std::string>& ControlModel::listEntries(const std::string& name) const {
    static const std::vector<std::string> kNone;
    auto it = lists_.find(name);
    return it == lists_.end() ? kNone : it->second.entries;
}

void ControlModel::addElement(const std::string& name) {
    elements_.try_emplace(name);
}

bool ControlModel::hasElement(const std::string& name) const {
    return find(name) != nullptr;
}

ControlModel::Element& ControlModel::known(const std::string& element) {
    auto it = elements_.find(element);
    if (it != elements_.end()) return it->second;
    // Options and lists are declared by being added; they may carry the flags too.
    if (options_.contains(element) || lists_.contains(element)) return elements_[element];
    throw std::out_of_range("unknown window element \"" + element + "\"");
}

const ControlModel::Element* ControlModel::find(const std::string& element) const {
    static const Element kCreationState;
    auto it = elements_.find(element);
    if (it != elements_.end()) return &it->second;
    if (options_.contains(element) || lists_.contains(element)) return &kCreationState;
    return nullptr;
}

void ControlModel::setText(const std::string& element, const std::string& text) {
    auto& e = known(element);
    if (e.text == text) return;
    e.text = text;
    notify(element);
}

std::string ControlModel::text(const std::string& element) const {
    const Element* e = find(element);
    if (!e) throw std::out_of_range("unknown window element \"" + element + "\"");
    return e->text;
}

void ControlModel::setVisible(const std::string& element, bool visible) {
    auto& e = known(element);
    if (e.visible == static_cast<int>(visible)) return;
    e.visible = visible;
    notify(element);
}

bool ControlModel::visible(const std::string& element, bool fallback) const {
    const Element* e = find(element);
    if (!e) throw std::out_of_range("unknown window element \"" + element + "\"");
    return e->visible < 0 ? fallback : e->visible != 0;
}

void ControlModel::setEnabled(const std::string& element, bool enabled) {
    auto& e = known(element);
    if (e.enabled == static_cast<int>(enabled)) return;
    e.enabled = enabled;
    notify(element);
}

bool ControlModel::enabled(const std::string& element, bool fallback) const {
    const Element* e = find(element);
    if (!e) throw std::out_of_range("unknown window element \"" + element + "\"");
    return e->enabled < 0 ? fallback : e->enabled != 0;
}

int ControlModel::subscribe(Observer observer) {
    observers_[nextToken_] = std::move(observer);
    return nextToken_++;
}

void ControlModel::unsubscribe(int token) {
    observers_.erase(token);
}

void ControlModel::notify(const std::string& element) {
    for (auto& [token, observer] : observers_) observer(element);
}

}  // namespace quorvex
