#include "app/StartUpRules.h"
#include "services/Dates.h"

#include "LocalTimes.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(ArgumentTextTest, SkipsTheProgramsOwnName) {
    EXPECT_EQ(ArgumentText(L"\"C:\\Program Files\\Erunt\\HIVORA.exe\" /Auto"), L"/Auto");
    EXPECT_EQ(ArgumentText(L"C:\\Erunt\\HIVORA.exe   /auto x"), L"/auto x");
    EXPECT_EQ(ArgumentText(L"HIVORA.exe"), L"");
    EXPECT_EQ(ArgumentText(L"\"C:\\Auto Start\\HIVORA.exe\""), L"") << "a folder called Auto is no switch";
    EXPECT_EQ(ArgumentText(L""), L"");
}

TEST(AutoSwitchTest, IsFoundInAnyLetterCaseAnywhere) {
    EXPECT_TRUE(HasAutoSwitch(L"/Auto"));
    EXPECT_TRUE(HasAutoSwitch(L"/AUTO"));
    EXPECT_TRUE(HasAutoSwitch(L"/auto"));
    EXPECT_TRUE(HasAutoSwitch(L"-x /aUtO -y"));
    EXPECT_TRUE(HasAutoSwitch(L"x/Autostart"));
    EXPECT_FALSE(HasAutoSwitch(L""));
    EXPECT_FALSE(HasAutoSwitch(L"Auto"));
    EXPECT_FALSE(HasAutoSwitch(L"/Aut o"));
}

TEST(AutomaticBackupDueTest, OncePerCalendarDay) {
    const SYSTEMTIME today = LocalTime(2008, 3, 7, 9);
    EXPECT_TRUE(AutomaticBackupDue(std::nullopt, today)) << "no marker yet";
    EXPECT_FALSE(AutomaticBackupDue(LocalTime(2008, 3, 7, 0), today));
    EXPECT_FALSE(AutomaticBackupDue(LocalTime(2008, 3, 7, 23), today));
    EXPECT_TRUE(AutomaticBackupDue(LocalTime(2008, 3, 6, 23), today));
    EXPECT_TRUE(AutomaticBackupDue(LocalTime(2007, 3, 7), today)) << "the same day a year ago";
    EXPECT_TRUE(AutomaticBackupDue(LocalTime(2008, 3, 8), today)) << "a marker from the future";
    EXPECT_EQ(DayMonthYear(LocalTime(2008, 3, 7)), L"07.03.2008");
}

TEST(LastWrittenTest, GivesTheLocalDateOfTheLastWrite) {
    ScratchFolder folder;
    EXPECT_FALSE(LastWritten(folder / L"Erdnt.inf"));
    WriteBytes(folder / L"Erdnt.inf", "x");
    SYSTEMTIME now;
    GetLocalTime(&now);
    const auto written = LastWritten(folder / L"Erdnt.inf");
    ASSERT_TRUE(written);
    EXPECT_FALSE(AutomaticBackupDue(written, now)) << "written just now";
}

} // namespace
