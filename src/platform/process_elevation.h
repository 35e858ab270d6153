#pragma once

namespace quorvex {

// Whether this process runs with administrator rights in force. On Windows a member of the
// administrators group runs unelevated until it is started "as administrator"; only then may
// it write under HKEY_LOCAL_MACHINE.
class ProcessElevation {
  public:
    virtual ~ProcessElevation() = default;
    virtual bool elevated() const = 0;
};

}  // namespace quorvex
