#pragma once
// The log-on run starts the program with an administrator's full rights and
// unasked, and it reads the settings file beside the program and starts
// AUTOBACK from the folder those settings name, with those rights too. Another
// account that could change any of them could run its own program that way.
#include <string>
#include <string_view>

class Prompts;

// True when no other account may change the program's folder or file, its
// settings file, or ERUNT's folder or its AUTOBACK.EXE, nor a folder above them.
// Otherwise the user is told, under the headline, the first place that is open
// and where the program belongs.
bool LogOnRunProtected(Prompts& prompts, std::wstring_view headline, const std::wstring& title);
