#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tuning/advanced_choices.h"

// How the window shows the advanced choices, the same in every front end.
namespace quorvex::layout {

// The option's caption with its mark: "Enabled (Recommended)", or the caption alone.
std::string markedCaption(const AdvancedChoice& choice);

// The group of that id. An unknown id is a mistake in the window's description: throws
// std::out_of_range naming it.
const AdvancedGroup& groupNamed(std::string_view id);

// The group's choices in the order the window lists them. With `enabledFirst`, a two-choice
// group that lists "Disabled" before "Enabled" shows "Enabled" first.
std::vector<const AdvancedChoice*> displayOrder(const AdvancedGroup& group, bool enabledFirst);

}  // namespace quorvex::layout
