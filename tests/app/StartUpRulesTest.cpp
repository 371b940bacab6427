#include "app/StartUpRules.h"

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

// The time now, and whether the backup of the 26th of February, noon, is overdue then.
TEST(AutomaticBackupOverdueTest, AfterAWeek) {
    for (const auto& [now, overdue] : {std::pair{LocalTime(2008, 3, 4, 12), false},
                                       {LocalTime(2008, 3, 4, 13), true},
                                       {LocalTime(2008, 2, 20), false}})
        EXPECT_EQ(AutomaticBackupOverdue(LocalTime(2008, 2, 26, 12), now), overdue) << now.wDay << " " << now.wHour;
}

} // namespace
