#pragma once

#include "platform/process_elevation.h"

namespace quorvex {

// Reads the elevation of this process's token (TokenElevation). A token that cannot be read
// counts as not elevated.
class Win32ProcessElevation : public ProcessElevation {
  public:
    bool elevated() const override;
};

}  // namespace quorvex
