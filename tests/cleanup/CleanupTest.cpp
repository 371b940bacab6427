// The clean-up button and the full clean-up, through a recording host.
#include "RecordingHost.h"
#include "cleanup/CleanupButton.h"
#include "services/Dateiexistenz.h"
#include "services/Registry.h"

#include <gtest/gtest.h>

// A copy in use stays as it was and the later ones go, also in the local service's profile listed for its SID
// and the classes hive; the report counts both, and the program closes only when copies were removed.
TEST(CleanupTest, CountsOnlyWhatItRemovedAndClosesOnlyThen) {
    const std::wstring config = NativeFolder(SystemDirectory() + L"\\config");
    const std::wstring network = WindowsDirectory() + L"\\ServiceProfiles\\NetworkService";
    ScratchFolder local; // the local service's profile as the system lists it, in the view both builds read
    const std::wstring listed = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList\\S-1-5-19";
    UniqueKey key;
    RegCreateKeyExW(HKEY_LOCAL_MACHINE, listed.c_str(), 0, nullptr, 0, KEY_SET_VALUE | KEY_WOW64_64KEY, nullptr,
                    key.put(), nullptr);
    RegistryWriteValue(HKEY_LOCAL_MACHINE, listed, L"ProfileImagePath", local.Path(), KEY_WOW64_64KEY);
    std::vector<std::wstring> copies;
    for (const std::wstring& copy :
         {config + L"\\SOFTWARE_BAK_1.DAT", config + L"\\SOFTWARE_BAK_2.DAT", config + L"\\SOFTWARE_BAK_3.DAT",
          _wgetenv(L"LOCALAPPDATA") + std::wstring(L"\\Microsoft\\Windows\\UsrClass.dat_BAK"),
          local / L"NTUSER.DAT_BAK", network + L"\\AppData\\Local\\Microsoft\\Windows\\x.DAT_TU"})
        WriteBytes(copies.emplace_back(copy), "x");
    SetFileAttributesW(copies[1].c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
    const DWORD attributes = GetFileAttributesW(copies[1].c_str());
    RecordingHost host, again;
    {
        // Held open without delete sharing, as a running program would.
        const UniqueFileHandle open(
            CreateFileW(copies[1].c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
        bBereinigung_Click(host);
        bBereinigung_Click(again);
    }
    RegistryDeleteValue(HKEY_LOCAL_MACHINE, listed, L"ProfileImagePath", KEY_WOW64_64KEY);
    EXPECT_EQ(host.questions.back(), L"5 temporäre Registrierungsdateien wurden vollständig entfernt.   \n1 "
                                     L"temporäre Registrierungsdatei konnte nicht entfernt werden, weil sie noch "
                                     L"verwendet wird oder die Rechte dazu fehlen.");
    EXPECT_TRUE(host.exitCode && !again.exitCode);
    for (const size_t gone : {0, 2, 3, 4, 5})
        EXPECT_FALSE(PathExists(copies[gone])) << copies[gone];
    EXPECT_EQ(GetFileAttributesW(copies[1].c_str()), attributes);
    SetFileAttributesW(copies[1].c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(copies[1].c_str());
}

// A start takes the hive copies from the user's profile, but never the user's own .bak files.
TEST(CleanupTest, AStartLeavesTheUsersOwnBakFiles) {
    const std::filesystem::path profile = _wgetenv(L"USERPROFILE");
    const auto own = WriteBytes(profile / L"Steuer 2023.BAK", "x"), copy = WriteBytes(profile / L"ntuser.dat.bak", "x");
    RecordingHost host;
    Cleanup(host).SelectedUser(CleanupLoad::LookUpAndStay);
    EXPECT_TRUE(std::filesystem::remove(own) && !std::filesystem::exists(copy));
}
