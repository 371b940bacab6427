// The program as the release package ships it starts under Windows.
#include "Installation.h"

#include <gtest/gtest.h>

namespace {

TEST(PackageTest, TheProgramFromThePackageStarts) {
    const std::wstring unpacked = BuildPath(HIVORA_PACKAGE_DIR);
    Scenario scenario;
    for (const wchar_t* file : {L"HIVORA.exe", L"HIVORA.LOC", L"LIESMICH.txt"})
        scenario.CopyIn(unpacked + L"\\" + file, file);
    for (const wchar_t* tool : {L"ERUNT.EXE", L"NTREGOPT.EXE"})
        scenario.AddStandin(tool);
    auto program = scenario.Start();
    const HWND main = program.MainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(WindowText(main), L"Hivora for Win-Nt/2000/XP");
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0u);
}

} // namespace
