#include "tuning/optimization_profile.h"

#include "tuning/advanced_choices.h"

namespace quorvex {

namespace {

// The set of the choices and list entries that carry `mark`.
ProfileSet markedSet(ChoiceMark mark) {
    ProfileSet set{};
    const auto groups = advancedGroups();
    for (std::size_t i = 0; i < set.choices.size() && i < groups.size(); ++i) {
        const AdvancedChoice& choice = markedChoice(groups[i], mark);
        set.choices[i] = {groups[i].field, choice.control, static_cast<std::int16_t>(choice.value)};
    }
    const auto pick = [mark](const NumberListMarks& marks) {
        return mark == ChoiceMark::Recommended ? marks.recommended : marks.byDefault;
    };
    set.qos = pick(kQosMarks);
    set.http11 = pick(kHttp11Marks);
    set.http10 = pick(kHttp10Marks);
    return set;
}

}  // namespace

const ProfileChoice& ProfileSet::choice(TuningField field) const {
    for (const auto& c : choices)
        if (c.field == field) return c;
    return choices.front();
}

const ProfileSet& recommendedSet() {
    static const ProfileSet set = markedSet(ChoiceMark::Recommended);
    return set;
}
const ProfileSet& defaultSet() {
    static const ProfileSet set = markedSet(ChoiceMark::Default);
    return set;
}

OptimizationProfile optimizationProfile(ConnectionKind kind) {
    const ConnectionType& entry = connectionType(kind);
    const ProfileSet& set =
        entry.group == ConnectionGroup::Defaults ? defaultSet() : recommendedSet();
    return {&entry, entry.mtu, entry.mss, entry.rwin, &set};
}

TuningState profileState(const OptimizationProfile& profile) {
    TuningState state;
    state.Mtu = profile.mtu;
    state.Mss = profile.mss;
    state.Rwin = profile.rwin;
    for (const auto& c : profile.set->choices) setTuningField(state, c.field, c.value);
    return state;
}

}  // namespace quorvex
