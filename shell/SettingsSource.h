#pragma once

// The settings key while it is open, with one implementation per platform. Opening finds the
// key; destroying the source closes it. Nothing is kept between two openings.

#include <memory>
#include <optional>
#include <string>

namespace vertebra {

class SettingsSource {
public:
    // Nothing when the key does not open (absent, refused, unreadable).
    static std::unique_ptr<SettingsSource> Open();

    ~SettingsSource();
    SettingsSource(const SettingsSource&) = delete;
    SettingsSource& operator=(const SettingsSource&) = delete;

    // A value's text in UTF-8, or nothing when the value cannot be read and is to be skipped.
    std::optional<std::string> Read(const char* valueName) const;

private:
    struct Impl;
    explicit SettingsSource(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> m_impl;
};

}  // namespace vertebra
