#include <windows.h>

#include <cstdio>
#include <stdexcept>

#include "SettingsStore.h"

namespace {

const std::wstring kKey = L"HKLM\\Software\\Zelmor\\Quentaril";

std::wstring Wide(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

// Runs reg.exe, as an installer or an administrator would.
void Reg(const std::wstring& arguments, bool mayFail = false) {
    const std::wstring command = L"reg " + arguments + L" >NUL 2>&1";
    const int status = _wsystem(command.c_str());
    if (status != 0 && !mayFail) {
        throw std::runtime_error("reg.exe failed with status " + std::to_string(status));
    }
}

}  // namespace

SettingsStore::SettingsStore() {
    RemoveKey();
}

void SettingsStore::RemoveKey() {
    Reg(L"delete \"" + kKey + L"\" /f", true);
}

void SettingsStore::CreateKey() {
    Reg(L"add \"" + kKey + L"\" /f");
}

void SettingsStore::SetText(const std::string& name, const std::string& utf8) {
    Reg(L"add \"" + kKey + L"\" /v " + Wide(name) + L" /t REG_SZ /d \"" + Wide(utf8) + L"\" /f");
}

void SettingsStore::SetWritten(const std::string& name, const std::string& written) {
    SetText(name, written);
}

void SettingsStore::SetDword(const std::string& name, std::uint32_t value) {
    Reg(L"add \"" + kKey + L"\" /v " + Wide(name) + L" /t REG_DWORD /d " + std::to_wstring(value) +
        L" /f");
}

void SettingsStore::SetBinary(const std::string& name, const std::string& hexBytes) {
    const std::wstring data = hexBytes.empty() ? L"" : L" /d " + Wide(hexBytes);
    Reg(L"add \"" + kKey + L"\" /v " + Wide(name) + L" /t REG_BINARY" + data + L" /f");
}

void SettingsStore::Remove(const std::string& name) {
    Reg(L"delete \"" + kKey + L"\" /v " + Wide(name) + L" /f");
}
