#include "services/AppPaths.h"
#include "services/Dateiexistenz.h"
#include "services/FileDirPath.h"
#include "services/FileSystemRedirection.h"
#include "services/WinSystemInfo.h"
#include "services/WindowsOrdner.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

namespace {

std::wstring DriveRoot() {
    return WindowsDirectory().substr(0, 3);
}

TEST(FileExistsTest, FindsFilesAndFoldersButNotRootsOrTrailingBackslashes) {
    const std::wstring windows = WindowsDirectory();
    EXPECT_TRUE(FileExists(windows));
    EXPECT_FALSE(FileExists(windows + L"\\"));
    EXPECT_FALSE(FileExists(DriveRoot()));
    EXPECT_FALSE(FileExists(L""));
}

TEST(FileExistsTest, WildcardsMatchWhenAnyEntryDoes) {
    ScratchFolder folder;
    EXPECT_FALSE(FileExists(folder / L"*.hta"));
    WriteBytes(folder / L"vrnPatchLoader.hta", "x");
    EXPECT_TRUE(FileExists(folder / L"*.hta"));
    EXPECT_TRUE(FileExists(folder / L"vrn*"));
}

TEST(PathExistsTest, AcceptsRootsFilesAndFoldersAndRejectsWildcards) {
    ScratchFolder folder;
    WriteBytes(folder / L"ERUNT.EXE", "MZ");
    EXPECT_TRUE(PathExists(DriveRoot()));
    EXPECT_TRUE(PathExists(folder.Path()));
    EXPECT_TRUE(PathExists(folder / L"ERUNT.EXE"));
    EXPECT_FALSE(PathExists(folder / L"NTREGOPT.EXE"));
    EXPECT_FALSE(PathExists(folder / L"*.EXE"));
    EXPECT_FALSE(PathExists(L""));
}

TEST(FileAndPathExistsTest, WorkForNamesOutsideTheAnsiCodePage) {
    ScratchFolder folder;
    for (const std::wstring name : {L"Резервные копии", L"Αντίγραφα", L"日本語"}) {
        const std::wstring path = folder / name;
        EXPECT_FALSE(FileExists(path));
        EXPECT_FALSE(PathExists(path));
        ASSERT_TRUE(CreateDirectoryW(path.c_str(), nullptr));
        WriteBytes(path + L"\\Erdnt.exe", "MZ");
        EXPECT_TRUE(FileExists(path));
        EXPECT_TRUE(PathExists(path));
        EXPECT_TRUE(FileExists(path + L"\\Erdnt.exe"));
    }
}

TEST(WindowsOrdnerTest, SystemFolderLiesInTheWindowsFolder) {
    const std::wstring windows = WindowsDirectory();
    const std::wstring system = SystemDirectory();
    ASSERT_GE(windows.size(), 3u);
    EXPECT_EQ(windows[1], L':');
    EXPECT_NE(windows.back(), L'\\');
    EXPECT_EQ(_wcsnicmp(system.c_str(), (windows + L"\\").c_str(), windows.size() + 1), 0) << system;
}

// The machine a program file was built for, from its PE header; 0 when unreadable.
WORD MachineOf(const std::wstring& path) {
    const std::string bytes = ReadBytes(path);
    if (bytes.size() < 0x40)
        return 0;
    const auto header = static_cast<size_t>(*reinterpret_cast<const DWORD*>(bytes.data() + 0x3C));
    if (header > bytes.size() - 6)
        return 0;
    return *reinterpret_cast<const WORD*>(bytes.data() + header + 4);
}

TEST(FileSystemRedirectionOffTest, ShowsTheRealSystemFolderOnlyWhileItLives) {
    BOOL redirected = FALSE;
    if (!IsWow64Process(GetCurrentProcess(), &redirected) || !redirected)
        GTEST_SKIP() << "only a 32-bit program on 64-bit Windows is redirected";
    const std::wstring kernel = SystemDirectory() + L"\\kernel32.dll";
    {
        const FileSystemRedirectionOff notWanted(false);
        EXPECT_EQ(MachineOf(kernel), IMAGE_FILE_MACHINE_I386);
    }
    {
        const FileSystemRedirectionOff off(true);
        EXPECT_EQ(MachineOf(kernel), IMAGE_FILE_MACHINE_AMD64);
    }
    EXPECT_EQ(MachineOf(kernel), IMAGE_FILE_MACHINE_I386) << "redirection is back";
}

TEST(LastPathPartTest, TakesTheTextAfterTheLastBackslash) {
    EXPECT_EQ(LastPathPart(L"C:\\a\\b\\name.txt"), L"name.txt");
    EXPECT_EQ(LastPathPart(L"name"), L"name");
    EXPECT_EQ(LastPathPart(L"C:\\a\\"), L"");
    EXPECT_EQ(LastPathPart(L"C:\\Dokumente und Einstellungen\\Zoë"), L"Zoë");
    EXPECT_EQ(LastPathPart(L""), L"");
}

TEST(TrimNullsTest, CutsAtTheFirstNul) {
    using namespace std::string_view_literals;
    EXPECT_EQ(TrimNulls(L"bert"sv), L"bert");
    EXPECT_EQ(TrimNulls(L"\0bert"sv), L"");
    EXPECT_EQ(TrimNulls(L"bert\0\0anna"sv), L"bert");
    EXPECT_EQ(TrimNulls(L""sv), L"");
}

TEST(UserNameTest, IsTheAccountTheProgramRunsAs) {
    wchar_t expected[256] = {};
    DWORD size = 256;
    ASSERT_TRUE(GetUserNameW(expected, &size));
    EXPECT_EQ(UserName(), expected);
    EXPECT_FALSE(UserName().empty());
}

TEST(ProgramFolderTest, HoldsTheRunningExecutable) {
    const std::wstring folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), L'\\');
    EXPECT_EQ(ProgramName(), L"services_tests");
    EXPECT_TRUE(FileExists(folder + L"\\" + ProgramName() + L".exe"));
}

} // namespace
