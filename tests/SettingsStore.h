#pragma once

// Fills the installation settings for a test: the registry key through reg.exe on Windows, the
// machine-wide settings file in a folder of the test's own elsewhere.

#include <cstdint>
#include <string>

class SettingsStore {
public:
    SettingsStore();  // points the settings reader at the test's store and empties it

    static constexpr bool kTypedValues =
#ifdef _WIN32
        true;  // values of other types than text exist only in the registry
#else
        false;
#endif

    void RemoveKey();
    void CreateKey();
    void SetText(const std::string& name, const std::string& utf8);
    void SetDword(const std::string& name, std::uint32_t value);
    void SetBinary(const std::string& name, const std::string& hexBytes);
    void Remove(const std::string& name);
    // Writes a value exactly as it stands in the file, with no quoting.
    void SetWritten(const std::string& name, const std::string& written);
};
