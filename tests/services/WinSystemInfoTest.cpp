#include "services/WinSystemInfo.h"

#include <gtest/gtest.h>

TEST(UserNamesTest, AreNamesOnlyWhenTheyNameNoOtherFolder) {
    for (const wchar_t* name : {L"Anna", L"Jürgen Müller", L"Зоя", L"Dr. Who", L".anna"})
        EXPECT_TRUE(IsPlainName(name)) << name;
    for (const wchar_t* name : {L"", L" ", L".", L" .. ", L"...", L"..\\x", L"a/b", L"C:", L"a\tb", L"a\x1F", L"a\x7F"})
        EXPECT_FALSE(IsPlainName(name)) << name;
}
