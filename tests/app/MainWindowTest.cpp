// The start-up, the main window and its hover descriptions, driven through the real program.
#include "Installation.h"

#include <shlwapi.h>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

constexpr wchar_t kOptimierungText[] =
    L"Die Registrierungsdateien werden optimiert und komprimiert, damit eine kleinere Windows-Registrierung im "
    L"Arbeitsspeicher verwendet wird.";
constexpr wchar_t kCleanerText[] =
    L"Die Registrierung wird nach veralteten oder unbenutzten Einträgen durchsucht und wartet auf eine Entscheidung "
    L"des Benutzer zur Entfernung.";

// Some pixel of the control shows this colour (the text, drawn in it).
template <typename Colour> bool ShowsColour(HWND control, Colour matches) {
    for (const COLORREF pixel : CaptureScreen(ScreenRect(control)))
        if (matches(pixel))
            return true;
    return false;
}
bool Black(COLORREF pixel) {
    return GetRValue(pixel) < 60 && GetGValue(pixel) < 60 && GetBValue(pixel) < 60;
}
// Red 192, green 192, blue 255, give or take the smoothing of the letters' edges.
bool UnavailableBlue(COLORREF pixel) {
    return GetBValue(pixel) > 230 && GetRValue(pixel) > 150 && GetRValue(pixel) < 215 && GetGValue(pixel) > 150 &&
           GetGValue(pixel) < 215;
}

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override { MoveMouseAway(); }
    Scenario scenario;
};

TEST_F(MainWindowTest, FirstStartWritesTheDefaultsAndCreatesTheBackupFolder) {
    scenario.AddProgram();
    scenario.AddStandin(L"ERUNT.EXE");
    scenario.AddStandin(L"NTREGOPT.EXE");
    auto program = scenario.Start();
    const HWND main = program.MainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(WindowText(main), L"Hivora for Win-Nt/2000/XP");
    const RECT client = ClientRect(main);
    EXPECT_EQ(client.right, 574);
    EXPECT_EQ(client.bottom, 417);

    EXPECT_EQ(scenario.ReadIni(L"ERUNT.INI", L"ERUNT", L"InstallFolder"), scenario.Folder());
    EXPECT_EQ(scenario.ReadIni(L"ERUNT.INI", L"ERUNT", L"DefaultDestinationFolder"), scenario.PathOf(L"Backup"));
    EXPECT_TRUE(scenario.Exists(L"backup"));

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0u);
}

TEST_F(MainWindowTest, MissingEruntIsReportedAndRetryOpensTheDownloadPage) {
    scenario.AddProgram();
    scenario.RegisterBrowser();
    auto program = scenario.Start(L"/Auto");
    const auto box = program.AnswerMessageBox(IDRETRY);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, L" Emergency Recovery Utility");
    EXPECT_EQ(box->text, L"Diese Anwendung benötigt das installierte Programm ''Erunt'' welches kostenlos ist.   \n"
                         L"Erunt - Das Emergency Recovery Utility NT Version 1.1j, 27.07.2006 (Freeware)\n"
                         L"Klicken Sie ''Wiederholen'' um auf die Downloadseite verwiesen zu werden.\n"
                         L"Download unter: https://duckduckgo.com/?q=ERUNT+Emergency+Recovery+Utility+NT+download");
    EXPECT_EQ(box->buttons.size(), 2u);

    const auto opened = scenario.WaitForLog(1);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].name, L"browser.exe");
    EXPECT_NE(opened[0].commandLine.find(L"https://duckduckgo.com/?q=ERUNT+Emergency+Recovery+Utility+NT+download"),
              std::wstring::npos);

    ASSERT_NE(program.MainWindow(), nullptr) << "the window opens even with /Auto";
    EXPECT_FALSE(IsEnabled(program.Control(IDC_BSICHERUNGEN)));
    EXPECT_TRUE(scenario.RecordsOf(L"Autoback.exe").empty());
}

TEST_F(MainWindowTest, EruntBesideTheProgramIsEnoughWhenTheInstallFolderLacksIt) {
    InstallProgramWithErunt(scenario, {L"ERUNT.EXE", L"NTREGOPT.EXE"});
    scenario.MakeFolder(L"Leer");
    scenario.WriteIni(L"ERUNT.INI", L"ERUNT", L"InstallFolder", scenario.PathOf(L"Leer"));
    auto program = scenario.Start();
    ASSERT_NE(program.MainWindow(), nullptr);
    EXPECT_TRUE(program.NoMessageBoxWithin(500ms));
    EXPECT_FALSE(IsEnabled(program.Control(IDC_BSICHERUNGEN)));
    EXPECT_FALSE(IsEnabled(program.Control(IDC_BOPTIMIERUNG)));
    EXPECT_FALSE(IsEnabled(program.Control(IDC_BAUTOSICHERUNG)));
}

class AutoModeTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        InstallProgramWithErunt(scenario);
    }
    void ExpectNoWindowAndExit(RunningProgram& program) {
        EXPECT_EQ(program.WaitForExit(), 0u);
        EXPECT_TRUE(TopLevelWindows(program.Id(), L"HivoraRoot").empty());
    }
};

TEST_F(AutoModeTest, BackupOfTodayMeansNothingToDo) {
    scenario.Write(L"Sysreg\\Erdnt.inf", "heute");
    auto program = scenario.Start(L"/AUTO");
    ExpectNoWindowAndExit(program);
    EXPECT_TRUE(scenario.ReadLog().empty());
}

TEST_F(AutoModeTest, BackupFromAnEarlierDayStartsAutobackOnce) {
    scenario.Write(L"Sysreg\\Erdnt.inf", "gestern");
    scenario.SetAge(L"Sysreg\\Erdnt.inf", 36h);
    auto program = scenario.Start(L"-x /aUtO");
    ExpectNoWindowAndExit(program);
    const auto records = scenario.WaitForLog(1);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(_wcsicmp(records[0].name.c_str(), L"Autoback.exe"), 0);
    EXPECT_EQ(records[0].ProgramPath(), scenario.PathOf(L"Autoback.exe"));
    EXPECT_EQ(records[0].Arguments(),
              L"\"" + scenario.PathOf(L"Sysreg") +
                  L"\" curuser otherusers /noconfirmdelete /noprogresswindow /days:3 /alwayscreate");
    EXPECT_EQ(records[0].show, SW_SHOWNORMAL);
}

TEST_F(AutoModeTest, MissingMarkerMeansABackupIsDue) {
    auto program = scenario.Start(L"/auto");
    ExpectNoWindowAndExit(program);
    EXPECT_EQ(scenario.WaitForLog(1).size(), 1u);
}

TEST_F(AutoModeTest, MissingAutobackIsReportedBeforeTheProgramEnds) {
    scenario.WriteIni(L"ERUNT.INI", L"ERUNT", L"InstallFolder", scenario.MakeFolder(L"Ohne Autoback"));
    auto program = scenario.Start(L"/Auto");
    const auto box = program.AnswerMessageBox(IDOK);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, L" Hivora for Win-Nt/2000/XP");
    EXPECT_EQ(box->text, L"Es konnte keine automatische Sicherung der Registrierung durchgeführt werden.   \n"
                         L"Entweder ''Autoback.exe'' fehlt oder die Einstellungen wurden nicht konfiguriert.");
    ExpectNoWindowAndExit(program);
}

// Wine tells a program it runs on another Windows when its per-program settings say so.
class OldWindowsTest : public MainWindowTest, public testing::WithParamInterface<const wchar_t*> {};

TEST_P(OldWindowsTest, IsRefusedWithExitCodeOne) {
    const std::wstring name = L"Hivora9x.exe";
    const std::wstring key = L"Software\\Wine\\AppDefaults\\" + name;
    ASSERT_EQ(SHSetValueW(HKEY_CURRENT_USER, key.c_str(), L"Version", REG_SZ, GetParam(),
                          static_cast<DWORD>((wcslen(GetParam()) + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
    InstallProgramWithErunt(scenario);
    scenario.CopyIn(Scenario::BuiltProgram(), name);
    auto program = scenario.Start({}, name);
    const auto box = program.AnswerMessageBox(IDOK);
    SHDeleteKeyW(HKEY_CURRENT_USER, key.c_str());
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, L" Hivora for Win-Nt/2000/XP");
    EXPECT_EQ(box->text, L"Diese Anwendung kann nur unter Microsoft® Windows 2000/XP/Vista verwendet werden.   ");
    EXPECT_EQ(program.WaitForExit(), 1u);
    EXPECT_EQ(scenario.ReadIni(L"ERUNT.INI", L"ERUNT", L"DefaultDestinationFolder"), scenario.PathOf(L"Backup"))
        << "nothing else ran";
}

INSTANTIATE_TEST_SUITE_P(Windows98AndMe, OldWindowsTest, testing::Values(L"win98", L"winme"));

TEST_F(MainWindowTest, UnavailableToolsGetTheirLookAndOverlays) {
    InstallProgramWithErunt(scenario);
    scenario.WriteIni(L"ERUNT.INI", L"ERUNT", L"RegCleaner", scenario.MakeFolder(L"RegCleaner ohne Programm"));
    auto program = scenario.Start();
    ASSERT_NE(program.MainWindow(), nullptr);

    const HWND bootClean = program.Control(IDC_BBOOTCLEAN);
    EXPECT_FALSE(IsEnabled(bootClean)) << "no prefetch cleaner configured";
    EXPECT_TRUE(IsShown(program.Control(IDC_PBOOTCLEAN)));

    const HWND cleaner = program.Control(IDC_BCLEANER);
    EXPECT_TRUE(IsEnabled(cleaner)) << "enabled, but covered";
    EXPECT_TRUE(IsShown(program.Control(IDC_PCLEANER)));
    EXPECT_TRUE(ShowsColour(cleaner, UnavailableBlue));
    EXPECT_FALSE(ShowsColour(cleaner, Black));

    const HWND restore = program.Control(IDC_BWIEDERHERSTELLEN);
    EXPECT_TRUE(IsShown(program.Control(IDC_PWIEDERHERSTELLEN))) << "no automatic backup yet";
    EXPECT_TRUE(ShowsColour(restore, UnavailableBlue));

    const HWND updates = program.Control(IDC_BUPDATES);
    EXPECT_FALSE(IsShown(program.Control(IDC_PUPDATES)));
    EXPECT_TRUE(ShowsColour(updates, Black));
    EXPECT_TRUE(ShowsColour(program.Control(IDC_BSICHERUNGEN), Black));
}

TEST_F(MainWindowTest, AvailableToolsAreBlackWithoutOverlays) {
    InstallProgramWithErunt(scenario);
    scenario.AddStandin(L"RegCleaner\\REGCLEANR.EXE");
    scenario.WriteIni(L"ERUNT.INI", L"ERUNT", L"RegCleaner", scenario.PathOf(L"RegCleaner"));
    scenario.AddStandin(L"Sysreg\\Erdnt.exe");
    auto program = scenario.Start();
    ASSERT_NE(program.MainWindow(), nullptr);
    for (const int id : {IDC_PCLEANER, IDC_PWIEDERHERSTELLEN, IDC_PUPDATES})
        EXPECT_FALSE(IsShown(program.Control(id))) << id;
    EXPECT_TRUE(ShowsColour(program.Control(IDC_BCLEANER), Black));
    EXPECT_TRUE(ShowsColour(program.Control(IDC_BWIEDERHERSTELLEN), Black));
}

TEST_F(MainWindowTest, DisabledButtonWithoutOverlayTakesNoMouse) {
    InstallProgramWithErunt(scenario, {L"ERUNT.EXE", L"NTREGOPT.EXE"});
    auto program = scenario.Start();
    const HWND main = program.MainWindow();
    ASSERT_NE(main, nullptr);
    const HWND autosicherung = program.Control(IDC_BAUTOSICHERUNG);
    ASSERT_FALSE(IsEnabled(autosicherung)) << "AUTOBACK.EXE is missing";
    MoveMouseTo(main, CentreInParent(autosicherung));
    EXPECT_FALSE(WaitUntil([&] { return IsShown(program.Control(IDC_PTOOLTIPS)); }, 800ms));
    ClickAt(main, CentreInParent(autosicherung));
    EXPECT_TRUE(program.NoMessageBoxWithin(800ms));
}

class HoverTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        InstallProgramWithErunt(scenario);
        program_.emplace(scenario.Start());
        main_ = program_->MainWindow();
        ASSERT_NE(main_, nullptr);
        panel_ = program_->Control(IDC_PTOOLTIPS);
        text_ = program_->Control(IDC_TTOOLTIPS);
    }
    void HoverOver(int id) { MoveMouseTo(main_, CentreInParent(program_->Control(id))); }
    bool PanelShows(const std::wstring& text) {
        return WaitUntil([&] { return IsShown(panel_) && WindowText(text_) == text; }, 3s);
    }

    std::optional<RunningProgram> program_;
    HWND main_ = nullptr;
    HWND panel_ = nullptr;
    HWND text_ = nullptr;
};

TEST_F(HoverTest, DescriptionShowsForItsTimeAndTheTextStays) {
    HoverOver(IDC_BOPTIMIERUNG);
    ASSERT_TRUE(PanelShows(kOptimierungText));
    const auto shown = std::chrono::steady_clock::now();
    ASSERT_TRUE(WaitUntil([&] { return !IsShown(panel_); }, 5s));
    const auto visibleFor = std::chrono::steady_clock::now() - shown;
    EXPECT_GT(visibleFor, 1200ms);
    EXPECT_LT(visibleFor, 3500ms);
    EXPECT_EQ(WindowText(text_), kOptimierungText) << "the text stays in the hidden label";
}

TEST_F(HoverTest, MovingOntoTheBareWindowHidesAndClearsAtOnce) {
    HoverOver(IDC_BSICHERUNGEN);
    ASSERT_TRUE(WaitUntil([&] { return IsShown(panel_); }, 3s));
    MoveMouseTo(main_, {150, 150});
    EXPECT_TRUE(WaitUntil([&] { return !IsShown(panel_) && WindowText(text_).empty(); }, 500ms));
}

TEST_F(HoverTest, OverlayShowsTheDescriptionOfItsButtonButSwallowsClicks) {
    HoverOver(IDC_PCLEANER);
    EXPECT_TRUE(PanelShows(kCleanerText));
    // RegCleaner beneath is enabled: a click reaching it would start it and close the program.
    ClickAt(main_, CentreInParent(program_->Control(IDC_PCLEANER)));
    EXPECT_FALSE(program_->WaitForExit(1500ms)) << "the program stays";
    EXPECT_TRUE(scenario.ReadLog().empty()) << "no click reached the button beneath";
}

TEST_F(HoverTest, AStormOfMouseMovesNeitherCrashesNorHangs) {
    const HWND first = program_->Control(IDC_BOPTIMIERUNG);
    const HWND second = program_->Control(IDC_BDEFRAGMENT);
    for (int move = 0; move < 20000; ++move) {
        const HWND button = move % 2 ? first : second;
        PostMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(5 + move % 7, 5));
    }
    DWORD_PTR answer = 0;
    EXPECT_NE(SendMessageTimeoutW(main_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 20000, &answer), 0) << "still answering";
    EXPECT_TRUE(program_->IsRunning());
    EXPECT_TRUE(WaitUntil([&] { return !IsShown(panel_); }, 15s)) << "gone two seconds after the last move";
}

} // namespace
