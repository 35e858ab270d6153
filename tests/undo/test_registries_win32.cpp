#include <gtest/gtest.h>

#include "platform/win32_registry_sandbox.h"
#include "tuning/win32_registry_backend.h"
#include "undo/test_registries.h"

namespace quorvex::testing {

namespace {

std::string sandboxName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "Undo." + std::string(info->name());
    for (char& c : name)
        if (c == '/') c = '_';
    return name;
}

// The real registry functions, with both hives of this process redirected to throwaway keys.
class Win32TestRegistry : public TestRegistry {
  public:
    Win32TestRegistry() : sandbox_(sandboxName()) {}
    RegistryBackend& backend() override { return backend_; }
    std::optional<RegValue> stored(Hive hive, const std::string& path,
                                   const std::string& name) const override {
        const auto value = test::queryValue(
            hive == Hive::LocalMachine ? sandbox_.localMachine() : sandbox_.currentUser(), path,
            name);
        if (!value) return std::nullopt;
        return RegValue{name, value->type, value->bytes};
    }
    bool ready() const { return sandbox_.ready(); }

  private:
    test::RegistrySandbox sandbox_;
    Win32RegistryBackend backend_;
};

}  // namespace

TestRegistryKind platformTestRegistryKind() {
    return {"Win32", [](const auto&) -> std::unique_ptr<TestRegistry> {
                auto registry = std::make_unique<Win32TestRegistry>();
                EXPECT_TRUE(registry->ready());
                return registry;
            }};
}

}  // namespace quorvex::testing
