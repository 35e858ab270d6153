#include "tuning/win32_registry_backend.h"

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace quorvex {
namespace {

// The platform's own predefined handles: on 64-bit Windows they are the 32-bit codes
// sign-extended (HKEY_LOCAL_MACHINE is 0xFFFFFFFF80000002), not the Hive's value as it stands.
HKEY rootOf(Hive hive) {
    return hive == Hive::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

HKEY handleOf(RegKey key) {
    return reinterpret_cast<HKEY>(key);
}

}  // namespace

long Win32RegistryBackend::createKey(Hive hive, const std::string& path, RegKey& key) {
    HKEY opened = nullptr;
    DWORD disposition = 0;
    const LSTATUS status =
        RegCreateKeyExA(rootOf(hive), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, kRegAccess,
                        nullptr, &opened, &disposition);
    if (status == ERROR_SUCCESS) key = reinterpret_cast<RegKey>(opened);
    return status;
}

long Win32RegistryBackend::openKey(Hive hive, const std::string& path, RegKey& key) {
    HKEY opened = nullptr;
    const LSTATUS status = RegOpenKeyExA(rootOf(hive), path.c_str(), 0, kRegAccess, &opened);
    if (status == ERROR_SUCCESS) key = reinterpret_cast<RegKey>(opened);
    return status;
}

long Win32RegistryBackend::setValue(RegKey key, const std::string& name, std::uint32_t type,
                                    const std::vector<std::uint8_t>& data) {
    return RegSetValueExA(handleOf(key), name.c_str(), 0, type, data.data(),
                          static_cast<DWORD>(data.size()));
}

void Win32RegistryBackend::closeKey(RegKey key) {
    RegCloseKey(handleOf(key));
}

// Opened for reading only, so that values under HKEY_LOCAL_MACHINE can be read without the
// administrator rights that writing them needs.
long Win32RegistryBackend::queryValue(Hive hive, const std::string& path, const std::string& name,
                                      std::uint32_t& type, std::vector<std::uint8_t>& data) {
    HKEY opened = nullptr;
    LSTATUS status = RegOpenKeyExA(rootOf(hive), path.c_str(), 0, KEY_QUERY_VALUE, &opened);
    if (status != ERROR_SUCCESS) return status;
    std::vector<std::uint8_t> buffer(64);
    for (;;) {
        DWORD size = static_cast<DWORD>(buffer.size());
        DWORD found = 0;
        status = RegQueryValueExA(opened, name.c_str(), nullptr, &found, buffer.data(), &size);
        if (status == ERROR_MORE_DATA) {  // grown since the last try: ask with its size now
            buffer.resize(size > buffer.size() ? size : buffer.size() * 2);
            continue;
        }
        if (status == ERROR_SUCCESS) {
            buffer.resize(size);
            type = found;
            data = std::move(buffer);
        }
        break;
    }
    RegCloseKey(opened);
    return status;
}

long Win32RegistryBackend::deleteValue(RegKey key, const std::string& name) {
    return RegDeleteValueA(handleOf(key), name.c_str());
}

RegistryFailure Win32RegistryBackend::describeFailure(long status) const {
    return {{}, systemErrorText(static_cast<unsigned long>(status)), status};
}

}  // namespace quorvex
