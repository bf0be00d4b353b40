// The rules that turn stored bytes into a settings value's text.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/Settings.h"
#include "shell/SettingsValue.h"

using namespace vertebra;

namespace {

struct BytesCase {
    const char* name;
    std::string bytes;  // what the read wrote into the buffer
    std::size_t returned;
    std::string text;
};

void PrintTo(const BytesCase& c, std::ostream* os) {
    *os << c.name;
}

class RegistryBytes : public ::testing::TestWithParam<BytesCase> {};

TEST_P(RegistryBytes, GiveText) {
    std::string buffer(SettingsBufferSize, 'X');  // leftovers of an earlier read
    buffer.replace(0, GetParam().bytes.size(), GetParam().bytes);
    EXPECT_EQ(RegistryValueText(buffer.data(), GetParam().returned), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Reads, RegistryBytes,
    ::testing::Values(
        BytesCase{"String", std::string("Name\0", 5), 5, "Name"},
        BytesCase{"ZeroLength", "", 0, ""},
        BytesCase{"OnlyTerminator", std::string(1, '\0'), 1, ""},
        BytesCase{"NoTerminatorEndsWithData", "ABC", 3, "ABC"},
        BytesCase{"DwordUpToFirstZero", std::string("ABC\0", 4), 4, "ABC"},
        BytesCase{"ZeroInsideEndsText", std::string("A\0BC", 4), 4, "A"},
        BytesCase{"FullBufferWithoutTerminator", std::string(260, 'W'), 260, std::string(260, 'W')},
        BytesCase{"SizeBeyondBufferClamped", std::string(260, 'W'), 5000, std::string(260, 'W')}),
    [](const auto& info) { return info.param.name; });

TEST(SettingsLength, AtMost259Characters) {
    EXPECT_TRUE(FitsSettingsBuffer(""));
    EXPECT_TRUE(FitsSettingsBuffer(std::string(259, 'a')));
    EXPECT_FALSE(FitsSettingsBuffer(std::string(260, 'a')));
    std::string cyrillic;
    for (int i = 0; i < 259; ++i)
        cyrillic += "Ж";  // 518 bytes, 259 characters
    EXPECT_TRUE(FitsSettingsBuffer(cyrillic));
    EXPECT_FALSE(FitsSettingsBuffer(cyrillic + "Ж"));
    EXPECT_FALSE(FitsSettingsBuffer(std::string(1 << 20, 'a')));
}

struct WrittenCase {
    const char* name;
    const char* written;
    std::string text;
};

void PrintTo(const WrittenCase& c, std::ostream* os) {
    *os << c.name;
}

class WrittenValue : public ::testing::TestWithParam<WrittenCase> {};

TEST_P(WrittenValue, Decodes) {
    EXPECT_EQ(DecodeSettingsValue(GetParam().written), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, WrittenValue,
    ::testing::Values(WrittenCase{"Plain", "Ровнягин К.С.", "Ровнягин К.С."},
                      WrittenCase{"BlanksAroundDropped", " \t Бюро СМЭ \t", "Бюро СМЭ"},
                      WrittenCase{"UnquotedCommaKept", "Иванов, И.И.", "Иванов, И.И."},
                      WrittenCase{"QuotesKeepBlanks", "\"  a, b  \"", "  a, b  "},
                      WrittenCase{"QuotedPart", "x\" ; \"y", "x ; y"},
                      WrittenCase{"CommentAfterValue", "x ; comment", "x"},
                      WrittenCase{"EscapedSemicolon", "x \\; y", "x ; y"},
                      WrittenCase{"Escapes", "a\\tb\\\\c\\\"d", "a\tb\\c\"d"},
                      WrittenCase{"HexCharacter", "\\x0041\\x0416", "AЖ"},
                      WrittenCase{"AtString", "@String(@home)", "@home"},
                      WrittenCase{"Empty", "", ""}, WrittenCase{"EmptyQuotes", "\"\"", ""},
                      WrittenCase{"TrailingBackslash", "a\\", "a\\"},
                      WrittenCase{"ZeroCharacterEndsText", "ab\\x0 zz", "ab"}),
    [](const auto& info) { return info.param.name; });

TEST(SettingsFileParse, GeneralSectionOnly) {
    const SettingsValues values = ParseSettingsFile(
        "\xEF\xBB\xBF"
        "Name1=before any section\r\n"
        "; Name2=commented out\n"
        "# Title=commented out\n"
        "[Other]\n"
        "Name3=other section\n"
        "[general]\n"
        "  Name4  =  spaced  \n"
        "no equals sign\n"
        "Title=first\n"
        "Title=last wins\n");
    EXPECT_EQ(values,
              (SettingsValues{
                  {"Name1", "before any section"}, {"Name4", "spaced"}, {"Title", "last wins"}}));
}

TEST(SettingsFileParse, BinaryJunkNeverBreaksIt) {
    std::string junk;
    for (int i = 0; i < 4096; ++i)
        junk += static_cast<char>((i * 7919) % 256);
    const SettingsValues values = ParseSettingsFile("Name1=" + junk + "\nTitle=ok\n");
    EXPECT_EQ(values.at("Title"), "ok");
}

TEST(ConfigFolders, FromXdgConfigDirs) {
    using V = std::vector<std::string>;
    EXPECT_EQ(ConfigDirectories(nullptr), V{"/etc/xdg"});
    EXPECT_EQ(ConfigDirectories(""), V{"/etc/xdg"});
    EXPECT_EQ(ConfigDirectories("relative"), V{"/etc/xdg"});
    EXPECT_EQ(ConfigDirectories("/a:/b/"), (V{"/a", "/b"}));
    EXPECT_EQ(ConfigDirectories("::/a::rel:/"), (V{"/a", "/"}));
}

}  // namespace
