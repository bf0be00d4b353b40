// The settings key in the Windows registry, read through the ANSI interface.

#include <windows.h>

#include "shell/Settings.h"
#include "shell/SettingsSource.h"
#include "shell/SettingsValue.h"

namespace vertebra {

namespace {

// The system's ANSI code page to UTF-8, by way of UTF-16.
std::string AnsiToUtf8(std::string_view ansi) {
    if (ansi.empty()) return {};
    const int size = static_cast<int>(ansi.size());
    const int wide = MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, nullptr, 0);
    if (wide <= 0) return {};
    std::wstring utf16(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, utf16.data(), wide);
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, utf16.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), wide, utf8.data(), bytes, nullptr, nullptr);
    return utf8;
}

}  // namespace

struct SettingsSource::Impl {
    HKEY key = nullptr;
};

SettingsSource::SettingsSource(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}

SettingsSource::~SettingsSource() {
    RegCloseKey(m_impl->key);
}

std::unique_ptr<SettingsSource> SettingsSource::Open() {
    const std::string path(SettingsKey.path);
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), SettingsKey.options,
                      static_cast<REGSAM>(SettingsKey.access), &key) != ERROR_SUCCESS) {
        return nullptr;
    }
    auto impl = std::make_unique<Impl>();
    impl->key = key;
    return std::unique_ptr<SettingsSource>(new SettingsSource(std::move(impl)));
}

std::optional<std::string> SettingsSource::Read(const char* valueName) const {
    char buffer[SettingsBufferSize];
    DWORD type = 0;  // not examined: any type is taken as text
    DWORD size = SettingsBufferSize;
    if (RegQueryValueExA(m_impl->key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer),
                         &size) != ERROR_SUCCESS) {
        return std::nullopt;  // absent, or too large for the buffer
    }
    return AnsiToUtf8(RegistryValueText(buffer, size));
}

}  // namespace vertebra
