#include "services/Registry.h"

#include "services/UniqueHandle.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr REGSAM kWriteAccess =
    KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_ENUMERATE_SUB_KEYS | KEY_NOTIFY | KEY_CREATE_LINK;
constexpr REGSAM kReadAccess = KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS | KEY_NOTIFY;

UniqueKey OpenKey(HKEY root, const std::wstring& subKey, REGSAM access) {
    UniqueKey key;
    if (RegOpenKeyExW(root, subKey.c_str(), 0, access, key.put()) != ERROR_SUCCESS)
        key.release();
    return key;
}

} // namespace

bool RegistryWriteValue(HKEY root, const std::wstring& subKey, const std::wstring& name, const std::wstring& value,
                        REGSAM view) {
    const UniqueKey key = OpenKey(root, subKey, kWriteAccess | view);
    if (!key)
        return false;
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes) ==
           ERROR_SUCCESS;
}

bool RegistryReadValue(HKEY root, const std::wstring& subKey, const std::wstring& name, RegistryValue& value,
                       REGSAM view) {
    const UniqueKey key = OpenKey(root, subKey, kReadAccess | view);
    if (!key)
        return false;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return false;
    switch (type) {
    case REG_SZ:
    case REG_EXPAND_SZ:
    case REG_MULTI_SZ: {
        std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
        DWORD bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        if (RegQueryValueExW(key.get(), name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(text.data()), &bytes) !=
            ERROR_SUCCESS)
            return false;
        text.resize(bytes / sizeof(wchar_t));
        while (!text.empty() && text.back() == L'\0')
            text.pop_back();
        value = std::move(text);
        return true;
    }
    case REG_BINARY:
    case REG_DWORD: {
        // Read whole, whatever its length: a longer binary value is still a value.
        std::vector<BYTE> bytes(size);
        if (size > 0 &&
            RegQueryValueExW(key.get(), name.c_str(), nullptr, nullptr, bytes.data(), &size) != ERROR_SUCCESS)
            return false;
        uint32_t number = 0;
        std::memcpy(&number, bytes.data(), std::min<size_t>(size, sizeof(number)));
        value = number;
        return true;
    }
    default:
        // Other types exist and are left unread.
        return true;
    }
}

bool RegistryDeleteValue(HKEY root, const std::wstring& subKey, const std::wstring& name, REGSAM view) {
    const UniqueKey key = OpenKey(root, subKey, kWriteAccess | view);
    return key && RegDeleteValueW(key.get(), name.c_str()) == ERROR_SUCCESS;
}
