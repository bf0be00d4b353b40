#include "shell/SettingsValue.h"

#include <algorithm>
#include <cstring>

#include "shell/Settings.h"

namespace vertebra {

namespace {

constexpr bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && (IsBlank(s.back()) || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return (x | 0x20) == (y | 0x20);
           });
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        if (cp >= 0xD800 && cp <= 0xDFFF) cp = 0xFFFD;  // a lone surrogate is not a character
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string_view RegistryValueText(const char* buffer, std::size_t returnedSize) {
    const std::size_t size = std::min(returnedSize, SettingsBufferSize);
    const void* zero = std::memchr(buffer, 0, size);
    return {buffer,
            zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - buffer) : size};
}

bool FitsSettingsBuffer(std::string_view utf8) {
    // Count characters, not bytes: every byte but a continuation byte starts one.
    std::size_t characters = 0;
    for (char c : utf8) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80 && ++characters >= SettingsBufferSize) {
            return false;
        }
    }
    return true;
}

std::string DecodeSettingsValue(std::string_view written) {
    const std::string_view raw = Trim(written);
    std::string out;
    std::size_t kept = 0;  // length up to the last character that is not a trailing blank
    bool quoted = false;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        char c = raw[i];
        if (c == '"') {
            quoted = !quoted;
            kept = out.size();
            continue;
        }
        if (c == ';' && !quoted) break;
        if (c == '\\' && i + 1 < raw.size()) {
            const char e = raw[++i];
            switch (e) {
                case 'a':
                    c = '\a';
                    break;
                case 'b':
                    c = '\b';
                    break;
                case 'f':
                    c = '\f';
                    break;
                case 'n':
                    c = '\n';
                    break;
                case 'r':
                    c = '\r';
                    break;
                case 't':
                    c = '\t';
                    break;
                case 'v':
                    c = '\v';
                    break;
                case 'x': {
                    char32_t cp = 0;
                    int digits = 0;
                    while (digits < 4 && i + 1 < raw.size() && HexDigit(raw[i + 1]) >= 0) {
                        cp = cp * 16 + static_cast<char32_t>(HexDigit(raw[++i]));
                        ++digits;
                    }
                    AppendUtf8(out, cp);
                    kept = out.size();
                    continue;
                }
                default:
                    c = e;
                    break;  // \" \' \\ \; \, and any other character as itself
            }
            out += c;
            kept = out.size();
            continue;
        }
        out += c;
        if (quoted || !IsBlank(c)) kept = out.size();
    }
    out.resize(kept);
    if (out.starts_with("@String(") && out.ends_with(')')) out = out.substr(8, out.size() - 9);
    if (const std::size_t zero = out.find('\0'); zero != std::string::npos) out.resize(zero);
    return out;
}

SettingsValues ParseSettingsFile(std::string_view content) {
    SettingsValues values;
    if (content.starts_with("\xEF\xBB\xBF")) content.remove_prefix(3);
    bool general = true;  // keys before any section belong to General
    while (!content.empty()) {
        const std::size_t end = std::min(content.find('\n'), content.size());
        const std::string_view line = Trim(content.substr(0, end));
        content.remove_prefix(std::min(end + 1, content.size()));

        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            general = close != std::string_view::npos &&
                      EqualsIgnoringCase(Trim(line.substr(1, close - 1)), "General");
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!general || equals == std::string_view::npos) continue;
        values.insert_or_assign(std::string(Trim(line.substr(0, equals))),
                                DecodeSettingsValue(line.substr(equals + 1)));
    }
    return values;
}

std::vector<std::string> ConfigDirectories(const char* xdgConfigDirs) {
    std::vector<std::string> folders;
    std::string_view list = xdgConfigDirs ? xdgConfigDirs : "";
    while (!list.empty()) {
        const std::size_t colon = std::min(list.find(':'), list.size());
        std::string_view folder = list.substr(0, colon);
        list.remove_prefix(std::min(colon + 1, list.size()));
        while (folder.size() > 1 && folder.back() == '/')
            folder.remove_suffix(1);
        if (folder.starts_with('/')) folders.emplace_back(folder);
    }
    if (folders.empty()) folders.emplace_back("/etc/xdg");
    return folders;
}

}  // namespace vertebra
