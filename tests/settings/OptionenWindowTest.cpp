// The settings window's Ok, driven as a user would.
#include "Harness.h"

#include <gtest/gtest.h>

namespace {

class OptionenTest : public testing::Test {
protected:
    // Opens the settings window. The program on disk then is a stand-in, so that the restart after
    // Ok is recorded instead of showing a second program.
    HWND Open() {
        program_.emplace(scenario_.Program());
        Click(program_->Control(IDC_BKONFIGURATION));
        const HWND window = program_->Window(L"HivoraOptionen");
        MoveFileExW(scenario_.Program().c_str(), (scenario_ / L"HIVORA.old").c_str(), 0);
        CopyTo(scenario_.Program());
        return window;
    }
    void ExpectRestart() {
        EXPECT_EQ(program_->Exit(), 0u);
        const auto log = scenario_.Log();
        EXPECT_EQ(log.size(), 1u);
        EXPECT_EQ(log.at(0).Alone(), scenario_.Program());
    }

    Scenario scenario_;
    std::optional<Program> program_;
};

TEST_F(OptionenTest, AFolderChosenInTheDialogIsStoredAndOkRestarts) {
    CopyTo(scenario_ / L"Reg Cleaner\\REGCLEANR.EXE");
    const HWND window = Open();
    Click(GetDlgItem(window, IDC_BCLEANER_WAEHLEN));
    ASSERT_TRUE(ChooseFolder(program_->WaitBox().value().window, program_->Id(), scenario_ / L"Reg Cleaner"));
    Click(GetDlgItem(window, IDC_BREADY));
    ExpectRestart();
    EXPECT_EQ(Ini(scenario_ / L"ERUNT.INI", L"RegCleaner"), scenario_ / L"Reg Cleaner");
}

TEST_F(OptionenTest, SettingsThatCannotBeWrittenAreReportedAndNoRestartFollows) {
    const HWND window = Open();
    DeleteFileW((scenario_ / L"ERUNT.INI").c_str());
    CreateDirectoryW((scenario_ / L"ERUNT.INI").c_str(), nullptr);
    Click(GetDlgItem(window, IDC_BREADY));
    EXPECT_EQ(program_->Answer(IDOK).value().title, L" Hivora");
    EXPECT_TRUE(IsWindow(window));
    EXPECT_TRUE(scenario_.Log().empty());
}

TEST_F(OptionenTest, TheLanguagePackageNeverOverwritesItself) {
    // One member, HIVORA.LOC, as the program's packer writes a package.
    const std::string entry = "HIVORA.LOC\t0\t13\r\n";
    const std::string package =
        "Registrierung" + entry + std::to_string(10018 + entry.size()).substr(1) + "\t*CompactFile*";
    WriteBytes(scenario_ / L"HIVORA.LOC", package);
    WriteBytes(scenario_ / L"ERUNT.LOC", "English language file of ERUNT\r\n");
    Click(GetDlgItem(Open(), IDC_BREADY));
    ASSERT_TRUE(program_->Answer(IDYES)) << "the German files are offered";
    ExpectRestart();
    EXPECT_EQ(ReadBytes(scenario_ / L"HIVORA.LOC"), package);
}

} // namespace
