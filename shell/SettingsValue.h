#pragma once

// How the bytes that the settings store hands back become a value's text. Pure functions, so
// that the rules can be tested and fuzzed on any platform.

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vertebra {

// The text of a registry value from the bytes its own read returned: whatever the value's type,
// the bytes up to the first zero byte, or up to the returned size when there is none (never past
// the buffer). Zero bytes returned give the empty text.
std::string_view RegistryValueText(const char* buffer, std::size_t returnedSize);

// Whether a UTF-8 text fits the settings buffer with its terminator: at most 259 characters.
bool FitsSettingsBuffer(std::string_view utf8);

// The values of the General section of a settings file in the INI form Qt's settings use:
// "[General]" or no section, "Key=Value" lines, ';' and '#' comment lines.
using SettingsValues = std::map<std::string, std::string, std::less<>>;
SettingsValues ParseSettingsFile(std::string_view content);

// A value as written after '=': surrounding blanks dropped, double quotes keep blanks and
// commas, backslash escapes (\n, \t, \", \\, \xHHHH ...), ';' outside quotes starts a comment,
// "@String(...)" unwrapped. A comma never splits it: the text comes back as it was written.
// The text ends at a zero character, as a registry value's does.
std::string DecodeSettingsValue(std::string_view written);

// The folders of a colon-separated XDG_CONFIG_DIRS in order, /etc/xdg when it holds none;
// relative entries are ignored.
std::vector<std::string> ConfigDirectories(const char* xdgConfigDirs);

}  // namespace vertebra
