// Fuzzing how stored bytes become settings texts: the registry's bytes (any type, any length,
// with or without a terminator) and the settings file's lines and values.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "shell/Settings.h"
#include "shell/SettingsValue.h"

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    // The registry: the first byte chooses the size the read reports, the rest fills the buffer.
    if (size > 0) {
        char buffer[vertebra::SettingsBufferSize];
        std::memset(buffer, 'X', sizeof buffer);
        const std::size_t filled = std::min(size - 1, sizeof buffer);
        std::memcpy(buffer, data + 1, filled);
        const std::size_t returned =
            data[0] == 255 ? 1 << 20 : std::min<std::size_t>(data[0] * 2, sizeof buffer);
        const std::string_view text = vertebra::RegistryValueText(buffer, returned);
        if (text.data() != buffer) Fail("the text does not start at the buffer");
        if (text.size() > std::min(returned, sizeof buffer))
            Fail("the text runs past the returned bytes");
        if (text.find('\0') != std::string_view::npos) Fail("a zero byte inside the text");
        if (text.size() < std::min(returned, sizeof buffer) && buffer[text.size()] != '\0') {
            Fail("the text stops before the data end without a zero byte");
        }
    }

    // The settings file and its values.
    const std::string value = vertebra::DecodeSettingsValue(input);
    if (value.find('\0') != std::string::npos) Fail("a zero character inside a value");
    for (const auto& [name, text] : vertebra::ParseSettingsFile(input)) {
        if (text.find('\0') != std::string::npos) Fail("a zero character inside a file value");
        if (name.find('\n') != std::string::npos) Fail("a line feed inside a name");
        const bool fits = vertebra::FitsSettingsBuffer(text);
        std::size_t characters = 0;
        for (char c : text)
            characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        if (fits != (characters < vertebra::SettingsBufferSize)) Fail("the length limit is wrong");
    }
    return 0;
}
