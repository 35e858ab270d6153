#pragma once

#include <gtest/gtest.h>

#include <string>

#include "model/window_model.h"
#include "tuning/optimization_profile.h"

namespace quorvex::testing {

// Selects the connection's option control, every recommended choice and the three lists on the
// window, as the automatic optimization does before it runs the write plan.
inline void putProfileInPlace(WindowModel& window, ConnectionKind kind) {
    const auto profile = optimizationProfile(kind);
    window.controls().setOption(std::string(profile.connection->optionControl), true);
    for (const auto& choice : profile.set->choices)
        window.controls().setOption(std::string(choice.control), true);
    window.controls().setListText("QOS", std::string(profile.set->qos));
    window.controls().setListText("Combo2", std::string(profile.set->http11));
    window.controls().setListText("Combo1", std::string(profile.set->http10));
    EXPECT_EQ(window.state(), profileState(profile));
}

}  // namespace quorvex::testing
