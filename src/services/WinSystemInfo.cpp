#include "services/WinSystemInfo.h"

#include "services/Messages.h"
#include "services/UniqueHandle.h"

#include <sddl.h>

#include <algorithm>

namespace {

std::wstring TextOf(const RegistryValue& value) {
    const auto* text = std::get_if<std::wstring>(&value);
    return text ? *text : std::wstring();
}

std::wstring PlainOrEmpty(std::wstring name) {
    return IsPlainName(name) ? name : std::wstring();
}

std::wstring GuardedUserValue(const wchar_t* operation, const wchar_t* subKey, const wchar_t* name) {
    std::wstring result;
    RunGuarded(operation, [&] { result = TextOf(RegistryGetKeyValue(HKEY_CURRENT_USER, subKey, name)); });
    return PlainOrEmpty(std::move(result));
}

} // namespace

RegistryValue RegistryGetKeyValue(HKEY root, const std::wstring& subKey, const std::wstring& name) {
    RegistryValue result;
    RunGuarded(L"RegistryGetKeyValue", [&] {
        UniqueKey key;
        if (RegOpenKeyExW(root, subKey.c_str(), 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS) {
            key.release();
            return;
        }
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            return;
        switch (type) {
        case REG_SZ: {
            std::wstring text(size / sizeof(wchar_t), L'\0');
            if (size > 0 && RegQueryValueExW(key.get(), name.c_str(), nullptr, nullptr,
                                             reinterpret_cast<BYTE*>(text.data()), &size) != ERROR_SUCCESS)
                return;
            result = TrimNulls(text);
            break;
        }
        case REG_BINARY: {
            std::vector<uint8_t> bytes(size);
            if (size > 0 &&
                RegQueryValueExW(key.get(), name.c_str(), nullptr, nullptr, bytes.data(), &size) != ERROR_SUCCESS)
                return;
            bytes.resize(size);
            result = std::move(bytes);
            break;
        }
        case REG_DWORD: {
            uint32_t number = 0;
            DWORD bytes = sizeof(number);
            if (RegQueryValueExW(key.get(), name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&number), &bytes) ==
                ERROR_SUCCESS)
                result = number;
            break;
        }
        default:
            break;
        }
    });
    return result;
}

bool IsPlainName(std::wstring_view name) {
    const bool onlyDotsAndSpaces = name.find_first_not_of(L". ") == std::wstring_view::npos;
    const auto unfit = [](wchar_t c) { return c < 0x20 || c == 0x7F || c == L'\\' || c == L'/' || c == L':'; };
    return !onlyDotsAndSpaces && std::none_of(name.begin(), name.end(), unfit);
}

std::wstring DefaultUserName() {
    return GuardedUserValue(L"DefaultUserName", L"Software\\Microsoft\\MS Setup (ACME)\\User Info", L"DefName");
}

std::wstring DefaultUserFolder() {
    return GuardedUserValue(L"DefaultUserFolder", L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer",
                            L"Logon User Name");
}

std::wstring UserName() {
    std::wstring result;
    RunGuarded(L"UserName", [&] {
        wchar_t buffer[100] = {};
        DWORD size = 100;
        if (GetUserNameW(buffer, &size))
            result = TrimNulls(std::wstring_view(buffer, 100));
    });
    return PlainOrEmpty(std::move(result));
}

std::vector<BYTE> ProcessTokenUser() {
    UniqueKernelHandle token;
    DWORD size = 0;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.put()) ||
        (GetTokenInformation(token.get(), TokenUser, nullptr, 0, &size), size == 0))
        return {};
    std::vector<BYTE> user(size);
    if (!GetTokenInformation(token.get(), TokenUser, user.data(), size, &size))
        return {};
    return user;
}

std::wstring AccountSid() {
    const std::vector<BYTE> user = ProcessTokenUser();
    wchar_t* text = nullptr;
    if (user.empty() || !ConvertSidToStringSidW(reinterpret_cast<const TOKEN_USER*>(user.data())->User.Sid, &text))
        return {};
    const UniqueLocalMemory owned(text);
    return text;
}

std::wstring TrimNulls(std::wstring_view text) {
    return std::wstring(text.substr(0, text.find(L'\0')));
}
