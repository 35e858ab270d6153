#include "model/choice_display.h"

#include <stdexcept>
#include <utility>

namespace quorvex::layout {

std::string markedCaption(const AdvancedChoice& choice) {
    const std::string_view mark = markText(choice.mark);
    std::string caption(choice.caption);
    if (!mark.empty()) caption.append(" ").append(mark);
    return caption;
}

const AdvancedGroup& groupNamed(std::string_view id) {
    for (const auto& group : advancedGroups())
        if (group.id == id) return group;
    throw std::out_of_range("no advanced choice group named " + std::string(id));
}

std::vector<const AdvancedChoice*> displayOrder(const AdvancedGroup& group, bool enabledFirst) {
    std::vector<const AdvancedChoice*> choices;
    for (const auto& choice : group.choices) choices.push_back(&choice);
    if (enabledFirst && choices.size() == 2 && choices[1]->caption == "Enabled")
        std::swap(choices[0], choices[1]);
    return choices;
}

}  // namespace quorvex::layout
