#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>

#include "SettingsStore.h"

namespace fs = std::filesystem;

namespace {

fs::path Folder() {
    return fs::current_path() / "settings-store";
}
fs::path File() {
    return Folder() / "Zelmor" / "Quentaril.conf";
}

std::map<std::string, std::string> written;  // value name -> text after '='
bool keyExists = false;

void Save() {
    if (!keyExists) {
        fs::remove(File());
        return;
    }
    fs::create_directories(File().parent_path());
    std::ofstream out(File(), std::ios::binary | std::ios::trunc);
    out << "[General]\n";
    for (const auto& [name, text] : written)
        out << name << '=' << text << '\n';
    if (!out) throw std::runtime_error("cannot write " + File().string());
}

// Quotes a text so that the file gives it back unchanged.
std::string Quote(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + '"';
}

}  // namespace

SettingsStore::SettingsStore() {
    ::setenv("XDG_CONFIG_DIRS", Folder().c_str(), 1);
    RemoveKey();
}

void SettingsStore::RemoveKey() {
    written.clear();
    keyExists = false;
    Save();
}

void SettingsStore::CreateKey() {
    keyExists = true;
    Save();
}

void SettingsStore::SetText(const std::string& name, const std::string& utf8) {
    SetWritten(name, Quote(utf8));
}

void SettingsStore::SetWritten(const std::string& name, const std::string& text) {
    written[name] = text;
    keyExists = true;
    Save();
}

void SettingsStore::SetDword(const std::string&, std::uint32_t) {
    throw std::logic_error("a settings file holds only texts");
}

void SettingsStore::SetBinary(const std::string&, const std::string&) {
    throw std::logic_error("a settings file holds only texts");
}

void SettingsStore::Remove(const std::string& name) {
    written.erase(name);
    Save();
}
