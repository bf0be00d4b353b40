// The installation settings read for real: from the registry under Wine on Windows, from the
// machine-wide settings file elsewhere. One table of cases serves both.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "SettingsStore.h"
#include "shell/Settings.h"

using vertebra::LoadExpertNames;
using vertebra::ReadReportTitle;
using Names = std::vector<std::string>;

namespace {

const Names kBuiltIn = {"Ровнягин К.С.", "Тельчуков Д.Л.", "Сарминов И.П.", "Квашнирин О.Е."};

std::string Repeat(const std::string& s, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += s;
    return out;
}

struct SettingsCase {
    const char* name;
    bool typedValues;  // needs values of other types than text
    std::function<void(SettingsStore&)> fill;
    std::optional<Names> names;  // nothing: the built-in list stays
    std::string title;
};

void PrintTo(const SettingsCase& c, std::ostream* os) {
    *os << c.name;
}

class Settings : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(Settings, ListAndTitle) {
    const SettingsCase& c = GetParam();
    if (c.typedValues && !SettingsStore::kTypedValues)
        GTEST_SKIP() << "only the registry has types";
    SettingsStore store;
    c.fill(store);

    Names experts = kBuiltIn;
    LoadExpertNames(experts);
    EXPECT_EQ(experts, c.names.value_or(kBuiltIn));
    EXPECT_EQ(ReadReportTitle(), c.title);
}

const std::string kLongest = Repeat("Ж", 259);  // with its terminator it fills the buffer

INSTANTIATE_TEST_SUITE_P(
    Cases, Settings,
    ::testing::Values(
        SettingsCase{"NoKey", false, [](SettingsStore& s) { s.RemoveKey(); }, std::nullopt, ""},
        SettingsCase{"EmptyKey", false, [](SettingsStore& s) { s.CreateKey(); }, Names{}, ""},
        SettingsCase{"OnlyName2AndName4", false,
                     [](SettingsStore& s) {
                         s.SetText("Name4", "Квашнирин О.Е.");
                         s.SetText("Name2", "Тельчуков Д.Л.");
                     },
                     Names{"Тельчуков Д.Л.", "Квашнирин О.Е."}, ""},
        SettingsCase{"AllFourReplaceTheBuiltInNames", false,
                     [](SettingsStore& s) {
                         s.SetText("Name1", "Ёлкин А.Б.");
                         s.SetText("Name2", "Щукина В.Г.");
                         s.SetText("Name3", "Эйдельман Ю.Я.");
                         s.SetText("Name4", "Smith J.");
                     },
                     Names{"Ёлкин А.Б.", "Щукина В.Г.", "Эйдельман Ю.Я.", "Smith J."}, ""},
        SettingsCase{
            "TitleButNoNames", false,
            [](SettingsStore& s) { s.SetText("Title", "Бюро судебно-медицинской экспертизы"); },
            Names{}, "Бюро судебно-медицинской экспертизы"},
        SettingsCase{"LongestNameReadWholeLongerSkipped", false,
                     [](SettingsStore& s) {
                         s.SetText("Name1", kLongest);
                         s.SetText("Name2", kLongest + "Ж");
                         s.SetText("Name3", "Короткий");  // the long value before does not limit it
                         s.SetText("Title", Repeat("T", 260));
                     },
                     Names{kLongest, "Короткий"}, ""},
        SettingsCase{"EmptyNameIsAnEntry", false,
                     [](SettingsStore& s) {
                         s.SetText("Name1", "");
                         s.SetText("Name3", "Третий");
                     },
                     Names{"", "Третий"}, ""},
        SettingsCase{"NumberTakenByteForByte", true,
                     [](SettingsStore& s) { s.SetDword("Name1", 0x00434241); }, Names{"ABC"}, ""},
        SettingsCase{"BinaryEndsWhereItsDataEnd", true,
                     [](SettingsStore& s) {
                         s.SetText("Name1", Repeat("Я", 200));  // leaves bytes in the buffer
                         s.SetBinary("Name2", "414243");        // no terminating zero
                         s.SetBinary("Name3", "");              // no data at all
                         s.SetBinary("Name4", "41004243");      // a zero inside
                     },
                     Names{Repeat("Я", 200), "ABC", "", "A"}, ""}),
    [](const auto& info) { return info.param.name; });

TEST(SettingsTitle, ReadAtEveryCallSoARemovedTitleReadsEmpty) {
    SettingsStore store;
    store.SetText("Title", "Ормелинское Обл. Бюро СМЭ");
    EXPECT_EQ(ReadReportTitle(), "Ормелинское Обл. Бюро СМЭ");
    store.SetText("Title", "Другое бюро");
    EXPECT_EQ(ReadReportTitle(), "Другое бюро");
    store.Remove("Title");
    EXPECT_EQ(ReadReportTitle(), "");
    store.RemoveKey();
    EXPECT_EQ(ReadReportTitle(), "");
}

#ifndef _WIN32
TEST(SettingsFile, UnquotedCommaComesBackAsWritten) {
    SettingsStore store;
    store.SetWritten("Name1", "Иванов, И.И.");
    store.SetWritten("Title", "  Бюро СМЭ, отделение  ; a comment");
    Names experts;
    LoadExpertNames(experts);
    EXPECT_EQ(experts, Names{"Иванов, И.И."});
    EXPECT_EQ(ReadReportTitle(), "Бюро СМЭ, отделение");
}

TEST(SettingsFile, EarlierFolderWinsAndNothingIsCreated) {
    namespace fs = std::filesystem;
    const fs::path first = fs::current_path() / "settings-first";
    const fs::path second = fs::current_path() / "settings-second";
    const fs::path missing = fs::current_path() / "settings-missing";
    fs::remove_all(first);
    fs::remove_all(second);
    fs::remove_all(missing);
    fs::create_directories(first / "Zelmor");
    fs::create_directories(second / "Zelmor");
    std::ofstream(first / "Zelmor" / "Quentaril.conf") << "Name2=Второй из первой\n";
    std::ofstream(second / "Zelmor" / "Quentaril.conf")
        << "Name1=Первый\nName2=Второй\nTitle=Бюро\n";
    const std::string dirs =
        missing.string() + ":relative:" + first.string() + ":" + second.string();
    ::setenv("XDG_CONFIG_DIRS", dirs.c_str(), 1);

    Names experts;
    LoadExpertNames(experts);
    EXPECT_EQ(experts, (Names{"Первый", "Второй из первой"}));
    EXPECT_EQ(ReadReportTitle(), "Бюро");
    EXPECT_FALSE(fs::exists(missing));  // read-only: no folder or file ever appears

    // A folder where the file should be is no settings file.
    fs::remove_all(second);
    fs::create_directories(second / "Zelmor" / "Quentaril.conf");
    fs::remove(first / "Zelmor" / "Quentaril.conf");
    experts = kBuiltIn;
    LoadExpertNames(experts);
    EXPECT_EQ(experts, kBuiltIn);
    EXPECT_EQ(ReadReportTitle(), "");
}
#endif

}  // namespace

#ifndef _WIN32
namespace {

// Writes a settings file byte for byte.
void WriteSettingsFile(const std::string& bytes) {
    namespace fs = std::filesystem;
    SettingsStore store;  // points the reader at the test's folder
    store.CreateKey();
    const fs::path file = fs::current_path() / "settings-store" / "Zelmor" / "Quentaril.conf";
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

TEST(HostileSettings, AMegabyteTitleCountsAsAbsent) {
    WriteSettingsFile("Name1=Первый\nTitle=" + std::string(1 << 20, 'T') + "\nName2=Второй\n");
    Names experts;
    LoadExpertNames(experts);
    EXPECT_EQ(experts, (Names{"Первый", "Второй"}));
    EXPECT_EQ(ReadReportTitle(), "");
}

TEST(HostileSettings, ControlCharactersAreKeptAsText) {
    WriteSettingsFile(
        std::string("Name1=a\x01\x02\x1b\x7f"
                    "b\nTitle=\x7f\n",
                    22));
    Names experts;
    LoadExpertNames(experts);
    EXPECT_EQ(experts, (Names{std::string("a\x01\x02\x1b\x7f"
                                          "b")}));
    EXPECT_EQ(ReadReportTitle(), "\x7f");
}

TEST(HostileSettings, BinaryJunkNeverBreaksTheReader) {
    std::mt19937 rng(7);
    std::string junk(1 << 16, '\0');
    for (char& c : junk)
        c = static_cast<char>(rng());
    WriteSettingsFile(junk + "\nTitle=после мусора\n" + junk);
    Names experts;
    LoadExpertNames(experts);
    for (const std::string& name : experts)
        EXPECT_LT(name.size(), 260u * 4);
    EXPECT_EQ(ReadReportTitle(), "после мусора");
}

TEST(HostileSettings, AFileTooLargeToBeSettingsIsNoSettings) {
    WriteSettingsFile("Name1=Первый\nTitle=Бюро\n" + std::string(17 << 20, '#'));
    Names experts = kBuiltIn;
    LoadExpertNames(experts);
    EXPECT_EQ(experts, kBuiltIn);
    EXPECT_EQ(ReadReportTitle(), "");
}

}  // namespace
#endif
