#include "services/WinSystemInfo.h"

#include <shlwapi.h>

#include <gtest/gtest.h>

namespace {

TEST(UserNamesTest, AreEmptyWhenTheyWouldNameAnotherFolder) {
    for (const wchar_t* name : {L"Anna", L"Jürgen Müller", L"Зоя", L"Dr. Who", L".anna"})
        EXPECT_TRUE(IsPlainName(name)) << name;
    for (const wchar_t* name : {L"", L" ", L".", L" .. ", L"...", L"..\\x", L"a/b", L"C:", L"a\tb", L"a\x1F", L"a\x7F"})
        EXPECT_FALSE(IsPlainName(name)) << name;

    const std::pair<const wchar_t*, const wchar_t*> places[] = {
        {L"Software\\Microsoft\\MS Setup (ACME)\\User Info", L"DefName"},
        {L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", L"Logon User Name"}};
    for (const std::wstring value : {L"..\\Administrator", L"Jürgen Müller"}) {
        for (const auto& [key, name] : places)
            ASSERT_FALSE(SHSetValueW(HKEY_CURRENT_USER, key, name, REG_SZ, value.c_str(), DWORD(value.size() * 2 + 2)));
        const std::wstring expected = IsPlainName(value) ? value : L"";
        EXPECT_EQ(DefaultUserName(), expected);
        EXPECT_EQ(DefaultUserFolder(), expected);
    }
    for (const auto& [key, name] : places)
        SHDeleteValueW(HKEY_CURRENT_USER, key, name);
}

} // namespace
