#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "tuning/connection_catalogue.h"
#include "tuning/tuning_state.h"

namespace quorvex {

// One item of a profile set: the choice control that the optimization selects and the value
// it gives the TuningState field.
struct ProfileChoice {
    TuningField field;
    std::string_view control;
    std::int16_t value;
};

// The values a profile puts in place besides the entry's own MTU, MSS and receive window.
struct ProfileSet {
    std::array<ProfileChoice, 9> choices;  // one per advanced group
    std::string_view qos;                  // text of list QOS (percent)
    std::string_view http11;               // text of list Combo2
    std::string_view http10;               // text of list Combo1
    const ProfileChoice& choice(TuningField field) const;
};

struct OptimizationProfile {
    const ConnectionType* connection;
    std::int16_t mtu;
    std::int16_t mss;
    std::int32_t rwin;
    const ProfileSet* set;
};

// The choices and list entries marked "(Recommended)", and those marked "(Default)" (Windows'
// own: 2 connections per HTTP/1.1 server and 4 per HTTP/1.0 server).
const ProfileSet& recommendedSet();
const ProfileSet& defaultSet();
OptimizationProfile optimizationProfile(ConnectionKind kind);

// The profile's TuningState, as it stands after the optimization has put it in place.
TuningState profileState(const OptimizationProfile& profile);

}  // namespace quorvex
