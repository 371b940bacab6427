#include "services/IniFiles.h"

#include "ScratchFolder.h"
#include "services/Text.h"

#include <gtest/gtest.h>

namespace {

class IniFilesTest : public testing::Test {
protected:
    ScratchFolder folder_;
    std::wstring file_ = folder_ / L"ERUNT.INI";
};

TEST_F(IniFilesTest, MissingFileSectionOrKeyReadsEmpty) {
    EXPECT_EQ(ReadIniValue(file_, L"ERUNT", L"InstallFolder"), L"");
    WriteBytes(file_, "[ERUNT]\r\nInstallFolder=C:\\Erunt\r\n");
    EXPECT_EQ(ReadIniValue(file_, L"Other", L"InstallFolder"), L"");
    EXPECT_EQ(ReadIniValue(file_, L"ERUNT", L"BootClean"), L"");
}

TEST_F(IniFilesTest, SectionAndKeyIgnoreLetterCase) {
    WriteBytes(file_, "[ERUNT]\r\nInstallFolder=C:\\Erunt\r\n");
    EXPECT_EQ(ReadIniValue(file_, L"erunt", L"INSTALLFOLDER"), L"C:\\Erunt");
    WriteIniValue(file_, L"Erunt", L"installfolder", L"D:\\Tools");
    EXPECT_EQ(ReadIniValue(file_, L"ERUNT", L"InstallFolder"), L"D:\\Tools");
    EXPECT_EQ(ReadBytes(file_).find("D:\\Tools"), ReadBytes(file_).rfind("D:\\Tools")) << "replaced, not added";
}

TEST_F(IniFilesTest, LongValueIsCutTo254Characters) {
    const std::string value(300, 'x');
    WriteBytes(file_, "[ERUNT]\r\nDefaultDestinationFolder=" + value + "\r\n");
    EXPECT_EQ(ReadIniValue(file_, L"ERUNT", L"DefaultDestinationFolder"), std::wstring(254, L'x'));
}

TEST_F(IniFilesTest, WritingCreatesFileSectionAndKeyAndKeepsOtherLines) {
    WriteBytes(folder_ / L"other.ini", "; ERUNT's own comment\r\n[ERUNT]\r\nDateFormat=yyyy/mm/dd\r\n");
    const std::wstring other = folder_ / L"other.ini";
    EXPECT_NE(WriteIniValue(other, L"ERUNT", L"BootClean", L"C:\\Prefetch"), 0);
    EXPECT_EQ(ReadIniValue(other, L"ERUNT", L"DateFormat"), L"yyyy/mm/dd");
    EXPECT_NE(ReadBytes(other).find("; ERUNT's own comment"), std::string::npos);

    EXPECT_NE(WriteIniValue(file_, L"ERUNT", L"InstallFolder", L"C:\\Erunt"), 0);
    EXPECT_EQ(ReadIniValue(file_, L"ERUNT", L"InstallFolder"), L"C:\\Erunt");
    EXPECT_NE(ReadBytes(file_).find("[ERUNT]"), std::string::npos);
}

TEST_F(IniFilesTest, EmptyValueKeepsTheKey) {
    WriteIniValue(file_, L"ERUNT", L"RegCleaner", L"C:\\RegCleaner");
    WriteIniValue(file_, L"ERUNT", L"RegCleaner", L"");
    EXPECT_NE(ReadBytes(file_).find("RegCleaner=\r\n"), std::string::npos);
    EXPECT_EQ(ReadIniValue(file_, L"ERUNT", L"RegCleaner"), L"");
}

TEST_F(IniFilesTest, UmlautsRoundTripAndStayAnsiInTheFile) {
    const std::wstring folder = L"C:\\Programme\\Größe für Jürgen ÄÖÜ";
    WriteIniValue(file_, L"ERUNT", L"InstallFolder", folder);
    EXPECT_EQ(ReadIniValue(file_, L"ERUNT", L"InstallFolder"), folder);
    EXPECT_NE(ReadBytes(file_).find(ToAnsi(folder)), std::string::npos) << "ERUNT reads the file as ANSI text";
}

TEST_F(IniFilesTest, FolderOutsideTheAnsiCodePageIsStoredInItsShortForm) {
    for (const std::wstring name : {L"Резервные копии", L"Αντίγραφα ασφαλείας"}) {
        const std::wstring folder = folder_ / name;
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
        WriteIniValue(file_, L"ERUNT", L"DefaultDestinationFolder", folder);

        const std::wstring stored = ReadIniValue(file_, L"ERUNT", L"DefaultDestinationFolder");
        EXPECT_TRUE(FitsAnsiCodePage(stored)) << "no question marks in ERUNT's file";
        wchar_t longForm[MAX_PATH] = {};
        ASSERT_NE(GetLongPathNameW(stored.c_str(), longForm, MAX_PATH), 0u);
        EXPECT_EQ(std::filesystem::path(longForm).filename().wstring(), name) << "the short form names the folder";
        EXPECT_EQ(ReadBytes(file_).find('?'), std::string::npos);
    }
}

} // namespace
