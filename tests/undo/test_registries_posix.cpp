#include "tuning/file_registry_backend.h"
#include "undo/test_registries.h"

namespace quorvex::testing {

namespace {

class FileTestRegistry : public TestRegistry {
  public:
    explicit FileTestRegistry(const std::filesystem::path& scratch)
        : backend_((scratch / "store" / "registry.reg").string()) {}
    RegistryBackend& backend() override { return backend_; }
    std::optional<RegValue> stored(Hive hive, const std::string& path,
                                   const std::string& name) const override {
        const RegistryData data = backend_.load();
        const RegValue* value = data.value(hive, path, name);
        return value ? std::optional<RegValue>(*value) : std::nullopt;
    }

  private:
    FileRegistryBackend backend_;
};

}  // namespace

TestRegistryKind platformTestRegistryKind() {
    return {"FileStore",
            [](const auto& scratch) { return std::make_unique<FileTestRegistry>(scratch); }};
}

}  // namespace quorvex::testing
