#include "services/FileDirPath.h"
#include "services/IniFiles.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

// A folder is kept only in a form that the file gives back as the same folder.
TEST(SettingsFormOfFolderTest, IsTheFolderOrItsShortNameOrNone) {
    enum Kept { Whole, Short, None };
    ScratchFolder root;
    const std::wstring cyrillic = root / L"Резервные копии";
    ASSERT_TRUE(CreateDirectoryW(cyrillic.c_str(), nullptr));
    const std::pair<std::wstring, Kept> rows[] = {{root.Path(), Whole},
                                                  {L"C:\\Programme\\Größe für Jürgen", Whole},
                                                  {L"C:\\" + std::wstring(251, L'x'), Whole},
                                                  {cyrillic, Short},
                                                  {root / L"Αντίγραφα", None},
                                                  {L"C:\\" + std::wstring(252, L'x'), None}};
    for (const auto& [folder, kept] : rows) {
        const std::optional<std::wstring> form = SettingsFormOfFolder(folder);
        ASSERT_EQ(form.has_value(), kept != None) << folder;
        if (kept == None)
            continue;
        EXPECT_EQ(*form == folder, kept == Whole) << folder;
        EXPECT_EQ(GetFileAttributesW(form->c_str()), GetFileAttributesW(folder.c_str())) << "names the same folder";
        WriteIniValue(root / L"ERUNT.INI", L"ERUNT", L"InstallFolder", folder);
        EXPECT_EQ(ReadIniValue(root / L"ERUNT.INI", L"ERUNT", L"InstallFolder"), *form) << folder;
    }
}

// The path where it survives the code page, else with the short form of a part that has one (Łukasz), else none.
TEST(AnsiReadablePathTest, IsThePathOrItsShortFormOrNone) {
    const auto shortForm = [](const std::wstring& path) { return path == L"C:\\Łukasz" ? L"C:\\LUKASZ~1" : path; };
    for (const auto& [path, readable] :
         {std::pair<std::wstring, std::optional<std::wstring>>{L"C:\\Jürgen &%^'#", L"C:\\Jürgen &%^'#"},
          {L"C:\\Łukasz\\Sysreg\\#Date#", L"C:\\LUKASZ~1\\Sysreg\\#Date#"},
          {L"C:\\Łukasz\\Şule", std::nullopt},
          {L"C:\\中文\\ERUNT", std::nullopt}})
        EXPECT_EQ(AnsiReadablePath(path, shortForm), readable) << path;
}
