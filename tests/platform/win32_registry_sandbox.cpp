#include "platform/win32_registry_sandbox.h"

namespace quorvex::test {
namespace {

HKEY createTestKey(HKEY parent, const std::string& path) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

}  // namespace

RegistrySandbox::RegistrySandbox(const std::string& name)
    : base_("Software\\QuorvexTests\\" + name) {
    RegDeleteTreeA(HKEY_CURRENT_USER, base_.c_str());  // left over from an aborted run
    localMachine_ = createTestKey(HKEY_CURRENT_USER, base_ + "\\LocalMachine");
    currentUser_ = createTestKey(HKEY_CURRENT_USER, base_ + "\\CurrentUser");
    ready_ = localMachine_ && currentUser_ &&
             RegOverridePredefKey(HKEY_LOCAL_MACHINE, localMachine_) == ERROR_SUCCESS &&
             RegOverridePredefKey(HKEY_CURRENT_USER, currentUser_) == ERROR_SUCCESS;
}

bool RegistrySandbox::refuseLocalMachineWrites() {
    if (!ready_ || refusingLocalMachine_) return false;
    // Wine grants every access, so the refusal comes from a key that is deleted while this
    // handle to it stays open: nothing can be created or written under it any more.
    refusingLocalMachine_ = createTestKey(localMachine_, "Refusing");
    if (!refusingLocalMachine_ || RegDeleteKeyA(localMachine_, "Refusing") != ERROR_SUCCESS)
        return false;
    return RegOverridePredefKey(HKEY_LOCAL_MACHINE, refusingLocalMachine_) == ERROR_SUCCESS;
}

RegistrySandbox::~RegistrySandbox() {
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    if (refusingLocalMachine_) RegCloseKey(refusingLocalMachine_);
    if (localMachine_) RegCloseKey(localMachine_);
    if (currentUser_) RegCloseKey(currentUser_);
    RegDeleteTreeA(HKEY_CURRENT_USER, base_.c_str());
}

std::optional<StoredValue> queryValue(HKEY root, const std::string& path, const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return std::nullopt;
    StoredValue value;
    DWORD size = 0;
    LSTATUS status = RegQueryValueExA(key, name.c_str(), nullptr, &value.type, nullptr, &size);
    if (status == ERROR_SUCCESS) {
        value.bytes.resize(size);
        status =
            RegQueryValueExA(key, name.c_str(), nullptr, &value.type, value.bytes.data(), &size);
        value.bytes.resize(size);
    }
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return std::nullopt;
    return value;
}

bool keyExists(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

long valueCount(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return -1;
    DWORD count = 0;
    const LSTATUS status = RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr,
                                            nullptr, &count, nullptr, nullptr, nullptr, nullptr);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? static_cast<long>(count) : -1;
}

long subkeyCount(HKEY key) {
    DWORD count = 0;
    if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr, nullptr,
                         nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return -1;
    return static_cast<long>(count);
}

}  // namespace quorvex::test
