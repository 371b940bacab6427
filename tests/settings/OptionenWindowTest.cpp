// The settings window, opened from the main window and driven as a user would.
#include "FolderPicker.h"
#include "Installation.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

using namespace std::chrono_literals;

class OptionenTest : public testing::Test {
protected:
    void SetUp() override { MoveMouseAway(); }

    // Opens the settings window of a freshly started program.
    void Open() {
        program_.emplace(scenario.Start());
        main_ = program_->MainWindow();
        ASSERT_NE(main_, nullptr);
        ClickAt(main_, CentreInParent(program_->Control(IDC_BKONFIGURATION)));
        window_ = program_->WaitForWindow(L"HivoraOptionen");
        ASSERT_NE(window_, nullptr);
        EXPECT_EQ(WindowText(window_), L" Einstellungen");
    }
    HWND Item(int id) const { return GetDlgItem(window_, id); }
    void Press(int id) { ClickAt(window_, CentreInParent(Item(id))); }
    // Presses a "..." button and picks the folder in the dialog that opens.
    void Choose(int button, const std::wstring& folder) {
        Press(button);
        const auto picker = program_->WaitForMessageBox();
        ASSERT_TRUE(picker);
        ASSERT_TRUE(ChooseFolder(picker->window, program_->Id(), folder));
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(picker->window); }, 5s));
    }
    std::wstring Setting(const wchar_t* key) const { return scenario.ReadIni(L"ERUNT.INI", L"ERUNT", key); }

    Scenario scenario;
    std::optional<RunningProgram> program_;
    HWND main_ = nullptr;
    HWND window_ = nullptr;
};

TEST_F(OptionenTest, AMissingEruntFolderLocksTheBackupGroupAndOkButNotCancel) {
    InstallProgramWithErunt(scenario);
    scenario.WriteIni(L"ERUNT.INI", L"ERUNT", L"InstallFolder", scenario.PathOf(L"Gibt es nicht"));
    scenario.Write(L"ERUNT.EXE", "beside the program, so no message at start");
    Open();
    for (const int id :
         {IDC_VSICHERUNGEN, IDC_TSICHERUNGEN, IDC_BSICHERUNGEN_WAEHLEN, IDC_BSUBFOLDER, IDC_BCOMPLETE, IDC_BREADY})
        EXPECT_TRUE(WaitUntil([&] { return !IsEnabled(Item(id)); }, 2s)) << id;
    EXPECT_TRUE(IsEnabled(Item(IDC_BINSTALL)));
    Press(IDC_BABBRECHEN);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(window_); }, 3s));
    EXPECT_TRUE(program_->IsRunning());
}

TEST_F(OptionenTest, AnEruntFolderWithoutNtregoptIsRefusedAndRetryOffersTheDownload) {
    InstallProgramWithErunt(scenario);
    scenario.AddStandin(L"Halb\\ERUNT.EXE");
    scenario.RegisterBrowser();
    Open();
    Choose(IDC_BINSTALL, scenario.PathOf(L"Halb"));
    const auto refusal = program_->AnswerMessageBox(IDRETRY);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->title, L" Emergency Recovery Utility");
    EXPECT_EQ(refusal->text, L"In diesem Ordner konnte keine Installation von Erunt und NtRegOpt gefunden werden.   \n"
                             L"Erunt - Das Emergency Recovery Utility NT Version 1.1g, 02.11.2004 (Freeware)\n"
                             L"Klicken Sie ''Wiederholen'' um auf die Downloadseite verwiesen zu werden.\n"
                             L"Download unter: https://duckduckgo.com/?q=ERUNT+Emergency+Recovery+Utility+NT+download");
    const auto browser = scenario.WaitForLog(1);
    ASSERT_EQ(browser.size(), 1u);
    EXPECT_NE(browser[0].commandLine.find(L"ERUNT+Emergency+Recovery+Utility+NT"), std::wstring::npos);
    EXPECT_EQ(Setting(L"InstallFolder"), scenario.Folder()) << "nothing stored";
}

TEST_F(OptionenTest, AValidRegCleanerFolderIsStoredAtOnceAndKeptAfterCancel) {
    InstallProgramWithErunt(scenario);
    scenario.AddStandin(L"Reg Cleaner\\REGCLEANR.EXE");
    Open();
    Choose(IDC_BCLEANER_WAEHLEN, scenario.PathOf(L"Reg Cleaner"));
    EXPECT_TRUE(WaitUntil([&] { return WindowText(Item(IDC_TCLEANER)) == scenario.PathOf(L"Reg Cleaner"); }, 5s));
    EXPECT_TRUE(WaitUntil([&] { return Setting(L"RegCleaner") == scenario.PathOf(L"Reg Cleaner"); }, 5s))
        << "stored at once";
    Press(IDC_BABBRECHEN);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(window_); }, 3s));
    EXPECT_EQ(Setting(L"RegCleaner"), scenario.PathOf(L"Reg Cleaner"));
}

TEST_F(OptionenTest, APrefetchFolderChoiceReloadsEveryField) {
    InstallProgramWithErunt(scenario);
    scenario.AddStandin(L"Prefetch\\WINDOWS-XP-PREFETCH-CLEAN-AND-CONTROL.EXE");
    scenario.MakeFolder(L"Andere Sicherungen");
    Open();
    Choose(IDC_BSICHERUNGEN_WAEHLEN, scenario.PathOf(L"Andere Sicherungen"));
    ASSERT_TRUE(
        WaitUntil([&] { return WindowText(Item(IDC_TSICHERUNGEN)) == scenario.PathOf(L"Andere Sicherungen"); }, 5s));
    Choose(IDC_BBOOTCLEAN_WAEHLEN, scenario.PathOf(L"Prefetch"));
    EXPECT_TRUE(WaitUntil([&] { return Setting(L"BootClean") == scenario.PathOf(L"Prefetch"); }, 5s));
    EXPECT_TRUE(WaitUntil([&] { return WindowText(Item(IDC_TSICHERUNGEN)) == scenario.PathOf(L"Backup"); }, 5s))
        << "the stored value came back";
    EXPECT_EQ(WindowText(Item(IDC_TBOOTCLEAN)), scenario.PathOf(L"Prefetch"));
}

TEST_F(OptionenTest, ABackupFolderHoldingFilesIsAskedAbout) {
    InstallProgramWithErunt(scenario);
    scenario.Write(L"Voll\\datei.txt", "x");
    Open();
    Choose(IDC_BSICHERUNGEN_WAEHLEN, scenario.PathOf(L"Voll"));
    const auto question = program_->AnswerMessageBox(IDNO);
    ASSERT_TRUE(question);
    EXPECT_EQ(question->title, L" Emergency Recovery Folder");
    EXPECT_EQ(question->text, L"Dieses Verzeichnis ist nicht leer, es sind noch andere Dateien vorhanden.   \n"
                              L"Möchten Sie den Ordner trotzdem als Sicherungsort verwenden ?");
    EXPECT_EQ(WindowText(Item(IDC_TSICHERUNGEN)), scenario.PathOf(L"Backup")) << "No keeps the old value";
}

TEST_F(OptionenTest, OkWithAMissingBackupFolderIsRefused) {
    InstallProgramWithErunt(scenario);
    scenario.WriteIni(L"ERUNT.INI", L"ERUNT", L"DefaultDestinationFolder", scenario.PathOf(L"Weg"));
    Open();
    Press(IDC_BREADY);
    const auto refusal = program_->AnswerMessageBox(IDOK);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->title, L" Hivora");
    EXPECT_EQ(refusal->text, L"Der Sicherungsordner ist ungültig oder Zugriffsfehler während der Überprüfung.    ");
    EXPECT_TRUE(IsWindow(window_));
    EXPECT_EQ(Setting(L"DisableFastBackup"), L"") << "nothing stored";
}

TEST_F(OptionenTest, AccessKeysWorkAsTheCaptionsPromise) {
    InstallProgramWithErunt(scenario);
    Open();
    BringToFront(window_);
    for (const auto& [key, field] : {std::pair{'S', IDC_TSICHERUNGEN}, std::pair{'B', IDC_TBOOTCLEAN},
                                     std::pair{'R', IDC_TCLEANER}, std::pair{'I', IDC_TINSTALL}}) {
        PressKey(key, true);
        EXPECT_EQ(FocusIn(window_), Item(field)) << "Alt+" << key << " moves to the field after its label";
    }
    const auto checked = [&](int box) { return SendMessageW(Item(box), BM_GETCHECK, 0, 0) == BST_CHECKED; };
    const bool complete = checked(IDC_BCOMPLETE);
    PressKey('V', true);
    EXPECT_NE(checked(IDC_BCOMPLETE), complete) << "Alt+V ticks or clears the complete backup";
    PressKey('A', true);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(window_); }, 3s)) << "Alt+A cancels";
}

// Ok restarts the program; the new instance is found by its window and ended by the test.
class OptionenOkTest : public OptionenTest {
protected:
    void TearDown() override {
        for (int tries = 0; tries < 50; ++tries) {
            const HWND restarted = FindWindowW(L"HivoraRoot", nullptr);
            if (!restarted)
                return;
            DWORD id = 0;
            GetWindowThreadProcessId(restarted, &id);
            const UniqueKernelHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id));
            TerminateProcess(process.get(), 0);
            WaitForSingleObject(process.get(), 5000);
        }
    }
    // The new instance of the program, once its window shows.
    DWORD WaitForRestart() {
        DWORD restarted = 0;
        WaitUntil(
            [&] {
                const HWND window = FindWindowW(L"HivoraRoot", nullptr);
                DWORD id = 0;
                if (window && IsWindowVisible(window))
                    GetWindowThreadProcessId(window, &id);
                restarted = id != program_->Id() ? id : 0;
                return restarted != 0;
            },
            15s);
        return restarted;
    }
    void PackLanguageFiles() {
        scenario.CopyIn(Scenario::BuiltProgram().substr(0, Scenario::BuiltProgram().rfind(L'\\')) + L"\\HIVORA.LOC",
                        L"HIVORA.LOC");
        scenario.Write(L"ERUNT.LOC", "English language file of ERUNT\r\n");
    }
};

TEST_F(OptionenOkTest, OkStoresEverythingAndTheProgramComesBackAsANewProcess) {
    InstallProgramWithErunt(scenario);
    Open();
    Press(IDC_BCOMPLETE);
    Press(IDC_BREADY);
    EXPECT_EQ(program_->WaitForExit(10s), 0u);
    EXPECT_NE(WaitForRestart(), 0u);
    EXPECT_EQ(Setting(L"DisableFastBackup"), L"1");
    EXPECT_EQ(Setting(L"AppendDateToFolderEditField"), L"0");
    EXPECT_EQ(Setting(L"DateFormat"), L"yyyy/mm/dd");
    EXPECT_EQ(Setting(L"InstallFolder"), scenario.Folder());
}

TEST_F(OptionenOkTest, AcceptedLanguageOfferInstallsTheGermanFilesBeforeTheRestart) {
    InstallProgramWithErunt(scenario);
    PackLanguageFiles();
    Open();
    Press(IDC_BREADY);
    const auto offer = program_->AnswerMessageBox(IDYES);
    ASSERT_TRUE(offer);
    EXPECT_EQ(offer->title, L" Emergency Recovery Utility");
    EXPECT_EQ(offer->text, L"Möchten Sie die Sprache ''Deutsch'' für Erunt und NtRegOpt installieren ?   ");
    EXPECT_EQ(program_->WaitForExit(10s), 0u);
    EXPECT_NE(WaitForRestart(), 0u);
    EXPECT_NE(scenario.Read(L"ERUNT.LOC").find("Registrierung"), std::string::npos);
    EXPECT_NE(scenario.Read(L"NTREGOPT.LOC").find("Registrierung"), std::string::npos);
}

TEST_F(OptionenOkTest, GermanFilesInPlaceAreNotOfferedAgain) {
    InstallProgramWithErunt(scenario);
    scenario.Write(L"ERUNT.LOC", "[Strings]\r\nTitle=SICHERUNG DER REGISTRIERUNG\r\n");
    Open();
    Press(IDC_BREADY);
    EXPECT_EQ(program_->WaitForExit(10s), 0u) << "no question held it up";
    EXPECT_NE(WaitForRestart(), 0u);
}

// A container of one member under the given name, as the program's packer writes it.
std::string Container(const std::string& name, const std::string& bytes) {
    const std::string line = name + "\t0\t" + std::to_string(bytes.size()) + "\r\n";
    char length[5];
    std::snprintf(length, sizeof(length), "%04zu", line.size() + 18);
    return bytes + line + length + "\t*CompactFile*";
}

struct DamagedPackage {
    const char* what;
    std::string (*damage)(const std::string& package);
};

class DamagedPackageTest : public OptionenOkTest, public testing::WithParamInterface<DamagedPackage> {};

TEST_P(DamagedPackageTest, ChangesNothingAndTheRestartStillHappens) {
    InstallProgramWithErunt(scenario);
    PackLanguageFiles();
    scenario.Write(L"HIVORA.LOC", GetParam().damage(scenario.Read(L"HIVORA.LOC")));
    const std::wstring outside = scenario.Folder().substr(0, scenario.Folder().rfind(L'\\')) + L"\\evil.txt";
    Open();
    Press(IDC_BREADY);
    ASSERT_TRUE(program_->AnswerMessageBox(IDYES));
    EXPECT_EQ(program_->WaitForExit(10s), 0u);
    EXPECT_NE(WaitForRestart(), 0u);
    EXPECT_EQ(scenario.Read(L"ERUNT.LOC"), "English language file of ERUNT\r\n");
    EXPECT_FALSE(scenario.Exists(L"NTREGOPT.LOC"));
    EXPECT_EQ(GetFileAttributesW(outside.c_str()), INVALID_FILE_ATTRIBUTES) << "nothing written outside the folder";
}

INSTANTIATE_TEST_SUITE_P(
    Packages, DamagedPackageTest,
    testing::Values(DamagedPackage{"Empty", [](const std::string&) { return std::string(); }},
                    DamagedPackage{"Truncated",
                                   [](const std::string& package) { return package.substr(0, package.size() - 20); }},
                    DamagedPackage{"HostileMemberName",
                                   [](const std::string&) {
                                       return Container("ERUNT.LOC", "Registrierung") + Container("..\\evil.txt", "x");
                                   }},
                    DamagedPackage{"LengthFieldLargerThanTheFile",
                                   [](const std::string& package) {
                                       std::string damaged = package;
                                       damaged.replace(damaged.size() - 18, 4, "9999");
                                       return damaged;
                                   }}),
    [](const testing::TestParamInfo<DamagedPackage>& info) { return std::string(info.param.what); });

} // namespace
