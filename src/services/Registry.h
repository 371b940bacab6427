#pragma once
// One value of the registry. None of these creates a key: the sub-key must exist.
// The view is 0 for the program's own, or KEY_WOW64_64KEY / KEY_WOW64_32KEY.
#include <windows.h>

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// Empty, text, bytes or a 32-bit number, as the value's type gives it.
using RegistryValue = std::variant<std::monostate, std::wstring, std::vector<uint8_t>, uint32_t>;

// Stores text as REG_SZ; true when it was stored.
bool RegistryWriteValue(HKEY root, const std::wstring& subKey, const std::wstring& name, const std::wstring& value,
                        REGSAM view = 0);

// True when the key opened and the value could be read; text types come back
// as text, REG_BINARY and REG_DWORD as a 32-bit number (of their first bytes).
bool RegistryReadValue(HKEY root, const std::wstring& subKey, const std::wstring& name, RegistryValue& value,
                       REGSAM view = 0);

// True exactly when the value was deleted.
bool RegistryDeleteValue(HKEY root, const std::wstring& subKey, const std::wstring& name, REGSAM view = 0);
