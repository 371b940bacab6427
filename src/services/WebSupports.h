#pragma once
#include <cstdint>
#include <string>

// Opens a document in its program or an address in the default browser,
// maximised, with this program's rights; returns the shell's result (32 or
// less is a failure).
int32_t ShellOpen(const std::wstring& target);

// Opens a web page in the default browser, or starts a program in a working
// folder ("": the shell's), through the shell of the desktop, which runs as the
// user logged on to it: the browser or program then has that user's rights, not
// an elevated program's. False when the desktop's shell does not answer (none
// runs, or it does not offer its own ShellExecute) or cannot open the target.
bool OpenOnDesktop(const std::wstring& target, const std::wstring& folder, int showCommand);
