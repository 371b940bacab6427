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
        ASSERT_EQ(scenario_.Log().size(), 1u);
        EXPECT_EQ(scenario_.Log()[0].Alone(), scenario_.Program());
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
    WriteBytes(scenario_ / L"ERUNT.LOC", "Sprachdatei der Registrierung\r\n"); // German already: not offered
    const HWND window = Open();
    DeleteFileW((scenario_ / L"ERUNT.INI").c_str());
    CreateDirectoryW((scenario_ / L"ERUNT.INI").c_str(), nullptr);
    Click(GetDlgItem(window, IDC_BREADY));
    EXPECT_EQ(program_->Answer(IDOK).value().title, L" Hivora");
    EXPECT_TRUE(IsWindow(window));
    EXPECT_TRUE(scenario_.Log().empty());
}

struct ToolFolder {
    const char* name;
    int chooser;         // the folder's "..." button
    const wchar_t* page; // the download page that Retry opens, quoted as the browser is handed it
};

class ToolFolderTest : public OptionenTest, public testing::WithParamInterface<ToolFolder> {};

// A folder without the tool (here one with ERUNT.EXE alone) changes no setting; Retry opens the
// tool's download page.
TEST_P(ToolFolderTest, AFolderWithoutTheToolIsRefusedAndRetryOffersItsDownload) {
    scenario_.RegisterBrowser();
    CopyTo(scenario_ / L"Auswahl\\ERUNT.EXE");
    const HWND window = Open();
    const std::string settings = ReadBytes(scenario_ / L"ERUNT.INI");
    Click(GetDlgItem(window, GetParam().chooser));
    ASSERT_TRUE(ChooseFolder(program_->WaitBox().value().window, program_->Id(), scenario_ / L"Auswahl"));
    ASSERT_TRUE(program_->Answer(IDRETRY));
    EXPECT_NE(scenario_.WaitLog(1).at(0).line.find(GetParam().page), std::wstring::npos) << scenario_.Log()[0].line;
    EXPECT_EQ(ReadBytes(scenario_ / L"ERUNT.INI"), settings);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, ToolFolderTest, testing::Values(
    ToolFolder{"Erunt", IDC_BINSTALL, kEruntAddress},
    ToolFolder{"PrefetchCleaner", IDC_BBOOTCLEAN_WAEHLEN,
               L" \"https://duckduckgo.com/?q=%22Windows+XP+Prefetch+Clean+and+Control%22+Jester2K+download\""},
    ToolFolder{"RegCleaner", IDC_BCLEANER_WAEHLEN, L" \"https://duckduckgo.com/?q=RegCleaner+4.0.3.780+download\""}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

class LanguagePackageTest : public OptionenTest, public testing::WithParamInterface<const char*> {};

// The German files come from HIVORA.LOC beside the program, with one member, as the program's packer
// writes a package; a member that would overwrite the package itself refuses the package whole.
TEST_P(LanguagePackageTest, IsUnpackedIntoTheEruntFolderButNeverOverwritesItself) {
    const std::string member = GetParam() + std::string(".LOC"), entry = member + "\t0\t13\r\n",
                      english = "English language file\r\n";
    const std::string package =
        "Registrierung" + entry + std::to_string(10018 + entry.size()).substr(1) + "\t*CompactFile*";
    WriteBytes(scenario_ / L"HIVORA.LOC", package);
    WriteBytes(scenario_ / L"ERUNT.LOC", english);
    Click(GetDlgItem(Open(), IDC_BREADY));
    ASSERT_TRUE(program_->Answer(IDYES)) << "the German files are offered";
    ExpectRestart();
    EXPECT_EQ(ReadBytes(scenario_ / L"HIVORA.LOC"), package);
    EXPECT_EQ(ReadBytes(scenario_ / L"ERUNT.LOC"), member == "ERUNT.LOC" ? "Registrierung" : english);
}

INSTANTIATE_TEST_SUITE_P(Members, LanguagePackageTest, testing::Values("ERUNT", "HIVORA"),
                         [](const auto& info) { return std::string(info.param); });

} // namespace
