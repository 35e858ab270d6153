#include "settings/win32_registry_settings_storage.h"

#include <windows.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace quorvex {
namespace {

std::optional<std::wstring> widen(const std::string& text) {
    if (text.empty()) return std::wstring();
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(),
                                           static_cast<int>(text.size()), nullptr, 0);
    if (length <= 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()),
                        wide.data(), length);
    return wide;
}

std::string narrow(const std::wstring& wide) {
    if (wide.empty()) return {};
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                           nullptr, 0, nullptr, nullptr);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(), length,
                        nullptr, nullptr);
    return text;
}

// A section is one key below the root: a backslash would reach some other key.
bool usableSection(const std::string& section) {
    return !section.empty() && section.find('\\') == std::string::npos;
}

class OpenKey {
  public:
    OpenKey() = default;
    ~OpenKey() {
        if (key_) RegCloseKey(key_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    HKEY* out() { return &key_; }
    HKEY get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

}  // namespace

Win32RegistrySettingsStorage::Win32RegistrySettingsStorage(std::string root)
    : root_(std::move(root)) {}

std::optional<std::string> Win32RegistrySettingsStorage::read(const std::string& section,
                                                              const std::string& key) const {
    const auto stored = query(section, key);
    if (!stored || stored->type != REG_SZ) return std::nullopt;
    std::wstring wide(stored->data.size() / sizeof(wchar_t), L'\0');
    std::copy_n(stored->data.data(), wide.size() * sizeof(wchar_t),
                reinterpret_cast<BYTE*>(wide.data()));
    // The stored terminator is no part of the text (a value written elsewhere may lack it).
    if (!wide.empty() && wide.back() == L'\0') wide.pop_back();
    return narrow(wide);
}

bool Win32RegistrySettingsStorage::write(const std::string& section, const std::string& key,
                                         const std::string& value) {
    const auto text = widen(value);
    if (!text) {
        refused_ = true;
        return false;
    }
    return set(section, key, REG_SZ, reinterpret_cast<const std::uint8_t*>(text->c_str()),
               static_cast<std::uint32_t>((text->size() + 1) * sizeof(wchar_t)));
}

std::optional<OtherSetting> Win32RegistrySettingsStorage::readOther(const std::string& section,
                                                                    const std::string& key) const {
    auto stored = query(section, key);
    if (!stored || stored->type == REG_SZ) return std::nullopt;
    return stored;
}

bool Win32RegistrySettingsStorage::writeOther(const std::string& section, const std::string& key,
                                              const OtherSetting& value) {
    return set(section, key, value.type, value.data.data(),
               static_cast<std::uint32_t>(value.data.size()));
}

std::optional<OtherSetting> Win32RegistrySettingsStorage::query(const std::string& section,
                                                                const std::string& key) const {
    if (!usableSection(section)) return std::nullopt;
    const auto path = widen(root_ + "\\" + section);
    const auto name = widen(key);
    if (!path || !name) return std::nullopt;
    OpenKey opened;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path->c_str(), 0, KEY_QUERY_VALUE, opened.out()) !=
        ERROR_SUCCESS)
        return std::nullopt;
    std::vector<BYTE> data(256);
    for (;;) {
        DWORD type = 0;
        DWORD size = static_cast<DWORD>(data.size());
        const LSTATUS status =
            RegQueryValueExW(opened.get(), name->c_str(), nullptr, &type, data.data(), &size);
        if (status == ERROR_MORE_DATA) {  // grown since: ask again with the size it has now
            data.resize(size > data.size() ? size : data.size() * 2);
            continue;
        }
        if (status != ERROR_SUCCESS) return std::nullopt;
        data.resize(size);
        return OtherSetting{type, {data.begin(), data.end()}};
    }
}

bool Win32RegistrySettingsStorage::set(const std::string& section, const std::string& key,
                                       std::uint32_t type, const std::uint8_t* data,
                                       std::uint32_t size) {
    const auto path = widen(root_ + "\\" + section);
    const auto name = widen(key);
    if (!usableSection(section) || !path || !name) {
        refused_ = true;
        return false;
    }
    OpenKey opened;
    LSTATUS status =
        RegCreateKeyExW(HKEY_CURRENT_USER, path->c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, opened.out(), nullptr);
    if (status == ERROR_SUCCESS)
        status = RegSetValueExW(opened.get(), name->c_str(), 0, static_cast<DWORD>(type), data,
                                static_cast<DWORD>(size));
    if (status != ERROR_SUCCESS) refused_ = true;
    return status == ERROR_SUCCESS;
}

bool Win32RegistrySettingsStorage::flush() {
    return !std::exchange(refused_, false);
}

bool Win32RegistrySettingsStorage::remove(const std::string& section, const std::string& key) {
    const auto path = widen(root_ + "\\" + section);
    const auto name = widen(key);
    if (!usableSection(section) || !path || !name) {
        refused_ = true;
        return false;
    }
    OpenKey opened;
    LSTATUS status =
        RegOpenKeyExW(HKEY_CURRENT_USER, path->c_str(), 0, KEY_SET_VALUE, opened.out());
    if (status == ERROR_FILE_NOT_FOUND) return true;
    if (status == ERROR_SUCCESS) status = RegDeleteValueW(opened.get(), name->c_str());
    if (status == ERROR_FILE_NOT_FOUND) return true;
    if (status != ERROR_SUCCESS) refused_ = true;
    return status == ERROR_SUCCESS;
}

}  // namespace quorvex
