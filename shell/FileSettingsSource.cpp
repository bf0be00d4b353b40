// The settings key where there is no registry: the machine-wide settings files.

#include <sys/stat.h>
#include <cstdlib>
#include <fstream>

#include "shell/Settings.h"
#include "shell/SettingsSource.h"
#include "shell/SettingsValue.h"

namespace vertebra {

namespace {

// A settings file is a few lines; anything larger is not one and counts as unreadable.
constexpr std::streamsize kMaxFileSize = 16 << 20;

// "Software\Zelmor\Quentaril" -> "Zelmor/Quentaril.conf"
std::string SettingsFileName() {
    std::string_view path = SettingsKey.path;
    path.remove_prefix(path.find('\\') + 1);
    std::string name(path);
    for (char& c : name) {
        if (c == '\\') c = '/';
    }
    return name + ".conf";
}

bool ReadWholeFile(const std::string& path, std::string& content) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    content.resize(static_cast<std::size_t>(kMaxFileSize) + 1);
    file.read(content.data(), kMaxFileSize + 1);
    if (file.bad() || file.gcount() > kMaxFileSize) return false;
    content.resize(static_cast<std::size_t>(file.gcount()));
    return true;
}

}  // namespace

struct SettingsSource::Impl {
    SettingsValues values;
};

SettingsSource::SettingsSource(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}
SettingsSource::~SettingsSource() = default;

std::unique_ptr<SettingsSource> SettingsSource::Open() {
    auto impl = std::make_unique<Impl>();
    bool opened = false;
    const std::string fileName = SettingsFileName();
    for (const std::string& folder : ConfigDirectories(std::getenv("XDG_CONFIG_DIRS"))) {
        std::string content;
        if (!ReadWholeFile(folder + "/" + fileName, content)) continue;
        opened = true;
        // An earlier folder wins: insert only what is not there yet.
        impl->values.merge(ParseSettingsFile(content));
    }
    if (!opened) return nullptr;
    return std::unique_ptr<SettingsSource>(new SettingsSource(std::move(impl)));
}

std::optional<std::string> SettingsSource::Read(const char* valueName) const {
    const auto found = m_impl->values.find(std::string_view(valueName));
    if (found == m_impl->values.end() || !FitsSettingsBuffer(found->second)) return std::nullopt;
    return found->second;
}

}  // namespace vertebra
