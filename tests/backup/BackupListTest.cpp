#include "backup/BackupList.h"

#include <gtest/gtest.h>

// An entry another account could have changed is marked so.
TEST(BackupListTest, EntriesCarryTheirFolderBehindThreeTabs) {
    const std::wstring folder = L"D:\\Sicherung mit\tTab";
    for (const bool open : {false, true}) {
        const std::wstring entry = BackupListEntry(L"2008-03-07", {2008, 3, 0, 7, 4, 5}, folder, open);
        EXPECT_EQ(entry,
                  L"\t2008-03-07\t(07.03 2008, 04:05)" + std::wstring(open ? L" ungeschützt\t" : L"\t") + folder);
        EXPECT_EQ(FolderOfEntry(entry), folder);
    }
}
