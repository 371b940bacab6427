// The program as the release package ships it starts under Windows.
#include "Harness.h"

#include <gtest/gtest.h>

TEST(PackageTest, TheProgramFromThePackageStarts) {
    Scenario scenario;
    for (const char* file : {"/HIVORA.exe", "/HIVORA.LOC", "/LIESMICH.txt"})
        CopyTo(scenario / std::filesystem::path(file).filename().wstring(), HIVORA_PACKAGE_DIR + std::string(file));
    Program program(scenario.Program());
    PostMessageW(program.Main(), WM_CLOSE, 0, 0);
    EXPECT_EQ(program.Exit(), 0u);
}
