#include "services/Registry.h"
#include "services/WinSystemInfo.h"

#include <shlwapi.h>

#include <gtest/gtest.h>

namespace {

// Every case works below its own scratch key under HKEY_CURRENT_USER.
class RegistryTest : public testing::Test {
protected:
    const std::wstring key_ = L"Software\\HivoraTests\\" + std::to_wstring(GetCurrentProcessId());

    void SetUp() override {
        HKEY created = nullptr;
        ASSERT_EQ(
            RegCreateKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &created, nullptr),
            ERROR_SUCCESS);
        RegCloseKey(created);
    }
    void TearDown() override { SHDeleteKeyW(HKEY_CURRENT_USER, key_.c_str()); }

    void SetRaw(const wchar_t* name, DWORD type, const void* data, DWORD size) {
        ASSERT_EQ(SHSetValueW(HKEY_CURRENT_USER, key_.c_str(), name, type, data, size), ERROR_SUCCESS);
    }
    bool Exists(const wchar_t* name) {
        return RegGetValueW(HKEY_CURRENT_USER, key_.c_str(), name, RRF_RT_ANY, nullptr, nullptr, nullptr) ==
               ERROR_SUCCESS;
    }
};

TEST_F(RegistryTest, WrittenTextReadsBackAsText) {
    const std::wstring command = L"\"C:\\Programme\\Прибор Ωμέγα\\HIVORA.exe\" /Auto";
    ASSERT_TRUE(RegistryWriteValue(HKEY_CURRENT_USER, key_, L"Erunt", command));
    RegistryValue value;
    ASSERT_TRUE(RegistryReadValue(HKEY_CURRENT_USER, key_, L"Erunt", value));
    EXPECT_EQ(std::get<std::wstring>(value), command);
    EXPECT_EQ(std::get<std::wstring>(RegistryGetKeyValue(HKEY_CURRENT_USER, key_, L"Erunt")), command);

    DWORD type = 0;
    RegGetValueW(HKEY_CURRENT_USER, key_.c_str(), L"Erunt", RRF_RT_ANY, &type, nullptr, nullptr);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
}

TEST_F(RegistryTest, ReadReportsMissingKeyOrValue) {
    RegistryValue value;
    EXPECT_FALSE(RegistryReadValue(HKEY_CURRENT_USER, key_, L"Erunt", value));
    EXPECT_FALSE(RegistryReadValue(HKEY_CURRENT_USER, key_ + L"\\Missing", L"Erunt", value));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(RegistryGetKeyValue(HKEY_CURRENT_USER, key_, L"Erunt")));
    EXPECT_TRUE(
        std::holds_alternative<std::monostate>(RegistryGetKeyValue(HKEY_CURRENT_USER, key_ + L"\\Missing", L"Erunt")));
}

TEST_F(RegistryTest, ReadTakesNumbersFromDwordAndBinaryValues) {
    const DWORD number = 0x12345678;
    SetRaw(L"Number", REG_DWORD, &number, sizeof(number));
    const unsigned char bytes[] = {1, 2, 3, 4};
    SetRaw(L"Bytes", REG_BINARY, bytes, sizeof(bytes));

    RegistryValue value;
    ASSERT_TRUE(RegistryReadValue(HKEY_CURRENT_USER, key_, L"Number", value));
    EXPECT_EQ(std::get<uint32_t>(value), 0x12345678u);
    ASSERT_TRUE(RegistryReadValue(HKEY_CURRENT_USER, key_, L"Bytes", value));
    EXPECT_EQ(std::get<uint32_t>(value), 0x04030201u);
}

TEST_F(RegistryTest, DeleteRemovesOnlyTheNamedValue) {
    RegistryWriteValue(HKEY_CURRENT_USER, key_, L"Erunt", L"on");
    RegistryWriteValue(HKEY_CURRENT_USER, key_, L"Other", L"stays");
    EXPECT_TRUE(RegistryDeleteValue(HKEY_CURRENT_USER, key_, L"Erunt"));
    EXPECT_FALSE(Exists(L"Erunt"));
    EXPECT_FALSE(RegistryDeleteValue(HKEY_CURRENT_USER, key_, L"Erunt")) << "already gone";
    EXPECT_TRUE(Exists(L"Other"));
}

TEST_F(RegistryTest, WriteBelowMissingKeyFailsAndCreatesNothing) {
    EXPECT_FALSE(RegistryWriteValue(HKEY_CURRENT_USER, key_ + L"\\Missing", L"Erunt", L"on"));
    HKEY opened = nullptr;
    EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, (key_ + L"\\Missing").c_str(), 0, KEY_READ, &opened), ERROR_SUCCESS);
}

TEST_F(RegistryTest, GetKeyValueCutsTextAtTheFirstNul) {
    const wchar_t padded[] = L"abc\0\0\0";
    SetRaw(L"Padded", REG_SZ, padded, sizeof(padded));
    EXPECT_EQ(std::get<std::wstring>(RegistryGetKeyValue(HKEY_CURRENT_USER, key_, L"Padded")), L"abc");
    SetRaw(L"Empty", REG_SZ, L"", 0);
    EXPECT_EQ(std::get<std::wstring>(RegistryGetKeyValue(HKEY_CURRENT_USER, key_, L"Empty")), L"");
}

TEST_F(RegistryTest, GetKeyValueGivesBytesNumbersAndNothingForOtherTypes) {
    const unsigned char bytes[] = {9, 8, 7};
    SetRaw(L"Bytes", REG_BINARY, bytes, sizeof(bytes));
    const DWORD number = 42;
    SetRaw(L"Number", REG_DWORD, &number, sizeof(number));
    const wchar_t expandable[] = L"%SystemRoot%";
    SetRaw(L"Expandable", REG_EXPAND_SZ, expandable, sizeof(expandable));

    EXPECT_EQ(std::get<std::vector<uint8_t>>(RegistryGetKeyValue(HKEY_CURRENT_USER, key_, L"Bytes")),
              (std::vector<uint8_t>{9, 8, 7}));
    EXPECT_EQ(std::get<uint32_t>(RegistryGetKeyValue(HKEY_CURRENT_USER, key_, L"Number")), 42u);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(RegistryGetKeyValue(HKEY_CURRENT_USER, key_, L"Expandable")));
}

// The user-name values live in fixed places of HKEY_CURRENT_USER. The prefix
// is a throwaway one, and one case covers them so that no two runs race.
TEST(UserNameValuesTest, ComeFromTheirPlacesAndAreEmptyWhenMissing) {
    const wchar_t setupKey[] = L"Software\\Microsoft\\MS Setup (ACME)\\User Info";
    const wchar_t explorerKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
    const auto set = [](const wchar_t* key, const wchar_t* name, const std::wstring& value) {
        return SHSetValueW(HKEY_CURRENT_USER, key, name, REG_SZ, value.c_str(),
                           static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    };

    SHDeleteValueW(HKEY_CURRENT_USER, setupKey, L"DefName");
    SHDeleteValueW(HKEY_CURRENT_USER, explorerKey, L"Logon User Name");
    EXPECT_EQ(DefaultUserName(), L"") << "and no message box, or the test would hang";
    EXPECT_EQ(DefaultUserFolder(), L"");

    ASSERT_EQ(set(setupKey, L"DefName", L"Jürgen Müller"), ERROR_SUCCESS);
    ASSERT_EQ(set(explorerKey, L"Logon User Name", L"Зоя"), ERROR_SUCCESS);
    EXPECT_EQ(DefaultUserName(), L"Jürgen Müller");
    EXPECT_EQ(DefaultUserFolder(), L"Зоя");

    SHDeleteValueW(HKEY_CURRENT_USER, setupKey, L"DefName");
    SHDeleteValueW(HKEY_CURRENT_USER, explorerKey, L"Logon User Name");
}

} // namespace
