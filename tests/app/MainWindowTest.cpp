// The start-up and the main window, driven through the real program.
#include "Harness.h"

#include <gtest/gtest.h>

namespace {

TEST(StartUp, MissingEruntIsReportedAndRetryOpensTheDownloadPage) {
    Scenario scenario({});
    scenario.RegisterBrowser();
    Program program(scenario.Program());
    ASSERT_EQ(program.Answer(IDRETRY).value().buttons, (std::vector<int>{IDRETRY, IDCANCEL}));
    EXPECT_NE(scenario.WaitLog(1).at(0).line.find(kEruntAddress), std::wstring::npos);
}

struct AutoRun {
    const char* name;
    const wchar_t* arguments;
    int marker;    // Sysreg\Erdnt.inf: 0 none, 1 of today, 2 of an earlier day
    bool autoback; // AUTOBACK.EXE is installed
};

class AutoRunTest : public testing::TestWithParam<AutoRun> {};

TEST_P(AutoRunTest, BacksUpOnceADayWithoutAWindow) {
    const AutoRun& row = GetParam();
    Scenario scenario;
    if (row.autoback)
        CopyTo(scenario / L"AUTOBACK.EXE");
    if (row.marker > 0)
        WriteBytes(scenario / L"Sysreg\\Erdnt.inf", "");
    if (row.marker == 2)
        std::filesystem::last_write_time(scenario / L"Sysreg\\Erdnt.inf",
                                         std::filesystem::file_time_type::clock::now() - std::chrono::hours(48));
    Program program(scenario.Program(), row.arguments);
    const bool due = row.marker != 1;
    EXPECT_TRUE(!due || row.autoback || program.Answer(IDOK)) << "the missing Autoback is reported";
    EXPECT_EQ(program.Exit(), 0u) << "without waiting in a window";
    const auto log = scenario.Log();
    ASSERT_EQ(log.size(), due && row.autoback ? 1u : 0u);
    for (const Start& start : log)
        EXPECT_EQ(start.line, L"\"" + scenario / L"Autoback.exe\" \"" + scenario / L"Sysreg\"" +
                                  L" curuser otherusers /noconfirmdelete /noprogresswindow /days:3 /alwayscreate");
}

INSTANTIATE_TEST_SUITE_P(Rows, AutoRunTest,
                         testing::Values(AutoRun{"BackupOfToday", L"/AUTO", 1, true},
                                         AutoRun{"BackupOfAnEarlierDay", L"-x /aUtO", 2, true},
                                         AutoRun{"NoBackupYet", L"/auto", 0, true},
                                         AutoRun{"AutobackMissing", L"/Auto", 0, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StartUp, TheProgramFromTheReleasePackageStarts) {
    Scenario scenario;
    for (const char* file : {"/HIVORA.exe", "/HIVORA.LOC", "/LIESMICH.txt"})
        CopyTo(scenario / std::filesystem::path(file).filename().wstring(), HIVORA_PACKAGE_DIR + std::string(file));
    Program program(scenario.Program());
    PostMessageW(program.Main(), WM_CLOSE, 0, 0);
    EXPECT_EQ(program.Exit(), 0u);
}

TEST(StartUp, AnOlderWindowsIsRefusedWithExitCodeOne) {
    Scenario scenario;
    CopyTo(scenario / L"Hivora98.exe", HIVORA_EXE_PATH);
    // Wine tells a program it runs on another Windows when its own settings say so.
    scenario.SetReg(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\Hivora98.exe", L"Version", L"win98");
    Program program(scenario / L"Hivora98.exe");
    ASSERT_TRUE(program.Answer(IDOK));
    EXPECT_EQ(program.Exit(), 1u);
}

// A first start without a registered user name, the common case, whose logon name would lead elsewhere.
TEST(StartUp, AFirstStartWritesTheDefaultsAndTakesNoLogonNameForAPath) {
    Scenario scenario;
    scenario.SetReg(HKEY_CURRENT_USER, kUserInfo, L"DefName", std::nullopt);
    scenario.SetReg(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", L"Logon User Name",
                    L"..\\Opfer");
    WriteBytes(L"C:\\Opfer\\x.BAK", "");
    scenario.Undo([] { std::filesystem::remove_all(L"C:\\Opfer"); });
    Program program(scenario.Program());
    ASSERT_NE(program.Main(), nullptr);
    EXPECT_EQ(Ini(scenario / L"ERUNT.INI", L"InstallFolder"), scenario.Path());
    EXPECT_EQ(Ini(scenario / L"ERUNT.INI", L"DefaultDestinationFolder"), scenario / L"Backup");
    EXPECT_TRUE(std::filesystem::exists(scenario / L"backup"));
    EXPECT_TRUE(std::filesystem::exists(L"C:\\Opfer\\x.BAK"));
}

TEST(MainWindow, HoverDescribesAndAnOverlaySwallowsTheClick) {
    Scenario scenario;
    // A RegCleaner folder without the program: the button is enabled but covered.
    WritePrivateProfileStringW(L"ERUNT", L"RegCleaner", scenario.Path().c_str(), (scenario / L"ERUNT.INI").c_str());
    Program program(scenario.Program());
    Click(program.Control(IDC_PCLEANER), 0);
    EXPECT_TRUE(WaitFor([&] { return program.Description().find(L"veralteten") != std::string::npos; }));
    Click(program.Main(), 0, POINT{5, 5}); // over the bare window
    EXPECT_TRUE(WaitFor([&] { return program.Description().empty(); }));
    Click(program.Control(IDC_PCLEANER));
    // Input is handled in order: had the click reached the button, the program would be closing now.
    Click(program.Control(IDC_BKONFIGURATION));
    EXPECT_NE(program.Window(L"HivoraOptionen"), nullptr);
}

TEST(MainWindow, KeysWalkAndPressTheButtonsButNotACoveredOne) {
    Scenario scenario({L"ERUNT.EXE", L"NTREGOPT.EXE", L"AUTOBACK.EXE", L"PAGEDFRG.EXE"});
    scenario.RegisterBrowser();
    Program program(scenario.Program());
    SetForegroundWindow(program.Main());
    // Tab skips the unconfigured prefetch cleaner. Restore is covered (no backup yet), so its Enter does
    // nothing: a message box would take the focus, and the next step would never come.
    const std::pair<int, WORD> steps[] = {{IDC_BOPTIMIERUNG, VK_TAB},      {IDC_BDEFRAGMENT, VK_TAB},
                                          {IDC_BSICHERUNGEN, VK_TAB},      {IDC_BAUTOSICHERUNG, VK_TAB},
                                          {IDC_BCLEANER, VK_TAB},          {IDC_BPATCHLOADER, VK_TAB},
                                          {IDC_BBEREINIGUNG, VK_TAB},      {IDC_BWIEDERHERSTELLEN, VK_RETURN},
                                          {IDC_BWIEDERHERSTELLEN, VK_TAB}, {IDC_BKONFIGURATION, VK_TAB},
                                          {IDC_BUPDATES, VK_RETURN},       {IDC_BUPDATES, VK_TAB},
                                          {IDC_BOPTIMIERUNG, VK_TAB},      {IDC_BDEFRAGMENT, VK_SPACE}};
    for (const auto& [id, key] : steps) {
        ASSERT_TRUE(WaitFor([&] { return GetDlgCtrlID(Focus(program.Main())) == id; })) << id;
        PressKey(key);
    }
    EXPECT_EQ(program.Exit(), 0u);
    const auto log = scenario.Log();
    for (const wchar_t* started :
         {L"ERUNT+Emergency", L"PAGEDFRG.EXE"}) // the home page by Enter, the defragmenter by Space
        EXPECT_EQ(std::count_if(log.begin(), log.end(),
                                [&](const Start& s) { return s.line.find(started) != std::wstring::npos; }),
                  1)
            << started;
}

} // namespace
