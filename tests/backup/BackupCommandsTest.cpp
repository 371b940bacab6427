#include "backup/BackupList.h"
#include "backup/EruntCommands.h"

#include "LocalTimes.h"

#include <gtest/gtest.h>

namespace {

TEST(ManualBackupCommandLineTest, NamesTheDatedDestinationOrLeavesItToErunt) {
    EXPECT_EQ(ManualBackupCommandLine(L"C:\\Tools\\Erunt", L"D:\\Backup", true),
              L"C:\\Tools\\Erunt\\ERUNT.EXE \"D:\\Backup\\#Date#\" sysreg curuser otherusers /noconfirmdelete");
    EXPECT_EQ(ManualBackupCommandLine(L"C:\\Program Files\\Erunt", L"D:\\Backup", false),
              L"\"C:\\Program Files\\Erunt\\ERUNT.EXE\" sysreg curuser otherusers /noconfirmdelete");
}

TEST(BackupListTest, EntriesCarryTheirFolderBehindThreeTabs) {
    const std::wstring folder = L"D:\\Sicherung mit\tTab";
    const std::wstring entry = BackupListEntry(L"2008-03-07", LocalTime(2008, 3, 7, 4, 5), folder);
    EXPECT_EQ(entry, L"\t2008-03-07\t(07.03 2008, 04:05)\t" + folder);
    EXPECT_EQ(FolderOfEntry(entry), folder);
}

} // namespace
