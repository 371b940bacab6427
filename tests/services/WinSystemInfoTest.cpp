#include "services/Rights.h"
#include "services/WinSystemInfo.h"

#include <gtest/gtest.h>

TEST(UserNamesTest, AreNamesOnlyWhenTheyNameNoOtherFolder) {
    for (const wchar_t* name : {L"Anna", L"Jürgen Müller", L"Зоя", L"Dr. Who", L".anna"})
        EXPECT_TRUE(IsPlainName(name)) << name;
    for (const wchar_t* name : {L"", L" ", L".", L" .. ", L"...", L"..\\x", L"a/b", L"C:", L"a\tb", L"a\x1F", L"a\x7F"})
        EXPECT_FALSE(IsPlainName(name)) << name;
}

// Vista or later, elevated, in Administrators (not for deny only): full rights, elevatable, or none.
TEST(RightsTest, FullOnlyElevatedFromVistaOnAndForAnAdministratorBefore) {
    using enum Rights;
    for (const auto& [vista, elevated, administrator, rights] : {std::tuple{true, true, true, Full},
                                                                 {true, false, false, Elevatable},
                                                                 {true, true, false, Elevatable},
                                                                 {false, false, true, Full},
                                                                 {false, false, false, None}})
        EXPECT_EQ(RightsOf(vista, elevated, administrator), rights) << vista << elevated << administrator;
}
