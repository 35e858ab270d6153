#include "undo/test_registries.h"

#include "support/command_fakes.h"

namespace quorvex::testing {

namespace {

class MemoryTestRegistry : public TestRegistry {
  public:
    RegistryBackend& backend() override { return backend_; }
    std::optional<RegValue> stored(Hive hive, const std::string& path,
                                   const std::string& name) const override {
        const RegValue* value = backend_.data().value(hive, path, name);
        return value ? std::optional<RegValue>(*value) : std::nullopt;
    }

  private:
    // Observed, so that a test can look at the world at each write.
    ObservedRegistryBackend backend_;
};

}  // namespace

std::vector<TestRegistryKind> testRegistryKinds() {
    return {{"Memory", [](const auto&) { return std::make_unique<MemoryTestRegistry>(); }},
            platformTestRegistryKind()};
}

}  // namespace quorvex::testing
