// The Windows programs carry the icon MAINICON (one 32 x 32 image in 16 colours) and their
// version information, read back the way Explorer reads them.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

std::wstring Program() {
    std::wstring path =
        _wgetenv(L"VERTEBRA_TEST_PROGRAM") ? _wgetenv(L"VERTEBRA_TEST_PROGRAM") : L"";
    for (wchar_t& c : path) {
        if (c == L'/') c = L'\\';
    }
    return path;
}

#pragma pack(push, 2)
struct IconDirectoryEntry {
    BYTE width, height, colourCount, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
struct IconDirectory {
    WORD reserved, type, count;
    IconDirectoryEntry entries[1];
};
#pragma pack(pop)

TEST(WindowsResources, MainIconIs32By32In16Colours) {
    const std::wstring program = Program();
    ASSERT_FALSE(program.empty());
    HMODULE module = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr) << GetLastError();
    HRSRC found = FindResourceW(module, L"MAINICON", MAKEINTRESOURCEW(14));  // a group icon
    ASSERT_NE(found, nullptr);
    const auto* directory =
        static_cast<const IconDirectory*>(LockResource(LoadResource(module, found)));
    ASSERT_NE(directory, nullptr);
    EXPECT_EQ(directory->type, 1);
    ASSERT_EQ(directory->count, 1);
    EXPECT_EQ(directory->entries[0].width, 32);
    EXPECT_EQ(directory->entries[0].height, 32);
    EXPECT_EQ(directory->entries[0].colourCount, 16);
    EXPECT_EQ(directory->entries[0].bitCount, 4);
    FreeLibrary(module);
}

TEST(WindowsResources, VersionInformation) {
    const std::wstring program = Program();
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(program.c_str(), &handle);
    ASSERT_GT(size, 0u);
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoW(program.c_str(), 0, size, data.data()));
    auto value = [&](const wchar_t* name) {
        wchar_t* text = nullptr;
        UINT length = 0;
        const std::wstring path = std::wstring(L"\\StringFileInfo\\041904E3\\") + name;
        if (!VerQueryValueW(data.data(), path.c_str(), reinterpret_cast<void**>(&text), &length))
            return std::wstring();
        return std::wstring(text);
    };
    EXPECT_EQ(value(L"ProductName"), L"Vertebra");
    EXPECT_EQ(value(L"ProductVersion"), L"1.0.0");
    EXPECT_EQ(value(L"OriginalFilename"), L"vertebra-grade.exe");
    EXPECT_EQ(value(L"FileDescription"), L"Пакетная оценка размеров I поясничного позвонка");
}

}  // namespace
