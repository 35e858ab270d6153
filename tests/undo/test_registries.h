#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tuning/registry_backend.h"
#include "tuning/registry_data.h"

namespace quorvex::testing {

// A registry backend under test and a way to look at what it stores that does not go through
// the backend's own reading.
class TestRegistry {
  public:
    virtual ~TestRegistry() = default;
    virtual RegistryBackend& backend() = 0;
    virtual std::optional<RegValue> stored(Hive hive, const std::string& path,
                                           const std::string& name) const = 0;
};

struct TestRegistryKind {
    std::string name;
    // Makes an empty registry; `scratch` is a temporary folder it may keep files in.
    std::function<std::unique_ptr<TestRegistry>(const std::filesystem::path& scratch)> make;
};

// Every backend this platform builds: memory, then platformTestRegistryKind().
std::vector<TestRegistryKind> testRegistryKinds();

// The platform's own backend: the file store here, the real registry functions (in redirected
// hives) on Windows.
TestRegistryKind platformTestRegistryKind();

}  // namespace quorvex::testing
