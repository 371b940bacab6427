#include "services/Rights.h"
#include "services/WinSystemInfo.h"

#include <gtest/gtest.h>

TEST(UserNamesTest, AreNamesOnlyWhenTheyNameNoOtherFolder) {
    for (const wchar_t* name : {L"Anna", L"Jürgen Müller", L"Зоя", L"Dr. Who", L".anna"})
        EXPECT_TRUE(IsPlainName(name)) << name;
    for (const wchar_t* name : {L"", L" ", L".", L" .. ", L"...", L"..\\x", L"a/b", L"C:", L"a\tb", L"a\x1F", L"a\x7F"})
        EXPECT_FALSE(IsPlainName(name)) << name;
}

TEST(RightsTest, FullOnlyElevatedFromVistaOnAndForAnAdministratorBefore) {
    // Vista or later, elevated, Administrators (not for deny only), and the rights that gives.
    for (const auto& [vista, elevated, administrator, rights] :
         {std::tuple{true, true, true, Rights::Full},
          {true, false, false, Rights::Elevatable}, // a filtered administrator, or a standard account
          {true, true, false, Rights::Elevatable},  // restricted: Administrators for deny only
          {false, false, true, Rights::Full},
          {false, false, false, Rights::None}})
        EXPECT_EQ(RightsOf(vista, elevated, administrator), rights) << vista << elevated << administrator;
}
