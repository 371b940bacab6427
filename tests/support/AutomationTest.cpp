// Checks the window automation and the scenario against a stand-in and a probe
// window of known behaviour, so a failing program test points at the program.
#include "Scenario.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

std::wstring ProbePath() {
    return BuildPath(HIVORA_PROBE_PATH);
}

TEST(ScenarioTest, FolderHoldsASpaceAndAnUmlautAndGoesAway) {
    std::wstring folder;
    {
        Scenario scenario;
        folder = scenario.Folder();
        EXPECT_NE(folder.find(L' '), std::wstring::npos);
        EXPECT_NE(folder.find(L'ü'), std::wstring::npos);
        scenario.WriteIni(L"ERUNT.INI", L"ERUNT", L"InstallFolder", folder);
        EXPECT_EQ(scenario.ReadIni(L"ERUNT.INI", L"ERUNT", L"InstallFolder"), folder);
        scenario.Write(L"Sysreg\\Erdnt.inf", "x");
        EXPECT_TRUE(scenario.Exists(L"Sysreg\\Erdnt.inf"));
    }
    EXPECT_EQ(GetFileAttributesW(folder.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(ScenarioTest, StartedToolRunsLogsAndEnds) {
    Scenario scenario;
    scenario.AddStandin(L"Tools\\REGCLEANR.EXE");
    scenario.SetEnvironment(L"HIVORA_STANDIN_LINGER_MS", L"1500");
    auto tool = scenario.Start(L"/x \"a b\"", L"Tools\\REGCLEANR.EXE");
    const auto records = scenario.WaitForLog(1);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_TRUE(tool.IsRunning()) << "it lingers after recording";
    EXPECT_EQ(records[0].name, L"REGCLEANR.EXE");
    EXPECT_EQ(records[0].commandLine, L"\"" + scenario.PathOf(L"Tools\\REGCLEANR.EXE") + L"\" /x \"a b\"");
    EXPECT_EQ(_wcsicmp(records[0].folder.c_str(), scenario.Folder().c_str()), 0) << records[0].folder;
    EXPECT_EQ(records[0].show, -1);
    EXPECT_EQ(tool.WaitForExit(10s), 0u);
    EXPECT_EQ(scenario.RecordsOf(L"regcleanr.exe").size(), 1u);
}

TEST(ScenarioTest, ATerminatedProgramIsGone) {
    Scenario scenario;
    scenario.AddStandin(L"PAGEDFRG.EXE");
    scenario.SetEnvironment(L"HIVORA_STANDIN_LINGER_MS", L"60000");
    DWORD id = 0;
    {
        auto tool = scenario.Start({}, L"PAGEDFRG.EXE");
        id = tool.Id();
        EXPECT_FALSE(tool.WaitForExit(300ms)) << "still running";
    }
    const UniqueKernelHandle process(OpenProcess(SYNCHRONIZE, FALSE, id));
    EXPECT_TRUE(!process || WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0);
}

class ProbeTest : public testing::Test {
protected:
    void SetUp() override {
        scenario.CopyIn(ProbePath(), L"Probe.exe");
        MoveMouseAway();
    }
    // The pointer left over a spot of the screen would hover over the next test's windows.
    void TearDown() override { MoveMouseAway(); }
    Scenario scenario;
};

TEST_F(ProbeTest, FindsTheWindowAndReadsControls) {
    auto probe = scenario.Start({}, L"Probe.exe");
    const HWND window = probe.MainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WindowText(window), L"Probe");
    const HWND status = probe.Control(100);
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(IsShown(status));
    EXPECT_TRUE(IsEnabled(status));
    const HWND disabled = probe.Control(101);
    ASSERT_NE(disabled, nullptr);
    EXPECT_FALSE(IsEnabled(disabled));
    EXPECT_EQ(WindowText(disabled), L"aus");
    const RECT rect = ScreenRect(disabled);
    EXPECT_EQ(rect.right - rect.left, 60);
    EXPECT_EQ(CentreInParent(disabled).x, 150);
}

TEST_F(ProbeTest, ReadsThePaintedColours) {
    auto probe = scenario.Start({}, L"Probe.exe");
    const HWND window = probe.MainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(PixelAt(window, {50, 50}), RGB(192, 192, 255));
    EXPECT_EQ(PixelAt(window, {110, 150}), RGB(32, 64, 128));
}

TEST_F(ProbeTest, MouseMovesAndClicksReachTheWindow) {
    auto probe = scenario.Start({}, L"Probe.exe");
    const HWND window = probe.MainWindow();
    ASSERT_NE(window, nullptr);
    const HWND status = probe.Control(100);

    MoveMouseTo(window, {40, 60});
    EXPECT_TRUE(WaitUntil([&] { return WindowText(status).find(L"last=40,60") != std::wstring::npos; }, 3s))
        << "the window saw the pointer arrive: " << testing::PrintToString(WindowText(status));
    EXPECT_EQ(WindowText(status).find(L"moves=0"), std::wstring::npos);

    ClickAt(window, {70, 30});
    EXPECT_TRUE(WaitUntil(
        [&] { return WindowText(status).find(L"down=1 up=1 double=0 last=70,30") != std::wstring::npos; }, 3s))
        << testing::PrintToString(WindowText(status));

    DoubleClickAt(window, {70, 30});
    EXPECT_TRUE(WaitUntil([&] { return WindowText(status).find(L"double=1") != std::wstring::npos; }, 3s))
        << testing::PrintToString(WindowText(status));
}

TEST_F(ProbeTest, ReadsAndAnswersAMessageBox) {
    auto probe = scenario.Start({}, L"Probe.exe");
    const HWND window = probe.MainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(probe.NoMessageBoxWithin(300ms));

    ClickAt(window, {50, 200});
    const auto box = probe.WaitForMessageBox(5s);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->content.title, L" Probe");
    EXPECT_EQ(box->content.text, L"Weiter?   ");
    EXPECT_EQ(box->content.buttonIds, (std::vector<int>{IDYES, IDNO}));
    EXPECT_EQ(box->content.icon, MessageIcon::Question) << ToString(box->content.icon);
    EXPECT_TRUE(probe.Answer(*box, IDNO));
    EXPECT_EQ(probe.WaitForExit(5s), static_cast<DWORD>(IDNO));
}

TEST_F(ProbeTest, TellsTheExclamationIcon) {
    auto probe = scenario.Start(std::to_wstring(MB_RETRYCANCEL | MB_ICONEXCLAMATION), L"Probe.exe");
    const HWND window = probe.MainWindow();
    ASSERT_NE(window, nullptr);
    ClickAt(window, {50, 200});
    const auto seen = probe.AnswerMessageBox(IDRETRY, 5s);
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->buttonIds, (std::vector<int>{IDRETRY, IDCANCEL}));
    EXPECT_EQ(seen->icon, MessageIcon::Exclamation) << ToString(seen->icon);
    EXPECT_EQ(probe.WaitForExit(5s), static_cast<DWORD>(IDRETRY));
}

TEST_F(ProbeTest, AProgramThatNeverEndsIsReportedNotAwaited) {
    auto probe = scenario.Start({}, L"Probe.exe");
    ASSERT_NE(probe.MainWindow(), nullptr);
    const auto before = std::chrono::steady_clock::now();
    EXPECT_FALSE(probe.WaitForExit(500ms));
    EXPECT_LT(std::chrono::steady_clock::now() - before, 3s);
    EXPECT_FALSE(probe.WaitForMessageBox(300ms));
}

} // namespace
