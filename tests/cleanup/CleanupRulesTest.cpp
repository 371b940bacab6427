#include "cleanup/CleanupRules.h"
#include "services/FolderListing.h"

#include "ScratchFolder.h"
#include "services/Dateiexistenz.h"
#include "services/UniqueHandle.h"
#include "services/WindowsOrdner.h"

#include <gtest/gtest.h>

namespace {

TEST(PatternListTest, MatchesHiveCopiesByTheirOwnNames) {
    EXPECT_TRUE(MatchesPatternList(L"NTUSER.DAT_BAK", kFirstPatternList));
    EXPECT_TRUE(MatchesPatternList(L"ntuser.dat_bak2", kFirstPatternList)) << "letter case is ignored";
    EXPECT_TRUE(MatchesPatternList(L"UsrClass.dat_tu", kFirstPatternList));
    EXPECT_TRUE(MatchesPatternList(L"system.TMP.LOG", kFirstPatternList));
    EXPECT_TRUE(MatchesPatternList(L"SOFTWARE.BAK", kFirstPatternList));
    EXPECT_FALSE(MatchesPatternList(L"NTUSER.DAT", kFirstPatternList));
    EXPECT_FALSE(MatchesPatternList(L"SOFTWARE.BAKUP", kFirstPatternList));
    EXPECT_FALSE(MatchesPatternList(L"SOFTWARE_BAK_1.DAT", kFirstPatternList));

    EXPECT_TRUE(MatchesPatternList(L"SOFTWARE_BAK_1.DAT", kSecondPatternList));
    EXPECT_TRUE(MatchesPatternList(L"SYSTEM_TU_2.DAT", kSecondPatternList));
    EXPECT_TRUE(MatchesPatternList(L"SOFTWARE.BAK", kSecondPatternList));
    EXPECT_FALSE(MatchesPatternList(L"SOFTWARE_BAK_1", kSecondPatternList)) << "needs a dot after the second _";
    EXPECT_FALSE(MatchesPatternList(L"", kSecondPatternList));
}

TEST(PatternListTest, StarsBacktrack) {
    EXPECT_TRUE(MatchesPatternList(L"a.b.BAK", L"*.BAK"));
    EXPECT_TRUE(MatchesPatternList(L"x_BAK_y_BAK_z.q", L"*_BAK_*.*"));
    EXPECT_FALSE(MatchesPatternList(L"abc", L"*.BAK;x*"));
    EXPECT_TRUE(MatchesPatternList(L"xyz", L"*.BAK;x*"));
    EXPECT_TRUE(MatchesPatternList(L"anything", L"*"));
}

TEST(MatchingFilesTest, ListsHiddenSystemAndReadOnlyFilesButNotFoldersOrShortNameMatches) {
    ScratchFolder folder;
    WriteBytes(folder / L"NTUSER.DAT_BAK", "x");
    WriteBytes(folder / L"NTUSER.DAT", "x");
    WriteBytes(folder / L"SOFTWARE.BAKUP", "decoy: only its short name ends in .BAK");
    WriteBytes(folder / L"a.bak", "x");
    SetFileAttributesW((folder / L"NTUSER.DAT_BAK").c_str(),
                       FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY);
    CreateDirectoryW((folder / L"folder.BAK").c_str(), nullptr);

    EXPECT_EQ(MatchingFiles(folder.Path(), kFirstPatternList),
              (std::vector<std::wstring>{L"a.bak", L"NTUSER.DAT_BAK"}));
    EXPECT_TRUE(MatchingFiles(folder / L"missing", kFirstPatternList).empty());
}

TEST(RemoveFilesTest, DeletesReadOnlyFilesAndStopsAtTheFirstThatCannotGo) {
    ScratchFolder folder;
    for (const wchar_t* name : {L"1.BAK", L"2.BAK", L"3.BAK"})
        WriteBytes(folder / name, "x");
    SetFileAttributesW((folder / L"1.BAK").c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    {
        // Held open without delete sharing, as a running program would.
        const UniqueFileHandle locked(CreateFileW((folder / L"2.BAK").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                                  OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(locked);
        RemoveFiles(folder.Path(), {L"1.BAK", L"2.BAK", L"3.BAK"});
    }
    EXPECT_FALSE(PathExists(folder / L"1.BAK"));
    EXPECT_TRUE(PathExists(folder / L"2.BAK"));
    EXPECT_TRUE(PathExists(folder / L"3.BAK")) << "the later files of the folder stay";
}

TEST(ProfileUsersTest, LeavesOutServiceProfilesAndSelectsTheAccount) {
    const std::wstring profiles = L"C:\\Dokumente und Einstellungen";
    std::vector<std::wstring> subfolders;
    for (const wchar_t* name :
         {L"Administrator", L"All Users", L"Anna", L"Bert", L"Default User", L"LocalService", L"NetworkService"})
        subfolders.push_back(profiles + L"\\" + name);

    UserList users = ProfileUsers(profiles, subfolders, L"bert");
    EXPECT_EQ(users.names, (std::vector<std::wstring>{L"Anna", L"Bert"}));
    EXPECT_EQ(users.selected, 1);

    users = ProfileUsers(profiles, subfolders, L"ANNA");
    EXPECT_EQ(users.selected, 0);
    users = ProfileUsers(profiles, subfolders, L"Administrator");
    EXPECT_EQ(users.selected, 1) << "the account is never listed, so the last entry stays selected";

    users = ProfileUsers(profiles, {profiles + L"\\all users", profiles + L"\\Zoë"}, L"zoë");
    EXPECT_EQ(users.names, (std::vector<std::wstring>{L"all users", L"Zoë"})) << "left out only when spelt exactly";
    EXPECT_EQ(ProfileUsers(profiles, {}, L"bert").selected, -1);
}

TEST(SubfoldersTest, GivesFullPathsSortedWithoutRegardToCase) {
    ScratchFolder folder;
    for (const wchar_t* name : {L"2008-03-07", L"Sysreg", L"2008-03-01", L"archiv"})
        CreateDirectoryW((folder / name).c_str(), nullptr);
    WriteBytes(folder / L"file.txt", "x");
    EXPECT_EQ(Subfolders(folder.Path()), (std::vector<std::wstring>{folder / L"2008-03-01", folder / L"2008-03-07",
                                                                    folder / L"archiv", folder / L"Sysreg"}));
}

TEST(NativeFolderTest, ReachesTheRealSystemFolderFromEitherBuild) {
    const std::wstring config = SystemDirectory() + L"\\config";
    BOOL redirected = FALSE;
    IsWow64Process(GetCurrentProcess(), &redirected);
    if (redirected)
        EXPECT_EQ(NativeFolder(config), WindowsDirectory() + L"\\Sysnative\\config");
    else
        EXPECT_EQ(NativeFolder(config), config);
    EXPECT_TRUE(PathExists(NativeFolder(SystemDirectory())));
    EXPECT_EQ(NativeFolder(L"C:\\Dokumente und Einstellungen"), L"C:\\Dokumente und Einstellungen");
}

} // namespace
