#include "backup/BackupList.h"

#include <gtest/gtest.h>

TEST(BackupListTest, EntriesCarryTheirFolderBehindThreeTabs) {
    const std::wstring folder = L"D:\\Sicherung mit\tTab";
    const std::wstring entry = BackupListEntry(L"2008-03-07", {2008, 3, 0, 7, 4, 5}, folder, false);
    EXPECT_EQ(entry, L"\t2008-03-07\t(07.03 2008, 04:05)\t" + folder);
    EXPECT_EQ(FolderOfEntry(entry), folder);
}
