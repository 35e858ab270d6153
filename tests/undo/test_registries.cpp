#include "undo/test_registries.h"

#include "tuning/memory_registry_backend.h"

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
    MemoryRegistryBackend backend_;
};

}  // namespace

std::vector<TestRegistryKind> testRegistryKinds() {
    return {{"Memory", [](const auto&) { return std::make_unique<MemoryTestRegistry>(); }},
            platformTestRegistryKind()};
}

}  // namespace quorvex::testing
