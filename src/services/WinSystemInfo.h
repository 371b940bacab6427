#pragma once
// Who the user is, as the system and the shell record it.
#include "services/Registry.h"

#include <string>
#include <string_view>

// A value read with query access only: empty, text cut before its first NUL,
// the bytes of a binary value, or a DWORD.
RegistryValue RegistryGetKeyValue(HKEY root, const std::wstring& subKey, const std::wstring& name);

// The registered user name of the machine's setup information, or "".
std::wstring DefaultUserName();
// The logon user name recorded by the shell, or "".
std::wstring DefaultUserFolder();
// The account the program runs under.
std::wstring UserName();
// The text up to, not including, its first NUL.
std::wstring TrimNulls(std::wstring_view text);
