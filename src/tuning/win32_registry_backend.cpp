#include "tuning/win32_registry_backend.h"

#include <windows.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace quorvex {
namespace {

HKEY handleOf(RegKey key) {
    return reinterpret_cast<HKEY>(key);
}

// Key paths, value names and texts are UTF-8 here and UTF-16 in the registry: through the wide
// functions every text comes back as it was, not only what the ANSI code page can spell.
std::wstring wide(const char* utf8, std::size_t size) {
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8, static_cast<int>(size), nullptr, 0);
    std::wstring text(length > 0 ? static_cast<std::size_t>(length) : 0, L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_UTF8, 0, utf8, static_cast<int>(size), text.data(), length);
    return text;
}

std::wstring wide(const std::string& utf8) {
    return wide(utf8.data(), utf8.size());
}

std::string narrow(const wchar_t* text, std::size_t size) {
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(size), nullptr, 0, nullptr, nullptr);
    std::string utf8(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
    if (length > 0)
        WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(size), utf8.data(), length, nullptr,
                            nullptr);
    return utf8;
}

// The types whose data is text, terminators included.
bool isText(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

std::vector<std::uint8_t> utf16Bytes(const std::vector<std::uint8_t>& utf8) {
    const std::wstring text = wide(reinterpret_cast<const char*>(utf8.data()), utf8.size());
    const auto* first = reinterpret_cast<const std::uint8_t*>(text.data());
    return {first, first + text.size() * sizeof(wchar_t)};
}

std::vector<std::uint8_t> utf8Bytes(const std::vector<std::uint8_t>& utf16) {
    std::wstring text(utf16.size() / sizeof(wchar_t), L'\0');
    if (!text.empty()) std::memcpy(text.data(), utf16.data(), text.size() * sizeof(wchar_t));
    const std::string utf8 = narrow(text.data(), text.size());
    return {utf8.begin(), utf8.end()};
}

}  // namespace

Win32RegistryBackend::Win32RegistryBackend(const std::string& userSid) : forUser_(true) {
    HKEY opened = nullptr;
    userHiveStatus_ = RegOpenKeyExW(HKEY_USERS, wide(userSid).c_str(), 0, kRegAccess, &opened);
    if (userHiveStatus_ == ERROR_SUCCESS) userHive_ = opened;
}

Win32RegistryBackend::~Win32RegistryBackend() {
    if (userHive_) RegCloseKey(static_cast<HKEY>(userHive_));
}

// The platform's own predefined handles: on 64-bit Windows they are the 32-bit codes
// sign-extended (HKEY_LOCAL_MACHINE is 0xFFFFFFFF80000002), not the Hive's value as it stands.
long Win32RegistryBackend::root(Hive hive, void*& key) const {
    if (hive == Hive::LocalMachine) {
        key = HKEY_LOCAL_MACHINE;
        return ERROR_SUCCESS;
    }
    if (!forUser_) {
        key = HKEY_CURRENT_USER;
        return ERROR_SUCCESS;
    }
    key = userHive_;
    return userHive_ ? ERROR_SUCCESS : userHiveStatus_;
}

long Win32RegistryBackend::createKey(Hive hive, const std::string& path, RegKey& key) {
    void* rootKey = nullptr;
    if (const long status = root(hive, rootKey); status != ERROR_SUCCESS) return status;
    HKEY opened = nullptr;
    DWORD disposition = 0;
    const LSTATUS status =
        RegCreateKeyExW(static_cast<HKEY>(rootKey), wide(path).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, kRegAccess, nullptr, &opened, &disposition);
    if (status == ERROR_SUCCESS) key = reinterpret_cast<RegKey>(opened);
    return status;
}

long Win32RegistryBackend::openKey(Hive hive, const std::string& path, RegKey& key) {
    void* rootKey = nullptr;
    if (const long status = root(hive, rootKey); status != ERROR_SUCCESS) return status;
    HKEY opened = nullptr;
    const LSTATUS status =
        RegOpenKeyExW(static_cast<HKEY>(rootKey), wide(path).c_str(), 0, kRegAccess, &opened);
    if (status == ERROR_SUCCESS) key = reinterpret_cast<RegKey>(opened);
    return status;
}

long Win32RegistryBackend::setValue(RegKey key, const std::string& name, std::uint32_t type,
                                    const std::vector<std::uint8_t>& data) {
    const std::vector<std::uint8_t> bytes = isText(type) ? utf16Bytes(data) : data;
    return RegSetValueExW(handleOf(key), wide(name).c_str(), 0, type, bytes.data(),
                          static_cast<DWORD>(bytes.size()));
}

void Win32RegistryBackend::closeKey(RegKey key) {
    RegCloseKey(handleOf(key));
}

// Opened for reading only, so that values under HKEY_LOCAL_MACHINE can be read without the
// administrator rights that writing them needs.
long Win32RegistryBackend::queryValue(Hive hive, const std::string& path, const std::string& name,
                                      std::uint32_t& type, std::vector<std::uint8_t>& data) {
    void* rootKey = nullptr;
    if (const long status = root(hive, rootKey); status != ERROR_SUCCESS) return status;
    HKEY opened = nullptr;
    LSTATUS status =
        RegOpenKeyExW(static_cast<HKEY>(rootKey), wide(path).c_str(), 0, KEY_QUERY_VALUE, &opened);
    if (status != ERROR_SUCCESS) return status;
    const std::wstring wideName = wide(name);
    std::vector<std::uint8_t> buffer(64);
    for (;;) {
        DWORD size = static_cast<DWORD>(buffer.size());
        DWORD found = 0;
        status = RegQueryValueExW(opened, wideName.c_str(), nullptr, &found, buffer.data(), &size);
        if (status == ERROR_MORE_DATA) {  // grown since the last try: ask with its size now
            buffer.resize(size > buffer.size() ? size : buffer.size() * 2);
            continue;
        }
        if (status == ERROR_SUCCESS) {
            buffer.resize(size);
            type = found;
            data = isText(found) ? utf8Bytes(buffer) : std::move(buffer);
        }
        break;
    }
    RegCloseKey(opened);
    return status;
}

long Win32RegistryBackend::deleteValue(RegKey key, const std::string& name) {
    return RegDeleteValueW(handleOf(key), wide(name).c_str());
}

RegistryFailure Win32RegistryBackend::describeFailure(long status) const {
    return {{}, systemErrorText(static_cast<unsigned long>(status)), status};
}

}  // namespace quorvex
