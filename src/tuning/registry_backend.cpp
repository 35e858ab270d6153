#include "tuning/registry_backend.h"

namespace quorvex {

std::string registryStatusText(long status) {
    switch (status) {
        case kRegNotFound:
            return "The system cannot find the file specified";
        case kRegAccessDenied:
            return "Access is denied";
        case kRegInvalidHandle:
            return "The handle is invalid";
        case kRegInvalidData:
            return "The data is invalid";
        case kRegWriteFault:
            return "The system cannot write to the specified device";
        default:
            return "error " + std::to_string(status);
    }
}

RegistryFailure RegistryBackend::describeFailure(long status) const {
    return {{}, registryStatusText(status), status};
}

}  // namespace quorvex
