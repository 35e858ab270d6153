#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "tuning/tuning_state.h"

namespace quorvex {

enum class ChoiceMark { None, Recommended, Default };

// One option control of an advanced group: choosing it gives the group's field `value`.
struct AdvancedChoice {
    std::string_view control;
    std::string_view caption;
    std::int32_t value;
    ChoiceMark mark;
};

struct AdvancedGroup {
    std::string_view id;       // option group name in the control model
    std::string_view heading;  // heading shown on the window
    TuningField field;
    std::span<const AdvancedChoice> choices;
};

std::span<const AdvancedGroup> advancedGroups();

// The entries of a number list that its hint marks "(Recommended)" and "(Default)".
struct NumberListMarks {
    std::string_view recommended;
    std::string_view byDefault;
};
inline constexpr NumberListMarks kQosMarks{"0", "20"};     // QOS, percent
inline constexpr NumberListMarks kHttp11Marks{"10", "2"};  // Combo2
inline constexpr NumberListMarks kHttp10Marks{"10", "4"};  // Combo1
const AdvancedChoice& markedChoice(const AdvancedGroup& group, ChoiceMark mark);
std::string_view markText(ChoiceMark mark);

}  // namespace quorvex
