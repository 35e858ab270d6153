#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvex::test {

// Redirects this process's HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER to two fresh keys under
// HKEY_CURRENT_USER\Software\QuorvexTests\<name>, so a test writes through the real registry
// functions without touching the real hives. The redirection ends and the keys are deleted when
// the sandbox goes.
class RegistrySandbox {
  public:
    explicit RegistrySandbox(const std::string& name);
    ~RegistrySandbox();
    RegistrySandbox(const RegistrySandbox&) = delete;
    RegistrySandbox& operator=(const RegistrySandbox&) = delete;

    bool ready() const { return ready_; }
    // From now on every create and write under HKEY_LOCAL_MACHINE fails, as it does for a
    // user without administrator rights. Returns whether it took effect.
    bool refuseLocalMachineWrites();
    // Where the redirected hives really are.
    HKEY localMachine() const { return localMachine_; }
    HKEY currentUser() const { return currentUser_; }

  private:
    std::string base_;
    HKEY localMachine_ = nullptr;
    HKEY currentUser_ = nullptr;
    HKEY refusingLocalMachine_ = nullptr;
    bool ready_ = false;
};

struct StoredValue {
    DWORD type = 0;
    std::vector<std::uint8_t> bytes;
    friend bool operator==(const StoredValue&, const StoredValue&) = default;
};

// Reads one value back with RegQueryValueExA; nothing when the key or the value is missing.
std::optional<StoredValue> queryValue(HKEY root, const std::string& path, const std::string& name);
bool keyExists(HKEY root, const std::string& path);
// Number of values of a key, or -1 when it does not open.
long valueCount(HKEY root, const std::string& path);
long subkeyCount(HKEY key);

}  // namespace quorvex::test
