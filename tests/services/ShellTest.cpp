#include "services/AppPaths.h"
#include "services/BrowseFolders2k.h"
#include "services/Messages.h"
#include "services/WebSupports.h"

#include "DialogAnswerer.h"
#include "FolderPicker.h"
#include "ScratchFolder.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <system_error>

namespace {

using namespace std::chrono_literals;

TEST(MessagesTest, LinesAreJoinedByOneLineFeed) {
    EXPECT_EQ(JoinLines({L"Erste Zeile   ", L"Zweite Zeile"}), L"Erste Zeile   \nZweite Zeile");
    EXPECT_EQ(JoinLines({L"a", L" ", L"b"}), L"a\n \nb");
    EXPECT_EQ(JoinLines({L"allein"}), L"allein");
}

TEST(MessagesTest, ShowMessageShowsTitleTextButtonsAndReturnsTheAnswer) {
    DialogAnswerer answer(IDRETRY);
    const int result = ShowMessage(nullptr, {L"Diese Anwendung benötigt Erunt.   ", L"Download unter: x"},
                                   L" Emergency Recovery Utility", MB_RETRYCANCEL | MB_ICONEXCLAMATION);
    EXPECT_EQ(result, IDRETRY);
    ASSERT_TRUE(answer.Seen());
    EXPECT_EQ(answer.Seen()->title, L" Emergency Recovery Utility");
    EXPECT_EQ(answer.Seen()->text, L"Diese Anwendung benötigt Erunt.   \nDownload unter: x");
    EXPECT_EQ(answer.Seen()->buttons.size(), 2u);
}

TEST(MessagesTest, UnexpectedFailuresAreNumberedAndDescribed) {
    EXPECT_EQ(UnexpectedErrorText(std::runtime_error("kaputt")), L"Error: 1. kaputt");
    const std::wstring denied = UnexpectedErrorText(std::system_error(ERROR_ACCESS_DENIED, std::system_category()));
    EXPECT_EQ(denied.rfind(L"Error: 5. ", 0), 0u) << denied;
    EXPECT_GT(denied.size(), std::wstring(L"Error: 5. ").size()) << "the system describes the failure";
}

TEST(MessagesTest, GuardedBodyShowsItsFailureTitledWithTheOperation) {
    DialogAnswerer answer(IDOK);
    std::wstring held = L"vorher";
    RunGuarded(L"UserName", [&] {
        held = L"teilweise";
        throw std::runtime_error("kaputt");
    });
    EXPECT_EQ(held, L"teilweise");
    ASSERT_TRUE(answer.Seen());
    EXPECT_EQ(answer.Seen()->title, L"UserName");
    EXPECT_EQ(answer.Seen()->text, L"Error: 1. kaputt");
}

TEST(BrowseFolderTest, DriveTitlesGiveTheDriveRoot) {
    EXPECT_EQ(FolderFromChoice(L"Lokaler Datenträger (C:)", L"C:\\"), L"C:\\");
    EXPECT_EQ(FolderFromChoice(L"Daten (D:)", L""), L"D:\\");
    EXPECT_EQ(FolderFromChoice(L"ERUNT", L"C:\\Programme\\ERUNT"), L"C:\\Programme\\ERUNT");
    EXPECT_EQ(FolderFromChoice(L"C:\\Programme\\ERUNT", L"C:\\Programme\\ERUNT"), L"C:\\Programme\\ERUNT")
        << "a folder titled with its full path is not its drive";
    EXPECT_EQ(FolderFromChoice(L"Netzwerk", L""), L"");
}

// Drives the real dialog from a second thread, as a user would.
std::wstring ChooseInDialog(const std::wstring& folder, int button) {
    DialogAnswerer answer([&](HWND dialog) {
        if (button == IDOK)
            ChooseFolder(dialog, GetCurrentProcessId(), folder);
        else if (WaitForFolderTree(dialog))
            PressButton(dialog, button);
    });
    std::wstring chosen = BrowseFolder();
    EXPECT_TRUE(answer.Seen()) << "the folder dialog was shown";
    return chosen;
}

TEST(BrowseFolderTest, ReturnsTheChosenFolderOrNothing) {
    ScratchFolder folder(L"Zielordner");
    const std::wstring chosen = ChooseInDialog(folder.Path(), IDOK);
    EXPECT_EQ(_wcsicmp(chosen.c_str(), folder.Path().c_str()), 0);
    EXPECT_EQ(ChooseInDialog(folder.Path(), IDCANCEL), L"");
    EXPECT_EQ(ChooseInDialog(L"C:\\", IDOK), L"C:\\");
}

TEST(ShellOpenTest, StartsTheDocumentsProgramMaximised) {
    ScratchFolder folder;
    const std::wstring probe = folder / L"probe.exe";
    ASSERT_TRUE(CopyFileW((ProgramFolder() + L"\\shell_open_probe.exe").c_str(), probe.c_str(), FALSE));

    EXPECT_GT(ShellOpen(probe), 32);
    const std::wstring marker = folder / L"opened.txt";
    for (int wait = 0; wait < 200 && ReadBytes(marker).empty(); ++wait)
        std::this_thread::sleep_for(50ms);
    EXPECT_EQ(ReadBytes(marker), "show=" + std::to_string(SW_SHOWMAXIMIZED));
}

TEST(ShellOpenTest, ReportsAMissingDocument) {
    ScratchFolder folder;
    EXPECT_LE(ShellOpen(folder / L"fehlt.txt"), 32);
}

} // namespace
