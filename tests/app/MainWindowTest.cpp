// The start-up and the main window, driven through the real program.
#include "Harness.h"
#include "services/BackupLock.h"
#include "services/Dates.h"

#include <gtest/gtest.h>

namespace {

// A missing ERUNT is reported and Retry opens the download page; an older Windows is refused with exit code 1.
TEST(StartUp, AMissingEruntIsReportedAndAnOlderWindowsRefused) {
    Scenario scenario({});
    scenario.RegisterBrowser();
    Program program(scenario.Program());
    ASSERT_EQ(program.Answer(IDRETRY).value().buttons, (std::vector<int>{IDRETRY, IDCANCEL}));
    EXPECT_NE(scenario.WaitLog(1).at(0).line.find(kEruntAddress), std::wstring::npos);
    EXPECT_EQ(program.Processes(), 1u) << "the browser is no child of the program";
    CopyTo(scenario / L"Hivora98.exe", ProgramToTest());
    // Wine tells a program it runs on another Windows when its own settings say so.
    scenario.SetReg(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\Hivora98.exe", L"Version", L"win98");
    Program older(scenario / L"Hivora98.exe");
    EXPECT_TRUE(older.Answer(IDOK) && older.Exit() == 1u);
}

// An overdue log-on backup is told at a start. /Auto backs up without a window once a day, beside the
// backup of earlier versions; a missing AUTOBACK is reported.
TEST(StartUp, AutoBacksUpOnceADayWithoutAWindow) {
    Scenario scenario;
    scenario.SetReg(HKEY_LOCAL_MACHINE, kRunKey, L"Erunt", L"on", KEY_WOW64_64KEY);
    const std::wstring old = scenario / L"Sysreg";
    CopyTo(old + L"\\Erdnt.exe");
    WriteBytes(old + L"\\SYSTEM", "");
    const auto marker = WriteBytes(old + L"\\Erdnt.inf", "");
    std::filesystem::last_write_time(marker, std::filesystem::last_write_time(marker) - std::chrono::hours(24 * 8));
    Program overdue(scenario.Program()); // Yes backs up at once, with the AUTOBACK that is missing here
    EXPECT_NE(overdue.Answer(IDYES).value().text.find(L"keine Sicherung mehr"), std::wstring::npos);
    EXPECT_NE(overdue.Answer(IDOK).value().text.find(L"Autoback.exe"), std::wstring::npos);
    Program missing(scenario.Program(), L"/Auto");
    EXPECT_TRUE(missing.Answer(IDOK) && missing.Exit() == 0u) << "the missing Autoback is reported";
    CopyTo(scenario / L"AUTOBACK.EXE");
    for (const wchar_t* arguments : {L"/AUTO", L"-x /aUtO"})
        EXPECT_EQ(Program(scenario.Program(), arguments).Exit(), 0u) << "without waiting in a window";
    const auto log = scenario.Log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].line, L"\"" + scenario / L"Autoback.exe\" \"" + old + L"\\#Date#\" sysreg curuser otherusers " +
                               L"/noconfirmdelete /noprogresswindow /days:3 /alwayscreate");
    EXPECT_TRUE(std::filesystem::exists(old + L"\\SYSTEM"));
}

// In a folder named outside the ANSI code page the log-on run waits for another backup, backs up into
// Sysreg and is restored by a path ERUNT's tools read back; where AUTOBACK made nothing, it says so.
TEST(StartUp, ALogOnRunWaitsForAnotherBackupReachesAnyFolderAndTellsWhenNothingWasMade) {
    Scenario scenario;
    const std::wstring folder = scenario / L"Łukasz", program = folder + L"\\HIVORA.exe";
    CopyTo(program, ProgramToTest());
    for (const wchar_t* tool : {L"\\ERUNT.EXE", L"\\NTREGOPT.EXE", L"\\AUTOBACK.EXE"})
        CopyTo(folder + tool);
    std::optional<BackupLock> first(std::in_place);
    ASSERT_TRUE(first->Take());
    Program logOn(program, L"/Auto");
    EXPECT_TRUE(!logOn.Exit(3000) && scenario.Log().empty()) << "no AUTOBACK while another backup runs";
    first.reset();
    EXPECT_EQ(logOn.Exit(), 0u);
    Program restore(program);
    Click(restore.Control(IDC_BWIEDERHERSTELLEN));
    EXPECT_TRUE(restore.Answer(IDYES) && restore.Answer(IDYES) && restore.Exit() == 0u);
    const auto log = scenario.Log(); // AUTOBACK, and the restorer in today's folder
    std::error_code unreadable;
    const std::filesystem::path restorer = log.size() == 2 ? log[1].path : L"";
    EXPECT_TRUE(std::filesystem::equivalent(restorer.parent_path().parent_path(), folder + L"\\Sysreg", unreadable));

    WriteBytes(scenario / L"Sysreg", ""); // a file: AUTOBACK makes no folder there
    CopyTo(scenario / L"AUTOBACK.EXE");
    Program nothing(scenario.Program(), L"/Auto");
    EXPECT_NE(nothing.Answer(IDOK).value().text.find(L"keine Sicherung von heute"), std::wstring::npos);
}

// With Administrators for deny only, backup, optimisation and restore start nothing and ask for an administrator.
TEST(MainWindow, WithoutFullRightsNothingStartsAndAnAdministratorIsAskedFor) {
    Scenario scenario;
    CopyTo(scenario / L"Sysreg\\Erdnt.exe");
    WriteBytes(scenario / L"Sysreg\\Erdnt.inf", "");
    BYTE administrators[SECURITY_MAX_SID_SIZE];
    DWORD size = sizeof(administrators);
    SID_AND_ATTRIBUTES denied = {administrators, 0};
    UniqueKernelHandle own, restricted;
    ASSERT_TRUE(CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, administrators, &size) &&
                OpenProcessToken(GetCurrentProcess(), TOKEN_ALL_ACCESS, own.put()) &&
                CreateRestrictedToken(own.get(), 0, 1, &denied, 0, nullptr, 0, nullptr, restricted.put()));
    Program program(scenario.Program(), L"", L"", restricted.get());
    for (const int button : {IDC_BSICHERUNGEN, IDC_BOPTIMIERUNG, IDC_BWIEDERHERSTELLEN}) {
        Click(program.Control(button));
        if (button == IDC_BWIEDERHERSTELLEN)
            program.Answer(IDYES); // the automatic backup
        EXPECT_NE(program.Answer(IDNO).value().text.find(L"Rechte eines Administrators"), std::wstring::npos);
    }
    EXPECT_TRUE(scenario.Log().empty());
}

// A hover describes, the bare window clears it, an overlay swallows the click; a restore asks twice, No
// by default. The list shows only the backup folder's backups; a right click hides it, a double click restores.
TEST(MainWindow, TheMouseDescribesAndRestoresButAnOverlaySwallowsTheClick) {
    Scenario scenario;
    // A RegCleaner folder without the program: the button is enabled but covered.
    scenario.Set(L"RegCleaner", scenario.Path());
    CopyTo(scenario / L"Sysreg\\Erdnt.exe");
    const std::wstring saved =
        L"am " + DayMonthYear(*LastWritten(WriteBytes(scenario / L"Sysreg\\Erdnt.inf", ""))) + L" gespeicherte";
    scenario.Set(L"DefaultDestinationFolder", scenario / L"Sicherungen");
    CopyTo(scenario / L"Sicherungen\\2008-03-01\\Erdnt.exe");
    CopyTo(scenario / L"Sicherungen\\2008-03-07\\Erdnt.exe");
    std::filesystem::create_directories(scenario / L"Sicherungen\\Papierkorb"); // no backup: no restorer in it
    Program program(scenario.Program());
    Click(program.Control(IDC_PCLEANER), 0);
    EXPECT_TRUE(WaitFor([&] { return program.Description().find(L"veralteten") != std::string::npos; }));
    Click(program.Main(), 0, POINT{5, 5}); // over the bare window
    EXPECT_TRUE(WaitFor([&] { return program.Description().empty(); }));
    // Input is handled in order: had this click reached the button, the program would be closing now.
    Click(program.Control(IDC_PCLEANER));
    Click(program.Control(IDC_BWIEDERHERSTELLEN));
    for (const int answer : {IDYES, IDNO}) {
        const auto box = program.Answer(answer);
        EXPECT_EQ(box.value().title, L" Wiederherstellung der Registrierung");
        EXPECT_EQ(box.value().defaultButton, IDNO);
        EXPECT_EQ(box.value().text.find(saved) != std::wstring::npos, answer == IDNO) << box.value().text;
    }
    // A press elsewhere, as a user's hand makes between the boxes: the next one is no double click.
    Click(program.Main(), 1, POINT{5, 5});
    Click(program.Control(IDC_BWIEDERHERSTELLEN));
    ASSERT_TRUE(program.Answer(IDNO));
    const HWND list = program.Control(IDC_LBACKUPS);
    const auto listed = [&] { return IsWindowVisible(list) && SendMessageW(list, LB_GETCOUNT, 0, 0) == 2; };
    ASSERT_TRUE(WaitFor(listed));
    Click(list, 1, {}, MOUSEEVENTF_RIGHTDOWN); // puts the list away
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(list); }));
    CopyTo(scenario / L"Sicherungen\\SYSREG\\Erdnt.exe"); // the automatic backup, never listed
    Click(program.Control(IDC_BWIEDERHERSTELLEN));
    ASSERT_TRUE(program.Answer(IDNO));
    ASSERT_TRUE(WaitFor(listed));
    // A hover while the list shows leaves the list on top, to be double-clicked.
    Click(program.Control(IDC_BSICHERUNGEN), 0);
    EXPECT_TRUE(WaitFor([&] { return program.Description().find(L"Sicherungsordner") != std::string::npos; }));
    const auto height = static_cast<LONG>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    Click(list, 2, POINT{20, height + height / 2});
    ASSERT_EQ(program.Exit(), 0u);
    ASSERT_EQ(scenario.Log().size(), 1u);
    EXPECT_EQ(scenario.Log()[0].path, scenario / L"Sicherungen\\2008-03-07\\Erdnt.exe");
}

// The keys start on the backup and return to it after its question, so one Enter too many restarts nothing; Tab
// passes what is covered; backups made meanwhile are told on activation, and their list takes Escape, arrows, Enter.
TEST(MainWindow, TheKeysNeverLandOnARestartAndRestoreFromTheList) {
    Scenario scenario({L"ERUNT.EXE", L"NTREGOPT.EXE", L"AUTOBACK.EXE", L"PAGEDFRG.EXE"});
    scenario.Set(L"DefaultDestinationFolder", scenario / L"Sicherungen");
    SYSTEMTIME today;
    GetLocalTime(&today);
    std::filesystem::create_directories(scenario / (L"Sicherungen\\" + EruntDate(today, L"yyyy/mm/dd", L"-")));
    Program program(scenario.Program());
    SetForegroundWindow(program.Main());
    const std::pair<int, WORD> steps[] = {{IDC_BSICHERUNGEN, VK_RETURN}, {IDC_BSICHERUNGEN, VK_TAB},
                                          {IDC_BAUTOSICHERUNG, VK_TAB},  {IDC_BPATCHLOADER, VK_TAB},
                                          {IDC_BBEREINIGUNG, VK_TAB},    {IDC_BKONFIGURATION, VK_TAB},
                                          {IDC_BUPDATES, VK_TAB},        {IDC_BOPTIMIERUNG, VK_TAB},
                                          {IDC_BDEFRAGMENT, VK_TAB},     {IDC_BSICHERUNGEN, VK_TAB},
                                          {IDC_BAUTOSICHERUNG, VK_TAB},  {IDC_BPATCHLOADER, VK_TAB},
                                          {IDC_BBEREINIGUNG, VK_TAB},    {IDC_BWIEDERHERSTELLEN, VK_SPACE},
                                          {IDC_LBACKUPS, VK_ESCAPE},     {IDC_BWIEDERHERSTELLEN, VK_RETURN},
                                          {IDC_LBACKUPS, VK_DOWN},       {IDC_LBACKUPS, VK_RETURN}};
    for (const auto& [id, key] : steps) {
        if (id == IDC_BDEFRAGMENT && key == VK_TAB) {
            for (const auto& [name, days] : {std::pair{L"2008-03-01", 20}, {L"2008-03-07", 30}}) {
                CopyTo(scenario / (std::wstring(L"Sicherungen\\") + name + L"\\Erdnt.exe"));
                const auto made = WriteBytes(scenario / (std::wstring(L"Sicherungen\\") + name + L"\\Erdnt.Inf"), "");
                std::filesystem::last_write_time(made, std::filesystem::last_write_time(made) -
                                                           std::chrono::hours(24 * days));
            }
            WriteBytes(scenario / L"Sicherungen\\2008-03-07\\Erdnt.log", ""); // as a restorer's run leaves
            const std::wstring newest = DayMonthYear(*LastWritten(scenario / L"Sicherungen\\2008-03-01\\Erdnt.Inf"));
            PostMessageW(program.Main(), WM_ACTIVATE, WA_ACTIVE, 0);
            ASSERT_TRUE(WaitFor([&] { return program.State().find(newest) != std::wstring::npos; })) << program.State();
        }
        ASSERT_TRUE(WaitFor([&] {
            return GetDlgCtrlID(Focus(program.Main())) == id &&
                   (id != IDC_LBACKUPS ||
                    SendMessageW(program.Control(IDC_LBACKUPS), LB_GETCURSEL, 0, 0) == (key == VK_RETURN));
        })) << id;
        PressKey(key);
        ASSERT_TRUE(id != IDC_BSICHERUNGEN || key != VK_RETURN || program.Answer(IDNO)); // today's is not overwritten
    }
    EXPECT_EQ(program.Exit(), 0u);
    ASSERT_EQ(scenario.Log().size(), 1u);
    EXPECT_EQ(scenario.Log()[0].path, scenario / L"Sicherungen\\2008-03-07\\Erdnt.exe");
}

} // namespace
