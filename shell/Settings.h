#pragma once

// The installation settings: up to four expert names and a heading for the appendix, kept under
// one machine-wide key that an installation may fill and the program only ever reads. Every
// setting is optional and every failure is silent.
//
// On Windows the key is HKEY_LOCAL_MACHINE\Software\Zelmor\Quentaril in the registry, read
// through the ANSI interface. Elsewhere it is the machine-wide settings file Zelmor/Quentaril.conf
// in each folder of XDG_CONFIG_DIRS (default /etc/xdg), the earlier folder winning, with the same
// value names and limits. Texts come back as UTF-8.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vertebra {

struct SettingsKeyLocation {
    std::string_view hive;
    std::string_view path;  // also names the settings file: Zelmor/Quentaril.conf
    unsigned long options;
    unsigned long access;  // KEY_READ
};
inline constexpr SettingsKeyLocation SettingsKey{"HKEY_LOCAL_MACHINE",
                                                 "Software\\Zelmor\\Quentaril", 0, 0x20019};

inline constexpr std::array<const char*, 4> ExpertNameValues{"Name1", "Name2", "Name3", "Name4"};
inline constexpr const char* TitleValue = "Title";

// A value is read into a buffer of this many bytes, so its text holds at most one less; a longer
// value counts as absent.
inline constexpr std::size_t SettingsBufferSize = 260;

// When the key opens, replaces `experts` with each of Name1 ... Name4 that reads, in this order
// (a value that does not read leaves no gap); when it does not, leaves `experts` as it is.
void LoadExpertNames(std::vector<std::string>& experts);

// The Title value's text, or the empty text when the key or the value cannot be read.
std::string ReadReportTitle();

}  // namespace vertebra
