#include "services/FileSecurity.h"
#include "services/UniqueHandle.h"

#include <sddl.h>

#include <gtest/gtest.h>

// Everyone, Authenticated Users, Users and INTERACTIVE, each with each right to change (write, append, delete, delete
// in a folder, change permissions, take over, the generic rights); then DACLs that give them none or all.
TEST(FileSecurityTest, AnyRightToChangeOfAGroupOfEveryAccountCounts) {
    const auto mayChange = [](const std::wstring& sddl) {
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        EXPECT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.c_str(), 1, &descriptor, nullptr));
        const UniqueLocalMemory owned(descriptor);
        return EveryAccountMayChange(descriptor);
    };
    for (const std::wstring group : {L"WD", L"AU", L"BU", L"IU"})
        for (const std::wstring right : {L"0x2", L"0x4", L"SD", L"0x40", L"WD", L"WO", L"GW", L"GA"})
            EXPECT_TRUE(mayChange(L"O:BAD:(A;;" + right + L";;;" + group + L")")) << group << L" " << right;
    for (const auto& [sddl, open] :
         {std::pair{L"O:BAD:(A;;FA;;;SY)(A;;FA;;;S-1-5-21-1-2-3-1001)(A;;FRFX;;;WD)(A;;0x110;;;AU)", false},
          {L"O:BAD:", false},                              // an empty DACL: nobody
          {L"O:BA", true},                                 // none: everybody
          {L"O:BAD:(D;;0xd0046;;;WD)(A;;FA;;;WD)", false}, // denied first
          {L"O:BAD:(A;;FA;;;WD)(D;;0xd0046;;;WD)", true},  // denied too late
          {L"O:BAD:(D;;0xd0046;;;IU)(A;;FA;;;BU)", true},  // a log-on over the network is not INTERACTIVE
          {L"O:BAD:(A;OICIIO;FA;;;BU)", false},            // only for what is made inside
          {L"O:WDD:(A;;FA;;;SY)", true}})                  // an owner may change the permissions
        EXPECT_EQ(mayChange(sddl), open) << sddl;
}
