// The clean-up window as the start-up's user look-up loads it.
#include "Installation.h"

#include "cleanup/CleanupRules.h"
#include "services/WindowsOrdner.h"

#include <shlwapi.h>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

TEST(CleanupWindowTest, ALookUpCleansQuietlyAndStaysLoadedAndHidden) {
    // Without a registered user name the start-up asks the clean-up window for one.
    SHDeleteValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\MS Setup (ACME)\\User Info", L"DefName");
    const std::wstring config = NativeFolder(SystemDirectory() + L"\\config");
    CreateDirectoryW(config.c_str(), nullptr);
    const std::wstring copy = config + L"\\SOFTWARE.BAK";
    const std::wstring numbered = config + L"\\SOFTWARE_BAK_1.DAT";
    for (const std::wstring& file : {copy, numbered})
        CloseHandle(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));

    Scenario scenario;
    InstallProgramWithErunt(scenario);
    auto program = scenario.Start();
    ASSERT_NE(program.MainWindow(), nullptr);
    EXPECT_TRUE(program.NoMessageBoxWithin(1s));

    const auto cleanup = TopLevelWindows(program.Id(), L"HivoraCleanup", false);
    ASSERT_EQ(cleanup.size(), 1u) << "loaded for the look-up";
    EXPECT_FALSE(IsShown(cleanup[0]));
    EXPECT_EQ(WindowText(program.Control(IDC_SBEREINIGUNG)), L"1") << "its work is not finished yet";
    EXPECT_EQ(GetFileAttributesW(copy.c_str()), INVALID_FILE_ATTRIBUTES)
        << "every load cleans the configuration folder";
    EXPECT_NE(GetFileAttributesW(numbered.c_str()), INVALID_FILE_ATTRIBUTES)
        << "numbered copies wait for a full clean-up";
    DeleteFileW(numbered.c_str());
}

} // namespace
