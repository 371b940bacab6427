#include "services/Registry.h"

#include "services/UniqueHandle.h"

namespace {

// Query, set, create sub-key, enumerate, notify, create link.
constexpr REGSAM kWriteAccess = 0x3F;
// Query, enumerate, notify.
constexpr REGSAM kReadAccess = 0x19;

UniqueKey OpenKey(HKEY root, const std::wstring& subKey, REGSAM access) {
    UniqueKey key;
    if (RegOpenKeyExW(root, subKey.c_str(), 0, access, key.put()) != ERROR_SUCCESS)
        key.release();
    return key;
}

} // namespace

bool RegistryWriteValue(HKEY root, const std::wstring& subKey, const std::wstring& name, const std::wstring& value) {
    const UniqueKey key = OpenKey(root, subKey, kWriteAccess);
    if (!key)
        return false;
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes) ==
           ERROR_SUCCESS;
}

bool RegistryReadValue(HKEY root, const std::wstring& subKey, const std::wstring& name, RegistryValue& value) {
    const UniqueKey key = OpenKey(root, subKey, kReadAccess);
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
        uint32_t number = 0;
        DWORD bytes = sizeof(number);
        if (RegQueryValueExW(key.get(), name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&number), &bytes) !=
            ERROR_SUCCESS)
            return false;
        value = number;
        return true;
    }
    default:
        // Other types exist and are left unread.
        return true;
    }
}

bool RegistryDeleteValue(HKEY root, const std::wstring& subKey, const std::wstring& name) {
    const UniqueKey key = OpenKey(root, subKey, kWriteAccess);
    return key && RegDeleteValueW(key.get(), name.c_str()) == ERROR_SUCCESS;
}
