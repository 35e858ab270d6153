#include "model/window_model.h"

#include <string>
#include <string_view>
#include <vector>

#include "model/firefox_elements.h"
#include "model/frame_elements.h"
#include "model/monitor_elements.h"
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
    // Every announced change may follow a new connection choice: the RWIN text follows it.
    controls_.addElement(names::kRwinValue);
    showRwin();
    controls_.subscribe([this](const std::string& element) {
        if (element != names::kRwinValue) showRwin();
    });
}

void WindowModel::showRwin() {
    controls_.setText(names::kRwinValue, std::to_string(state_.Rwin));
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

    declareFrame();
    // Firefox page at creation: the Default configuration is shown.
    using namespace firefox;
    for (const char* name : {kCurrentCaption, kOptimizedLabel, kDefaultLabel, kOptimizedText,
                             kDefaultText, kEnableButton, kDisableButton})
        controls_.addElement(name);
    controls_.setVisible(kDefaultLabel, true);
    controls_.setVisible(kDefaultText, true);
    controls_.setVisible(kOptimizedLabel, false);
    controls_.setVisible(kOptimizedText, false);
    controls_.setEnabled(kEnableButton, true);
    controls_.setEnabled(kDisableButton, false);
    for (const char* name : monitor_page::kTexts) controls_.addElement(name);
}

// The window-level pictures, the pages and their headers, as they are at load: the home page
// with its icons and the apply and monitor buttons; the background shows from the load on.
void WindowModel::declareFrame() {
    using namespace frame;
    auto declare = [this](const char* name, bool visible) {
        controls_.addElement(name);
        controls_.setVisible(name, visible);
    };
    for (const char* name : {kBottomStrip, kHomePage}) declare(name, true);
    declare(kBackground, false);
    for (const auto& pair : kHomeIcons) {
        declare(pair.resting, true);
        declare(pair.highlighted, true);
    }
    for (const auto& pair : kButtons) {
        const bool back = std::string_view(pair.resting) == kBackResting;
        declare(pair.resting, !back);
        declare(pair.highlighted, !back);
    }
    for (const char* name : kHeaders) declare(name, false);
    for (const char* name : kPages)
        if (std::string_view(name) != kHomePage) declare(name, false);
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
