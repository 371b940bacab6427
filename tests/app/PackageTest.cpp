// The program as the release package ships it starts under Windows.
#include "Harness.h"

#include <gtest/gtest.h>

namespace {

TEST(PackageTest, TheProgramFromThePackageStarts) {
    Scenario scenario;
    for (const wchar_t* file : {L"HIVORA.exe", L"HIVORA.LOC", L"LIESMICH.txt"})
        ASSERT_TRUE(
            CopyFileW((BuildPath(HIVORA_PACKAGE_DIR) + L"\\" + file).c_str(), (scenario / file).c_str(), FALSE));
    Program program(scenario.Program());
    const HWND main = program.Main();
    ASSERT_NE(main, nullptr);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.Exit(), 0u);
}

} // namespace
