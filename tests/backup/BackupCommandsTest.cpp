#include "backup/BackupList.h"
#include "backup/EruntCommands.h"
#include "services/Dates.h"

#include "LocalTimes.h"

#include <gtest/gtest.h>

namespace {

TEST(ManualBackupCommandLineTest, NamesTheDatedDestinationOrLeavesItToErunt) {
    EXPECT_EQ(ManualBackupCommandLine(L"C:\\Tools\\Erunt", L"D:\\Backup", true),
              L"C:\\Tools\\Erunt\\ERUNT.EXE \"D:\\Backup\\#Date#\" sysreg curuser otherusers /noconfirmdelete");
    EXPECT_EQ(ManualBackupCommandLine(L"C:\\Program Files\\Erunt", L"D:\\Backup", false),
              L"\"C:\\Program Files\\Erunt\\ERUNT.EXE\" sysreg curuser otherusers /noconfirmdelete");
}

TEST(DatesTest, AreWrittenInTheirFixedForms) {
    const SYSTEMTIME time = LocalTime(2008, 3, 7, 14, 5);
    EXPECT_EQ(IsoDate(time), L"2008-03-07");
    EXPECT_EQ(DayMonthYear(time), L"07.03.2008");
    EXPECT_EQ(ListDateTime(time), L"(07.03 2008, 14:05)");
    EXPECT_EQ(ListDateTime(LocalTime(2010, 12, 31, 0, 0)), L"(31.12 2010, 00:00)");
}

TEST(BackupListTest, EntriesCarryTheirFolderBehindThreeTabs) {
    const std::wstring entry = BackupListEntry(L"2008-03-07", LocalTime(2008, 3, 7, 14, 5), L"D:\\Backup\\2008-03-07");
    EXPECT_EQ(entry, L"\t2008-03-07\t(07.03 2008, 14:05)\tD:\\Backup\\2008-03-07");
    EXPECT_EQ(FolderOfEntry(entry), L"D:\\Backup\\2008-03-07");
    EXPECT_EQ(FolderOfEntry(BackupListEntry(L"a\u00e4", LocalTime(2008, 3, 7, 1, 2), L"C:\\Ordner mit\tTab")),
              L"C:\\Ordner mit\tTab");
}

TEST(BackupListTest, TheAutomaticBackupFolderIsRecognisedInAnyCase) {
    EXPECT_TRUE(IsAutomaticBackupFolder(L"Sysreg"));
    EXPECT_TRUE(IsAutomaticBackupFolder(L"SYSREG"));
    EXPECT_TRUE(IsAutomaticBackupFolder(L"sysReg"));
    EXPECT_FALSE(IsAutomaticBackupFolder(L"Sysreg2"));
    EXPECT_FALSE(IsAutomaticBackupFolder(L"2008-03-07"));
}

} // namespace
