#include "cleanup/CleanupRules.h"
#include "services/FolderListing.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

// A row per pattern that no other matches, and near misses; the lists a name is in: 1, 2 and 4 the profiles'.
TEST(PatternListTest, MatchesHiveCopiesByTheirOwnNames) {
    const std::pair<const wchar_t*, int> rows[] = {
        {L"NTUSER.DAT_BAK", 5},     {L"ntuser.dat_bak2", 5}, {L"UsrClass.dat_TU1", 5},
        {L"system.TMP.LOG", 7},     {L"SOFTWARE.bak", 3},    {L"a.b.BAK", 3},
        {L"SOFTWARE_BAK_1.DAT", 2}, {L"SYSTEM_TU_2.DAT", 2}, {L"x_BAK_y_BAK_z.q", 2},
        {L"NTUSER.DAT", 0},         {L"SOFTWARE.BAKUP", 0},  {L"SOFTWARE_BAK_1", 0},
        {L"system.TMP.LOG1", 0},    {L"NTUSER.DATBAK", 0},   {L"SYSTEM_TU2.DAT", 0},
        {L"SOFTWARE_BAK1.DAT", 0},  {L"UsrClass.dat_T1", 0}, {L"", 0},
        {L"ntuser.dat.bak", 7},     {L"USRCLASS.BAK", 7},    {L"my ntuser.bak", 3}};
    for (const auto& [name, lists] : rows) {
        EXPECT_EQ(MatchesPatternList(name, kFirstPatternList), (lists & 1) != 0) << name;
        EXPECT_EQ(MatchesPatternList(name, kSecondPatternList), (lists & 2) != 0) << name;
        EXPECT_EQ(MatchesPatternList(name, kProfilePatternList), (lists & 4) != 0) << name;
    }
}

TEST(MatchingFilesTest, ListsHiddenAndReadOnlyFilesSortedByName) {
    ScratchFolder folder;
    for (const wchar_t* name : {L"b.BAK", L"NTUSER.DAT", L"SOFTWARE.BAKUP", L"A.bak", L"C.BAK"})
        WriteBytes(folder / name, "x");
    CreateDirectoryW((folder / L"folder.BAK").c_str(), nullptr);
    SetFileAttributesW((folder / L"A.bak").c_str(), FILE_ATTRIBUTE_READONLY);
    SetFileAttributesW((folder / L"b.BAK").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    EXPECT_EQ(MatchingFiles(folder.Path(), kFirstPatternList),
              (std::vector<std::wstring>{L"A.bak", L"b.BAK", L"C.BAK"}));
    EXPECT_TRUE(MatchingFiles(folder / L"fehlt", kFirstPatternList).empty());
    SetFileAttributesW((folder / L"A.bak").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(ProfileUsersTest, LeavesOutServiceProfilesAndSelectsTheAccount) {
    const std::wstring profiles = L"C:\\Dokumente und Einstellungen";
    std::vector<std::wstring> subfolders;
    for (const wchar_t* name : {L"Administrator", L"All Users", L"Anna", L"Bert", L"Default User", L"LocalService",
                                L"NetworkService", L" ", L"all users"})
        subfolders.push_back(profiles + L"\\" + name);
    EXPECT_EQ(ProfileUsers(profiles, subfolders, L"").names,
              (std::vector<std::wstring>{L"Anna", L"Bert", L"all users"}));
    for (const auto& [account, selected] : {std::pair{L"bert", 1}, {L"ANNA", 0}, {L"Administrator", 2}})
        EXPECT_EQ(ProfileUsers(profiles, subfolders, account).selected, selected) << account;
    EXPECT_EQ(ProfileUsers(profiles, {}, L"bert").selected, -1);
}

TEST(CleanupReportTest, OneFileIsToldInTheSingular) {
    EXPECT_EQ(CleanupReport({1, 0}), L"1 temporäre Registrierungsdatei wurde vollständig entfernt.   ");
}
