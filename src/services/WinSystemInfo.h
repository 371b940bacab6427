#pragma once
// Who the user is, as the system and the shell record it.
#include "services/Registry.h"

#include <string>
#include <string_view>
#include <vector>

// A value read with query access only: empty, text cut before its first NUL,
// the bytes of a binary value, or a DWORD.
RegistryValue RegistryGetKeyValue(HKEY root, const std::wstring& subKey, const std::wstring& name);

// True when a user name can be joined into a profile path as one folder name:
// not only dots and spaces (".", ".." and "" would name another folder), and
// free of path separators, drive colons and control characters.
bool IsPlainName(std::wstring_view name);

// Each of these answers "" unless the name it finds is a plain name.
// The registered user name of the machine's setup information.
std::wstring DefaultUserName();
// The logon user name recorded by the shell.
std::wstring DefaultUserFolder();
// The account the program runs under.
std::wstring UserName();
// The same account as the process token holds it: a TOKEN_USER, whose SID names
// it; empty when the token cannot be read.
std::vector<BYTE> ProcessTokenUser();
// The SID of that account as text (S-1-5-21-...); "" when the token cannot be read.
std::wstring AccountSid();
// The text up to, not including, its first NUL.
std::wstring TrimNulls(std::wstring_view text);
