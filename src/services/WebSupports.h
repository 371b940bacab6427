#pragma once
#include <cstdint>
#include <string>

// Opens a document in its program or an address in the default browser,
// maximised; returns the shell's result (32 or less is a failure).
int32_t ShellOpen(const std::wstring& target);
