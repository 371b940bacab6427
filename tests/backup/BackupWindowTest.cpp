// The automatic backup entry, restore and the clean-up, clicked in the real window.
#include "Harness.h"

#include <gtest/gtest.h>

namespace {

struct Autostart {
    const char* name;
    REGSAM plantedView; // where an "Erunt" value is before the click; 0 for nowhere
    RegValue planted;
    std::vector<int> answers; // to the questions, in turn
    const wchar_t* question;  // a part of the first one
    const wchar_t* autoback;  // the first backup's arguments, when one is started
};

class AutostartTest : public testing::TestWithParam<Autostart> {};

// Either build reads and writes the one entry of the 64-bit view.
TEST_P(AutostartTest, OneEntryWhicheverBuildSetIt) {
    const Autostart& row = GetParam();
    Scenario scenario({L"ERUNT.EXE", L"NTREGOPT.EXE", L"AUTOBACK.EXE"});
    for (const REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY})
        scenario.SetReg(HKEY_LOCAL_MACHINE, kRunKey, L"Erunt",
                        view == row.plantedView ? std::optional(row.planted) : std::nullopt, view);
    Program program(scenario.Program());
    Click(program.Control(IDC_BAUTOSICHERUNG));
    const auto question = program.Answer(row.answers[0]);
    ASSERT_TRUE(question);
    EXPECT_NE(question->text.find(row.question), std::wstring::npos) << question->text;
    for (size_t answer = 1; answer < row.answers.size(); ++answer)
        ASSERT_TRUE(program.Answer(row.answers[answer]));
    const bool on = row.plantedView == 0;
    const auto entry = [](REGSAM view) { return ReadReg(HKEY_LOCAL_MACHINE, kRunKey, L"Erunt", view); };
    EXPECT_TRUE(WaitFor([&] { return !entry(KEY_WOW64_64KEY) != on; }));
    if (on) {
        EXPECT_EQ(entry(KEY_WOW64_64KEY)->bytes, Sz(L"\"" + scenario.Program() + L"\" /Auto").bytes);
    }
    EXPECT_FALSE(entry(KEY_WOW64_32KEY));
    if (row.autoback) {
        const auto log = scenario.WaitLog(1);
        ASSERT_EQ(log.size(), 1u);
        EXPECT_EQ(log[0].line, L"\"" + scenario / L"Autoback.exe\" \"" + scenario / L"Sysreg\" " + row.autoback);
        EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(program.Control(IDC_BWIEDERHERSTELLEN)); }))
            << "the backup can be restored";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AutostartTest,
    testing::Values(
        Autostart{"SwitchedOn", 0, {}, {IDYES, IDNO}, L"eingetragen", nullptr},
        Autostart{"SwitchedOnWithTheFirstBackup",
                  0,
                  {},
                  {IDYES, IDYES},
                  L"eingetragen",
                  L"curuser otherusers /noconfirmdelete /alwayscreate"},
        Autostart{"OnlyInThe32BitView", KEY_WOW64_32KEY, Sz(L"x"), {IDYES}, L"entfernt werden", nullptr},
        Autostart{"Binary", KEY_WOW64_64KEY, {REG_BINARY, std::string(8, '\1')}, {IDYES}, L"entfernt werden", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AutomaticBackup, AnEntryThatCannotBeWrittenIsReported) {
    Scenario scenario({L"ERUNT.EXE", L"NTREGOPT.EXE", L"AUTOBACK.EXE"});
    for (const REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
        RegDeleteKeyExW(HKEY_LOCAL_MACHINE, kRunKey, view, 0);
        scenario.Undo([view] {
            UniqueKey run;
            RegCreateKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, nullptr, 0, KEY_ALL_ACCESS | view, nullptr, run.put(),
                            nullptr);
        });
    }
    Program program(scenario.Program());
    Click(program.Control(IDC_BAUTOSICHERUNG));
    ASSERT_TRUE(program.Answer(IDYES));
    const auto report = program.Answer(IDOK);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->title, L" Dired Arazerev-Uvozevo");
    EXPECT_EQ(report->buttons, std::vector<int>{IDOK});
    // The settings window opens only when no further question holds the main window.
    Click(program.Control(IDC_BKONFIGURATION));
    EXPECT_NE(program.Window(L"HivoraOptionen"), nullptr);
    EXPECT_TRUE(scenario.Log().empty()) << "no first backup";
}

TEST(Restore, TheListShowsTheDatedBackupsAndADoubleClickRestoresOne) {
    Scenario scenario;
    CopyTo(scenario / L"Sysreg\\Erdnt.exe");
    std::filesystem::create_directories(scenario / L"Backup\\2008-03-01");
    CopyTo(scenario / L"Backup\\2008-03-07\\Erdnt.exe");
    Program program(scenario.Program());
    Click(program.Control(IDC_BWIEDERHERSTELLEN));
    ASSERT_TRUE(program.Answer(IDNO));
    const HWND list = program.Control(IDC_LBACKUPS);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(list) && SendMessageW(list, LB_GETCOUNT, 0, 0) == 2; }));
    for (const auto& [index, name] : {std::pair{0, L"2008-03-01"}, std::pair{1, L"2008-03-07"}}) {
        wchar_t entry[1024] = {};
        SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(entry));
        EXPECT_NE(std::wstring(entry).find(name), std::wstring::npos) << entry;
    }
    const auto height = static_cast<LONG>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    Click(list, 2, POINT{20, height + height / 2});
    EXPECT_EQ(program.Exit(), 0u);
    const auto log = scenario.WaitLog(1);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].Alone(), scenario / L"Backup\\2008-03-07\\Erdnt.exe");
}

// The automatic backup of a user's profile folder is offered only for a name that is no path;
// and as a restore cannot be undone, Enter never starts one.
TEST(Restore, OnlyRealPlacesAreOfferedAndTheQuestionsDefaultToNo) {
    Scenario scenario;
    scenario.SetReg(HKEY_CURRENT_USER, kUserInfo, L"DefName", Sz(L"..\\Opfer"));
    scenario.Undo([] { std::filesystem::remove_all(L"C:\\Opfer"); });
    scenario.PlaceStandin(L"C:\\Opfer\\Sysreg\\Erdnt.exe");
    CopyTo(scenario / L"Sysreg\\Erdnt.exe");
    Program program(scenario.Program());
    Click(program.Control(IDC_BWIEDERHERSTELLEN));
    for (int question = 0; question < 2; ++question) {
        const auto box = program.Answer(IDYES);
        ASSERT_TRUE(box);
        EXPECT_EQ(box->title, L" Wiederherstellung der Registrierung");
        EXPECT_EQ(box->defaultButton, IDNO);
    }
    EXPECT_EQ(program.Exit(), 0u);
    const auto log = scenario.WaitLog(1);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].Alone(), scenario / L"Sysreg\\Erdnt.exe") << "not the one in C:\\Opfer";
}

struct CleanupRun {
    const char* name;
    bool userRegistered; // a DefName spares the start-up its look-up in the clean-up window
    int files;           // numbered hive copies, left for the full clean-up
    bool pointerMoves;   // over other buttons while the clean-up runs
};

class CleanupTest : public testing::TestWithParam<CleanupRun> {};

TEST_P(CleanupTest, TheFirstClickCleansUpReportsAndCloses) {
    const CleanupRun& row = GetParam();
    Scenario scenario;
    scenario.SetReg(HKEY_CURRENT_USER, kUserInfo, L"DefName",
                    row.userRegistered ? std::optional(Sz(L"Test")) : std::nullopt);
    // The system's config folder, not its 32-bit twin.
    BOOL wow64 = FALSE;
    IsWow64Process(GetCurrentProcess(), &wow64);
    const std::wstring config = SystemFolder().substr(0, SystemFolder().rfind(L'\\')) +
                                (wow64 ? L"\\Sysnative\\config" : L"\\System32\\config");
    std::filesystem::create_directories(config);
    for (int number = 1; number <= row.files; ++number) {
        const std::wstring copy = config + L"\\SOFTWARE_BAK_" + std::to_wstring(number) + L".DAT";
        CloseHandle(CreateFileW(copy.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        scenario.Undo([copy] { DeleteFileW(copy.c_str()); });
    }
    Program program(scenario.Program());
    const HWND passed[] = {program.Control(IDC_BOPTIMIERUNG), program.Control(IDC_BUPDATES)};
    Click(program.Control(IDC_BBEREINIGUNG));
    std::optional<Box> report;
    int moves = 0;
    ASSERT_TRUE(WaitFor(
        [&] {
            if (row.pointerMoves)
                MoveTo(passed[++moves % 2]);
            return (report = program.WaitBox(0)).has_value();
        },
        60000));
    EXPECT_EQ(report->title, L" Bereinigung der Optimierung");
    EXPECT_EQ(report->text.rfind(std::to_wstring(row.files) + L" temporäre", 0), 0u) << report->text;
    program.Answer(IDOK);
    EXPECT_EQ(program.Exit(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Rows, CleanupTest,
                         testing::Values(CleanupRun{"RegisteredUser", true, 1, false},
                                         CleanupRun{"LookedUpUser", false, 1, false},
                                         CleanupRun{"ManyFilesAndAMovingPointer", false, 2000, true}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
