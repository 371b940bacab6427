#include "app/StartUpRules.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

namespace {

SYSTEMTIME LocalTime(WORD year, WORD month, WORD day, WORD hour = 12) {
    return {year, month, 0, day, hour};
}

TEST(AutoSwitchTest, IsFoundInTheArgumentsInAnyLetterCase) {
    for (const wchar_t* line :
         {L"\"C:\\Program Files\\H.exe\" /Auto", L"H.exe /AUTO", L"H.exe\t-x /aUtO", L"H x/autostart"})
        EXPECT_TRUE(HasAutoSwitch(ArgumentText(line))) << line;
    for (const wchar_t* line : {L"C:\\x/Auto\\H.exe", L"\"C:\\a /Auto\\H.exe\"", L"H.exe Auto /Aut o", L""})
        EXPECT_FALSE(HasAutoSwitch(ArgumentText(line))) << line;
}

TEST(AutomaticBackupDueTest, OncePerCalendarDay) {
    const SYSTEMTIME today = LocalTime(2008, 3, 7, 9);
    EXPECT_TRUE(AutomaticBackupDue(std::nullopt, today));
    for (const SYSTEMTIME marker : {LocalTime(2008, 3, 7, 0), LocalTime(2008, 3, 7, 23)})
        EXPECT_FALSE(AutomaticBackupDue(marker, today)) << marker.wHour;
    for (const SYSTEMTIME marker :
         {LocalTime(2008, 3, 6, 23), LocalTime(2007, 3, 7), LocalTime(2008, 4, 7), LocalTime(2008, 3, 8)})
        EXPECT_TRUE(AutomaticBackupDue(marker, today)) << marker.wYear << marker.wMonth << marker.wDay;
}

// What a first start writes, the first-start test checks. Values already there stay as they are, even
// those too long to be read whole, and a read-only file loses nothing.
TEST(DefaultSettingsTest, LeaveEveryValueThatIsThere) {
    const std::string longValue = "C:\\" + std::string(297, 'x');
    for (const auto& [settings, attributes] :
         {std::pair{"[ERUNT]\r\nInstallFolder=" + longValue + "\r\nDefaultDestinationFolder=" + longValue + "\r\n",
                    DWORD{FILE_ATTRIBUTE_NORMAL}},
          {std::string("[ERUNT]\r\nRegCleaner=C:\\Irgendwo\r\n"), DWORD{FILE_ATTRIBUTE_READONLY}}}) {
        ScratchFolder folder;
        WriteBytes(folder / L"ERUNT.INI", settings);
        SetFileAttributesW((folder / L"ERUNT.INI").c_str(), attributes);
        WriteDefaultSettings(folder.Path());
        SetFileAttributesW((folder / L"ERUNT.INI").c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(ReadBytes(folder / L"ERUNT.INI").substr(0, settings.size()), settings);
        EXPECT_EQ(std::filesystem::exists(folder / L"backup"), attributes == FILE_ATTRIBUTE_READONLY);
    }
}

} // namespace
