// Bad input of every kind the program meets: it keeps working, and no file or
// setting is lost. Where nothing prescribes the outcome, the test's name says
// what a careful user would want.
#include "Installation.h"

#include "cleanup/CleanupRules.h"
#include "services/WindowsOrdner.h"

#include <shlwapi.h>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace std::chrono_literals;

class BadInputTest : public testing::Test {
protected:
    void SetUp() override { MoveMouseAway(); }
    // The program starts, opens its window and still answers.
    RunningProgram StartAndExpectWorking() {
        RunningProgram program = scenario.Start();
        const HWND main = program.MainWindow();
        EXPECT_NE(main, nullptr);
        DWORD_PTR answer = 0;
        EXPECT_NE(SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer), 0);
        main_ = main;
        return program;
    }
    void InstallToolsOnly() {
        scenario.AddProgram();
        for (const wchar_t* tool : {L"ERUNT.EXE", L"NTREGOPT.EXE"})
            scenario.AddStandin(tool);
    }

    Scenario scenario;
    HWND main_ = nullptr;
};

TEST_F(BadInputTest, ValuesOf300CharactersAreReadCutButNeverWrittenBackCut) {
    InstallToolsOnly();
    const std::string longFolder = "C:\\" + std::string(297, 'x');
    const std::string settings = "[ERUNT]\r\nInstallFolder=" + longFolder +
                                 "\r\nDefaultDestinationFolder=" + longFolder + "\r\nRegCleaner=" + longFolder + "\r\n";
    scenario.Write(L"ERUNT.INI", settings);
    auto program = StartAndExpectWorking();
    EXPECT_FALSE(IsEnabled(program.Control(IDC_BSICHERUNGEN)));
    EXPECT_EQ(scenario.Read(L"ERUNT.INI"), settings);
}

TEST_F(BadInputTest, LinesWithoutEqualsSignsAndOtherSectionsStay) {
    InstallToolsOnly();
    scenario.Write(L"ERUNT.INI", "Unsinn ohne Gleichheitszeichen\r\n[Andere]\r\nSchluessel=Wert\r\n[ERUNT]\r\n"
                                 "noch mehr Unsinn\r\n");
    StartAndExpectWorking();
    const std::string after = scenario.Read(L"ERUNT.INI");
    EXPECT_NE(after.find("Unsinn ohne Gleichheitszeichen"), std::string::npos);
    EXPECT_NE(after.find("Schluessel=Wert"), std::string::npos);
    EXPECT_EQ(scenario.ReadIni(L"ERUNT.INI", L"ERUNT", L"InstallFolder"), scenario.Folder());
    EXPECT_EQ(scenario.ReadIni(L"ERUNT.INI", L"Andere", L"InstallFolder"), L"") << "defaults only in their section";
}

TEST_F(BadInputTest, AFileWithoutTheSectionGetsItAndKeepsWhatItHad) {
    InstallToolsOnly();
    scenario.Write(L"ERUNT.INI", "InstallFolder=ohne Abschnitt\r\n");
    StartAndExpectWorking();
    EXPECT_NE(scenario.Read(L"ERUNT.INI").find("InstallFolder=ohne Abschnitt"), std::string::npos);
    EXPECT_EQ(scenario.ReadIni(L"ERUNT.INI", L"ERUNT", L"InstallFolder"), scenario.Folder());
}

TEST_F(BadInputTest, SectionAndKeysInOtherLetterCaseAreUsedAndNotDoubled) {
    InstallToolsOnly();
    scenario.Write(L"ERUNT.INI", "[erunt]\r\ninstallfolder=\r\ndefaultdestinationfolder=x\r\n");
    StartAndExpectWorking();
    const std::string after = scenario.Read(L"ERUNT.INI");
    EXPECT_EQ(after.find("[ERUNT]"), std::string::npos) << "no second section";
    EXPECT_EQ(after.find("InstallFolder="), std::string::npos) << "no second key";
    EXPECT_EQ(scenario.ReadIni(L"ERUNT.INI", L"ERUNT", L"InstallFolder"), scenario.Folder());
}

// Windows refuses to write it; Wine, run as root, may write it all the same.
TEST_F(BadInputTest, AReadOnlySettingsFileLosesNothingAndTheProgramStillStarts) {
    InstallToolsOnly();
    const std::wstring file = scenario.Write(L"ERUNT.INI", "[ERUNT]\r\nRegCleaner=C:\\Irgendwo\r\n");
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
    StartAndExpectWorking();
    EXPECT_EQ(scenario.ReadIni(L"ERUNT.INI", L"ERUNT", L"RegCleaner"), L"C:\\Irgendwo");
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(BadInputTest, AnInstallFolderThatIsAFileDisablesTheEruntButtonsQuietly) {
    InstallToolsOnly();
    scenario.WriteIni(L"ERUNT.INI", L"ERUNT", L"InstallFolder", scenario.PathOf(L"ERUNT.EXE"));
    auto program = StartAndExpectWorking();
    EXPECT_TRUE(program.NoMessageBoxWithin(300ms));
    for (const int id : {IDC_BSICHERUNGEN, IDC_BOPTIMIERUNG, IDC_BAUTOSICHERUNG})
        EXPECT_FALSE(IsEnabled(program.Control(id))) << id;
}

TEST_F(BadInputTest, ADriveRootAsBackupFolderIsHandedToEruntAsItIs) {
    InstallProgramWithErunt(scenario);
    scenario.WriteIni(L"ERUNT.INI", L"ERUNT", L"DefaultDestinationFolder", L"C:\\");
    // The stand-in makes today's backup in the root; an earlier one there would bring the overwrite question.
    const std::filesystem::path today = L"C:\\" + TodayAsFolderName();
    std::filesystem::remove_all(today);
    auto program = StartAndExpectWorking();
    ClickAt(main_, CentreInParent(program.Control(IDC_BSICHERUNGEN)));
    EXPECT_EQ(program.WaitForExit(10s), 0u);
    std::error_code ignored;
    std::filesystem::remove_all(today, ignored);
    const auto records = scenario.RecordsOf(L"ERUNT.EXE");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Arguments(), L"\"C:\\\\#Date#\" sysreg curuser otherusers /noconfirmdelete");
}

TEST_F(BadInputTest, AProgramFolderWithSpacesAndCyrillicLettersWorksThroughItsShortName) {
    const std::wstring folder = L"Программа Hivora";
    scenario.AddProgram(folder + L"\\HIVORA.exe");
    for (const wchar_t* tool : {L"ERUNT.EXE", L"NTREGOPT.EXE"})
        scenario.AddStandin(folder + L"\\" + tool);
    auto program = scenario.Start({}, folder + L"\\HIVORA.exe");
    const HWND main = program.MainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(program.NoMessageBoxWithin(300ms)) << "ERUNT is found";
    const std::wstring stored = scenario.ReadIni(folder + L"\\ERUNT.INI", L"ERUNT", L"InstallFolder");
    EXPECT_EQ(stored.find(L'?'), std::wstring::npos) << "no letters lost in ERUNT's ANSI file";
    EXPECT_NE(GetFileAttributesW((stored + L"\\ERUNT.EXE").c_str()), INVALID_FILE_ATTRIBUTES);

    ClickAt(main, CentreInParent(program.Control(IDC_BOPTIMIERUNG)));
    EXPECT_EQ(program.WaitForExit(10s), 0u);
    EXPECT_EQ(scenario.RecordsOf(L"NTREGOPT.EXE").size(), 1u);
}

// Without the Run key the entry cannot be written; the program says nothing,
// as it does for any refused write, and the next click finds it still off.
TEST_F(BadInputTest, ARunValueThatCannotBeWrittenLeavesTheSwitchOff) {
    constexpr wchar_t kRunParent[] = L"Software\\Microsoft\\Windows\\CurrentVersion";
    HKEY parent = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRunParent, 0, KEY_ALL_ACCESS, &parent), ERROR_SUCCESS);
    SHDeleteKeyW(parent, L"Run");
    InstallProgramWithErunt(scenario);
    auto program = StartAndExpectWorking();
    for (int click = 0; click < 2; ++click) {
        ClickAt(main_, CentreInParent(program.Control(IDC_BAUTOSICHERUNG)));
        const auto offer = program.AnswerMessageBox(IDYES);
        ASSERT_TRUE(offer);
        EXPECT_NE(offer->text.find(L"eingetragen"), std::wstring::npos) << "switching on is offered again";
        ASSERT_TRUE(program.AnswerMessageBox(IDNO));
    }
    EXPECT_TRUE(program.IsRunning());
    HKEY run = nullptr;
    RegCreateKeyExW(parent, L"Run", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &run, nullptr);
    RegCloseKey(run);
    RegCloseKey(parent);
}

// The clean-up meets files it may not delete.
TEST_F(BadInputTest, LockedHiveCopiesStayAndReadOnlyOnesGoWithoutACrash) {
    SHSetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\MS Setup (ACME)\\User Info", L"DefName", REG_SZ, L"Test", 10);
    const std::wstring config = NativeFolder(SystemDirectory() + L"\\config");
    CreateDirectoryW(config.c_str(), nullptr);
    for (const wchar_t* patterns : {kFirstPatternList, kSecondPatternList})
        RemoveFiles(config, MatchingFiles(config, patterns));
    const std::wstring locked = config + L"\\A_SOFTWARE.BAK";
    const std::wstring readOnly = config + L"\\B_SYSTEM.BAK";
    const UniqueFileHandle held(
        CreateFileW(locked.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr));
    CloseHandle(
        CreateFileW(readOnly.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_READONLY, nullptr));

    InstallProgramWithErunt(scenario);
    auto program = StartAndExpectWorking();
    ClickAt(main_, CentreInParent(program.Control(IDC_BBEREINIGUNG)));
    const auto report = program.AnswerMessageBox(IDOK);
    ASSERT_TRUE(report);
    EXPECT_NE(GetFileAttributesW(locked.c_str()), INVALID_FILE_ATTRIBUTES) << "a file in use stays";
    EXPECT_EQ(program.WaitForExit(10s), 0u);
    SHDeleteValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\MS Setup (ACME)\\User Info", L"DefName");
    SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(readOnly.c_str());
}

} // namespace
