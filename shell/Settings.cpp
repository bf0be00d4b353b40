#include "shell/Settings.h"

#include "shell/SettingsSource.h"

namespace vertebra {

void LoadExpertNames(std::vector<std::string>& experts) {
    const std::unique_ptr<SettingsSource> key = SettingsSource::Open();
    if (!key) return;
    experts.clear();
    for (const char* name : ExpertNameValues) {
        if (std::optional<std::string> text = key->Read(name)) experts.push_back(std::move(*text));
    }
}

std::string ReadReportTitle() {
    const std::unique_ptr<SettingsSource> key = SettingsSource::Open();
    if (!key) return {};
    return key->Read(TitleValue).value_or(std::string{});
}

}  // namespace vertebra
