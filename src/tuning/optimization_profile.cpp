#include "tuning/optimization_profile.h"

namespace quorvex {

namespace {

using F = TuningField;

constexpr ProfileSet kRecommended{
    {{
        {F::Ttl, "TTL64", 64},
        {F::Tcp1323Opts, "TCP1", 1},
        {F::SackOpts, "SA1", 1},
        {F::MaxDupAcks, "vkOptionButton15", 2},
        {F::FastCopyReceiveThreshold, "Option6", 1500},
        {F::FastSendDatagramThreshold, "Option35", 1500},
        {F::SizReqBuf, "Option38", 16384},
        {F::MaxCmds, "Option40", 64},
        {F::NoRecentDocsNetHood, "Option43", 1},
    }},
    "0",
    "10",
    "10",
};

constexpr ProfileSet kDefault{
    {{
        {F::Ttl, "TTL32", 32},
        {F::Tcp1323Opts, "TCP3", 3},
        {F::SackOpts, "SA0", 0},
        {F::MaxDupAcks, "vkOptionButton14", 1},
        {F::FastCopyReceiveThreshold, "Option33", 1025},
        {F::FastSendDatagramThreshold, "Option34", 1024},
        {F::SizReqBuf, "Option39", 4356},
        {F::MaxCmds, "Option41", 15},
        {F::NoRecentDocsNetHood, "Option42", 0},
    }},
    "20",
    "2",
    "4",
};

}  // namespace

const ProfileChoice& ProfileSet::choice(TuningField field) const {
    for (const auto& c : choices)
        if (c.field == field) return c;
    return choices.front();
}

const ProfileSet& recommendedSet() {
    return kRecommended;
}
const ProfileSet& defaultSet() {
    return kDefault;
}

OptimizationProfile optimizationProfile(ConnectionKind kind) {
    const ConnectionType& entry = connectionType(kind);
    const ProfileSet& set = entry.group == ConnectionGroup::Defaults ? kDefault : kRecommended;
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
