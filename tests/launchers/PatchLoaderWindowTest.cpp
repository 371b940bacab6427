// The patch loader button, clicked in the real window.
#include "FolderPicker.h"
#include "Installation.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

class PatchLoaderTest : public testing::Test {
protected:
    void SetUp() override {
        MoveMouseAway();
        InstallProgramWithErunt(scenario);
        wchar_t system[MAX_PATH] = {};
        GetSystemDirectoryW(system, MAX_PATH);
        mshta_ = std::wstring(system) + L"\\MSHTA.EXE";
        scenario.PlaceStandinAt(mshta_);
    }
    void Start() {
        program_.emplace(scenario.Start());
        main_ = program_->MainWindow();
        button_ = program_->Control(IDC_BPATCHLOADER);
        ClickAt(main_, CentreInParent(button_));
    }
    HWND WaitForPicker() {
        const auto picker = program_->WaitForMessageBox();
        return picker && WaitForFolderTree(picker->window) ? picker->window : nullptr;
    }
    void ExpectLoaderStarted(const std::wstring& loader) {
        EXPECT_EQ(program_->WaitForExit(10s), 0u);
        const auto records = scenario.RecordsOf(L"MSHTA.EXE");
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(_wcsicmp(records[0].ProgramPath().c_str(), mshta_.c_str()), 0) << records[0].commandLine;
        EXPECT_EQ(records[0].Arguments(), L"\"" + loader + L"\"");
        EXPECT_EQ(records[0].show, SW_SHOWNORMAL);
    }

    Scenario scenario;
    std::wstring mshta_;
    std::optional<RunningProgram> program_;
    HWND main_ = nullptr;
    HWND button_ = nullptr;
};

TEST_F(PatchLoaderTest, CancellingThePickerOffersTheDownloadAndCancelKeepsTheProgramOpen) {
    Start();
    const HWND picker = WaitForPicker();
    ASSERT_NE(picker, nullptr);
    EXPECT_FALSE(IsEnabled(button_)) << "disabled while it runs";
    PressButton(picker, IDCANCEL);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(picker); }, 5s));
    const auto box = program_->AnswerMessageBox(IDCANCEL);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, L" Kestrilo 1.41");
    EXPECT_EQ(box->text, L"Die Varnhal RedezoreDereri Anwendung konnte in dem Ordner nicht gefunden werden.   \n"
                         L"Suchen Sie manuell die Datei ''vrnPatchLoader.hta'' oder laden Sie diese herunter.\n"
                         L" \n"
                         L"Klicken Sie auf ''Wiederholen'' um die Anwendung aus dem Internet zu laden.");
    EXPECT_TRUE(WaitUntil([&] { return IsEnabled(button_); }, 3s));
    EXPECT_FALSE(program_->WaitForExit(1500ms));
    EXPECT_TRUE(scenario.ReadLog().empty());
}

TEST_F(PatchLoaderTest, APickedFolderWithTheLoaderIsRememberedAndRunByMshta) {
    scenario.Write(L"Patches\\vrnPatchLoader.hta", "<html></html>");
    Start();
    const HWND picker = WaitForPicker();
    ASSERT_NE(picker, nullptr);
    ASSERT_TRUE(ChooseFolder(picker, program_->Id(), scenario.PathOf(L"Patches")));
    ExpectLoaderStarted(scenario.PathOf(L"Patches\\vrnPatchLoader.hta"));
    EXPECT_EQ(scenario.ReadIni(L"ERUNT.INI", L"ERUNT", L"WinPatch"), scenario.PathOf(L"Patches"));
}

TEST_F(PatchLoaderTest, TheRedezoreDereriLoaderIsPreferred) {
    scenario.Write(L"Patches\\vrnPatchLoader.hta", "<html></html>");
    scenario.Write(L"Patches\\vrnRedezoreDereri.hta", "<html></html>");
    scenario.WriteIni(L"ERUNT.INI", L"ERUNT", L"WinPatch", scenario.PathOf(L"Patches"));
    Start();
    ExpectLoaderStarted(scenario.PathOf(L"Patches\\vrnRedezoreDereri.hta"));
}

} // namespace
