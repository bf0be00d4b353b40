#pragma once

// Small text helpers shared by the tests: counting characters and checking code-page bytes.

#include <cstdint>
#include <string>
#include <string_view>

namespace testing_text {

inline std::u32string DecodeUtf8(std::string_view s) {
    std::u32string out;
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        int extra = c < 0x80 ? 0 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
        char32_t cp = extra == 0   ? c
                      : extra == 1 ? (c & 0x1F)
                      : extra == 2 ? (c & 0x0F)
                                   : (c & 0x07);
        for (int k = 1; k <= extra && i + k < s.size(); ++k) {
            cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        }
        out.push_back(cp);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

inline std::size_t CharacterCount(std::string_view utf8) {
    return DecodeUtf8(utf8).size();
}

// Windows-1251 bytes of a text of ASCII, Russian letters and the numero sign; '?' for the rest.
inline std::string ToCp1251(std::string_view utf8) {
    std::string out;
    for (char32_t cp : DecodeUtf8(utf8)) {
        if (cp < 0x80)
            out += static_cast<char>(cp);
        else if (cp >= 0x0410 && cp <= 0x044F)
            out += static_cast<char>(0xC0 + (cp - 0x0410));
        else if (cp == 0x0401)
            out += static_cast<char>(0xA8);
        else if (cp == 0x0451)
            out += static_cast<char>(0xB8);
        else if (cp == 0x2116)
            out += static_cast<char>(0xB9);
        else
            out += '?';
    }
    return out;
}

}  // namespace testing_text
