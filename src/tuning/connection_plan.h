#pragma once

#include <string>
#include <vector>

#include "tuning/connection_catalogue.h"
#include "tuning/registry_data.h"
#include "tuning/registry_write_plan.h"

namespace quorvex {

// One value of the automatic optimization's write plan with the data it writes.
struct PlannedValue {
    const PlanRow* row;
    RegValue value;  // named as the row; the bytes handed to the registry
};

// The eighteen values "Everything Automatically" writes for `kind`, in plan order, without
// touching any window or registry: the profile's TuningState and list entries run through the
// same plan rows.
std::vector<PlannedValue> connectionPlan(ConnectionKind kind);

// The plan for `kind` as a registry-editor file ("REGEDIT4", CR LF) that `reg import` merges.
std::string connectionPlanRegFile(ConnectionKind kind);

}  // namespace quorvex
