// Every action of the main window can be reached without a mouse.
#include "Installation.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

class KeyboardTest : public testing::Test {
protected:
    void SetUp() override {
        MoveMouseAway();
        InstallProgramWithErunt(scenario, {L"ERUNT.EXE", L"NTREGOPT.EXE", L"AUTOBACK.EXE", L"PAGEDFRG.EXE"});
        scenario.RegisterBrowser();
        program_.emplace(scenario.Start());
        main_ = program_->MainWindow();
        ASSERT_NE(main_, nullptr);
        BringToFront(main_);
    }
    // Tabs forward until the button has the focus; false when it never does.
    bool TabTo(int id) {
        const HWND button = program_->Control(id);
        for (int presses = 0; presses < 16 && FocusIn(main_) != button; ++presses)
            PressKey(VK_TAB);
        return FocusIn(main_) == button;
    }

    Scenario scenario;
    std::optional<RunningProgram> program_;
    HWND main_ = nullptr;
};

TEST_F(KeyboardTest, TabWalksDownTheColumnOverTheButtonsThatCanBeUsed) {
    std::vector<int> order;
    for (int press = 0; press < 11; ++press) {
        order.push_back(GetDlgCtrlID(FocusIn(main_)));
        PressKey(VK_TAB);
    }
    // The prefetch cleaner is not configured, so its button is disabled and skipped.
    const std::vector<int> expected = {IDC_BOPTIMIERUNG,   IDC_BDEFRAGMENT,  IDC_BSICHERUNGEN, IDC_BAUTOSICHERUNG,
                                       IDC_BCLEANER,       IDC_BPATCHLOADER, IDC_BBEREINIGUNG, IDC_BWIEDERHERSTELLEN,
                                       IDC_BKONFIGURATION, IDC_BUPDATES,     IDC_BOPTIMIERUNG};
    EXPECT_EQ(order, expected);
}

TEST_F(KeyboardTest, TheFocusedButtonShowsAFrame) {
    const HWND first = program_->Control(IDC_BOPTIMIERUNG);
    const auto darkPixelsInTopRow = [&] {
        const RECT place = ScreenRect(first);
        const auto pixels = CaptureScreen({place.left, place.top, place.right, place.top + 1});
        return std::count_if(pixels.begin(), pixels.end(), [](COLORREF pixel) { return GetRValue(pixel) < 100; });
    };
    ASSERT_EQ(FocusIn(main_), first);
    const auto focused = darkPixelsInTopRow();
    PressKey(VK_TAB);
    EXPECT_GT(focused, 5);
    EXPECT_TRUE(WaitUntil([&] { return darkPixelsInTopRow() == 0; }, 2s)) << "the frame moves on with the focus";
}

TEST_F(KeyboardTest, EnterAndSpacePressTheFocusedButton) {
    ASSERT_TRUE(TabTo(IDC_BUPDATES));
    PressKey(VK_RETURN);
    EXPECT_EQ(scenario.WaitForLog(1).size(), 1u) << "the home page was opened";

    ASSERT_TRUE(TabTo(IDC_BDEFRAGMENT));
    PressKey(VK_SPACE);
    EXPECT_EQ(program_->WaitForExit(10s), 0u);
    EXPECT_EQ(scenario.RecordsOf(L"PAGEDFRG.EXE").size(), 1u);
}

TEST_F(KeyboardTest, AButtonUnderItsOverlayIgnoresTheKeyboardAsItIgnoresClicks) {
    ASSERT_TRUE(TabTo(IDC_BWIEDERHERSTELLEN)) << "no automatic backup yet, so it is covered";
    PressKey(VK_RETURN);
    EXPECT_TRUE(program_->NoMessageBoxWithin(1s));
}

TEST_F(KeyboardTest, MessagesOfAnActionAreAnsweredFromTheKeyboard) {
    ASSERT_TRUE(TabTo(IDC_BAUTOSICHERUNG));
    PressKey(VK_RETURN);
    const auto offer = program_->WaitForMessageBox();
    ASSERT_TRUE(offer);
    EXPECT_EQ(offer->content.title, L" Dired Arazerev-Uvozevo");
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(offer->window); }, 3s));
    EXPECT_TRUE(program_->IsRunning());
}

} // namespace
