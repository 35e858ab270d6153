#include "tuning/window_model.h"

#include <string>
#include <vector>

#include "tuning/advanced_choices.h"

namespace quorvex {

namespace {

// The advanced choices selected when the window is created.
bool selectedAtCreation(std::string_view control) {
    for (std::string_view name : {"Option33", "Option34", "Option39", "Option41", "Option42", "SA1",
                                  "vkOptionButton14", "TCP3", "TTL32"})
        if (name == control) return true;
    return false;
}

std::vector<std::string> numberTexts(int from, int to) {
    std::vector<std::string> texts;
    for (int i = from; i <= to; ++i) texts.push_back(std::to_string(i));
    return texts;
}

}  // namespace

WindowModel::WindowModel() {
    build();
}

void WindowModel::build() {
    std::vector<std::string> fullNames;
    for (const auto& entry : connectionCatalogue()) {
        fullNames.emplace_back(entry.fullName);
        controls_.addOption(
            std::string(entry.optionControl), names::kConnectionGroup, std::string(entry.caption),
            [this, &entry] { onConnectionOption(entry); },
            entry.kind == ConnectionKind::RestoreDefaults);
    }
    for (const auto& group : advancedGroups()) {
        for (const auto& choice : group.choices) {
            const TuningField field = group.field;
            const std::int32_t value = choice.value;
            const std::string_view control = choice.control;
            controls_.addOption(
                std::string(control), std::string(group.id), std::string(choice.caption),
                [this, field, value, control] {
                    traced(control);
                    setTuningField(state_, field, value);
                },
                selectedAtCreation(control));
        }
    }
    controls_.addList(names::kConnectionList, std::move(fullNames), [this] { onConnectionList(); });
    controls_.addList(names::kQosList, numberTexts(0, 100));
    controls_.addList(names::kHttp10List, numberTexts(1, 100));
    controls_.addList(names::kHttp11List, numberTexts(1, 100));

    // Firefox page at creation: the Default configuration is shown.
    controls_.setVisible("Label26", true);
    controls_.setVisible("Text5", true);
    controls_.setVisible("Label25", false);
    controls_.setVisible("Text4", false);
    controls_.setEnabled("chameleonButton2", true);
    controls_.setEnabled("chameleonButton3", false);
}

void WindowModel::onConnectionOption(const ConnectionType& entry) {
    traced(entry.optionControl);
    state_.Mtu = entry.mtu;
    state_.Mss = entry.mss;
    state_.Rwin = entry.rwin;
    controls_.setListText(names::kConnectionList, std::string(entry.fullName));
}

void WindowModel::onConnectionList() {
    traced(names::kConnectionList);
    const ConnectionType* entry = selectedConnection();
    if (!entry) return;
    controls_.setOption(std::string(entry->optionControl), true);
    state_.Mtu = entry->mtu;
    state_.Mss = entry->mss;
    state_.Rwin = entry->rwin;
}

const ConnectionType* WindowModel::selectedConnection() const {
    return findConnectionByFullName(controls_.listText(names::kConnectionList));
}

void WindowModel::traced(std::string_view handler) {
    if (trace_) trace_(handler);
}

}  // namespace quorvex
