#include "backup/BackupList.h"
#include "services/Dates.h"

#include <gtest/gtest.h>

TEST(BackupListTest, EntriesCarryTheirFolderBehindThreeTabs) {
    const std::wstring folder = L"D:\\Sicherung mit\tTab";
    const std::wstring entry = BackupListEntry(L"2008-03-07", {2008, 3, 0, 7, 4, 5}, folder);
    EXPECT_EQ(entry, L"\t2008-03-07\t(07.03 2008, 04:05)\t" + folder);
    EXPECT_EQ(FolderOfEntry(entry), folder);
}

TEST(EruntDateTest, NamesTheDaysFolderAsEruntsSettingsSay) {
    const SYSTEMTIME day = {2008, 3, 0, 7};
    for (const auto& [format, separator, name] : {std::tuple{L"yyyy/mm/dd", L"-", L"2008-03-07"},
                                                  {L"dd/mm/yyyy", L".", L"07.03.2008"},
                                                  {L"D/M/YY", L"-", L"7-3-08"},
                                                  {L"mm/dd/yyyy x", L".", L"03.07.2008 x"}})
        EXPECT_EQ(EruntDate(day, format, separator), name) << format;
}
