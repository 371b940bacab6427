#include "services/FileSecurity.h"
#include "services/UniqueHandle.h"

#include <sddl.h>

#include <gtest/gtest.h>

// The running account is ...-1000; ...-1001 is another, standard account.
TEST(FileSecurityTest, OnlyAdministratorsSystemTrustedInstallerAndTheAccountItselfMayChange) {
    const auto open = [](const std::wstring& sddl, Reach reach) {
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        PSID self = nullptr;
        EXPECT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.c_str(), 1, &descriptor, nullptr) &&
                    ConvertStringSidToSidW(L"S-1-5-21-1-2-3-1000", &self));
        const UniqueLocalMemory owned(descriptor), ownedSelf(self);
        return OthersMayChange(descriptor, self, reach);
    };
    // Each right to change (write, append, delete, delete in a folder, change permissions, take over, generic).
    for (const std::wstring sid : {L"WD", L"AU", L"BU", L"IU", L"S-1-5-21-1-2-3-1001"})
        for (const std::wstring right : {L"0x2", L"0x4", L"SD", L"0x40", L"WD", L"WO", L"GW", L"GA"})
            EXPECT_TRUE(open(L"O:BAD:(A;;" + right + L";;;" + sid + L")", Reach::Place)) << sid << L" " << right;
    // Whether the place is open, and whether a folder above it is.
    for (const auto& [sddl, place, above] :
         {std::tuple{L"O:S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464D:(A;;FA;;;SY)(A;;FA;;;BA)"
                     L"(A;;FA;;;S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464)"
                     L"(A;;FA;;;S-1-5-21-1-2-3-1000)(A;;FRFX;;;WD)(A;OICIIO;FA;;;CO)",
                     false, false},
          {L"O:S-1-5-21-1-2-3-1000D:(A;;FA;;;SY)", false, false}, // the account itself owns it
          {L"O:S-1-5-21-1-2-3-1001D:(A;;FA;;;SY)", true, true},   // another account owns it
          {L"O:BAD:(A;;FA;;;S-1-5-21-1-2-3-1001)", true, true},   // a standard account's own entry
          {L"O:BAD:(A;;0x40;;;AU)", true, true},                  // deleting what a folder holds
          {L"O:BAD:(A;;0x116;;;AU)", true, false},                // making files and folders in it
          {L"O:BAD:", false, false},                              // an empty DACL: nobody
          {L"O:BA", true, true},                                  // none: everybody
          {L"O:BAD:(D;;0xd0046;;;WD)(A;;FA;;;WD)", false, false}, // denied first
          {L"O:BAD:(A;;FA;;;WD)(D;;0xd0046;;;WD)", true, true},   // denied too late
          {L"O:BAD:(D;;0xd0046;;;IU)(A;;FA;;;BU)", true, true},   // a log-on over the network is not INTERACTIVE
          {L"O:BAD:(A;OICIIO;FA;;;BU)", false, false}}) {         // only for what is made inside
        EXPECT_EQ(open(sddl, Reach::Place), place) << sddl;
        EXPECT_EQ(open(sddl, Reach::FolderAbove), above) << sddl;
    }
}
